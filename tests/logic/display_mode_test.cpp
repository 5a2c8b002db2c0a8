// The display-mode switch: test, then apply, ask for a restart, or report the mode impossible.
#include "support/game_fixture.h"

namespace skyscrub {
namespace {

constexpr const char* kRestartText =
    "You must restart your computer to apply these changes.\r\n\r\nDo you want to restart now?";

struct ModeCase {
  const char* label;
  ModeTest test;
  std::optional<MessageAnswer> answer;
  std::vector<Effect> effects;
};

void PrintTo(const ModeCase& c, std::ostream* os) { *os << c.label; }

class DisplayMode : public GameFixture, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(DisplayMode, FollowsTheTestResult) {
  const ModeCase& c = GetParam();
  system.modeTest = c.test;
  if (c.answer) system.answers.push_back(*c.answer);
  std::int16_t width = 800, height = 600;
  game.SetDisplayResolution(width, height);
  EXPECT_EQ(system.effects, c.effects);
  EXPECT_EQ(width, 800);
  EXPECT_EQ(height, 600);
}

INSTANTIATE_TEST_SUITE_P(
    Results, DisplayMode,
    ::testing::Values(
        ModeCase{"can be set", ModeTest::Successful, std::nullopt, {{Effect::Kind::Display, {}, {}, 800, 600}}},
        ModeCase{"restart declined", ModeTest::Restart, MessageAnswer::No,
                 {{Effect::Kind::MessageBox, "Screen Resolution", kRestartText}}},
        ModeCase{"restart accepted", ModeTest::Restart, MessageAnswer::Yes,
                 {{Effect::Kind::MessageBox, "Screen Resolution", kRestartText}, {Effect::Kind::Reboot, {}, {}}}},
        ModeCase{"not possible", ModeTest::NotPossible, std::nullopt,
                 {{Effect::Kind::MessageBox, "Error", "Mode not supported"}}}));

TEST_F(GameFixture, AnImpossibleModeAtActivationLeavesTheGameRunningInTheDesktopSize) {
  system.modeTest = ModeTest::NotPossible;
  system.screen = {1280, 1024};
  Start();
  EXPECT_TRUE(game.Timer3.Enabled);
  EXPECT_EQ(system.screen.width, 1280);
  EXPECT_EQ(game.savedScreenWidth, 1280);
}

}  // namespace
}  // namespace skyscrub
