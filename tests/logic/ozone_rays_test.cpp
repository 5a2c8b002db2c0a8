// The ozone row, the ultraviolet rays' fall, bounce and respawn, their strikes and the CFCs' bites.
#include <algorithm>
#include <cmath>
#include <string>

#include "game/state/numbers.h"
#include "support/game_fixture.h"

namespace skyscrub {
namespace {

constexpr const char* kBurstSound = "\\components\\sound\\xplode2.wav";
constexpr const char* kDeathSound = "\\components\\sound\\die1.wav";

class OzoneAndRays : public GameFixture {
 protected:
  void SetUp() override {
    Start();
    for (int k = 0; k < 25; ++k) {  // the row as a new game lays it out
      game.Ozone[k].Left = 32.0f * k;
      game.Ozone[k].Top = 30;
      game.Ozone[k].Visible = true;
    }
    for (int i = 0; i < 3; ++i) Park(i);
    game.player.Visible = true;
    game.player.Left = 400;
    game.player.Top = 300;
  }

  // A ray standing still in the middle of the sky, away from the ship.
  void Park(int i) {
    game.UltraViolet[i].Visible = false;
    game.UltraViolet[i].Left = 100;
    game.UltraViolet[i].Top = 150;
    game.uvStepY[i] = 0;
    game.uvStepX[i] = 0;
  }

  Picture& Ray(float left, float top, double stepX = 0, std::int16_t stepY = 3) {
    Picture& ray = game.UltraViolet[1];
    ray.Visible = true;
    ray.Left = left;
    ray.Top = top;
    game.uvStepX[1] = stepX;
    game.uvStepY[1] = stepY;
    return ray;
  }

  void BusyBursts() {
    for (Picture& burst : game.Xplode) burst.Visible = true;
  }
};

TEST_F(OzoneAndRays, SpawnDrawsLeftTopDirectionAndDriftInThatOrder) {
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    system.SetSeed(seed);
    Random same;
    same.Seed(system.platform().clock.RandomSeed());  // the seed the game takes next
    system.SetSeed(seed);
    game.Randomize();
    game.uvStepY[2] = -3;
    game.SpawnRay(2, true);
    const float left = same.Next() * 880 - 40;
    const float top = same.Next() * 50 - 80;
    const bool rightwards = RoundHalfEven(same.Next()) == 1;
    const double drift = rightwards ? same.Next() * 3 + 0.2 : -0.2 - same.Next() * 3;
    EXPECT_EQ(game.UltraViolet[2].Left, left);
    EXPECT_EQ(game.UltraViolet[2].Top, top);
    EXPECT_EQ(game.uvStepX[2], drift);
    EXPECT_EQ(game.uvStepY[2], 3);
    EXPECT_TRUE(game.UltraViolet[2].Visible);
    EXPECT_GE(std::abs(drift), 0.2);
    EXPECT_LE(std::abs(drift), 3.2);
  }
}

TEST_F(OzoneAndRays, SpawnWithoutShowKeepsTheVisibility) {
  for (const bool visible : {false, true}) {
    game.UltraViolet[0].Visible = visible;
    game.SpawnRay(0, false);
    EXPECT_EQ(game.UltraViolet[0].Visible, visible);
  }
}

TEST_F(OzoneAndRays, LoopLeavesTheRayIndexAtThree) {
  game.MoveUltraviolet();
  EXPECT_EQ(game.uvIndex, 3);
}

// One step of a ray: where it starts, how it moves, and what the step leaves.
struct MoveCase {
  std::string name;
  float left, top;
  double stepX;
  std::int16_t stepY;
  int gapColumn;  // a destroyed cell, or -1
  std::int16_t stepYAfter;
  float leftAfter;  // NAN: respawned somewhere above the sky
  bool respawned;
};

class RayStep : public OzoneAndRays, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(RayStep, MovesWrapsBouncesAndRespawns) {
  const MoveCase& c = GetParam();
  if (c.gapColumn >= 0) game.Ozone[c.gapColumn].Visible = false;
  Picture& ray = Ray(c.left, c.top, c.stepX, c.stepY);
  game.MoveUltraviolet();
  if (c.respawned) {
    EXPECT_LT(ray.Top, -30);
    EXPECT_GE(ray.Top, -80);
    EXPECT_EQ(game.uvStepY[1], 3);
  } else {
    EXPECT_EQ(ray.Top, c.top + c.stepY);
    EXPECT_EQ(ray.Left, c.leftAfter);
    EXPECT_EQ(game.uvStepY[1], c.stepYAfter);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, RayStep,
    ::testing::Values(
        // The ozone band is Top 21 up to, not including, 26, and only falling rays are tested.
        MoveCase{"TestedAtTop21", 100, 18, 0, 3, -1, -3, 100, false},
        MoveCase{"TestedJustBelow26", 100, 22.9f, 0, 3, -1, -3, 100, false},
        MoveCase{"NotTestedAtTop26", 100, 23, 0, 3, -1, 3, 100, false},
        MoveCase{"NotTestedAbove21", 100, 17.9f, 0, 3, -1, 3, 100, false},
        MoveCase{"RisingRayNotTested", 100, 27, 0, -3, -1, -3, 100, false},
        MoveCase{"ReflectedOverAnIntactCell", 100, 20, 0, 3, 2, -3, 100, false},
        MoveCase{"FallsThroughAGap", 100, 20, 0, 3, 3, 3, 100, false},
        // The column is that of the left edge before this step's drift.
        MoveCase{"ColumnBeforeTheDrift", 95, 20, 2, 3, 3, -3, 97, false},
        MoveCase{"LeftOfTheRowReflects", -0.5f, 20, 0, 3, 0, -3, -0.5f, false},
        MoveCase{"RightOfTheRowReflects", 800, 20, 0, 3, 24, -3, 800, false},
        MoveCase{"LastColumnGap", 799.5f, 20, 0, 3, 24, 3, 799.5f, false},
        // Wrapping at the sides.
        MoveCase{"LeavingLeftComesBackInsideRight", -31, 300, -1.5, 3, -1, 3, 768, false},
        MoveCase{"AtMinusWidthStays", -31, 300, -1, 3, -1, 3, -32, false},
        MoveCase{"LeavingRightComesBackAtMinusWidth", 831, 300, 1.5, 3, -1, 3, -32, false},
        MoveCase{"AtEightHundredAndWidthStays", 831, 300, 1, 3, -1, 3, 832, false},
        // Respawns: through the top after a bounce, and at the ground line (548 for 32 pixels).
        MoveCase{"TurnedBackAtMinus100Respawns", 100, -97, 0, -3, -1, 0, 0, true},
        MoveCase{"TurnedBackAboveMinus100Continues", 100, -96.9f, 0, -3, -1, -3, 100, false},
        MoveCase{"AtTheGroundLineContinues", 100, 545, 0, 3, -1, 3, 100, false},
        MoveCase{"BelowTheGroundLineRespawns", 100, 545.1f, 0, 3, -1, 0, 0, true}),
    [](const auto& info) { return info.param.name; });

TEST_F(OzoneAndRays, GroundRespawnShowsTheRayButTopRespawnDoesNot) {
  Picture& ray = Ray(100, 546, 0, 3);
  ray.Visible = false;  // hidden by a strike
  game.MoveUltraviolet();
  EXPECT_TRUE(ray.Visible);
  Ray(100, -98, 0, -3).Visible = false;
  game.MoveUltraviolet();
  EXPECT_FALSE(ray.Visible);
}

TEST_F(OzoneAndRays, DriftOverAnIntactCellTurnsTheRayBackOnItsSecondTest) {
  game.Ozone[0].Visible = false;
  Ray(29, 18, 3, 3);  // first test at Top 21: left edge 29 over the gap in column 0
  game.MoveUltraviolet();
  EXPECT_EQ(game.uvStepY[1], 3);
  game.MoveUltraviolet();  // second test at Top 24: left edge 32 over cell 1
  EXPECT_EQ(game.uvStepY[1], -3);
  game.MoveUltraviolet();  // rising through the band: no test
  EXPECT_EQ(game.uvStepY[1], -3);
  EXPECT_EQ(game.UltraViolet[1].Top, 21);
}

// Where the ray is relative to the ship (both 32 x 32), and whether it strikes.
struct BoxCase {
  std::string name;
  float dLeft, dTop;
  bool strikes;
};

class StrikeBox : public OzoneAndRays, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(StrikeBox, StrictlyInsideTheBoxStrikes) {
  const BoxCase& c = GetParam();
  Picture& ray = Ray(400 + c.dLeft, 300 + c.dTop);
  game.CheckUvHits();
  EXPECT_EQ(ray.Visible, !c.strikes);
  EXPECT_EQ(game.Shield.Width, c.strikes ? 93 : 125);
}

INSTANTIATE_TEST_SUITE_P(Table, StrikeBox,
                         ::testing::Values(BoxCase{"Centre", 0, 0, true}, BoxCase{"TopEdge", 0, -18, false},
                                           BoxCase{"JustInsideTop", 0, -17.9f, true},
                                           BoxCase{"BottomEdge", 0, 24, false},
                                           BoxCase{"JustInsideBottom", 0, 23.9f, true},
                                           BoxCase{"LeftEdge", -36, 0, false},
                                           BoxCase{"JustInsideLeft", -35.9f, 0, true},
                                           BoxCase{"RightEdge", 36, 0, false},
                                           BoxCase{"JustInsideRight", 35.9f, 0, true}),
                         [](const auto& info) { return info.param.name; });

TEST_F(OzoneAndRays, StrikeHidesTheRayAndLightsAPinkBurstOnTheShip) {
  game.Xplode[0].Visible = true;
  Ray(410, 305);
  game.CheckUvHits();
  const Picture& burst = game.Xplode[1];
  EXPECT_TRUE(burst.Visible);
  EXPECT_TRUE(burst.Shows(game.PicPx1));
  EXPECT_EQ(burst.Left, 400);
  EXPECT_EQ(burst.Top, 300);
  EXPECT_EQ(burst.Width, 32);
  EXPECT_EQ(burst.Height, 32);
  ASSERT_EQ(Sounds().size(), 1u);
  EXPECT_EQ(Sounds()[0].text, kBurstSound);
  EXPECT_EQ(game.soundHold, 1);
}

TEST_F(OzoneAndRays, HiddenRayNeverStrikes) {
  Ray(400, 300).Visible = false;
  game.CheckUvHits();
  EXPECT_EQ(game.Shield.Width, 125);
  EXPECT_TRUE(Sounds().empty());
}

TEST_F(OzoneAndRays, VisibleRayStrikesTheHiddenShip) {
  game.player.Visible = false;
  Ray(400, 300);
  game.CheckUvHits();
  EXPECT_EQ(game.Shield.Width, 93);
}

TEST_F(OzoneAndRays, StrikeWithEveryBurstBusyIsSilentButStillCosts) {
  BusyBursts();
  game.soundHold = 5;
  Picture& ray = Ray(400, 300);
  game.CheckUvHits();
  EXPECT_FALSE(ray.Visible);
  EXPECT_EQ(game.Shield.Width, 93);
  EXPECT_TRUE(Sounds().empty());
  EXPECT_EQ(game.soundHold, 5);
}

TEST_F(OzoneAndRays, StrikeThatDestroysPlaysTheDeathThenTheBurstSound) {
  game.Shield.Width = 29;
  Ray(400, 300);
  game.CheckUvHits();
  EXPECT_TRUE(game.dying.Visible);
  ASSERT_EQ(Sounds().size(), 2u);
  EXPECT_EQ(Sounds()[0].text, kDeathSound);
  EXPECT_EQ(Sounds()[1].text, kBurstSound);
}

TEST_F(OzoneAndRays, SeveralRaysStrikeInOneTickInRayOrder) {
  for (int i = 0; i < 3; ++i) {
    game.UltraViolet[i].Visible = true;
    game.UltraViolet[i].Left = 400;
    game.UltraViolet[i].Top = 300;
  }
  game.Shield.Width = 61;
  game.CheckUvHits();  // 61 -> 29, then destroyed (125), then 93
  EXPECT_EQ(game.Shield.Width, 93);
  EXPECT_TRUE(game.dying.Visible);
}

// A CFC near the top: where it is, which cells are intact, and which cell it eats.
struct BiteCase {
  std::string name;
  float left, top;
  std::vector<int> intact;  // empty: the whole row
  int eaten;                // -1: none
};

class CfcBite : public OzoneAndRays, public ::testing::WithParamInterface<BiteCase> {};

TEST_P(CfcBite, EatsTheLowestCellInReach) {
  const BiteCase& c = GetParam();
  if (!c.intact.empty()) {
    for (Picture& cell : game.Ozone) cell.Visible = false;
    for (const int k : c.intact) game.Ozone[k].Visible = true;
  }
  Picture& cfc = game.CFC[2];
  cfc.Visible = true;
  cfc.Left = c.left;
  cfc.Top = c.top;
  game.DamageOzone(cfc);
  EXPECT_EQ(cfc.Visible, c.eaten < 0);
  for (int k = 0; k < 25; ++k) {
    const bool wasIntact = c.intact.empty() || std::count(c.intact.begin(), c.intact.end(), k) > 0;
    EXPECT_EQ(game.Ozone[k].Visible, wasIntact && k != c.eaten) << "cell " << k;
  }
  if (c.eaten >= 0) {
    EXPECT_TRUE(game.Xplode[0].Shows(game.PicGx1));
    EXPECT_EQ(game.Xplode[0].Left, 32.0f * c.eaten);
    EXPECT_EQ(game.Xplode[0].Top, 30);
    EXPECT_EQ(Sounds().size(), 1u);
  } else {
    EXPECT_FALSE(game.Xplode[0].Visible);
    EXPECT_TRUE(Sounds().empty());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, CfcBite,
    ::testing::Values(BiteCase{"TwoInReachTakesTheLower", 50, 39, {}, 1},
                      BiteCase{"NotBelow40DoesNothing", 50, 40, {}, -1},
                      BiteCase{"AboveTheRowStillBites", 50, -20, {}, 1},
                      BiteCase{"ReachStartsAtLeftMinus20", 44, 30, {2}, 2},
                      BiteCase{"JustShortOfTheReach", 43.9f, 30, {2}, -1},
                      BiteCase{"ReachEndsAtLeftPlus40", 104, 30, {2}, 2},
                      BiteCase{"JustBeyondTheReach", 104.1f, 30, {2}, -1},
                      BiteCase{"GapBelowSkipsToTheNextCell", 50, 30, {2, 3}, 2},
                      BiteCase{"NothingInReach", 300, 30, {0, 24}, -1}),
    [](const auto& info) { return info.param.name; });

TEST_F(OzoneAndRays, CfcBiteWithEveryBurstBusyIsSilent) {
  BusyBursts();
  Picture& cfc = game.CFC[0];
  cfc.Visible = true;
  cfc.Left = 50;
  cfc.Top = 35;
  game.DamageOzone(cfc);
  EXPECT_FALSE(cfc.Visible);
  EXPECT_FALSE(game.Ozone[1].Visible);
  EXPECT_TRUE(Sounds().empty());
  EXPECT_EQ(game.soundHold, 0);
}

}  // namespace
}  // namespace skyscrub
