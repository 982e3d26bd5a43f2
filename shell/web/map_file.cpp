// The C library's way of reading a whole file into memory, which its gettext uses
// to read a message catalogue. The browser build's own misreads the file's size and
// gettext then reads past the catalogue, so the program brings this one: the file
// read into memory that is never given back, as a mapping would stay.
#include <sys/stat.h>

#include <cstddef>
#include <cstdio>
#include <cstdlib>

extern "C" const unsigned char* __map_file(const char* pathname, std::size_t* size) {
  std::FILE* f = std::fopen(pathname, "rb");
  if (!f) return nullptr;
  struct stat st {};
  unsigned char* bytes = nullptr;
  if (fstat(fileno(f), &st) == 0 && st.st_size >= 0) {
    const auto n = static_cast<std::size_t>(st.st_size);
    bytes = static_cast<unsigned char*>(std::malloc(n > 0 ? n : 1));
    if (bytes && std::fread(bytes, 1, n, f) == n) {
      *size = n;
    } else {
      std::free(bytes);
      bytes = nullptr;
    }
  }
  std::fclose(f);
  return bytes;
}
