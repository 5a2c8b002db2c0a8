// The two emitters: free slots, where releases appear, the CH4 odds, and the win after the quota.
#include <cmath>
#include <set>

#include "support/game_fixture.h"

namespace skyscrub {
namespace {

class Emission : public GameFixture {
 protected:
  void SetUp() override {
    StartGame();
    game.HideAllGases();
    game.gasCount = 0;
  }
};

TEST_F(Emission, CfcRisesFromAFactoryAt16Pixels) {
  game.EmitCfc();
  const Picture& cfc = game.CFC[0];
  EXPECT_TRUE(cfc.Visible);
  EXPECT_FLOAT_EQ(cfc.Width, 16);
  EXPECT_FLOAT_EQ(cfc.Height, 16);
  EXPECT_FLOAT_EQ(cfc.Top, 528);
  EXPECT_TRUE(cfc.Left == 216 || cfc.Left == 556) << cfc.Left;
  EXPECT_LT(std::abs(game.cfcDrift[0]), 1.5);
  EXPECT_TRUE(cfc.Shows(game.picCFC));
}

TEST_F(Emission, BothFactoriesAndBothDriftsOccur) {
  std::set<float> lefts;
  bool leftward = false, rightward = false;
  for (int i = 0; i < 200; ++i) {
    game.CFC[0].Visible = false;
    game.EmitCfc();
    lefts.insert(game.CFC[0].Left);
    leftward = leftward || game.cfcDrift[0] < 0;
    rightward = rightward || game.cfcDrift[0] > 0;
  }
  EXPECT_EQ(lefts, (std::set<float>{216, 556}));
  EXPECT_TRUE(leftward && rightward);
}

TEST_F(Emission, WithAllThreeCfcSlotsInUseTheReleaseIsLost) {
  for (Picture& cfc : game.CFC) {
    cfc.Visible = true;
    cfc.Top = 300;
    cfc.Width = 20;
  }
  game.cfcDrift = {0.5, 0.6, 0.7};
  game.EmitCfc();
  for (const Picture& cfc : game.CFC) {
    EXPECT_FLOAT_EQ(cfc.Top, 300);
    EXPECT_FLOAT_EQ(cfc.Width, 20);
  }
  EXPECT_EQ(game.cfcDrift, (std::array<double, 3>{0.5, 0.6, 0.7}));
}

TEST_F(Emission, MoleculeAppearsAt12PixelsAndGrowsFromThere) {
  game.gasGrowing[0] = 0;
  game.EmitGas();
  const Picture& gas = game.CO2[0];
  EXPECT_TRUE(gas.Visible);
  EXPECT_FLOAT_EQ(gas.Width, 12);
  EXPECT_FLOAT_EQ(gas.Height, 12);
  EXPECT_EQ(game.gasGrowing[0], 1);
  EXPECT_EQ(game.gasCount, 1);
}

TEST_F(Emission, WithAllTwentySlotsInUseNothingIsAdded) {
  for (Picture& gas : game.CO2) {
    gas.Visible = true;
    gas.Width = 32;
  }
  game.gasCount = 20;
  game.EmitGas();
  EXPECT_EQ(game.gasCount, 20);
  for (const Picture& gas : game.CO2) EXPECT_FLOAT_EQ(gas.Width, 32);
}

TEST_F(Emission, MoleculesAppearInTheSkyAndNeverBelowTop515) {
  int clamped = 0;
  for (int i = 0; i < 300; ++i) {
    game.CO2[0].Visible = false;
    game.EmitGas();
    const Picture& gas = game.CO2[0];
    ASSERT_GE(gas.Left, 0);
    ASSERT_LT(gas.Left, 770);
    ASSERT_GE(gas.Top, 51);
    ASSERT_LE(gas.Top, 515);
    if (gas.Top == 515) ++clamped;
  }
  EXPECT_GT(clamped, 0);  // about one in 14 is drawn below 515
}

struct OddsCase {
  std::int16_t ch4Odds;
  double share;
};

class Ch4Share : public Emission, public ::testing::WithParamInterface<OddsCase> {};

TEST_P(Ch4Share, IsAboutOneInTheOdds) {
  const OddsCase c = GetParam();
  game.ch4Odds = c.ch4Odds;
  int ch4 = 0;
  const int releases = 4000;
  for (int i = 0; i < releases; ++i) {
    game.CO2[0].Visible = false;
    game.EmitGas();
    if (game.CO2[0].Shows(game.picCH4)) {
      ++ch4;
    } else {
      ASSERT_TRUE(game.CO2[0].Shows(game.picCO2));
    }
  }
  EXPECT_NEAR(static_cast<double>(ch4) / releases, c.share, 0.03);
}

INSTANTIATE_TEST_SUITE_P(Odds, Ch4Share, ::testing::Values(OddsCase{7, 1.0 / 7}, OddsCase{2, 0.5}));

TEST_F(Emission, AfterTheQuotaNothingIsReleased) {
  game.quotaReached = kTrue;
  game.gasCount = 1;
  game.EmitCfc();
  game.EmitGas();
  for (const Picture& cfc : game.CFC) EXPECT_FALSE(cfc.Visible);
  for (const Picture& gas : game.CO2) EXPECT_FALSE(gas.Visible);
  EXPECT_EQ(game.gasCount, 1);
  EXPECT_FALSE(game.WinScreen.Visible);
}

// The last molecule is shot in the very tick in which the gas clock fires and finds it still
// there; the clock fires again 64 ticks later (interval 63 + 1) and finds the sky clear.
// A CFC still in the air does not matter.
TEST_F(Emission, WinComesUpTo64TicksAfterTheLastMolecule) {
  game.gasDestroyed = 299;
  game.quotaReached = kTrue;
  game.gasInterval = 63;
  game.gasTimer = 63;
  Picture& last = game.CO2[4];
  last.TakePicture(game.picCO2);
  last.Visible = true;
  last.Left = 600;
  last.Top = 300;
  last.Width = last.Height = 20;
  game.gasCount = 1;
  game.bullet[0].Visible = true;
  game.bullet[0].Left = 590;  // the bullet step of the first tick brings it onto the molecule
  game.bullet[0].Top = 300;
  game.bulletSpeed[0] = 10;
  game.CFC[0].Visible = true;
  game.CFC[0].Top = 400;

  Tick();
  ASSERT_EQ(game.gasCount, 0);
  EXPECT_EQ(game.gasTimer, 0);
  Tick(63);
  EXPECT_FALSE(game.WinScreen.Visible);
  EXPECT_TRUE(game.Timer1.Enabled);
  Tick();
  EXPECT_TRUE(game.WinScreen.Visible);
  EXPECT_TRUE(game.CFC[0].Visible);
  EXPECT_FALSE(game.Timer1.Enabled);
  EXPECT_FALSE(game.Timer2.Enabled);
  EXPECT_TRUE(game.Timer3.Enabled);
}

}  // namespace
}  // namespace skyscrub
