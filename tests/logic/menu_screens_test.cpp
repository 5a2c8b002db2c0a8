// The title and instruction screens: hover colours, "Play", "Start" and "Quit".
#include "support/game_fixture.h"

namespace skyscrub {
namespace {

constexpr Colour kWhite = colours::kWhite;
constexpr Colour kRed = colours::kRed;

enum class Move { OverPlay, OverQuit, OverTitle, OverStart, OverInstructions };

struct HoverCase {
  const char* label;
  std::vector<Move> moves;
  Colour play, quit, start;
};

void PrintTo(const HoverCase& c, std::ostream* os) { *os << c.label; }

class Hover : public GameFixture, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(Hover, TurnsTheLabelUnderTheMouseRed) {
  Start();
  for (const Move move : GetParam().moves) {
    switch (move) {
      case Move::OverPlay: game.Label7_MouseMove(); break;
      case Move::OverQuit: game.Label8_MouseMove(); break;
      case Move::OverTitle: game.Picture2_MouseMove(); break;
      case Move::OverStart: game.Label9_MouseMove(); break;
      case Move::OverInstructions: game.Control_Screen_MouseMove(); break;
    }
  }
  EXPECT_EQ(game.Label7.ForeColor, GetParam().play);
  EXPECT_EQ(game.Label8.ForeColor, GetParam().quit);
  EXPECT_EQ(game.Label9.ForeColor, GetParam().start);
}

INSTANTIATE_TEST_SUITE_P(
    Moves, Hover,
    ::testing::Values(HoverCase{"nothing yet", {}, kWhite, kWhite, kWhite},
                      HoverCase{"over Play", {Move::OverPlay}, kRed, kWhite, kWhite},
                      HoverCase{"Play straight onto Quit", {Move::OverPlay, Move::OverQuit}, kWhite, kRed, kWhite},
                      HoverCase{"Quit off onto the title", {Move::OverQuit, Move::OverTitle}, kWhite, kWhite, kWhite},
                      HoverCase{"over Start", {Move::OverStart}, kWhite, kWhite, kRed},
                      HoverCase{"Start off onto the instructions", {Move::OverStart, Move::OverInstructions},
                                kWhite, kWhite, kWhite},
                      HoverCase{"Play stays red while the title is left", {Move::OverPlay, Move::OverStart},
                                kRed, kWhite, kRed}));

class Menus : public GameFixture {};

TEST_F(Menus, PlayShowsTheInstructionsOverTheWholeWindowAndHidesHot) {
  Start();
  game.hotlbl.Visible = true;
  game.Label7_Click();
  EXPECT_FALSE(game.hotlbl.Visible);
  EXPECT_TRUE(game.Control_Screen.Visible);
  EXPECT_EQ(game.Control_Screen.Left, 0);
  EXPECT_EQ(game.Control_Screen.Top, 0);
  EXPECT_EQ(game.Control_Screen.Width, 800);
  EXPECT_EQ(game.Control_Screen.Height, 600);
  EXPECT_FALSE(game.Picture2.Visible);
  EXPECT_TRUE(game.Timer3.Enabled);
}

TEST_F(Menus, StartHandsTheKeyboardFromTheWatchToTheMainTick) {
  Start();
  game.Label7_Click();
  game.Label9_Click();
  EXPECT_FALSE(game.Timer3.Enabled);
  EXPECT_FALSE(game.Picture2.Visible);
  EXPECT_FALSE(game.Control_Screen.Visible);
  EXPECT_TRUE(game.Timer1.Enabled);
}

TEST_F(Menus, QuitRestoresTheDisplayAndEnds) {
  system.screen = {1024, 768};
  Start();
  game.Label8_Click();
  EXPECT_EQ(system.effects, QuitEffects({1024, 768}));
  EXPECT_TRUE(game.Ended());
}

TEST_F(Menus, SpaceOnTheTitleAndInstructionsChangesNothing) {
  Start();
  Hold({Key::Space});
  game.Timer3_Timer();
  EXPECT_TRUE(game.Picture2.Visible);
  game.Label7_Click();
  game.Timer3_Timer();
  EXPECT_TRUE(game.Control_Screen.Visible);
  EXPECT_TRUE(system.effects.empty());
}

}  // namespace
}  // namespace skyscrub
