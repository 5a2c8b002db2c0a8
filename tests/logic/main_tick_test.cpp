// The main tick's clocks, the CFC drift rules and the effect-sound hold.
#include "support/game_fixture.h"

namespace skyscrub {
namespace {

class MainTick : public GameFixture {
 protected:
  void SetUp() override {
    Start();
    // A running tick with the start schedule and nothing else in the sky.
    game.cfcInterval = 350;
    game.gasInterval = 120;
    game.Timer1.Enabled = true;
  }
};

TEST_F(MainTick, EmissionClocksFireOnTicks351And121) {
  int cfcFires = 0, gasFires = 0;
  for (int tick = 1; tick <= 351; ++tick) {
    game.Timer1_Timer();
    if (game.gasTimer == 0) {
      ++gasFires;
      EXPECT_EQ(tick % 121, 0) << "gas clock fired on tick " << tick;
    }
    if (game.cfcTimer == 0) {
      ++cfcFires;
      EXPECT_EQ(tick, 351);
    }
  }
  EXPECT_EQ(cfcFires, 1);
  EXPECT_EQ(gasFires, 2);
}

struct DriftCase {
  float left;
  double drift;
  float expectedLeft;
};

class CfcWrap : public MainTick, public ::testing::WithParamInterface<DriftCase> {};

TEST_P(CfcWrap, WrapsOnlyBeyondTheLimits) {
  const DriftCase c = GetParam();
  Picture& cfc = game.CFC[0];
  cfc.Visible = true;
  cfc.Top = 300;
  cfc.Left = c.left;
  game.cfcDrift[0] = c.drift;
  game.DriftCfcs();
  EXPECT_FLOAT_EQ(cfc.Left, c.expectedLeft);
  EXPECT_FLOAT_EQ(cfc.Top, 299.2f);
}

INSTANTIATE_TEST_SUITE_P(Edges, CfcWrap,
                         ::testing::Values(DriftCase{-29.9f, -0.1, -30.0f}, DriftCase{-30.0f, -0.1, 798.0f},
                                           DriftCase{-30.0f, 0.0, -30.0f}, DriftCase{798.0f, 0.0, 798.0f},
                                           DriftCase{798.0f, 0.1, -30.0f}, DriftCase{797.9f, 0.1, 798.0f}));

TEST_F(MainTick, CfcIsHiddenOnceAboveMinusItsHeight) {
  Picture& cfc = game.CFC[1];
  cfc.Visible = true;
  cfc.Left = 400;
  cfc.Width = cfc.Height = 32;
  cfc.Top = -31.0f;
  game.DriftCfcs();  // -31.8: still in the sky
  EXPECT_TRUE(cfc.Visible);
  game.DriftCfcs();  // -32.6: gone
  EXPECT_FALSE(cfc.Visible);
  const float top = cfc.Top;
  game.DriftCfcs();  // a hidden CFC is not moved
  EXPECT_EQ(cfc.Top, top);
}

TEST_F(MainTick, SoundHoldSilencesElevenTicksAfterTheExplosion) {
  game.soundHold = 1;  // an explosion sound started in this tick
  std::vector<int> held;
  for (int tick = 1; tick <= 13; ++tick) {
    game.AdvanceSoundHold();
    held.push_back(game.soundHold);
  }
  const std::vector<int> expected{2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 0};
  EXPECT_EQ(held, expected);
}

TEST_F(MainTick, GameOverCountdownShowsTheLoseScreenWhenTheCountPasses180) {
  game.gameOverPending = kTrue;
  game.gameOverTimer = 1;
  for (int tick = 1; tick <= 179; ++tick) game.Timer1_Timer();
  EXPECT_FALSE(game.LoseScreen.Visible);
  EXPECT_EQ(game.gameOverTimer, 180);
  game.Timer1_Timer();
  EXPECT_TRUE(game.LoseScreen.Visible);
  EXPECT_EQ(game.gameOverPending, kFalse);
  EXPECT_EQ(game.gameOverTimer, 0);
  EXPECT_FALSE(game.Timer1.Enabled);
  EXPECT_TRUE(game.Timer3.Enabled);
}

}  // namespace
}  // namespace skyscrub
