// Pausing and quitting from the keyboard step, and P held in the tick that wins the game.
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

}  // namespace
}  // namespace skyscrub
