// How the built program ends: at once when it cannot run (no display, a level that
// cannot be read), on SIGINT and SIGTERM in every mode, and at the end of a demo
// that has no `end` line.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "program_runner.h"
#include "shell/demo.h"

namespace {

namespace fs = std::filesystem;
using heli::testing::ReadAll;
using heli::testing::Result;
using heli::testing::RunIn;

const std::string kGame = std::string("\"") + HELI_BINARY_DIR + "/heli-rescue\"";
// Windows of the dummy video driver, even where the tests run without a display.
const std::string kWindow = "env SDL_VIDEODRIVER=dummy " + kGame + " --window --nosound";

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

struct ProgramEnd : ::testing::Test {
  void SetUp() override { work = heli::testing::MakeTempFolder("end"); }
  void TearDown() override { fs::remove_all(work); }
  fs::path work;
};

// Signals the game once it runs its ticks (its state dump has a line) and prints
// the status the shell reports and the milliseconds the game took to end. Job
// control keeps SIGINT as a shell at a terminal leaves it.
TEST_F(ProgramEnd, SigintAndSigtermEndEveryModeAtOnceWithWholeFiles) {
  using Case = std::tuple<std::string, const char*, const char*>;
  for (const auto& [game, signal, status] :
       {Case{kGame + " --headless", "INT", "130"}, Case{kWindow, "TERM", "143"}}) {
    SCOPED_TRACE(game);
    const Result r = RunIn(
        work, std::string("rm -f dump rec.demo; timeout -s KILL 60 bash -c 'set -m; ") + game +
                  " --dump dump --record rec.demo 2>/dev/null & p=$!\n"
                  "until [ -s dump ] || ! kill -0 $p; do sleep 0.01; done\n"
                  "t=$(date +%s%N); kill -" +
                  signal +
                  " $p; wait $p; s=$?\n"
                  "echo $s $(( ($(date +%s%N) - t) / 1000000 ))'");
    std::istringstream out(r.out);
    std::string shown;
    int ms = -1;
    out >> shown >> ms;
    EXPECT_EQ(shown, status) << r.out << r.err;
    EXPECT_LT(ms, 2000);
    // Nothing half-written: a dump line per tick, and the whole recording.
    const auto lines = Lines(ReadAll(work / "dump"));
    for (std::size_t i = 0; i < lines.size(); ++i)
      EXPECT_EQ(nlohmann::json::parse(lines[i])["tick"], i);
    const auto events = heli::LoadDemo((work / "rec.demo").string()).events;
    EXPECT_EQ(events.back().kind, heli::DemoEvent::Kind::End);
    EXPECT_EQ(events.back().tick, static_cast<std::int64_t>(lines.size()));
  }
}

TEST_F(ProgramEnd, WithoutADisplayOrItsLevelAtOnceWithStatus1) {
  // No X11 or Wayland to be found, and no video driver asked for.
  const std::string bare =
      "env -u DISPLAY -u WAYLAND_DISPLAY -u XDG_RUNTIME_DIR -u SDL_VIDEODRIVER ";
  const Result r = RunIn(work, bare + "timeout -s KILL 20 " + kGame + " --nosound");
  EXPECT_EQ(r.status, 1) << r.err;
  std::vector<std::string> ours;
  for (const std::string& line : Lines(r.err))
    if (line.rfind("heli-rescue:", 0) == 0) ours.push_back(line);
  ASSERT_EQ(ours.size(), 1u) << r.err;
  EXPECT_NE(ours[0].find("no display could be opened"), std::string::npos);
  EXPECT_NE(ours[0].find("--headless"), std::string::npos);
  // A driver asked for by name is taken, even one that shows nothing.
  EXPECT_EQ(RunIn(work, bare + kWindow + " --ticks 3").status, 0);

  fs::create_directories(work / "empty");
  const Result level =
      RunIn(work, "timeout -s KILL 20 " + kGame + " --headless --data-dir empty --level 8");
  EXPECT_EQ(level.status, 1) << level.err;
  EXPECT_NE(level.err.find("Cannot open file empty/lev8.lta"), std::string::npos) << level.err;
}

// Headless, a demo without `end` stops after the tick of its last event; in a
// window the player has the controls from then on, with the demo's keys let go.
TEST_F(ProgramEnd, ADemoWithoutEndStopsHeadlessAndHandsOverInAWindow) {
  std::ofstream(work / "open.demo") << "heli-demo 1\nseed 4\n@10 press Escape\n"
                                       "@20 mouse 400 230\n@25 hold Up A\n";
  const std::string play = " --play open.demo --record rec.demo --dump dump";
  EXPECT_EQ(RunIn(work, "timeout -s KILL 60 " + kGame + " --headless" + play).status, 0);
  EXPECT_EQ(Lines(ReadAll(work / "dump")).size(), 26u);
  EXPECT_EQ(heli::LoadDemo((work / "rec.demo").string()).events.back().tick, 26);

  EXPECT_EQ(RunIn(work, "timeout -s KILL 60 " + kWindow + " --ticks 40" + play).status, 0);
  EXPECT_EQ(Lines(ReadAll(work / "dump")).size(), 40u);
  const std::string recorded = ReadAll(work / "rec.demo");
  EXPECT_NE(recorded.find("@25 hold Up A\n@26 hold\n@40 end\n"), std::string::npos) << recorded;
}

}  // namespace
