#include "platform/sdl_common/canvas_view.h"

#include <cmath>
#include <cstdint>

namespace skyscrub::sdl {

namespace {

// The first window pixel (counted from the area's edge) that shows canvas pixel `c` or a later
// one, when `canvas` pixels take `window` pixels: the smallest p with p * canvas >= c * window.
int FirstShowing(int c, int canvas, int window) {
  const std::int64_t product = static_cast<std::int64_t>(c) * window;
  return static_cast<int>((product + canvas - 1) / canvas);
}

// The canvas pixel shown at `p` window pixels from the area's edge (may lie outside the canvas).
int Shown(double p, int canvas, int window) { return static_cast<int>(std::floor(p * canvas / window)); }

}  // namespace

CanvasView::CanvasView(int width, int height) : windowWidth_(width), windowHeight_(height) {
  if (width <= 0 || height <= 0) {
    area_ = {0, 0, 0, 0};
    return;
  }
  // The largest size of the canvas's shape that fits: limited by the width or by the height.
  int w = width, h = static_cast<int>(static_cast<std::int64_t>(width) * kCanvasHeight / kCanvasWidth);
  if (h > height) {
    h = height;
    w = static_cast<int>(static_cast<std::int64_t>(height) * kCanvasWidth / kCanvasHeight);
  }
  area_ = {(width - w) / 2, (height - h) / 2, w, h};
}

SDL_Rect CanvasView::ToWindow(SDL_Rect rect) const {
  if (area_.w <= 0 || area_.h <= 0) return {0, 0, 0, 0};
  const int left = FirstShowing(rect.x, kCanvasWidth, area_.w);
  const int right = FirstShowing(rect.x + rect.w, kCanvasWidth, area_.w);
  const int top = FirstShowing(rect.y, kCanvasHeight, area_.h);
  const int bottom = FirstShowing(rect.y + rect.h, kCanvasHeight, area_.h);
  return {area_.x + left, area_.y + top, right - left, bottom - top};
}

SDL_FPoint CanvasView::ToCanvas(float x, float y) const {
  if (area_.w <= 0 || area_.h <= 0) return {-1, -1};
  return {static_cast<float>(Shown(static_cast<double>(x) - area_.x, kCanvasWidth, area_.w)),
          static_cast<float>(Shown(static_cast<double>(y) - area_.y, kCanvasHeight, area_.h))};
}

int CanvasView::CanvasColumn(int x) const { return Shown(x - area_.x, kCanvasWidth, area_.w); }

int CanvasView::CanvasRow(int y) const { return Shown(y - area_.y, kCanvasHeight, area_.h); }

}  // namespace skyscrub::sdl
