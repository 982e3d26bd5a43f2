// Escape, clicks and mouse moves in each state of the game.
#include "shell/commands.h"

#include <gtest/gtest.h>

#include "shell_helpers.h"
#include "test_game.h"

namespace {

using heli::testing::EnterPlay;
using heli::testing::NewGame;
using heli::testing::Ticks;

TEST(Escape, ClosesTheHelpPictureOrTheMapBeforeItOpensTheMenu) {
  for (int shown = 0; shown < 2; ++shown) {
    auto g = NewGame();
    EnterPlay(*g);
    g->help_shown = shown == 0;
    g->map_shown = shown == 1;
    heli::down(*g, 112);  // only Escape acts here; F1 and M are read by the tick
    EXPECT_EQ(g->help_shown + g->map_shown, 1);
    heli::down(*g, heli::VK_ESCAPE);
    EXPECT_EQ(g->help_shown, 0);
    EXPECT_EQ(g->map_shown, 0);
    EXPECT_EQ(g->in_menu, 0);
    EXPECT_EQ(g->sounds.Setting(heli::kHudbaHra).stops, 0);
    heli::down(*g, heli::VK_ESCAPE);
    EXPECT_EQ(g->in_menu, 1);
    // The play sounds stop under the menu; the menu music comes back.
    EXPECT_EQ(g->sounds.Setting(heli::kHudbaHra).stops, 1);
    EXPECT_EQ(g->sounds.Setting(heli::kHelik).stops, 1);
    EXPECT_TRUE(g->sounds.Setting(heli::kHMenu).looped);
    heli::down(*g, heli::VK_ESCAPE);  // in the menu: nothing more
    EXPECT_EQ(g->sounds.Setting(heli::kHudbaHra).stops, 1);
    EXPECT_EQ(g->in_menu, 1);
  }
}

TEST(Escape, OnTheLevelStartScreenStartsPlayWithTheClockOfTimedLevels) {
  for (int level = 1; level <= 9; ++level) {
    auto g = NewGame();
    EnterPlay(*g);
    g->level = static_cast<heli::u8>(level);
    g->level_intro = 1;
    Ticks(*g, 1);
    ASSERT_FALSE(g->bottom_panel_shown);
    heli::down(*g, heli::VK_ESCAPE);
    EXPECT_EQ(g->level_intro, 0);
    EXPECT_EQ(g->in_menu, 0);
    EXPECT_TRUE(g->bottom_panel_shown);
    EXPECT_TRUE(g->rescued_panel_shown);
    EXPECT_TRUE(g->endangered_panel_shown);
    EXPECT_EQ(g->cass.Enabled, level == 2 || level == 4) << "level " << level;
  }
}

TEST(Escape, HeldWithKeyRepeatOnTheStartScreenStartsPlayThenOpensTheMenu) {
  auto g = NewGame();
  EnterPlay(*g);
  g->level_intro = 1;
  heli::down(*g, heli::VK_ESCAPE);
  EXPECT_EQ(g->level_intro, 0);
  EXPECT_EQ(g->in_menu, 0);
  heli::down(*g, heli::VK_ESCAPE);  // the first repeat
  EXPECT_EQ(g->in_menu, 1);
}

TEST(Click, DoesNothingOutsideTheMenu) {
  for (heli::u8 item : {21, 23, 24}) {
    auto g = NewGame();
    EnterPlay(*g);
    g->menu_item = item;
    heli::klik(*g);
    EXPECT_FALSE(g->closed);
    EXPECT_EQ(g->level_intro, 0);
    EXPECT_EQ(g->game_started, 0);
    EXPECT_FALSE(g->bottom_panel_shown);
  }
}

}  // namespace
