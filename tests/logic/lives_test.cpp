// Losing a life: the respawn, the last life and the countdown to the lose screen.
#include <string>

#include "support/game_fixture.h"

namespace skyscrub {
namespace {

class Lives : public GameFixture {
 protected:
  void SetUp() override {
    Start();
    // A wrecked ship, facing left, with the engine exhausted and a burst about to fade.
    game.player.Visible = false;
    game.player.TakePicture(game.ShipLeft);
    game.player.Left = 120;
    game.player.Top = 500;
    game.speedX = -2;
    game.speedY = 2.7;
    game.engineExhausted = kTrue;
    game.power.Width = 40;
    game.power.BackColor = colours::kYellow;
  }

  // A running main tick with no emissions due.
  void RunTheTick() {
    game.cfcInterval = 30000;
    game.gasInterval = 30000;
    game.Timer1.Enabled = true;
  }

  // The burst that disappears at the next fade step.
  void FadingBurst() {
    game.dying.Visible = true;
    game.dying.Width = game.dying.Height = 2.5f;
  }
};

class LifeLost : public Lives, public ::testing::WithParamInterface<std::int16_t> {};

TEST_P(LifeLost, WithLivesLeftANewShipRisesFromTheMiddle) {
  game.lives = GetParam();
  game.LoseLife();
  EXPECT_EQ(game.lives, GetParam() - 1);
  EXPECT_EQ(game.lblLives.Caption, "Lives: " + std::to_string(GetParam() - 1));
  EXPECT_TRUE(game.player.Visible);
  EXPECT_EQ(game.player.Left, 368);
  EXPECT_EQ(game.player.Top, 168);
  EXPECT_TRUE(game.player.Shows(game.ShipLeft));
  EXPECT_EQ(game.power.Width, 125);
  EXPECT_EQ(game.power.BackColor, colours::kGreen);
  EXPECT_EQ(game.engineExhausted, kFalse);
  EXPECT_EQ(game.speedX, 0);
  EXPECT_EQ(game.speedY, -2.5);
  EXPECT_EQ(game.gameOverPending, kFalse);
}

INSTANTIATE_TEST_SUITE_P(TwoOrThree, LifeLost, ::testing::Values(3, 2));

TEST_F(Lives, TheLastLifeLeavesTheShipHiddenAndStartsTheCountdown) {
  game.lives = 1;
  game.LoseLife();
  EXPECT_EQ(game.lives, 0);
  EXPECT_EQ(game.lblLives.Caption, "Lives: 0");
  EXPECT_FALSE(game.player.Visible);
  EXPECT_EQ(game.player.Top, 500);
  EXPECT_EQ(game.power.Width, 40);
  EXPECT_EQ(game.engineExhausted, kTrue);
  EXPECT_EQ(game.gameOverPending, kTrue);
  EXPECT_EQ(game.gameOverTimer, 1);
}

TEST_F(Lives, AWreckStruckAgainAfterTheLastLifeTakesNothingMore) {
  game.lives = 0;
  game.lblLives.Caption = "Lives: 0";
  game.gameOverPending = kTrue;
  game.gameOverTimer = 100;
  game.LoseLife();
  EXPECT_EQ(game.lives, 0);
  EXPECT_EQ(game.lblLives.Caption, "Lives: 0");
  EXPECT_EQ(game.gameOverTimer, 100);
  EXPECT_FALSE(game.player.Visible);
}

TEST_F(Lives, RespawnHappensInTheTickTheBurstVanishes) {
  RunTheTick();
  game.lives = 2;
  FadingBurst();
  game.Timer1_Timer();
  EXPECT_FALSE(game.dying.Visible);
  EXPECT_TRUE(game.player.Visible);
  EXPECT_EQ(game.lives, 1);
}

TEST_F(Lives, LoseScreen179TicksAfterTheTickOfTheLastLife) {
  RunTheTick();
  game.lives = 1;
  FadingBurst();
  game.Timer1_Timer();
  EXPECT_EQ(game.lblLives.Caption, "Lives: 0");
  EXPECT_EQ(game.gameOverTimer, 2);  // started at 1 and already counted in the same tick
  Tick(178);
  EXPECT_FALSE(game.LoseScreen.Visible);
  EXPECT_TRUE(game.Timer1.Enabled);
  Tick();
  EXPECT_TRUE(game.LoseScreen.Visible);
  EXPECT_FALSE(game.Timer1.Enabled);
  EXPECT_EQ(game.gameOverPending, kFalse);
  EXPECT_EQ(game.gameOverTimer, 0);
}

TEST_F(Lives, TemperatureLossDuringTheCountdownEndsTheGameAtOnce) {
  RunTheTick();
  game.gameOverPending = kTrue;
  game.gameOverTimer = 50;
  game.gasCount = 20;  // target 115
  game.Temp1.Width = 114;
  game.animTick = 10;  // the temperature steps in this tick
  game.Timer1_Timer();
  EXPECT_TRUE(game.LoseScreen.Visible);
  EXPECT_FALSE(game.Timer1.Enabled);
  EXPECT_TRUE(game.Timer3.Enabled);
  EXPECT_EQ(game.gameOverTimer, 51);  // the rest of the tick still runs, then nothing more
  Tick(200);
  EXPECT_EQ(game.gameOverTimer, 51);
  EXPECT_EQ(game.gameOverPending, kTrue);  // the next new game clears it
}

}  // namespace
}  // namespace skyscrub
