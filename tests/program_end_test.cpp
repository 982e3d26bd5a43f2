// How the built program ends: at once when it cannot run (no display, a level that
// cannot be read), on SIGINT and SIGTERM in every mode, and at the end of a demo
// that has no `end` line.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "program_runner.h"
#include "shell/demo.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;
using heli::testing::MakeTempFolder;
using heli::testing::ReadAll;
using heli::testing::Result;
using heli::testing::RunIn;

std::string Built() {
  return std::string("'") + HELI_BINARY_DIR + "/heli-rescue'";
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

class ProgramEnd : public ::testing::Test {
 protected:
  void SetUp() override {
    work_ = MakeTempFolder("end");
    // A window needs a video driver even where there is no display.
    setenv("SDL_VIDEODRIVER", "dummy", 0);
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(work_, ec);
  }

  struct Stopped {
    bool by_signal = false;
    int signal = 0;
    double seconds = 0;  // from the signal to the end
  };

  // Starts the program in the work folder with SIGINT and SIGTERM as a shell
  // leaves them, waits until it has written a line of its state dump (so it runs
  // its ticks), sends `sig` and waits for the end (at most 20 s).
  Stopped SignalWhileRunning(std::vector<std::string> args, int sig) {
    fs::remove(work_ / "dump.jsonl");
    fs::remove(work_ / "rec.demo");
    args.insert(args.begin(), std::string(HELI_BINARY_DIR) + "/heli-rescue");
    args.insert(args.end(), {"--dump", (work_ / "dump.jsonl").string(), "--record",
                             (work_ / "rec.demo").string()});
    std::vector<char*> argv;
    for (std::string& a : args) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t defaults;
    sigemptyset(&defaults);
    sigaddset(&defaults, SIGINT);
    sigaddset(&defaults, SIGTERM);
    posix_spawnattr_setsigdefault(&attr, &defaults);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGDEF);
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    Stopped s;
    const int spawned = posix_spawn(&pid, argv[0], &files, &attr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&files);
    posix_spawnattr_destroy(&attr);
    EXPECT_EQ(spawned, 0);
    if (spawned != 0) return s;

    using Clock = std::chrono::steady_clock;
    int status = 0;
    auto deadline = Clock::now() + std::chrono::seconds(20);
    while (ReadAll(work_ / "dump.jsonl").find('\n') == std::string::npos &&
           Clock::now() < deadline) {
      if (waitpid(pid, &status, WNOHANG) == pid) {
        ADD_FAILURE() << "the program ended before it was signalled";
        return s;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(pid, sig);
    const auto sent = Clock::now();
    deadline = sent + std::chrono::seconds(20);
    while (waitpid(pid, &status, WNOHANG) != pid) {
      if (Clock::now() > deadline) {
        kill(pid, SIGKILL);
        waitpid(pid, &status, 0);
        ADD_FAILURE() << "still running 20 s after the signal";
        return s;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    s.seconds = std::chrono::duration<double>(Clock::now() - sent).count();
    s.by_signal = WIFSIGNALED(status);
    s.signal = s.by_signal ? WTERMSIG(status) : -1;
    return s;
  }

  // Every dump line is whole, one per tick from 0, and the recording is a whole
  // demo that ends where the dump does.
  void ExpectWholeFiles() {
    const auto lines = Lines(ReadAll(work_ / "dump.jsonl"));
    ASSERT_FALSE(lines.empty());
    for (std::size_t i = 0; i < lines.size(); ++i)
      EXPECT_EQ(nlohmann::json::parse(lines[i])["tick"], i);
    const heli::Demo demo = heli::LoadDemo((work_ / "rec.demo").string());
    ASSERT_FALSE(demo.events.empty());
    EXPECT_EQ(demo.events.back().kind, heli::DemoEvent::Kind::End);
    EXPECT_EQ(demo.events.back().tick, static_cast<std::int64_t>(lines.size()));
  }

  fs::path work_;
};

// The shell reports a program that a signal ended as 128 + the signal: 130, 143.
TEST_F(ProgramEnd, SigintAndSigtermEndEveryModeAtOnceWithWholeFiles) {
  const Stopped headless = SignalWhileRunning({"--headless"}, SIGINT);
  EXPECT_TRUE(headless.by_signal);
  EXPECT_EQ(headless.signal, SIGINT);
  EXPECT_LT(headless.seconds, 2.0);
  ExpectWholeFiles();

  // A window (of the dummy video driver the tests ask for), in real time.
  const Stopped window = SignalWhileRunning({"--window", "--nosound"}, SIGTERM);
  EXPECT_TRUE(window.by_signal);
  EXPECT_EQ(window.signal, SIGTERM);
  EXPECT_LT(window.seconds, 2.0);
  ExpectWholeFiles();
}

TEST_F(ProgramEnd, WithoutADisplayOrItsLevelAtOnceWithStatus1) {
  // No X11 or Wayland to be found, and no video driver asked for.
  const std::string no_display =
      "env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u SDL_VIDEODRIVER ";
  const Result r =
      RunIn(work_, no_display + "timeout -s KILL 20 " + Built() + " --window --nosound");
  EXPECT_EQ(r.status, 1) << r.err;
  std::vector<std::string> ours;
  for (const std::string& line : Lines(r.err))
    if (line.rfind("heli-rescue:", 0) == 0) ours.push_back(line);
  ASSERT_EQ(ours.size(), 1u) << r.err;
  EXPECT_NE(ours[0].find("no display could be opened"), std::string::npos) << r.err;
  EXPECT_NE(ours[0].find("--headless"), std::string::npos) << r.err;
  // A driver asked for by name is taken, even one that shows nothing.
  const Result asked = RunIn(work_, no_display + "SDL_VIDEODRIVER=dummy timeout -s KILL 20 " +
                                        Built() + " --window --nosound --ticks 3");
  EXPECT_EQ(asked.status, 0) << asked.err;

  fs::create_directories(work_ / "empty");
  const Result level =
      RunIn(work_, "timeout -s KILL 20 " + Built() + " --headless --data-dir empty --level 8");
  EXPECT_EQ(level.status, 1) << level.err;
  EXPECT_NE(level.err.find("Cannot open file empty/lev8.lta"), std::string::npos) << level.err;
}

// Headless, a demo without `end` stops after the tick of its last event; in a
// window the player has the controls from then on, with the demo's keys let go.
TEST_F(ProgramEnd, ADemoWithoutEndStopsHeadlessAndHandsOverInAWindow) {
  std::ofstream(work_ / "open.demo") << "heli-demo 1\nseed 4\n@10 press Escape\n"
                                        "@20 mouse 400 230\n@25 hold Up A\n";
  const std::string play = " --play open.demo --record rec.demo --dump dump.jsonl";
  const Result headless = RunIn(work_, "timeout -s KILL 60 " + Built() + " --headless" + play);
  EXPECT_EQ(headless.status, 0) << headless.err;
  EXPECT_EQ(Lines(ReadAll(work_ / "dump.jsonl")).size(), 26u);
  EXPECT_EQ(heli::LoadDemo((work_ / "rec.demo").string()).events.back().tick, 26);

  const Result window =
      RunIn(work_, "timeout -s KILL 60 " + Built() + " --window --nosound --ticks 40" + play);
  EXPECT_EQ(window.status, 0) << window.err;
  EXPECT_EQ(Lines(ReadAll(work_ / "dump.jsonl")).size(), 40u);
  const std::string recorded = ReadAll(work_ / "rec.demo");
  EXPECT_NE(recorded.find("@25 hold Up A\n@26 hold\n@40 end\n"), std::string::npos) << recorded;
}

}  // namespace
