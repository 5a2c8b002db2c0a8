// The keyboard step's thrust and steering, the engine bar, and the ship's flight.
#include "support/game_fixture.h"

namespace skyscrub {
namespace {

class Flight : public GameFixture {
 protected:
  void SetUp() override {
    StartGame();
    game.player.Top = 300;
    game.player.Left = 400;
  }
};

TEST_F(Flight, HoldingUpFromAFullBarLocksBelowTwoAndUnlocksAbove120) {
  Hold({Key::Up});
  int tick = 0;
  // Usable: each tick burns 2 and refills 1.
  while (game.engineExhausted == kFalse) {
    const float before = game.power.Width;
    game.HandleKeys();
    game.ChargeEngine();
    ++tick;
    if (game.engineExhausted == kFalse) {
      ASSERT_FLOAT_EQ(game.power.Width, before - 1) << "tick " << tick;
    }
    ASSERT_LT(tick, 200);
  }
  // 125 - 122 = 3 left before the 123rd burn, which leaves 1: locked, then recharged by 0.8.
  EXPECT_EQ(tick, 123);
  EXPECT_NEAR(game.power.Width, 1.8, 1e-5);
  EXPECT_EQ(game.power.BackColor, colours::kYellow);

  // Exhausted: Up neither thrusts nor burns; the bar grows by 0.8 until it passes 120.
  const double speedY = game.speedY;
  float before = game.power.Width;
  while (game.engineExhausted == kTrue) {
    before = game.power.Width;
    game.HandleKeys();
    game.ChargeEngine();
    ++tick;
    ASSERT_NEAR(game.power.Width, before + 0.8, 1e-4);
    ASSERT_LT(tick, 400);
  }
  EXPECT_EQ(game.speedY, speedY);
  EXPECT_LE(before, 120);
  EXPECT_GT(game.power.Width, 120);
  EXPECT_EQ(game.power.BackColor, colours::kGreen);

  // Up works again at once.
  const float unlocked = game.power.Width;
  game.speedY = 0;
  game.HandleKeys();
  game.ChargeEngine();
  EXPECT_FLOAT_EQ(game.power.Width, unlocked - 1);
  EXPECT_DOUBLE_EQ(game.speedY, -0.2);
}

TEST_F(Flight, UsableRefillStopsAt125) {
  game.power.Width = 124.5;
  game.ChargeEngine();
  EXPECT_FLOAT_EQ(game.power.Width, 125.5);
  game.ChargeEngine();
  EXPECT_FLOAT_EQ(game.power.Width, 125.5);
}

struct ThrustCase {
  float top;
  double speedY;
  double expectedSpeedY;
};

class Thrust : public Flight, public ::testing::WithParamInterface<ThrustCase> {};

TEST_P(Thrust, IsGivenOnlyBelowTheCeilingAndAboveTheClimbLimitButAlwaysBurns) {
  const ThrustCase c = GetParam();
  game.player.Top = c.top;
  game.speedY = c.speedY;
  Hold({Key::Up});
  game.HandleKeys();
  EXPECT_DOUBLE_EQ(game.speedY, c.expectedSpeedY);
  EXPECT_FLOAT_EQ(game.power.Width, 123);
}

INSTANTIATE_TEST_SUITE_P(Limits, Thrust,
                         ::testing::Values(ThrustCase{54, 0, 0}, ThrustCase{50, 1, 1}, ThrustCase{54.5f, 0, -0.2},
                                           ThrustCase{300, -5, -5}, ThrustCase{300, -4.9, -5.1}));

struct FlightCase {
  float top, left;
  double speedY, speedX;
  float expectedTop, expectedLeft;
  double expectedSpeedY;
};

class FlightStep : public Flight, public ::testing::WithParamInterface<FlightCase> {};

TEST_P(FlightStep, AppliesGravityCeilingDragAndWrap) {
  const FlightCase c = GetParam();
  game.player.Top = c.top;
  game.player.Left = c.left;
  game.speedY = c.speedY;
  game.speedX = c.speedX;
  game.FlyShip();
  EXPECT_FLOAT_EQ(game.player.Top, c.expectedTop);
  EXPECT_FLOAT_EQ(game.player.Left, c.expectedLeft);
  EXPECT_NEAR(game.speedY, c.expectedSpeedY, 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FlightStep,
    ::testing::Values(
        // Rising into the top of the sky: put back at 50, falling at 0.5.
        FlightCase{49, 300, -2, 0, 50, 300, 0.5},
        // Exactly at 48 is not above the ceiling.
        FlightCase{50, 300, -2.08, 0, 48, 300, -2.0},
        // Gravity only below 2.7.
        FlightCase{300, 300, 2.7, 0, 302.7f, 300, 2.7},
        FlightCase{300, 300, 2.69, 0, 302.77f, 300, 2.77},
        // The wrap at the right: beyond 800 comes back at -32; exactly 800 stays.
        FlightCase{300, 800, 0, 0.5, 300.08f, -32, 0.08}, FlightCase{300, 799.5f, 0, 0.5, 300.08f, 800, 0.08},
        // The wrap at the left: below -32 comes back at 800; exactly -32 stays.
        FlightCase{300, -31.5f, 0, -0.5, 300.08f, -32, 0.08}, FlightCase{300, -32, 0, -0.5, 300.08f, 800, 0.08}));

struct DragCase {
  double startSpeedX;
  double low, high;  // the speed it keeps for good: low < speed <= high
};

class Drag : public Flight, public ::testing::WithParamInterface<DragCase> {};

TEST_P(Drag, NeverStopsTheShip) {
  const DragCase c = GetParam();
  game.speedX = c.startSpeedX;
  for (int tick = 0; tick < 500; ++tick) {
    game.player.Top = 300;
    game.speedY = 0;
    game.FlyShip();
  }
  EXPECT_GT(game.speedX, c.low);
  EXPECT_LE(game.speedX, c.high);
}

INSTANTIATE_TEST_SUITE_P(Speeds, Drag,
                         ::testing::Values(DragCase{3, 0.98, 1}, DragCase{-3, -1, -0.98},
                                           DragCase{-0.35, -0.35 - 1e-12, -0.35 + 1e-12}));

struct SteerCase {
  std::vector<Key> keys;
  double speedX;
  bool facingLeft;
  double expectedSpeedX;
  bool expectFacingLeft;
};

class Steering : public Flight, public ::testing::WithParamInterface<SteerCase> {};

TEST_P(Steering, PushesUpToFiveAndTurnsOnlyFromZeroOrTheNewDirection) {
  const SteerCase c = GetParam();
  game.speedX = c.speedX;
  game.player.TakePicture(c.facingLeft ? game.ShipLeft : game.shipRight);
  system.held = {c.keys.begin(), c.keys.end()};
  game.HandleKeys();
  EXPECT_NEAR(game.speedX, c.expectedSpeedX, 1e-12);
  EXPECT_EQ(game.player.Shows(game.ShipLeft), c.expectFacingLeft);
  EXPECT_EQ(game.player.Shows(game.shipRight), !c.expectFacingLeft);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, Steering,
    ::testing::Values(SteerCase{{Key::Left}, 3, false, 2.65, false},  // still moving right: no turn
                      SteerCase{{Key::Left}, 0.35, false, 0, true},   // reaches zero: turns
                      SteerCase{{Key::Left}, -5, false, -5, true},    // at the limit: no push
                      SteerCase{{Key::Left}, -4.9, true, -5.25, true},
                      SteerCase{{Key::Right}, -3, true, -2.65, true},
                      SteerCase{{Key::Right}, 0, true, 0.35, false},
                      SteerCase{{Key::Right}, 5, false, 5, false},
                      // Both held: the pushes cancel, and the ship faces right at zero or more.
                      SteerCase{{Key::Left, Key::Right}, 0, true, 0, false},
                      SteerCase{{Key::Left, Key::Right}, 2, true, 2, false},
                      SteerCase{{Key::Left, Key::Right}, -2, false, -2, true},
                      SteerCase{{Key::Left, Key::Right}, -5, false, -4.65, true},
                      SteerCase{{Key::Left, Key::Right}, 5, true, 5, false}));

TEST_F(Flight, HiddenShipIgnoresMovementAndFireKeysButStillFallsAndCharges) {
  game.player.Visible = false;
  game.power.Width = 100;
  Hold({Key::Up, Key::Z, Key::Left, Key::Right});
  game.speedY = 1;
  game.HandleKeys();
  EXPECT_EQ(game.speedX, 0);
  EXPECT_EQ(game.speedY, 1);
  EXPECT_EQ(game.canFire, kTrue);
  for (const Picture& shot : game.bullet) EXPECT_FALSE(shot.Visible);
  game.ChargeEngine();
  EXPECT_FLOAT_EQ(game.power.Width, 101);
  game.player.Top = 560;  // below the ground line, but hidden: not destroyed again
  game.FlyShip();
  EXPECT_FLOAT_EQ(game.player.Top, 561.08f);
}

}  // namespace
}  // namespace skyscrub
