// The shield's strikes and the destruction of the ship.
#include "support/game_fixture.h"

namespace skyscrub {
namespace {

class Shield : public GameFixture {
 protected:
  void SetUp() override {
    Start();
    game.player.Visible = true;
    game.player.Left = 300;
    game.player.Top = 200;
    game.speedX = 1.5;
    game.speedY = 2;
  }

  void ExpectDestroyedAt(float left, float top) {
    EXPECT_FALSE(game.player.Visible);
    EXPECT_TRUE(game.dying.Visible);
    EXPECT_EQ(game.dying.Left, left - 8);
    EXPECT_EQ(game.dying.Top, top - 4);
    EXPECT_EQ(game.dying.Width, 48);
    EXPECT_EQ(game.dying.Height, 48);
    EXPECT_EQ(game.Shield.Width, 125);
    EXPECT_EQ(game.soundHold, 1);
    ASSERT_EQ(Sounds().size(), 1u);
    EXPECT_EQ(Sounds()[0].text, "\\components\\sound\\die1.wav");
  }
};

TEST_F(Shield, ThreeStrikesWearItDownAndTheFourthDestroysTheShip) {
  std::vector<float> shield;
  for (int strike = 1; strike <= 3; ++strike) {
    game.HitShip();
    shield.push_back(game.Shield.Width);
    EXPECT_TRUE(game.player.Visible);
    EXPECT_FALSE(game.dying.Visible);
  }
  EXPECT_EQ(shield, (std::vector<float>{93, 61, 29}));
  EXPECT_TRUE(Sounds().empty());
  game.HitShip();
  ExpectDestroyedAt(300, 200);
  EXPECT_EQ(game.speedX, 1.5);  // the wreck keeps flying
  EXPECT_EQ(game.speedY, 2);
}

TEST_F(Shield, AStrikeOnAShieldJustAbove35OnlyWearsIt) {
  game.Shield.Width = 35.5f;
  game.HitShip();
  EXPECT_FLOAT_EQ(game.Shield.Width, 3.5f);
  EXPECT_TRUE(game.player.Visible);
  game.Shield.Width = 35;
  game.HitShip();
  ExpectDestroyedAt(300, 200);
}

TEST_F(Shield, DestroyingAHiddenShipAgainRestartsTheBurstWhereTheShipIsNow) {
  game.DestroyShip();
  game.dying.Width = game.dying.Height = 20;
  game.player.Left = 340;
  game.player.Top = 260;
  system.effects.clear();
  game.DestroyShip();
  ExpectDestroyedAt(340, 260);
}

// The ship's Top after the flight step, and whether the ground destroys it.
struct GroundCase {
  float top;
  double speedY;
  bool visible;
  bool destroyed;
};

class Ground : public Shield, public ::testing::WithParamInterface<GroundCase> {};

TEST_P(Ground, DestroysAVisibleShipOnceItsTopIsAbove550WhateverTheShield) {
  const GroundCase& c = GetParam();
  game.gravity = 0;
  game.speedX = 0;
  game.speedY = c.speedY;
  game.player.Top = c.top;
  game.player.Visible = c.visible;
  game.Shield.Width = 61;
  game.FlyShip();
  EXPECT_EQ(game.dying.Visible, c.destroyed);
  EXPECT_EQ(game.Shield.Width, c.destroyed ? 125 : 61);
}

INSTANTIATE_TEST_SUITE_P(Table, Ground,
                         ::testing::Values(GroundCase{548, 2, true, false}, GroundCase{548, 2.1, true, true},
                                           GroundCase{560, 2, false, false}));

}  // namespace
}  // namespace skyscrub
