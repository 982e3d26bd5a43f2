#include "shell/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#ifdef __EMSCRIPTEN__
#include <emscripten.h>
#endif

#include <cerrno>
#include <cstdio>
#include <string>

#include "game/state.h"

namespace heli {

namespace fs = std::filesystem;

namespace {

fs::path& Folder() {
  static fs::path folder;
  return folder;
}

struct Fault {
  SaveStep step = SaveStep::None;
  int error = 0;
};

Fault& InjectedFault() {
  static Fault fault;
  return fault;
}

// Runs one step of a save: 0, or the errno it failed with. A fault injected for
// the step fails it without running it.
template <typename Action>
int Step(SaveStep step, Action action) {
  if (InjectedFault().step == step) return InjectedFault().error;
  return action() ? 0 : errno;
}

// The new file gets the permissions a plain create would have given it.
mode_t CreateMode() {
#ifdef __EMSCRIPTEN__
  // The browser's file system has no umask of its own (it reports 0777, which
  // would leave the file unreadable once the page is loaded again).
  return 0644;
#endif
  const mode_t mask = ::umask(0);
  ::umask(mask);
  return 0666 & ~mask;
}

int WriteSaveFile(unsigned char level) {
  const fs::path target = SaveFilePath();
  std::string temp = target.string() + ".XXXXXX";
  int fd = -1;
  if (int error =
          Step(SaveStep::Create, [&] { return (fd = ::mkostemp(temp.data(), O_CLOEXEC)) >= 0; }))
    return error;
  // Until the rename, a failure only has the new file to remove.
  auto abandon = [&](int error) {
    if (fd >= 0) ::close(fd);
    ::unlink(temp.c_str());
    return error;
  };
  ::fchmod(fd, CreateMode());  // mkostemp makes it private; a failure here does no harm

  if (int error = Step(SaveStep::Write, [&] {
        ssize_t written;
        do {
          written = ::write(fd, &level, 1);
        } while (written < 0 && errno == EINTR);
        if (written == 0) errno = ENOSPC;
        return written == 1;
      }))
    return abandon(error);
  if (int error = Step(SaveStep::Sync, [&] { return ::fsync(fd) == 0; })) return abandon(error);
  if (int error = Step(SaveStep::Close, [&] {
        const bool closed = ::close(fd) == 0;
        fd = -1;
        return closed;
      }))
    return abandon(error);
  if (int error =
          Step(SaveStep::Rename, [&] { return std::rename(temp.c_str(), target.c_str()) == 0; }))
    return abandon(error);
  // Makes the rename itself survive a power cut.
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  return Step(SaveStep::SyncFolder, [&] {
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir < 0) return false;
    const bool synced = ::fsync(dir) == 0;
    const int error = errno;
    ::close(dir);
    errno = error;
    return synced;
  });
}

}  // namespace

void SetSaveFolder(const fs::path& folder) {
  Folder() = folder;
}

const fs::path& SaveFolder() {
  return Folder();
}

fs::path SaveFilePath() {
  return Folder().empty() ? fs::path(kSaveFileName) : Folder() / kSaveFileName;
}

LoadResult LoadProgress(GameState& g) {
  g.load_failed = 1;
  const int fd = ::open(SaveFilePath().c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? LoadResult::NoSave : LoadResult::Unreadable;
  unsigned char saved = 0;
  ssize_t got;
  do {
    got = ::read(fd, &saved, 1);
  } while (got < 0 && errno == EINTR);
  ::close(fd);
  // A level the game has no layout and no pictures for is no saved game.
  if (got != 1 || saved < 1 || saved > 9) return LoadResult::Unreadable;
  g.level = saved;
  g.load_failed = 0;
  return LoadResult::Loaded;
}

bool SaveProgress(const GameState& g, std::error_code* error) {
  const int e = WriteSaveFile(g.level);
  if (error) *error = std::error_code(e, std::generic_category());
#ifdef __EMSCRIPTEN__
  // In a page the save folder lives in the browser's storage: write it out now.
  if (e == 0) EM_ASM({ Module.heliSync(); });
#endif
  return e == 0;
}

void SetSaveFault(SaveStep step, int error) {
  InjectedFault() = {step, error};
}

}  // namespace heli
