// The animation cycle: its schedule, the frame flips, the growth of new molecules and the fade-out.
#include <algorithm>
#include <cmath>
#include <string>

#include "game/state/numbers.h"
#include "support/game_fixture.h"

namespace skyscrub {
namespace {

class Animation : public GameFixture {
 protected:
  void SetUp() override {
    Start();  // the reset leaves the counter at 1, as at the start of every game
    game.lastGasIndex = 19;
  }

  // The counter value from which the next call runs that phase.
  void RunPhaseA() {
    game.animTick = 5;
    game.AnimateSprites();
  }
  void RunPhaseB() {
    game.animTick = 10;
    game.AnimateSprites();
  }
};

TEST_F(Animation, PhaseAOnTheFifthCallPhaseBOnTheTenthThenEveryEleven) {
  // Phase A grows a small CFC; phase B steps the temperature (falling towards 15 here).
  game.CFC[0].Width = game.CFC[0].Height = 16;
  std::vector<int> phaseA, phaseB;
  for (int call = 1; call <= 33; ++call) {
    const float cfcWidth = game.CFC[0].Width;
    const float temperature = game.Temp1.Width;
    game.AnimateSprites();
    const bool ranA = game.CFC[0].Width != cfcWidth;
    const bool ranB = game.Temp1.Width != temperature;
    EXPECT_FALSE(ranA && ranB) << "both phases in call " << call;
    if (ranA) phaseA.push_back(call);
    if (ranB) phaseB.push_back(call);
    EXPECT_GE(game.animTick, 0);
    EXPECT_LE(game.animTick, 10);
  }
  EXPECT_EQ(phaseA, (std::vector<int>{5, 16, 27}));
  EXPECT_EQ(phaseB, (std::vector<int>{10, 21, 32}));
}

using AnimationInAGame = GameFixture;

TEST_F(AnimationInAGame, FirstPhaseAOnTheFifthTickAndFirstPhaseBOnTheTenth) {
  // The starting molecules show picCO2: phase A turns odd slots bold, phase B even ones.
  StartGame();
  int firstA = 0, firstB = 0;
  for (int tick = 1; tick <= 12; ++tick) {
    game.Timer1_Timer();
    if (!firstA && game.CO2[1].Shows(game.Co2b)) firstA = tick;
    if (!firstB && game.CO2[0].Shows(game.Co2b)) firstB = tick;
  }
  EXPECT_EQ(firstA, 5);
  EXPECT_EQ(firstB, 10);
}

// Which sprite, what it shows before, and what each phase gives it.
enum class Sprite { Burst, Gas, Shot, Dying };

struct FlipCase {
  std::string name;
  Sprite sprite;
  int slot;
  Picture Scene::*before;
  Picture Scene::*afterPhaseA;
  Picture Scene::*afterPhaseB;
};

class FrameFlip : public Animation, public ::testing::WithParamInterface<FlipCase> {
 protected:
  Picture& Target(const FlipCase& c) {
    switch (c.sprite) {
      case Sprite::Burst: return game.Xplode[c.slot];
      case Sprite::Gas: return game.CO2[c.slot];
      case Sprite::Shot: return game.bullet[c.slot];
      case Sprite::Dying: return game.dying;
    }
    return game.dying;
  }

  Picture& Prepare(bool visible) {
    Picture& sprite = Target(GetParam());
    sprite.Visible = visible;
    sprite.TakePicture(game.*GetParam().before);
    return sprite;
  }
};

TEST_P(FrameFlip, EachPhaseGivesItsFrame) {
  const FlipCase& c = GetParam();
  Picture& sprite = Prepare(true);
  RunPhaseA();
  EXPECT_TRUE(sprite.Shows(game.*c.afterPhaseA)) << "phase A";
  RunPhaseB();
  EXPECT_TRUE(sprite.Shows(game.*c.afterPhaseB)) << "phase B";
}

TEST_P(FrameFlip, HiddenSpritesKeepTheirPicture) {
  Picture& sprite = Prepare(false);
  RunPhaseA();
  RunPhaseB();
  EXPECT_TRUE(sprite.Shows(game.*GetParam().before));
}

const FlipCase kFlips[] = {
    {"RedBurst0", Sprite::Burst, 0, &Scene::picRX1, &Scene::PicRX2, &Scene::picRX1},
    {"RedBurst1", Sprite::Burst, 1, &Scene::PicRX2, &Scene::picRX1, &Scene::PicRX2},
    {"RedBurst2", Sprite::Burst, 2, &Scene::picRX1, &Scene::PicRX2, &Scene::picRX1},
    {"YellowBurst0", Sprite::Burst, 0, &Scene::PicYX2, &Scene::PicYX2, &Scene::picYX1},
    {"YellowBurst1", Sprite::Burst, 1, &Scene::picYX1, &Scene::picYX1, &Scene::PicYX2},
    {"YellowBurst2", Sprite::Burst, 2, &Scene::picYX1, &Scene::PicYX2, &Scene::picYX1},
    {"GreenBurst0", Sprite::Burst, 0, &Scene::PicGx1, &Scene::PicGx2, &Scene::PicGx1},
    {"GreenBurst1", Sprite::Burst, 1, &Scene::PicGx2, &Scene::PicGx1, &Scene::PicGx2},
    {"GreenBurst2", Sprite::Burst, 2, &Scene::PicGx2, &Scene::PicGx2, &Scene::PicGx1},
    {"PinkBurst0", Sprite::Burst, 0, &Scene::PicPx1, &Scene::PicPx2, &Scene::PicPx1},
    {"PinkBurst1", Sprite::Burst, 1, &Scene::PicPx1, &Scene::PicPx1, &Scene::PicPx2},
    {"PinkBurst2", Sprite::Burst, 2, &Scene::PicPx2, &Scene::PicPx2, &Scene::PicPx1},
    {"Co2Even", Sprite::Gas, 0, &Scene::picCO2, &Scene::picCO2, &Scene::Co2b},
    {"Co2Odd", Sprite::Gas, 1, &Scene::picCO2, &Scene::Co2b, &Scene::picCO2},
    {"Co2BoldEven", Sprite::Gas, 18, &Scene::Co2b, &Scene::picCO2, &Scene::Co2b},
    {"Ch4Even", Sprite::Gas, 2, &Scene::Ch4b, &Scene::picCH4, &Scene::Ch4b},
    {"Ch4Odd", Sprite::Gas, 19, &Scene::picCH4, &Scene::Ch4b, &Scene::picCH4},
    {"AnyOtherPictureIsCh4", Sprite::Gas, 5, &Scene::picCFC, &Scene::Ch4b, &Scene::picCH4},
    {"ShotEven", Sprite::Shot, 0, &Scene::bullet2, &Scene::bullet1, &Scene::bullet2},
    {"ShotOdd", Sprite::Shot, 3, &Scene::bullet1, &Scene::bullet2, &Scene::bullet1},
    {"ShotWithAnyPicture", Sprite::Shot, 6, &Scene::picUV, &Scene::bullet1, &Scene::bullet2},
    {"DyingShip", Sprite::Dying, 0, &Scene::xplode2, &Scene::xplode1, &Scene::xplode2},
};

INSTANTIATE_TEST_SUITE_P(Table, FrameFlip, ::testing::ValuesIn(kFlips),
                         [](const auto& info) { return info.param.name; });

TEST_F(Animation, BurstShowingItsDesignPictureShrinksButNeverFlips) {
  for (Picture& burst : game.Xplode) {
    burst.Visible = true;
    burst.picture = &burst.own;
    burst.Width = burst.Height = 32;
  }
  RunPhaseA();
  RunPhaseB();
  for (Picture& burst : game.Xplode) {
    EXPECT_EQ(burst.picture, &burst.own);
    EXPECT_FLOAT_EQ(burst.Width, 32 - 2 * 0.6f);
  }
}

TEST_F(Animation, GasSlotsBeyondTheLastIndexAreNotFlipped) {
  game.lastGasIndex = 4;
  for (Picture& gas : game.CO2) {
    gas.Visible = true;
    gas.TakePicture(game.picCO2);
  }
  RunPhaseA();
  EXPECT_TRUE(game.CO2[3].Shows(game.Co2b));
  EXPECT_TRUE(game.CO2[5].Shows(game.picCO2));
  RunPhaseB();
  EXPECT_TRUE(game.CO2[4].Shows(game.Co2b));
  EXPECT_TRUE(game.CO2[6].Shows(game.picCO2));
}

TEST_F(Animation, HotWarningTakesANewColourOnlyInPhaseAWhileShown) {
  constexpr Colour kUnset = 0x7F000000;  // no colour the warning can take
  game.hotlbl.Visible = true;
  game.hotlbl.ForeColor = kUnset;
  game.AnimateSprites();  // counter 2: nothing
  EXPECT_EQ(game.hotlbl.ForeColor, kUnset);
  int capped = 0;
  for (int call = 0; call < 50; ++call) {
    game.hotlbl.ForeColor = kUnset;
    RunPhaseA();
    const Rgb colour = ToRgb(game.hotlbl.ForeColor);
    for (const int component : {colour.r, colour.g, colour.b}) {
      EXPECT_GE(component, 100);
      capped += component == 255;
    }
    EXPECT_EQ(game.hotlbl.ForeColor >> 24, 0);
  }
  EXPECT_GT(capped, 0);  // 256 to 300 are taken as 255
  game.hotlbl.Visible = false;
  game.hotlbl.ForeColor = kUnset;
  RunPhaseA();
  EXPECT_EQ(game.hotlbl.ForeColor, kUnset);
}

TEST_F(Animation, HotColourDrawsRedThenGreenThenBlue) {
  system.SetSeed(9);
  Random same;
  same.Seed(system.platform().clock.RandomSeed());  // the seed the game takes next
  system.SetSeed(9);
  game.Randomize();
  const auto component = [&same] { return std::min(255.0, RoundHalfEven(same.Next() * 200 + 100)); };
  const double red = component(), green = component(), blue = component();
  game.hotlbl.Visible = true;
  RunPhaseA();
  EXPECT_EQ(game.hotlbl.ForeColor, FromRgb(static_cast<int>(red), static_cast<int>(green), static_cast<int>(blue)));
}

TEST_F(Animation, CfcsGrowFrom16To32InPhaseAVisibleOrNot) {
  game.CFC[0].Visible = true;
  game.CFC[1].Visible = false;
  for (Picture& cfc : game.CFC) cfc.Width = cfc.Height = 16;
  std::vector<float> widths;
  for (int cycle = 0; cycle < 10; ++cycle) {
    RunPhaseA();
    widths.push_back(game.CFC[0].Width);
    EXPECT_EQ(game.CFC[1].Width, game.CFC[0].Width);
    EXPECT_EQ(game.CFC[0].Height, game.CFC[0].Width);
  }
  EXPECT_EQ(widths, (std::vector<float>{18, 20, 22, 24, 26, 28, 30, 32, 32, 32}));
  RunPhaseB();  // CFCs grow only in phase A
  EXPECT_EQ(game.CFC[0].Width, 32);
}

TEST_F(Animation, NewGasGrowsFrom12To32InFiveCycles) {
  Picture& gas = game.CO2[7];
  gas.Visible = true;
  gas.Width = gas.Height = 12;
  game.gasGrowing[7] = 1;
  std::vector<float> widths;
  std::vector<int> flags;
  for (int cycle = 0; cycle < 6; ++cycle) {
    RunPhaseB();
    widths.push_back(gas.Width);
    flags.push_back(game.gasGrowing[7]);
    EXPECT_EQ(gas.Height, gas.Width);
  }
  EXPECT_EQ(widths, (std::vector<float>{16, 20, 24, 28, 32, 32}));
  EXPECT_EQ(flags, (std::vector<int>{1, 1, 1, 1, 0, 0}));
}

struct GrowCase {
  std::string name;
  bool visible;
  float width;
  std::int16_t flag;
  float widthAfter;
  std::int16_t flagAfter;
};

class GasGrowth : public Animation, public ::testing::WithParamInterface<GrowCase> {};

TEST_P(GasGrowth, OneStep) {
  const GrowCase& c = GetParam();
  Picture& gas = game.CO2[11];
  gas.Visible = c.visible;
  gas.Width = gas.Height = c.width;
  game.gasGrowing[11] = c.flag;
  game.GrowNewGases();
  EXPECT_EQ(gas.Width, c.widthAfter);
  EXPECT_EQ(gas.Height, c.widthAfter);
  EXPECT_EQ(game.gasGrowing[11], c.flagAfter);
}

INSTANTIATE_TEST_SUITE_P(Table, GasGrowth,
                         ::testing::Values(GrowCase{"Growing", true, 12, 1, 16, 1},
                                           GrowCase{"ReachesFullSize", true, 28, 1, 32, 0},
                                           GrowCase{"OvershootIsClampedTo32", true, 30, 1, 32, 0},
                                           GrowCase{"FullSizeClearsTheFlag", true, 32, 1, 32, 0},
                                           GrowCase{"HiddenNeitherGrowsNorForgets", false, 12, 1, 12, 1},
                                           GrowCase{"NotGrowing", true, 12, 0, 12, 0}),
                         [](const auto& info) { return info.param.name; });

TEST_F(Animation, DyingShipVanishesOnItsSeventySeventhFadeAndTakesALifeThen) {
  game.lives = 3;
  game.player.Left = 200;
  game.player.Top = 300;
  game.player.Visible = true;
  game.DestroyShip();  // 48 x 48 at 192, 296: centre 216, 320
  for (int step = 1; step <= 76; ++step) game.AnimateSprites();
  EXPECT_TRUE(game.dying.Visible);
  EXPECT_NEAR(game.dying.Width, 2.4, 1e-3);
  EXPECT_NEAR(game.dying.Left + game.dying.Width / 2, 216, 1e-3);
  EXPECT_NEAR(game.dying.Top + game.dying.Height / 2, 320, 1e-3);
  EXPECT_EQ(game.lives, 3);
  game.AnimateSprites();
  EXPECT_FALSE(game.dying.Visible);
  EXPECT_EQ(game.lives, 2);
  EXPECT_TRUE(game.player.Visible);
}

// A single-precision width never lands on exactly 2 by steps of 0.6; these are its neighbours.
// A sprite only goes once it is narrower than 2, so one just above it shows one more tick.
class NarrowestWidth : public Animation, public ::testing::WithParamInterface<bool> {};

TEST_P(NarrowestWidth, GoesOnlyBelowTwo) {
  const bool isDying = GetParam();
  Picture& sprite = isDying ? game.dying : game.Xplode[2];
  game.lives = 3;
  sprite.Visible = true;
  sprite.Width = sprite.Height = std::nextafter(2.6f, 3.0f);
  game.AnimateSprites();
  EXPECT_GT(sprite.Width, 2.0f);
  EXPECT_LT(sprite.Width, 2.000001f);
  EXPECT_TRUE(sprite.Visible);
  EXPECT_EQ(game.lives, 3);
  game.AnimateSprites();
  EXPECT_FALSE(sprite.Visible);
  EXPECT_EQ(game.lives, isDying ? 2 : 3);

  sprite.Visible = true;
  sprite.Width = 2.6f;  // shrinks to just below 2: gone at once
  game.AnimateSprites();
  EXPECT_LT(sprite.Width, 2.0f);
  EXPECT_FALSE(sprite.Visible);
}

INSTANTIATE_TEST_SUITE_P(DyingAndBurst, NarrowestWidth, ::testing::Bool());

}  // namespace
}  // namespace skyscrub
