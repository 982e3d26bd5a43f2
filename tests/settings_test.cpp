// The settings file: every kind of bad line is one warning and nothing more, the
// file the game writes reads back as the defaults, assigned keys fly, demos play
// the same under any keys, and the controller's rumble follows the blows.
#include "shell/settings.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "game/sounds.h"
#include "program_runner.h"
#include "shell/form.h"
#include "shell/rumble.h"
#include "tests/shell_helpers.h"
#include "tests/test_game.h"

namespace {

namespace fs = std::filesystem;
using heli::ParseSettings;

TEST(Settings, BadLinesAreOneWarningEachAndGoodLinesStillCount) {
  const auto r = ParseSettings(
      "[display]\n"                  // 1
      "mode = sideways\n"            // 2 bad value
      "window_scale = 3\n"           // 3
      "colour = blue\n"              // 4 unknown name
      "[keys\n"                      // 5 broken section: the lines up to the next heading go
      "up = Q\n"                     // 6
      "[keys]\n"                     // 7
      "up = W, Up  # two keys\n"     // 8
      "down = Foo\n"                 // 9 unknown key name
      "faster = A, B, C, D\n"        // 10 too many keys
      "chair =\n"                    // 11 no key at all
      "[weird]\n"                    // 12 unknown section
      "x = 1\n"                      // 13
      "just text\n"                  // 14 not a setting
      "  [sound]\n"                  // 15
      "volume = 150\n"               // 16 out of range
      "sound=off\n"                  // 17
      "[display]\n"                  // 18
      "scaling = whole ; integer\n"  // 19
      "vsync = no\n",                // 20
      "s.ini");
  const std::vector<std::string> expected = {
      "s.ini:2: bad value 'sideways' for mode (fullscreen, window or exclusive)",
      "s.ini:4: unknown setting 'colour' in [display]",
      "s.ini:5: broken section heading '[keys'; its settings are skipped",
      "s.ini:9: unknown key name 'Foo'",
      "s.ini:10: more than three keys",
      "s.ini:12: unknown section [weird]; its settings are skipped",
      "s.ini:14: not a setting (NAME = VALUE): 'just text'",
      "s.ini:16: bad value '150' for volume (0 to 100)",
  };
  EXPECT_EQ(r.warnings, expected);

  const heli::Settings& s = r.settings;
  const auto& defaults = media::Input::DefaultAssignments();
  EXPECT_EQ(s.mode, media::WindowMode::Desktop);
  EXPECT_EQ(s.look.scale, 3);
  EXPECT_TRUE(s.look.whole_scale);
  EXPECT_FALSE(s.look.vsync);
  EXPECT_FALSE(s.sound);
  EXPECT_EQ(s.volume, 100);
  EXPECT_EQ(s.keys[media::stUp], (std::array<int, 3>{'W', 38, 0}));
  EXPECT_EQ(s.keys[media::stDown], defaults[media::stDown]);
  EXPECT_EQ(s.keys[media::stButton1], defaults[media::stButton1]);
  EXPECT_EQ(s.keys[media::stButton5], (std::array<int, 3>{0, 0, 0}));
}

TEST(Settings, TheWrittenDefaultsReadBackAsTheDefaultsAndAreNeverWrittenOver) {
  const auto d = ParseSettings(heli::DefaultSettingsText(), "d.ini");
  EXPECT_TRUE(d.warnings.empty()) << d.warnings.front();
  EXPECT_EQ(d.settings.keys, media::Input::DefaultAssignments());
  EXPECT_EQ(d.settings.mode, media::WindowMode::Desktop);
  EXPECT_EQ(d.settings.look.scale, 0);
  EXPECT_TRUE(d.settings.rumble);
  EXPECT_FALSE(d.settings.pause_in_background);

  const fs::path dir = heli::testing::MakeTempFolder("settings");
  const fs::path file = dir / "config" / "heli-rescue" / "settings.ini";
  auto made = heli::ReadOrCreateSettings(file);
  EXPECT_TRUE(made.warnings.empty());
  EXPECT_EQ(heli::testing::ReadAll(file), heli::DefaultSettingsText());
  std::ofstream(file) << "[keys]\nup = W\n";
  made = heli::ReadOrCreateSettings(file);
  EXPECT_EQ(made.settings.keys[media::stUp][0], 'W');
  EXPECT_EQ(heli::testing::ReadAll(file), "[keys]\nup = W\n");
  // Where nothing can be written the game starts on the defaults, and says so.
  std::ofstream(dir / "blocked") << "a file, not a folder";
  made = heli::ReadOrCreateSettings(dir / "blocked" / "settings.ini");
  ASSERT_EQ(made.warnings.size(), 1u);
  EXPECT_NE(made.warnings[0].find("cannot be written"), std::string::npos);
  fs::remove_all(dir);
}

TEST(Settings, UpAssignedToWFliesUpWithWAndNoLongerWithTheArrow) {
  auto g = heli::testing::NewGame();
  heli::testing::EnterPlay(*g);
  g->DXInput1.SetKeyAssignments(ParseSettings("[keys]\nup = W\n", "w.ini").settings.keys);
  heli::testing::Ticks(*g, 5);
  const int start = g->altitude;
  g->DXInput1.KeyDown('W');
  heli::testing::Ticks(*g, 30);
  g->DXInput1.KeyUp('W');
  const int climbed = g->altitude;
  EXPECT_GT(climbed, start);
  g->DXInput1.KeyDown(38);
  heli::testing::Ticks(*g, 30);
  EXPECT_LE(g->altitude, climbed);
}

// The program reads a settings file it is given, tells of its bad lines, starts
// anyway, and plays a demo the same game whatever keys the file assigns.
TEST(Settings, ADemoPlaysTheSameUnderAnyKeysAndABrokenFileStillStarts) {
  const fs::path dir = heli::testing::MakeTempFolder("settings");
  std::ofstream(dir / "keys.ini") << "[keys]\nup = W\nchair = Return\nfaster = Space\n";
  std::ofstream(dir / "bad.ini") << "[keys\nup = Nothing\n[display]\nmode = upside down\n";
  std::ofstream(dir / "climb.demo") << "heli-demo 1\nseed 5\n@5 hold Up A\n@60 hold Space\n"
                                       "@90 end\n";
  const std::string game =
      std::string("\"") + HELI_BINARY_DIR + "/heli-rescue\" --headless --level 1 --play climb.demo";
  const auto plain = heli::testing::RunIn(dir, game + " --dump plain.json");
  const auto keyed = heli::testing::RunIn(dir, game + " --config keys.ini --dump keyed.json");
  const auto bad = heli::testing::RunIn(dir, game + " --config bad.ini --dump bad.json");
  EXPECT_EQ(plain.status, 0);
  EXPECT_EQ(keyed.status, 0);
  EXPECT_EQ(bad.status, 0);
  const std::string dump = heli::testing::ReadAll(dir / "plain.json");
  EXPECT_NE(dump.find("\"tick\":89"), std::string::npos);
  EXPECT_EQ(heli::testing::ReadAll(dir / "keyed.json"), dump);
  EXPECT_EQ(heli::testing::ReadAll(dir / "bad.json"), dump);
  EXPECT_NE(bad.err.find("bad.ini:1: broken section heading '[keys'"), std::string::npos);
  EXPECT_NE(bad.err.find("bad.ini:4: bad value 'upside down' for mode"), std::string::npos);
  fs::remove_all(dir);
}

TEST(Rumble, APulseForTheBlowsAFaintOneInAVortexNoneWhenTurnedOff) {
  auto g = heli::testing::NewGame();
  heli::testing::EnterPlay(*g);
  g->DXInput1.SetTestJoystick(true, 0, 0, 0);
  heli::testing::Ticks(*g, 3);
  EXPECT_TRUE(g->DXInput1.TestRumbles().empty());  // calm flight

  g->vortex_warning = 1;  // as a vortex leaves it when it holds the helicopter
  g->crashed = 0;
  heli::FollowRumble(*g);
  ASSERT_EQ(g->DXInput1.TestRumbles().size(), 1u);
  EXPECT_LT(g->DXInput1.TestRumbles()[0].low, 0x4000);

  g->sounds.Play(heli::kVybuch);  // the helicopter is lost
  heli::FollowRumble(*g);
  ASSERT_EQ(g->DXInput1.TestRumbles().size(), 2u);
  EXPECT_EQ(g->DXInput1.TestRumbles()[1].low, 0xFFFF);
  g->sounds.ClearRequests();
  heli::FollowRumble(*g);  // the pulse is not cut short by the faint one
  EXPECT_EQ(g->DXInput1.TestRumbles().size(), 2u);

  g->rumble_on = false;
  g->sounds.Play(heli::kVystrel);
  heli::FollowRumble(*g);
  EXPECT_EQ(g->DXInput1.TestRumbles().size(), 2u);
}

}  // namespace
