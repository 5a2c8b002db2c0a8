// The bullet step: flight, the hit window, shrinking and destroying molecules, CFC hits,
// and what a destroyed molecule changes: the count, the bar, the schedule, the quota, the burst.
#include "support/game_fixture.h"

namespace skyscrub {
namespace {

class BulletHits : public GameFixture {
 protected:
  void SetUp() override {
    StartGame();
    game.HideAllGases();
    game.gasCount = 0;
  }

  Picture& PlaceGas(int slot, const Picture& kind, float left, float top, float size = 32) {
    Picture& gas = game.CO2[slot];
    gas.TakePicture(kind);
    gas.Visible = true;
    gas.Left = left;
    gas.Top = top;
    gas.Width = gas.Height = size;
    game.gasCount = game.gasCount + 1;
    return gas;
  }

  Picture& PlaceCfc(int slot, float left, float top) {
    Picture& cfc = game.CFC[slot];
    cfc.Visible = true;
    cfc.Left = left;
    cfc.Top = top;
    return cfc;
  }

  // A rightward bullet that the next bullet step brings to left, top.
  void ShootAt(float left, float top, int k = 0) {
    Picture& shot = game.bullet[k];
    shot.Visible = true;
    shot.Left = left - 10;
    shot.Top = top;
    game.bulletSpeed[k] = 10;
  }
};

struct WindowCase {
  float left, top;
  bool hits;
};

class HitWindow : public BulletHits, public ::testing::WithParamInterface<WindowCase> {};

TEST_P(HitWindow, IsStrictAroundA32PixelMoleculeAt100) {
  const WindowCase c = GetParam();
  Picture& gas = PlaceGas(0, game.picCO2, 100, 100);
  ShootAt(c.left, c.top);
  game.UpdateBullets();
  EXPECT_EQ(!game.bullet[0].Visible, c.hits);
  EXPECT_FLOAT_EQ(gas.Width, c.hits ? 22 : 32);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, HitWindow,
    ::testing::Values(WindowCase{110, 95, false}, WindowCase{110, 95.5f, true}, WindowCase{110, 121.5f, true},
                      WindowCase{110, 122, false}, WindowCase{80, 110, false}, WindowCase{80.5f, 110, true},
                      WindowCase{135.5f, 110, true}, WindowCase{136, 110, false}));

struct ToughnessCase {
  bool ch4;
  bool boldFrame;
  float width;
  std::vector<float> widthsAfterEachHit;  // 0: destroyed
};

class HitsToDestroy : public BulletHits, public ::testing::WithParamInterface<ToughnessCase> {};

TEST_P(HitsToDestroy, ShrinkAboutTheCentreUntilSmallEnough) {
  const ToughnessCase c = GetParam();
  const Picture& kind = c.ch4 ? (c.boldFrame ? game.Ch4b : game.picCH4) : (c.boldFrame ? game.Co2b : game.picCO2);
  Picture& gas = PlaceGas(5, kind, 200, 200, c.width);
  for (const float expected : c.widthsAfterEachHit) {
    const float centreX = gas.Left + gas.Width / 2;
    const float centreY = gas.Top + gas.Height / 2;
    ShootAt(gas.Left, gas.Top);  // inside the hit window of any molecule over 10 pixels
    game.UpdateBullets();
    ASSERT_FALSE(game.bullet[0].Visible);
    if (expected == 0) {
      EXPECT_FALSE(gas.Visible);
      EXPECT_EQ(game.gasCount, 0);
      EXPECT_EQ(game.gasDestroyed, 1);
      return;
    }
    EXPECT_TRUE(gas.Visible);
    EXPECT_FLOAT_EQ(gas.Width, expected);
    EXPECT_FLOAT_EQ(gas.Height, expected);
    EXPECT_FLOAT_EQ(gas.Left + gas.Width / 2, centreX);
    EXPECT_FLOAT_EQ(gas.Top + gas.Height / 2, centreY);
  }
  FAIL() << "never destroyed";
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, HitsToDestroy,
    ::testing::Values(ToughnessCase{false, false, 32, {22, 0}}, ToughnessCase{true, false, 32, {26, 20, 0}},
                      ToughnessCase{false, true, 32, {22, 0}}, ToughnessCase{true, true, 32, {26, 20, 0}},
                      ToughnessCase{false, false, 24, {0}}, ToughnessCase{false, false, 24.5f, {14.5f, 0}},
                      ToughnessCase{true, false, 20, {0}}, ToughnessCase{true, false, 20.5f, {14.5f, 0}},
                      ToughnessCase{true, false, 24, {18, 0}}));

TEST_F(BulletHits, OnlyTheLowestOverlappingSlotIsHitAndGasesBeforeCfcs) {
  Picture& lower = PlaceGas(3, game.picCO2, 100, 100);
  Picture& upper = PlaceGas(7, game.picCO2, 100, 100);
  const Picture& cfc = PlaceCfc(0, 100, 100);
  ShootAt(110, 110);
  game.UpdateBullets();
  EXPECT_FLOAT_EQ(lower.Width, 22);
  EXPECT_FLOAT_EQ(upper.Width, 32);
  EXPECT_TRUE(cfc.Visible);
}

struct LeavingCase {
  float bulletLeft;
  std::int16_t speed;
  float gasLeft;
};

class LeavingTheSky : public BulletHits, public ::testing::WithParamInterface<LeavingCase> {};

TEST_P(LeavingTheSky, HidesTheBulletBeforeAnyHitTest) {
  const LeavingCase c = GetParam();
  Picture& gas = PlaceGas(0, game.picCO2, c.gasLeft, 300);
  game.bullet[0].Visible = true;
  game.bullet[0].Left = c.bulletLeft;
  game.bullet[0].Top = 310;
  game.bulletSpeed[0] = c.speed;
  game.UpdateBullets();
  EXPECT_FALSE(game.bullet[0].Visible);
  EXPECT_FLOAT_EQ(gas.Width, 32);
}

INSTANTIATE_TEST_SUITE_P(Edges, LeavingTheSky,
                         ::testing::Values(LeavingCase{845, 10, 830}, LeavingCase{-45, -10, -80}));

TEST_F(BulletHits, BulletsAtTheLimitsStayInFlight) {
  game.bullet[0].Visible = game.bullet[1].Visible = true;
  game.bullet[0].Left = 840;
  game.bulletSpeed[0] = 10;
  game.bullet[1].Left = -40;
  game.bulletSpeed[1] = -10;
  game.UpdateBullets();
  EXPECT_TRUE(game.bullet[0].Visible);
  EXPECT_TRUE(game.bullet[1].Visible);
}

TEST_F(BulletHits, ShotCfcBurstsGreenAndCountsForNothing) {
  const Picture& cfc = PlaceCfc(1, 300, 400);
  ShootAt(310, 410);
  game.UpdateBullets();
  EXPECT_FALSE(cfc.Visible);
  EXPECT_TRUE(game.Xplode[0].Shows(game.PicGx1));
  EXPECT_FLOAT_EQ(game.Xplode[0].Left, 300);
  EXPECT_FLOAT_EQ(game.Xplode[0].Top, 400);
  EXPECT_EQ(game.soundHold, 1);
  EXPECT_EQ(game.gasDestroyed, 0);
  EXPECT_FLOAT_EQ(game.killbar.Width, 0.3f);
}

struct BurstCase {
  bool ch4;
  bool burstsBusy;
};

class DestroyedBurst : public BulletHits, public ::testing::WithParamInterface<BurstCase> {};

TEST_P(DestroyedBurst, IsRedForCo2YellowForCh4AndNoneWhenAllSlotsShow) {
  const BurstCase c = GetParam();
  if (c.burstsBusy) {
    for (Picture& burst : game.Xplode) burst.Visible = true;
  }
  PlaceGas(2, c.ch4 ? game.picCH4 : game.picCO2, 300, 240, 18);
  std::int16_t slot = 2;
  game.OnGasDestroyed(slot);
  EXPECT_EQ(game.gasDestroyed, 1);
  if (c.burstsBusy) {
    EXPECT_TRUE(Sounds().empty());
    EXPECT_EQ(game.soundHold, 0);
    return;
  }
  const Picture& burst = game.Xplode[0];
  EXPECT_TRUE(burst.Visible);
  EXPECT_TRUE(burst.Shows(c.ch4 ? game.picYX1 : game.picRX1));
  EXPECT_FLOAT_EQ(burst.Width, 32);
  EXPECT_FLOAT_EQ(burst.Left, 294);  // 300 - 18 / 3
  EXPECT_FLOAT_EQ(burst.Top, 234);
  ASSERT_EQ(Sounds().size(), 1u);
  EXPECT_EQ(ToJson(Sounds()[0]), R"({"sound":"xplode2.wav"})");
  EXPECT_EQ(game.soundHold, 1);
}

INSTANTIATE_TEST_SUITE_P(Kinds, DestroyedBurst,
                         ::testing::Values(BurstCase{false, false}, BurstCase{true, false}, BurstCase{false, true}));

struct ScheduleRow {
  std::int32_t destroyed;
  std::int16_t cfcInterval, gasInterval, ch4Odds;
};

class DifficultyStep : public BulletHits, public ::testing::WithParamInterface<ScheduleRow> {};

// Each row applies when the count reaches it exactly, and the next kill changes nothing.
TEST_P(DifficultyStep, AppliesExactlyAtItsCount) {
  const ScheduleRow row = GetParam();
  PlaceGas(0, game.picCO2, 300, 300);
  std::int16_t slot = 0;
  game.gasDestroyed = row.destroyed - 1;
  game.cfcInterval = game.gasInterval = game.ch4Odds = 999;
  game.OnGasDestroyed(slot);
  EXPECT_EQ(game.cfcInterval, row.cfcInterval);
  EXPECT_EQ(game.gasInterval, row.gasInterval);
  EXPECT_EQ(game.ch4Odds, row.ch4Odds);
  game.cfcInterval = game.gasInterval = game.ch4Odds = 999;
  game.OnGasDestroyed(slot);
  EXPECT_EQ(game.cfcInterval, 999);
  EXPECT_EQ(game.gasInterval, 999);
  EXPECT_EQ(game.ch4Odds, 999);
  EXPECT_EQ(game.quotaReached, kFalse);
}

INSTANTIATE_TEST_SUITE_P(Rows, DifficultyStep,
                         ::testing::Values(ScheduleRow{20, 310, 120, 6}, ScheduleRow{50, 300, 110, 6},
                                           ScheduleRow{80, 280, 100, 5}, ScheduleRow{110, 260, 90, 5},
                                           ScheduleRow{150, 240, 80, 4}, ScheduleRow{170, 200, 70, 4},
                                           ScheduleRow{190, 170, 65, 3}, ScheduleRow{210, 140, 63, 3},
                                           ScheduleRow{260, 100, 63, 2}));

TEST_F(BulletHits, The300thKillReachesTheQuotaAndTheBarKeepsGrowing) {
  PlaceGas(0, game.picCO2, 300, 300);
  std::int16_t slot = 0;
  game.gasDestroyed = 299;
  game.OnGasDestroyed(slot);
  EXPECT_EQ(game.quotaReached, kTrue);
  EXPECT_FLOAT_EQ(game.killbar.Width, 125);
  game.OnGasDestroyed(slot);
  EXPECT_EQ(game.gasDestroyed, 301);
  EXPECT_NEAR(game.killbar.Width, 125.42, 0.005);
  EXPECT_EQ(game.quotaReached, kTrue);
}

TEST_F(BulletHits, CooldownReadiesTheGunWhenTheCountPassesSeven) {
  game.canFire = kFalse;
  game.reloadTicks = 0;
  for (int tick = 1; tick <= 7; ++tick) {
    game.UpdateBullets();
    EXPECT_EQ(game.reloadTicks, tick);
    EXPECT_EQ(game.canFire, kFalse);
  }
  game.UpdateBullets();
  EXPECT_EQ(game.reloadTicks, -1);
  EXPECT_EQ(game.canFire, kTrue);
  game.UpdateBullets();
  EXPECT_EQ(game.reloadTicks, -1);
}

}  // namespace
}  // namespace skyscrub
