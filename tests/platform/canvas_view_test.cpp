// Where the canvas lies in windows of other sizes, and the two ways across: canvas rectangles
// to the window pixels that show them, window points to the canvas pixel they show.
#include "platform/sdl_common/canvas_view.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "support/sdl_rects.h"

namespace skyscrub::sdl {
namespace {

struct FitCase {
  const char* name;
  int width, height;
  SDL_Rect area;
};

class Fits : public ::testing::TestWithParam<FitCase> {};

TEST_P(Fits, TheLargestCanvasOfItsShapeCentred) {
  EXPECT_EQ(CanvasView(GetParam().width, GetParam().height).Area(), GetParam().area);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, Fits,
    ::testing::Values(FitCase{"OwnSize", 800, 600, {0, 0, 800, 600}},
                      FitCase{"Double", 1600, 1200, {0, 0, 1600, 1200}},
                      FitCase{"FullHdBarsLeftAndRight", 1920, 1080, {240, 0, 1440, 1080}},
                      FitCase{"QhdBarsLeftAndRight", 2560, 1440, {320, 0, 1920, 1440}},
                      FitCase{"TallBarsAboveAndBelow", 800, 900, {0, 150, 800, 600}},
                      FitCase{"OddSizeRoundsDown", 1001, 700, {34, 0, 933, 700}},
                      FitCase{"Tiny", 3, 2, {0, 0, 3, 2}},
                      FitCase{"Nothing", 0, 600, {0, 0, 0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(CanvasView, AWholeMultipleShowsEachCanvasPixelAsASquareOfPixels) {
  const CanvasView twice(1600, 1200);
  EXPECT_EQ(twice.ToWindow({540, 476, 81, 57}), (SDL_Rect{1080, 952, 162, 114}));
  EXPECT_EQ(twice.CanvasColumn(1080), 540);
  EXPECT_EQ(twice.CanvasColumn(1081), 540);
  EXPECT_EQ(twice.CanvasColumn(1082), 541);
}

// Every window pixel of a scaled rectangle shows a canvas pixel of that rectangle, and every
// window pixel just outside it shows one outside: the rectangles a frame redraws and shows in
// the window are exactly the pixels that changed, at any scale (shrunk, a canvas pixel may
// show in no window pixel at all).
TEST(CanvasView, ScaledRectanglesHoldExactlyThePixelsThatShowThem) {
  // The window span [first, first + count) against the canvas span [from, from + length).
  const auto holdsExactly = [](auto canvasOf, int first, int count, int from, int length) {
    const bool inside = count == 0 || (canvasOf(first) >= from && canvasOf(first + count - 1) < from + length);
    return inside && canvasOf(first - 1) < from && canvasOf(first + count) >= from + length;
  };
  for (const auto& [w, h] : {std::pair{1920, 1080}, {1001, 700}, {1600, 1200}, {640, 480}, {2560, 1440}}) {
    const CanvasView view(w, h);
    const auto column = [&view](int x) { return view.CanvasColumn(x); };
    const auto row = [&view](int y) { return view.CanvasRow(y); };
    for (const SDL_Rect rect : {SDL_Rect{0, 0, 800, 600}, {540, 476, 81, 57}, {13, 7, 1, 1}, {799, 599, 1, 1}}) {
      const SDL_Rect shown = view.ToWindow(rect);
      EXPECT_TRUE(holdsExactly(column, shown.x, shown.w, rect.x, rect.w)) << w << "x" << h << " columns of " << rect.x;
      EXPECT_TRUE(holdsExactly(row, shown.y, shown.h, rect.y, rect.h)) << w << "x" << h << " rows of " << rect.y;
    }
  }
}

struct PointCase {
  const char* name;
  int width, height;
  float x, y;      // a window pixel
  SDL_FPoint at;   // the canvas pixel it shows
};

class Points : public ::testing::TestWithParam<PointCase> {};

TEST_P(Points, LandOnTheCanvasPixelShownUnderThem) {
  const SDL_FPoint at = CanvasView(GetParam().width, GetParam().height).ToCanvas(GetParam().x, GetParam().y);
  EXPECT_EQ(at.x, GetParam().at.x);
  EXPECT_EQ(at.y, GetParam().at.y);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, Points,
    ::testing::Values(PointCase{"OwnSize", 800, 600, 570, 500, {570, 500}},
                      PointCase{"DoubleOnPlay", 1600, 1200, 1141, 1001, {570, 500}},
                      PointCase{"FullHdOnPlay", 1920, 1080, 240 + 1026, 900, {570, 500}},
                      PointCase{"FullHdLastColumn", 1920, 1080, 1679, 1079, {799, 599}},
                      PointCase{"FullHdLeftBar", 1920, 1080, 239, 500, {-1, 277}},
                      PointCase{"FullHdRightBar", 1920, 1080, 1680, 500, {800, 277}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace skyscrub::sdl
