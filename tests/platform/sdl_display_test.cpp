// Display modes on SDL's dummy display, which offers exactly one mode, 1024 x 768: only a mode
// the display lists counts as possible, and nothing else makes the window full screen.
#include "platform/sdl/sdl_display.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace skyscrub::sdl {
namespace {

class DummyDisplay : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  }
  static void TearDownTestSuite() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }

  void SetUp() override { ASSERT_NE(window, nullptr) << SDL_GetError(); }
  void TearDown() override { SDL_DestroyWindow(window); }

  bool FullScreen() const { return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN) != 0; }

  SDL_Window* window = SDL_CreateWindow("Aerolith", 0, 0, 800, 600, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS);
  SdlDisplay display{window};
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

}  // namespace
}  // namespace skyscrub::sdl
