// The new-game set-up: every start value, the scene it leaves, and a second game like the first.
#include <map>
#include <string>
#include <vector>

#include "support/game_fixture.h"
#include "support/game_values.h"

namespace skyscrub {
namespace {

class NewGame : public GameFixture {
 protected:
  // Every variable a new game sets, by name (random draws aside).
  std::map<std::string, double> NewGameValues() const {
    std::map<std::string, double> values = GameVariableValues(game);
    std::erase_if(values, [](const auto& entry) { return !Expected().contains(entry.first); });
    return values;
  }

  static std::map<std::string, double> Expected() {
    std::map<std::string, double> v{
        {"quotaReached", 0},    {"gasCount", 9},         {"ch4Odds", 7},       {"cfcTimer", 0},
        {"cfcInterval", 350},   {"gasTimer", 0},         {"gasInterval", 120}, {"soundHold", 0},
        {"gameOverPending", 0}, {"gameOverTimer", 0},    {"gasDestroyed", 0},  {"lastGasIndex", 19},
        {"lives", 3},           {"animTick", 1},         {"reloadTicks", -1},  {"canFire", -1},
        {"dragX", 0.02},        {"speedX", 0},           {"speedY", -2.5},     {"gravity", 0.08},
        {"engineExhausted", 0},
    };
    for (int i = 0; i < 3; ++i) {
      v["cfcDrift(" + std::to_string(i) + ")"] = 0;
      v["uvStepY(" + std::to_string(i) + ")"] = 3;
    }
    for (int i = 0; i <= 8; ++i) v["gasGrowing(" + std::to_string(i) + ")"] = 1;
    return v;
  }

  void ExpectRunningScene() {
    EXPECT_TRUE(game.Timer1.Enabled);
    EXPECT_FALSE(game.Timer2.Enabled);
    EXPECT_FALSE(game.Timer3.Enabled);
    EXPECT_TRUE(game.player.Visible);
    EXPECT_TRUE(game.player.Shows(game.shipRight));
    EXPECT_FLOAT_EQ(game.player.Top, 168);
    EXPECT_FLOAT_EQ(game.player.Left, 368);
    for (int i = 0; i < 20; ++i) {
      const Picture& gas = game.CO2[i];
      EXPECT_EQ(gas.Visible, i <= 8) << i;
      if (i > 8) continue;
      EXPECT_TRUE(gas.Shows(game.picCO2)) << i;
      EXPECT_FLOAT_EQ(gas.Width, 32);
      EXPECT_FLOAT_EQ(gas.Height, 32);
      EXPECT_GE(gas.Left, 0);
      EXPECT_LT(gas.Left, 770);
      EXPECT_GE(gas.Top, 51);
      EXPECT_LE(gas.Top, 515);
    }
    for (const Picture& cfc : game.CFC) {
      EXPECT_FALSE(cfc.Visible);
      EXPECT_TRUE(cfc.Shows(game.picCFC));
      EXPECT_FLOAT_EQ(cfc.Width, 32);
      EXPECT_FLOAT_EQ(cfc.Height, 32);
    }
    for (const Picture& shot : game.bullet) EXPECT_FALSE(shot.Visible);
    for (const Picture& burst : game.Xplode) EXPECT_FALSE(burst.Visible);
    for (int k = 0; k < 25; ++k) {
      EXPECT_TRUE(game.Ozone[k].Visible);
      EXPECT_FLOAT_EQ(game.Ozone[k].Left, 32 * k);
      EXPECT_FLOAT_EQ(game.Ozone[k].Top, 30);
    }
    for (const Picture& ray : game.UltraViolet) {
      EXPECT_TRUE(ray.Visible);
      EXPECT_LT(ray.Top, 0);
    }
    for (const Element* hud : std::initializer_list<const Element*>{
             &game.Label3, &game.Temp0, &game.Temp1, &game.Temp3, &game.Label1, &game.Label2, &game.PowerBottom,
             &game.power}) {
      EXPECT_TRUE(hud->Visible) << hud->name;
    }
    EXPECT_FLOAT_EQ(game.power.Width, 125);
    EXPECT_EQ(game.power.BackColor, colours::kGreen);
    EXPECT_FLOAT_EQ(game.killbar.Width, 0.3f);
    EXPECT_FLOAT_EQ(game.Temp1.Width, 25);
  }
};

TEST_F(NewGame, SetsEveryStartValueAndStartsTheGameMusic) {
  Start();
  game.Label7_Click();
  system.effects.clear();
  game.Label9_Click();
  EXPECT_EQ(NewGameValues(), Expected());
  ExpectRunningScene();
  std::vector<std::string> music;
  for (const Effect& e : system.effects) {
    if (e.kind == Effect::Kind::Music) music.push_back(ToJson(e));
  }
  EXPECT_EQ(music, std::vector<std::string>{R"({"music":"/components/sound/music2.mid"})"});
}

TEST_F(NewGame, WithMusicOffLeavesThePlayerAlone) {
  Start(std::string("10\r\n1\r\n0\r\n"));
  game.Label7_Click();
  game.Label9_Click();
  for (const Effect& e : system.effects) EXPECT_NE(e.kind, Effect::Kind::Music);
}

// A game played to its end leaves many values changed; the next game starts like the first.
TEST_F(NewGame, ASecondGameAfterAFinishedOneStartsTheSame) {
  StartGame();
  Hold({Key::Z, Key::Up, Key::Right});
  Tick(200);
  game.gasDestroyed = 299;
  game.quotaReached = kTrue;
  game.ch4Odds = 2;
  game.cfcInterval = 100;
  game.gasInterval = 63;
  game.engineExhausted = kTrue;
  game.gameOverPending = kTrue;
  game.gameOverTimer = 50;
  game.lives = 1;
  game.soundHold = 5;
  game.cfcDrift = {0.5, -0.5, 1};
  game.ShowLoseScreen();
  Hold({Key::Space});
  game.Timer3_Timer();
  ReleaseAll();
  ASSERT_TRUE(game.Picture2.Visible);
  game.Label7_Click();
  game.Label9_Click();
  EXPECT_EQ(NewGameValues(), Expected());
  ExpectRunningScene();
}

}  // namespace
}  // namespace skyscrub
