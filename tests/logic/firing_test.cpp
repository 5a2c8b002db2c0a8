// The shot: launch points, the lowest free bullet, the 8-tick stream and the shot sound.
#include "support/game_fixture.h"

namespace skyscrub {
namespace {

class Firing : public GameFixture {
 protected:
  void SetUp() override {
    StartGame();
    game.HideAllGases();  // nothing in the bullets' way
    game.player.Left = 100;
    game.player.Top = 200;
  }

  // The keyboard step and the bullet step of one tick, without the rest of the sky.
  void ShootingTick() {
    game.HandleKeys();
    game.UpdateBullets();
  }

  std::vector<int> InFlight() const {
    std::vector<int> out;
    for (int k = 0; k < 7; ++k) {
      if (game.bullet[k].Visible) out.push_back(k);
    }
    return out;
  }
};

struct LaunchCase {
  bool facingLeft;
  float shipLeft;
  float expectedLeft;
  std::int16_t expectedSpeed;
  float leftAfterBulletStep;
};

class Launch : public Firing, public ::testing::WithParamInterface<LaunchCase> {};

TEST_P(Launch, LeavesTheNoseInTheFacingDirection) {
  const LaunchCase c = GetParam();
  game.player.Left = c.shipLeft;
  game.player.TakePicture(c.facingLeft ? game.ShipLeft : game.shipRight);
  game.FireBullet();
  EXPECT_TRUE(game.bullet[0].Visible);
  EXPECT_FLOAT_EQ(game.bullet[0].Left, c.expectedLeft);
  EXPECT_FLOAT_EQ(game.bullet[0].Top, 214);
  EXPECT_EQ(game.bulletSpeed[0], c.expectedSpeed);
  EXPECT_EQ(game.canFire, kFalse);
  EXPECT_EQ(game.reloadTicks, 0);
  ASSERT_EQ(Sounds().size(), 1u);
  EXPECT_EQ(ToJson(Sounds()[0]), R"({"sound":"shoot2.wav"})");
  game.UpdateBullets();
  EXPECT_FLOAT_EQ(game.bullet[0].Left, c.leftAfterBulletStep);
}

INSTANTIATE_TEST_SUITE_P(Facings, Launch,
                         ::testing::Values(LaunchCase{false, 100, 125, 10, 135}, LaunchCase{true, 100, 91, -10, 81},
                                           LaunchCase{false, 790, 815, 10, 825}));

TEST_F(Firing, HoldingZFiresEveryEighthTick) {
  Hold({Key::Z});
  std::vector<int> shotTicks;
  for (int tick = 1; tick <= 40; ++tick) {
    ShootingTick();
    if (game.reloadTicks == 1) shotTicks.push_back(tick);
  }
  EXPECT_EQ(shotTicks, (std::vector<int>{1, 9, 17, 25, 33}));
  EXPECT_EQ(InFlight(), (std::vector<int>{0, 1, 2, 3, 4}));
}

TEST_F(Firing, TakesTheLowestFreeBulletWhenFreedOutOfOrder) {
  for (int k : {0, 1, 3}) game.bullet[k].Visible = true;
  game.FireBullet();
  EXPECT_EQ(InFlight(), (std::vector<int>{0, 1, 2, 3}));
}

TEST_F(Firing, WithAllSevenInFlightNothingHappensUntilOneIsFreed) {
  for (Picture& shot : game.bullet) {
    shot.Visible = true;
    shot.Left = 400;
    shot.Top = 500;
  }
  game.bulletSpeed.fill(10);
  game.bullet[4].Left = 845;  // leaves the sky in the next bullet step
  Hold({Key::Z});
  ShootingTick();
  EXPECT_EQ(game.canFire, kTrue);
  EXPECT_EQ(game.reloadTicks, -1);
  EXPECT_TRUE(Sounds().empty());
  EXPECT_FALSE(game.bullet[4].Visible);
  ShootingTick();
  EXPECT_TRUE(game.bullet[4].Visible);
  EXPECT_FLOAT_EQ(game.bullet[4].Left, 135);
  EXPECT_EQ(game.reloadTicks, 1);
}

TEST_F(Firing, IsSilentWhileAnExplosionSoundIsHeld) {
  game.soundHold = 3;
  game.FireBullet();
  EXPECT_TRUE(game.bullet[0].Visible);
  EXPECT_TRUE(Sounds().empty());
}

TEST_F(Firing, DoesNothingWhileTheShipIsHiddenOrTheGunCools) {
  game.player.Visible = false;
  game.FireBullet();
  game.player.Visible = true;
  game.canFire = kFalse;
  game.FireBullet();
  EXPECT_TRUE(InFlight().empty());
  EXPECT_TRUE(Sounds().empty());
}

}  // namespace
}  // namespace skyscrub
