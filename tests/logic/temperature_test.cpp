// The temperature gauge: its step towards the target, the warning and the loss.
#include <string>

#include "support/game_fixture.h"

namespace skyscrub {
namespace {

class Temperature : public GameFixture {
 protected:
  void SetUp() override {
    Start();
    game.Timer1.Enabled = true;  // a game in play
  }
};

struct StepCase {
  std::string name;
  std::int16_t gasCount;
  float before;
  float after;
  bool lost;
  bool hot;
};

class TemperatureStep : public Temperature, public ::testing::WithParamInterface<StepCase> {};

TEST_P(TemperatureStep, MovesTowardsTheTargetThenJudges) {
  const StepCase& c = GetParam();
  game.gasCount = c.gasCount;
  game.Temp1.Width = c.before;
  game.hotlbl.Visible = !c.hot;
  game.UpdateTemperature();
  EXPECT_FLOAT_EQ(game.Temp1.Width, c.after);
  EXPECT_EQ(game.LoseScreen.Visible, c.lost);
  EXPECT_EQ(game.Timer1.Enabled, !c.lost);
  EXPECT_EQ(game.hotlbl.Visible, c.hot);  // also set in the step that loses
}

// Targets: 0 molecules 15, 9 molecules 60, 16 molecules 95, 17 molecules 100, 20 molecules 115.
INSTANTIATE_TEST_SUITE_P(
    Table, TemperatureStep,
    ::testing::Values(StepCase{"Exactly114DoesNotLose", 0, 115, 114, false, true},
                      StepCase{"Above114Loses", 20, 112.4f, 114.2f, true, true},
                      StepCase{"Exactly95HidesTheWarning", 0, 96, 95, false, false},
                      StepCase{"Above95ShowsTheWarning", 17, 94, 95.8f, false, true},
                      StepCase{"EqualToTheTargetFalls", 9, 60, 59, false, false},
                      StepCase{"BelowTheTargetRises", 9, 59.9f, 61.7f, false, false},
                      StepCase{"SixteenMoleculesSwingAcross95", 16, 94.5f, 96.3f, false, true}),
    [](const auto& info) { return info.param.name; });

TEST_F(Temperature, StartClimbsForTwentyCyclesThenSawTooths) {
  game.gasCount = 9;  // target 60
  game.Temp1.Width = 25;
  for (int cycle = 1; cycle <= 20; ++cycle) {
    const float before = game.Temp1.Width;
    game.UpdateTemperature();
    EXPECT_NEAR(game.Temp1.Width - before, 1.8, 1e-4) << "cycle " << cycle;
  }
  EXPECT_NEAR(game.Temp1.Width, 61, 1e-3);
  bool fell = false, rose = false;
  for (int cycle = 21; cycle <= 120; ++cycle) {
    const float before = game.Temp1.Width;
    game.UpdateTemperature();
    fell |= game.Temp1.Width < before;
    rose |= game.Temp1.Width > before;
    EXPECT_GE(game.Temp1.Width, 59);
    EXPECT_LT(game.Temp1.Width, 61.8);
  }
  EXPECT_TRUE(fell && rose);
  EXPECT_FALSE(game.hotlbl.Visible);
}

TEST_F(Temperature, WithNoMoleculesSettlesJustAroundFifteen) {
  game.gasCount = 0;
  game.Temp1.Width = 25;
  for (int cycle = 1; cycle <= 11; ++cycle) game.UpdateTemperature();  // 25 falls to 14
  for (int cycle = 1; cycle <= 100; ++cycle) {
    game.UpdateTemperature();
    EXPECT_GE(game.Temp1.Width, 14);
    EXPECT_LT(game.Temp1.Width, 16.8);
  }
}

}  // namespace
}  // namespace skyscrub
