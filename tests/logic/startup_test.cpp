// Start-up: the settings file decides the tick, the effects and the title music; the
// activation puts the title screen over the window and switches the display.
#include "support/game_fixture.h"
#include "support/settings_cases.h"

namespace skyscrub {
namespace {

class StartupSettings : public GameFixture, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(StartupSettings, DecideTickEffectsAndTitleMusic) {
  const SettingsCase& c = GetParam();
  system.settingsContent = c.file;
  game.Form_Load();
  EXPECT_EQ(game.Timer1.Interval, c.interval);
  EXPECT_EQ(game.soundEnabled, c.sound);
  EXPECT_EQ(game.musicEnabled, c.music);
  const std::vector<Effect> music{{Effect::Kind::Music, "/components/sound/music1.mid", {}}};
  std::vector<Effect> played;
  for (const Effect& e : system.effects)
    if (e.kind == Effect::Kind::Music) played.push_back(e);
  EXPECT_EQ(played, c.titleMusic ? music : std::vector<Effect>{});
  EXPECT_FALSE(game.Timer1.Enabled);
}

INSTANTIATE_TEST_SUITE_P(Files, StartupSettings, ::testing::ValuesIn(SettingsCases()), SettingsCaseName);

class Startup : public GameFixture {};

TEST_F(Startup, LoadResetsTheSceneAndLeavesTheTitleWatchRunning) {
  system.settingsContent = "10\r\n1\r\n1\r\n";
  game.Form_Load();
  EXPECT_FLOAT_EQ(game.killbar.Width, 0.3f);
  EXPECT_FLOAT_EQ(game.Temp1.Width, 25);
  EXPECT_FLOAT_EQ(game.power.Width, 125);
  EXPECT_FLOAT_EQ(game.Shield.Width, 125);
  EXPECT_EQ(game.lblLives.Caption, "Lives: 3");
  EXPECT_EQ(game.lives, 3);
  EXPECT_EQ(game.animTick, 1);
  EXPECT_EQ(game.gasCount, 0);
  for (int i = 0; i < 20; ++i) {
    EXPECT_FALSE(game.CO2[i].Visible);
    EXPECT_TRUE(game.CO2[i].Shows(i <= 13 ? game.picCO2 : game.picCH4)) << "CO2(" << i << ")";
  }
  EXPECT_TRUE(game.UltraViolet[2].Shows(game.picUV));
  EXPECT_TRUE(game.Ozone[24].Shows(game.pic03));
  EXPECT_TRUE(game.CFC[0].Shows(game.picCFC));
  EXPECT_TRUE(game.Timer3.Enabled);
  EXPECT_FALSE(game.Timer2.Enabled);
  EXPECT_TRUE(game.player.Visible) << "the reset leaves the ship as it was";
  EXPECT_TRUE(game.Form1.topmost);
}

TEST_F(Startup, ActivationCoversTheWindowWithTheTitleAndSwitchesTheDisplay) {
  system.settingsContent = "10\r\n1\r\n1\r\n";
  system.screen = {1024, 768};
  game.Form_Load();
  system.effects.clear();
  game.Form_Activate();
  EXPECT_EQ(game.Picture2.Left, 0);
  EXPECT_EQ(game.Picture2.Top, 0);
  EXPECT_EQ(game.Picture2.Width, 800);
  EXPECT_EQ(game.Picture2.Height, 600);
  EXPECT_TRUE(game.Picture2.Visible);
  EXPECT_EQ(game.Picture2.picture, game.Image8.picture);
  EXPECT_EQ(game.Form1.picture, game.Image6.picture);
  EXPECT_TRUE(game.Image3.Shows(game.Image4));
  EXPECT_EQ(game.savedScreenWidth, 1024);
  EXPECT_EQ(game.savedScreenHeight, 768);
  const std::vector<Effect> expected{{Effect::Kind::Display, {}, {}, 800, 600}};
  EXPECT_EQ(system.effects, expected);
}

TEST_F(Startup, EscapeOnTheTitleRestoresTheDisplayAndEndsTheProgram) {
  system.screen = {1024, 768};
  Start();
  Hold({Key::Escape});
  game.Timer3_Timer();
  EXPECT_EQ(system.effects, QuitEffects({1024, 768}));
  EXPECT_TRUE(game.Ended());
  EXPECT_TRUE(system.ended);
}

}  // namespace
}  // namespace skyscrub
