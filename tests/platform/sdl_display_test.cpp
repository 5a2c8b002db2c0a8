// Display modes on SDL's dummy display, which offers exactly one mode, 1024 x 768: only a mode
// the display lists counts as possible, and nothing else makes the window full screen. When the
// player keeps the desktop's mode, every mode answers as possible and nothing moves the window.
#include "platform/sdl/sdl_display.h"

#include "platform/sdl_common/sdl_window_frame.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace skyscrub::sdl {
namespace {

class DummyDisplay : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  }
  static void TearDownTestSuite() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

  void SetUp() override { ASSERT_NE(window, nullptr) << SDL_GetError(); }
  void TearDown() override { SDL_DestroyWindow(window); }

  bool FullScreen() const { return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0; }

  SDL_Window* window = SDL_CreateWindow("Aerolith", 0, 0, 800, 600, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
  SdlDisplay display{window, false};
};

TEST_F(DummyDisplay, ReportsTheDesktopSize) {
  const DisplaySize size = display.CurrentSize();
  EXPECT_EQ(size.width, 1024);
  EXPECT_EQ(size.height, 768);
}

struct ModeCase {
  std::int32_t width, height;
  ModeTest expected;
};

class ModeTests : public DummyDisplay, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(ModeTests, OnlyAListedModeIsPossible) {
  EXPECT_EQ(display.TestMode(GetParam().width, GetParam().height), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Sizes, ModeTests,
                         ::testing::Values(ModeCase{1024, 768, ModeTest::Successful},
                                           ModeCase{800, 600, ModeTest::NotPossible},  // smaller than the one mode
                                           ModeCase{1024, 600, ModeTest::NotPossible},
                                           ModeCase{1280, 1024, ModeTest::NotPossible},
                                           ModeCase{0, 0, ModeTest::NotPossible}));

TEST_F(DummyDisplay, AnUnlistedModeLeavesTheWindowAlone) {
  display.ApplyMode(800, 600);
  EXPECT_FALSE(FullScreen());
}

TEST_F(DummyDisplay, TheDesktopSizeReturnsTheWindowToTheDesktopAtTheCorner) {
  SDL_SetWindowPosition(window, 40, 30);
  display.ApplyMode(1024, 768);
  EXPECT_FALSE(FullScreen());
  int x = -1, y = -1;
  SDL_GetWindowPosition(window, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
}

// What the game asks of the display and the window in a window or full screen of the player's:
// the answers of a desktop already at the game's mode, and the window left as it is.
TEST_F(DummyDisplay, AKeptModeAnswersAsTheGameModeAndLeavesTheWindowAlone) {
  SdlDisplay kept(window, true);
  SdlWindowFrame frame(window, true);
  SDL_SetWindowPosition(window, 40, 30);
  for (const auto& [width, height] : {std::pair{800, 600}, {1024, 768}, {1280, 1024}}) {
    EXPECT_EQ(kept.TestMode(width, height), ModeTest::Successful) << width << " x " << height;
    kept.ApplyMode(width, height);
  }
  frame.Place(0, 0, 800, 600);
  frame.MakeTopmost();
  EXPECT_FALSE(FullScreen());
  EXPECT_EQ(SDL_GetWindowFlags(window) & SDL_WINDOW_ALWAYS_ON_TOP, 0u);
  int x = -1, y = -1;
  SDL_GetWindowPosition(window, &x, &y);
  EXPECT_EQ(x, 40);
  EXPECT_EQ(y, 30);
  const DisplaySize size = kept.CurrentSize();
  EXPECT_EQ(size.width, 1024) << "the desktop's size is told as it is";
}

TEST_F(DummyDisplay, TheGamesOwnWindowGoesWhereTheGameSays) {
  SdlWindowFrame frame(window, false);
  SDL_SetWindowPosition(window, 40, 30);
  frame.Place(0, 0, 800, 600);
  int x = -1, y = -1;
  SDL_GetWindowPosition(window, &x, &y);
  EXPECT_EQ(x, 0);
  EXPECT_EQ(y, 0);
}

}  // namespace
}  // namespace skyscrub::sdl
