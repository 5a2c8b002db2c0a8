// Mouse moves and clicks reach the handler of the element under the pointer, on the title
// and instruction screens as the player sees them.
#include "platform/input/mouse_events.h"

#include "platform/input/pointer_targets.h"
#include "support/game_fixture.h"

namespace skyscrub::input {
namespace {

class Pointer : public GameFixture {
 protected:
  void SetUp() override { Start(); }
  WindowEvents events{game};
  MouseEvents mouse{events};

  void Click(float x, float y) {
    mouse.Pressed(x, y);
    mouse.Released(x, y);
  }
};

struct HoverCase {
  const char* where;
  float x, y;
  Colour play, quit;  // Label7 and Label8 afterwards
};

class TitleHover : public Pointer, public ::testing::WithParamInterface<HoverCase> {};

TEST_P(TitleHover, ColoursTheLabelUnderThePointer) {
  const HoverCase& c = GetParam();
  mouse.Moved(560, 500);  // start with "Play" red
  mouse.Moved(c.x, c.y);
  EXPECT_EQ(game.Label7.ForeColor, c.play);
  EXPECT_EQ(game.Label8.ForeColor, c.quit);
}

INSTANTIATE_TEST_SUITE_P(Places, TitleHover,
                         ::testing::Values(HoverCase{"Play", 540, 476, colours::kRed, colours::kWhite},
                                           HoverCase{"Quit", 600, 590, colours::kWhite, colours::kRed},
                                           HoverCase{"panel", 100, 100, colours::kWhite, colours::kWhite},
                                           HoverCase{"just right of Play", 621, 500, colours::kWhite, colours::kWhite},
                                           HoverCase{"outside the window", 900, 500, colours::kRed, colours::kWhite}),
                         [](const auto& info) {
                           std::string name = info.param.where;
                           std::erase(name, ' ');
                           return name;
                         });

TEST_F(Pointer, PlayThenStartLeadIntoAGame) {
  EXPECT_EQ(CursorAt(game, 10, 10), Cursor::Arrow);
  Click(560, 500);
  ASSERT_TRUE(game.Control_Screen.Visible);
  EXPECT_FALSE(game.Picture2.Visible);
  mouse.Moved(700, 550);
  EXPECT_EQ(game.Label9.ForeColor, colours::kRed);
  mouse.Moved(10, 10);
  EXPECT_EQ(game.Label9.ForeColor, colours::kWhite);
  Click(700, 550);
  EXPECT_TRUE(game.Timer1.Enabled);
  EXPECT_FALSE(game.Control_Screen.Visible);
  EXPECT_EQ(CursorAt(game, 10, 10), Cursor::Invisible);
  EXPECT_EQ(ElementAt(game, 700, 550), nullptr) << "no menu label under the pointer during play";
}

TEST_F(Pointer, AClickNeedsPressAndReleaseOverTheSameLabel) {
  mouse.Pressed(560, 500);     // on "Play"
  mouse.Released(560, 570);    // let go on "Quit"
  mouse.Released(560, 500);    // a release without a press
  EXPECT_TRUE(game.Picture2.Visible);
  EXPECT_FALSE(game.Control_Screen.Visible);
  EXPECT_FALSE(game.Ended());
}

TEST_F(Pointer, QuitEndsTheGame) {
  Click(560, 570);
  EXPECT_TRUE(game.Ended());
}

TEST_F(Pointer, HiddenPanelsReceiveNothing) {
  game.Label7_Click();  // instructions up, title hidden
  mouse.Moved(560, 500);
  EXPECT_EQ(game.Label7.ForeColor, colours::kWhite);
  EXPECT_EQ(ElementAt(game, 560, 500), &game.Control_Screen);
}

}  // namespace
}  // namespace skyscrub::input
