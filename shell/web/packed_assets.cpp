// The built-in pictures and recordings of the browser build: the page's data file
// holds them under /assets, and each is read once, when first asked for.
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "assets/embedded.h"

namespace assets {

std::span<const std::uint8_t> Embedded(std::string_view name) {
  static std::map<std::string, std::vector<std::uint8_t>, std::less<>> files;
  auto it = files.find(name);
  if (it == files.end()) {
    std::ifstream in("/assets/" + std::string(name), std::ios::binary);
    std::vector<std::uint8_t> bytes;
    if (in) bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    it = files.emplace(std::string(name), std::move(bytes)).first;
  }
  return it->second;
}

}  // namespace assets
