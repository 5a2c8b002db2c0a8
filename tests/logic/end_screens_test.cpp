// The ends of a game: the lose and win screens and the way back to the title.
#include <string>

#include "support/game_fixture.h"

namespace skyscrub {
namespace {

struct EndCase {
  std::string name;
  void (GameWindow::*end)();
  Panel Scene::*screen;
  Panel Scene::*otherScreen;
  std::string music;
};

class EndScreen : public GameFixture, public ::testing::WithParamInterface<EndCase> {
 protected:
  // A game in the middle of play, seen from the end of a tick.
  void Play(std::optional<std::string> settings = std::string("10\r\n1\r\n1\r\n")) {
    Start(std::move(settings));
    game.Picture2.Visible = false;
    game.Timer3.Enabled = false;
    game.Timer1.Enabled = true;
    game.Timer2.Enabled = true;  // P held in the tick that ends the game
    for (int i = 0; i < 20; i += 3) game.CO2[i].Visible = true;
    game.CFC[1].Visible = true;
    game.gasCount = 7;
    game.lives = 2;
  }
  Panel& Screen() { return game.*GetParam().screen; }
};

TEST_P(EndScreen, StopsTheGameCoversTheSceneAndPlaysTheEndMusic) {
  Play();
  (game.*GetParam().end)();
  EXPECT_FALSE(game.Timer1.Enabled);
  EXPECT_FALSE(game.Timer2.Enabled);
  EXPECT_TRUE(game.Timer3.Enabled);
  const Panel& screen = Screen();
  EXPECT_TRUE(screen.Visible);
  EXPECT_EQ(screen.Left, 0);
  EXPECT_EQ(screen.Top, 0);
  EXPECT_EQ(screen.Width, 800);
  EXPECT_EQ(screen.Height, 600);
  EXPECT_FALSE((game.*GetParam().otherScreen).Visible);
  for (const Picture& gas : game.CO2) EXPECT_FALSE(gas.Visible);
  EXPECT_TRUE(game.CFC[1].Visible);  // everything else stays behind the screen
  EXPECT_EQ(game.gasCount, 7);
  const std::vector<Effect> expected{{Effect::Kind::Music, GetParam().music, {}}};
  EXPECT_EQ(system.effects, expected);
}

TEST_P(EndScreen, SpaceGoesBackToTheTitleWithTheTitleMusic) {
  Play();
  (game.*GetParam().end)();
  system.effects.clear();
  game.Timer3_Timer();  // nothing held
  EXPECT_TRUE(Screen().Visible);
  Hold({Key::Space});
  game.Timer3_Timer();
  EXPECT_FALSE(game.LoseScreen.Visible);
  EXPECT_FALSE(game.WinScreen.Visible);
  EXPECT_TRUE(game.Picture2.Visible);
  EXPECT_TRUE(game.Timer3.Enabled);
  EXPECT_FALSE(game.Timer1.Enabled);
  EXPECT_EQ(game.lives, 3);  // the scene reset
  EXPECT_EQ(game.lblLives.Caption, "Lives: 3");
  EXPECT_FALSE(game.CFC[1].Visible);
  const std::vector<Effect> expected{{Effect::Kind::Music, "/components/sound/music1.mid", {}},
                                     {Effect::Kind::Topmost, {}, {}}};
  EXPECT_EQ(system.effects, expected);
}

TEST_P(EndScreen, WithMusicOffTheEndAndTheReturnAreSilent) {
  Play("10\r\n1\r\n0\r\n");
  (game.*GetParam().end)();
  Hold({Key::Space});
  game.Timer3_Timer();
  EXPECT_TRUE(game.Picture2.Visible);
  for (const Effect& effect : system.effects) EXPECT_NE(effect.kind, Effect::Kind::Music);
  EXPECT_TRUE(game.WindowsMediaPlayer1.URL.empty());
}

TEST_P(EndScreen, EscapeEndsTheProgram) {
  Play();
  (game.*GetParam().end)();
  Hold({Key::Escape, Key::Space});
  game.Timer3_Timer();
  EXPECT_TRUE(system.ended);
  EXPECT_TRUE(Screen().Visible);  // nothing else of the poll runs
  EXPECT_FALSE(game.Picture2.Visible);
}

INSTANTIATE_TEST_SUITE_P(LoseAndWin, EndScreen,
                         ::testing::Values(EndCase{"Lose", &GameWindow::ShowLoseScreen, &Scene::LoseScreen,
                                                   &Scene::WinScreen, "/components/sound/music3.wav"},
                                           EndCase{"Win", &GameWindow::ShowWinScreen, &Scene::WinScreen,
                                                   &Scene::LoseScreen, "/components/sound/music4.wav"}),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace skyscrub
