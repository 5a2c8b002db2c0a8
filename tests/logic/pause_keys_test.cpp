// Pausing and quitting from the keyboard step, and P held in the tick that wins or loses the game.
#include "support/game_fixture.h"

namespace skyscrub {
namespace {

class PauseKeys : public GameFixture {
 protected:
  void SetUp() override { StartGame(); }

  bool Paused() const { return game.PauseScreen.Visible && game.Timer2.Enabled && !game.Timer1.Enabled; }
  bool Running() const { return !game.PauseScreen.Visible && !game.Timer2.Enabled && game.Timer1.Enabled; }
};

TEST_F(PauseKeys, PAndSpaceHeldTogetherAlternateBetweenPollAndTick) {
  Hold({Key::P, Key::Space});
  for (int round = 0; round < 3; ++round) {
    Tick();
    ASSERT_TRUE(Paused()) << round;
    game.Timer2_Timer();
    ASSERT_TRUE(Running()) << round;
  }
}

TEST_F(PauseKeys, PausedTickStillRunsItsRemainingSteps) {
  const float top = game.player.Top;
  Hold({Key::P});
  Tick();
  EXPECT_TRUE(Paused());
  EXPECT_NE(game.player.Top, top);  // the flight step ran after the pause
  Tick(5);                          // no more ticks while paused
  EXPECT_EQ(game.gasTimer, 1);
}

TEST_F(PauseKeys, PAndEscapeWorkWhileTheShipIsHidden) {
  game.player.Visible = false;
  Hold({Key::P});
  Tick();
  EXPECT_TRUE(Paused());
  game.Timer1.Enabled = true;
  game.Timer2.Enabled = false;
  Hold({Key::Escape});
  Tick();
  EXPECT_TRUE(game.Ended());
  EXPECT_TRUE(system.ended);
  EXPECT_FALSE(game.Timer1.Enabled);
}

// The game is won by the emission step, before the keyboard step reads P in the same tick:
// the won game goes straight to its end screen and is not paused behind it.
TEST_F(PauseKeys, PHeldInTheWinningTickLeavesOnlyTheEndScreenPoll) {
  game.HideAllGases();
  game.gasCount = 0;
  game.quotaReached = kTrue;
  game.gasTimer = game.gasInterval;  // the gas clock fires in the next tick
  Hold({Key::P});
  Tick();
  EXPECT_TRUE(game.WinScreen.Visible);
  EXPECT_FALSE(game.PauseScreen.Visible);
  EXPECT_FALSE(game.Timer1.Enabled);
  EXPECT_FALSE(game.Timer2.Enabled);
  EXPECT_TRUE(game.Timer3.Enabled);
  Hold({Key::Space});
  game.Timer3_Timer();
  EXPECT_TRUE(game.Picture2.Visible);
  EXPECT_FALSE(game.WinScreen.Visible);
}

// The game is lost by steps that run after the keyboard step has read P in the same tick: the
// pause it entered ends with the game, and the next game starts unpaused and running.
struct LossCase {
  const char* name;
  void (*loseInTheNextTick)(GameWindow&);
};

void PrintTo(const LossCase& c, std::ostream* os) { *os << c.name; }

class PauseInTheLosingTick : public PauseKeys, public ::testing::WithParamInterface<LossCase> {};

TEST_P(PauseInTheLosingTick, LeavesNoPauseOverTheNextGame) {
  GetParam().loseInTheNextTick(game);
  Hold({Key::P});
  Tick();
  ASSERT_TRUE(game.LoseScreen.Visible);
  EXPECT_FALSE(game.PauseScreen.Visible);
  EXPECT_FALSE(game.Timer2.Enabled);
  Hold({Key::Space});
  game.Timer3_Timer();
  ReleaseAll();
  game.Label7_Click();
  game.Label9_Click();
  EXPECT_FALSE(game.PauseScreen.Visible);
  EXPECT_TRUE(Running());
  const std::int16_t gasTimer = game.gasTimer;
  Tick(3);
  EXPECT_EQ(game.gasTimer, gasTimer + 3);
}

INSTANTIATE_TEST_SUITE_P(
    Losses, PauseInTheLosingTick,
    ::testing::Values(LossCase{"ByTemperature",
                               [](GameWindow& g) {
                                 g.Temp1.Width = 114;
                                 g.gasCount = 20;  // the gauge rises in the temperature step of the next tick
                                 g.animTick = 10;
                               }},
                      LossCase{"WhenTheCountdownEnds",
                               [](GameWindow& g) {
                                 g.gameOverPending = kTrue;
                                 g.gameOverTimer = 180;
                               }}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace skyscrub
