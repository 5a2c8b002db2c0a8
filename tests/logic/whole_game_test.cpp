// Whole games: from the title through play to the lose screen and back, twice over.
#include <map>
#include <string>

#include "support/game_fixture.h"
#include "support/game_values.h"

namespace skyscrub {
namespace {

class WholeGame : public GameFixture {
 protected:
  // The state a game starts with, random draws aside (the rays' drifts, the molecules' places).
  // A new game leaves `bulletSpeed`, `uvIndex` and the growing flags of slots 9 to 19 as the last
  // game left them, so they are not part of it.
  std::map<std::string, double> StartingState() const {
    std::map<std::string, double> s = GameVariableValues(game);
    s.erase("uvIndex");
    for (int i = 0; i < 3; ++i) s.erase("uvStepX(" + std::to_string(i) + ")");
    for (int i = 0; i < 7; ++i) s.erase("bulletSpeed(" + std::to_string(i) + ")");
    for (int i = 9; i < 20; ++i) s.erase("gasGrowing(" + std::to_string(i) + ")");

    // The gauges, and which of the sprites and screens show; a hidden sprite keeps its last size.
    const std::map<std::string, const Element*> gauges{{"Temp1", &game.Temp1}, {"Shield", &game.Shield},
                                                       {"power", &game.power}, {"killbar", &game.killbar}};
    for (const auto& [name, gauge] : gauges) s[name + ".Width"] = gauge->Width;
    const std::map<std::string, const Element*> shown{{"player", &game.player}, {"dying", &game.dying},
                                                        {"hotlbl", &game.hotlbl},
                                                        {"LoseScreen", &game.LoseScreen},
                                                        {"Picture2", &game.Picture2},
                                                        {"Control_Screen", &game.Control_Screen}};
    for (const auto& [name, element] : shown) s[name + ".Visible"] = element->Visible;
    s["player.Left"] = game.player.Left;
    s["player.Top"] = game.player.Top;
    s["power.BackColor"] = game.power.BackColor;
    s["lblLives is 3"] = game.lblLives.Caption == "Lives: 3";
    for (const Timer* timer : {&game.Timer1, &game.Timer2, &game.Timer3}) {
      s[std::string(timer->name) + ".Enabled"] = timer->Enabled;
    }
    const auto visibility = [&s](const char* name, const auto& slots) {
      for (std::size_t i = 0; i < slots.size(); ++i) {
        s[std::string(name) + "(" + std::to_string(i) + ").Visible"] = slots[i].Visible;
      }
    };
    visibility("UltraViolet", game.UltraViolet);
    visibility("CFC", game.CFC);
    visibility("Xplode", game.Xplode);
    visibility("CO2", game.CO2);
    visibility("bullet", game.bullet);
    visibility("Ozone", game.Ozone);
    for (int i = 0; i < 3; ++i) s["CFC(" + std::to_string(i) + ").Width"] = game.CFC[i].Width;
    return s;
  }

  void PlayFromTheTitle() {
    ASSERT_TRUE(game.Picture2.Visible);
    game.Label7_Click();
    game.Label9_Click();
  }

  // Left alone, the ship falls to the ground three times; the lose screen follows the countdown.
  void PlayToALoss() {
    int tick = 0, lastLifeTick = -1;
    while (game.Timer1.Enabled && tick < 20000) {
      game.Timer1_Timer();
      ++tick;
      if (lastLifeTick < 0 && game.lives == 0) lastLifeTick = tick;
    }
    ASSERT_TRUE(game.LoseScreen.Visible);
    EXPECT_EQ(game.lblLives.Caption, "Lives: 0");
    EXPECT_EQ(tick - lastLifeTick, 179);
    EXPECT_FALSE(game.player.Visible);
  }

  void BackToTheTitle() {
    system.effects.clear();
    Hold({Key::Space});
    game.Timer3_Timer();
    ReleaseAll();
    EXPECT_TRUE(game.Picture2.Visible);
    EXPECT_FALSE(game.LoseScreen.Visible);
    ASSERT_FALSE(system.effects.empty());
    EXPECT_EQ(ToJson(system.effects.front()), R"({"music":"/components/sound/music1.mid"})");
  }
};

TEST_F(WholeGame, TwoGamesToALossStartAlike) {
  Start();
  PlayFromTheTitle();
  const std::map<std::string, double> first = StartingState();
  PlayToALoss();
  BackToTheTitle();

  PlayFromTheTitle();
  const std::map<std::string, double> second = StartingState();
  ASSERT_EQ(second.size(), first.size());
  for (const auto& [name, value] : first) EXPECT_EQ(second.at(name), value) << name;
  PlayToALoss();
  BackToTheTitle();
  EXPECT_TRUE(game.Timer3.Enabled);
  EXPECT_FALSE(game.Timer1.Enabled);
}

}  // namespace
}  // namespace skyscrub
