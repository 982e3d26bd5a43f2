// Every level won from start to finish by its completion demo, played through the
// built program, and held to its golden record: the whole state every 100th tick
// and a dozen presented frames must stay exactly as recorded. With
// HELI_GOLDEN_REWRITE=1 (tools/golden-record) the records are written instead.
#include "golden_record.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "level_demo_runner.h"

namespace {

using heli::testing::GoldenFrame;
using heli::testing::GoldenRecord;
using heli::testing::GoldenState;
using nlohmann::json;

// The sanitizer suite plays three of them, a timed level among them; the release
// suite plays all nine.
bool PlayedInThisBuild(int level) {
#ifdef HELI_SANITIZED
  return level == 2 || level == 6 || level == 9;
#else
  (void)level;
  return true;
#endif
}

bool Rewriting() {
  const char* v = std::getenv("HELI_GOLDEN_REWRITE");
  return v && std::string(v) == "1";
}

std::string GoldenPath(int level) {
  return std::string(HELI_SOURCE_DIR) + "/tests/golden/level" + std::to_string(level) +
         "_complete.golden";
}

bool Playing(const json& t, int level) {
  return t["level"] == level && t["level_intro"] == 0 && t["in_menu"] == 0 &&
         t["intro_running"] == 0;
}

// The level was flown without a loss and handed over to the next one, which only
// a delivery of the last endangered person does; the save file holds the level
// reached (completing level 9 leads to level 1 and, by design, writes nothing).
void ExpectWon(const heli::testing::FolderRun& run, int level) {
  ASSERT_GT(run.ticks.size(), 10u);
  const int endangered = run.ticks.front()["endangered"];
  int rescued = 0;
  for (const auto& t : run.ticks) {
    if (!Playing(t, level)) continue;
    ASSERT_EQ(t["crashed"], 0) << "tick " << t["tick"];
    ASSERT_GE(t["rescued"].get<int>(), rescued) << "tick " << t["tick"];
    rescued = t["rescued"];
    ASSERT_EQ(rescued + t["endangered"].get<int>(), endangered) << "tick " << t["tick"];
  }
  EXPECT_GT(rescued, 0);
  const json& last = run.ticks.back();
  const int next = level % 9 + 1;
  EXPECT_EQ(last["level"], next);
  EXPECT_EQ(last["level_intro"], 1);
  EXPECT_EQ(last["in_menu"], 0);
  EXPECT_EQ(last["crashed"], 0);
  EXPECT_EQ(run.save_file, level < 9 ? std::string(1, static_cast<char>(next)) : std::string());
}

// A dozen frames over the level: the start, the chair, a person hoisted, the
// stretcher, refuelling, the map, the vortex's warning, the last delivery and the
// next start screen where the demo has them, the rest spread evenly.
std::vector<GoldenFrame> ChooseFrames(const std::vector<json>& samples, int level) {
  std::vector<GoldenFrame> out;
  std::set<std::int64_t> taken;
  auto add = [&](const json& t, const std::string& label) {
    if (taken.insert(t["tick"].get<std::int64_t>()).second) out.push_back({t["tick"], "", label});
  };
  auto first = [&](const std::string& label, auto wanted) {
    for (const auto& t : samples)
      if (Playing(t, level) && wanted(t)) return add(t, label);
  };
  first("start", [](const json&) { return true; });
  first("chair lowered", [](const json& t) { return t["chair_out"] == 1 && t["chair_len"] > 1; });
  first("person in the chair",
        [](const json& t) { return t["chair_loaded"] == 1 && t["chair_len"] > 1; });
  first("stretcher", [](const json& t) {
    return t["unloading"] == 1 && t["unload_timer"] >= 20 && t["unload_timer"] <= 96;
  });
  first("refuelling", [](const json& t) {
    return t["objects"][0]["landed_ok"] == 1 && t["altitude"] < 6 && t["gauges"]["gpalivo"] < 150;
  });
  // The tick that opens the map still presents the flight view: take one later.
  for (std::size_t i = 1; i < samples.size(); ++i)
    if (Playing(samples[i], level) && samples[i - 1]["map_shown"] == 1 &&
        samples[i]["map_shown"] == 1) {
      add(samples[i], "map");
      break;
    }
  first("vortex warning", [](const json& t) { return t["vortex_warning"] == 1; });
  for (auto it = samples.rbegin(); it != samples.rend(); ++it)
    if (Playing(*it, level)) {
      add(*it, "last delivery");
      break;
    }
  add(samples.back(), "next start screen");
  std::vector<const json*> play;
  for (const auto& t : samples)
    if (Playing(t, level)) play.push_back(&t);
  for (std::size_t k = 1; out.size() < 12 && k < 12 && !play.empty(); ++k)
    add(*play[play.size() * k / 12], "flight");
  std::sort(out.begin(), out.end(), [](auto& a, auto& b) { return a.tick < b.tick; });
  return out;
}

std::vector<GoldenState> States(const std::vector<json>& samples) {
  std::vector<GoldenState> out;
  for (const auto& t : samples)
    if (t["tick"].get<std::int64_t>() % 100 == 0)
      out.push_back({t["tick"], heli::testing::Digest(t.dump()), heli::testing::FieldDigests(t)});
  return out;
}

void Rewrite(int level, const std::string& demo, const std::string& options,
             const heli::testing::FolderRun& fine) {
  GoldenRecord record{demo, options, ChooseFrames(fine.ticks, level), States(fine.ticks)};
  std::vector<std::int64_t> ticks;
  for (const auto& f : record.frames) ticks.push_back(f.tick);
  // A second run for the frames; it must also reproduce the first run's states.
  const auto run = heli::testing::PlayInFolder(demo, 100, options, ticks);
  const auto states = States(run.ticks);
  ASSERT_EQ(states.size(), record.states.size());
  for (std::size_t i = 0; i < states.size(); ++i)
    ASSERT_EQ(states[i].digest, record.states[i].digest) << "tick " << states[i].tick;
  for (auto& f : record.frames) {
    f.digest = run.frames.at(f.tick);
    ASSERT_FALSE(f.digest.empty()) << "no frame at tick " << f.tick;
  }
  ASSERT_TRUE(WriteGolden(GoldenPath(level), record)) << GoldenPath(level);
}

// Names the first state and the first frame that differ from the record.
void Compare(const GoldenRecord& golden, const heli::testing::FolderRun& run) {
  const auto states = States(run.ticks);
  for (std::size_t i = 0; i < golden.states.size(); ++i) {
    const GoldenState& want = golden.states[i];
    if (i >= states.size()) {
      ADD_FAILURE() << "the run ended before tick " << want.tick << " of the record";
      break;
    }
    const GoldenState& got = states[i];
    if (got.tick != want.tick) {
      ADD_FAILURE() << "state at tick " << got.tick << " where the record has tick " << want.tick;
      break;
    }
    if (got.digest == want.digest) continue;
    std::string fields;
    for (const auto& [name, digest] : got.fields) {
      auto it = want.fields.find(name);
      if (it == want.fields.end() || it->second != digest) fields += " " + name;
    }
    for (const auto& [name, digest] : want.fields)
      if (!got.fields.count(name)) fields += " " + name + "(missing)";
    ADD_FAILURE() << "state at tick " << want.tick << " differs first in:" << fields;
    break;
  }
  if (states.size() > golden.states.size())
    ADD_FAILURE() << "the run goes on past the record's last tick " << golden.states.back().tick;
  for (const auto& f : golden.frames) {
    auto it = run.frames.find(f.tick);
    if (it == run.frames.end() || it->second != f.digest) {
      ADD_FAILURE() << "frame at tick " << f.tick << " (" << f.label << ") differs";
      break;
    }
  }
}

class CompletionDemo : public ::testing::TestWithParam<int> {};

TEST_P(CompletionDemo, WinsTheLevelAndMatchesItsGoldenRecord) {
  const int level = GetParam();
  if (!heli::testing::LevelFilesBuilt()) GTEST_SKIP() << "level files not built";
  if (!PlayedInThisBuild(level)) GTEST_SKIP() << "played by the release suite";
  const std::string demo = "level" + std::to_string(level) + "_complete.demo";
  const std::string options = "--level " + std::to_string(level);
  GoldenRecord golden;
  if (!Rewriting()) {
    std::string error;
    ASSERT_TRUE(heli::testing::ReadGolden(GoldenPath(level), golden, error)) << error;
    ASSERT_EQ(golden.demo, demo);
    ASSERT_EQ(golden.options, options);
    ASSERT_GE(golden.frames.size(), 10u);
  }
  std::vector<std::int64_t> frame_ticks;
  for (const auto& f : golden.frames) frame_ticks.push_back(f.tick);
  const auto run = heli::testing::PlayInFolder(demo, Rewriting() ? 10 : 100, options, frame_ticks);
  ASSERT_EQ(run.status, 0);
  ExpectWon(run, level);
  if (HasFatalFailure()) return;
  if (Rewriting())
    Rewrite(level, demo, options, run);
  else
    Compare(golden, run);
}

INSTANTIATE_TEST_SUITE_P(AllLevels, CompletionDemo, ::testing::Range(1, 10),
                         [](const auto& info) { return "Level" + std::to_string(info.param); });

}  // namespace
