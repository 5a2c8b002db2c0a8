// The canvas copied into windows of other sizes: whole multiples are exact copies, a fraction
// keeps every edge hard (one mixed pixel at most), and copying again only the window pixels of a
// changed rectangle gives what copying the whole canvas gives.
#include "platform/sdl_common/canvas_scaler.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace skyscrub::sdl {
namespace {

using Pixel = std::uint32_t;

struct Surfaces {
  explicit Surfaces(int width, int height)
      : canvas(SDL_CreateRGBSurfaceWithFormat(0, kCanvasWidth, kCanvasHeight, 32, SDL_PIXELFORMAT_RGB888)),
        window(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888)),
        scaler(CanvasView(width, height)) {}
  ~Surfaces() {
    SDL_FreeSurface(canvas);
    SDL_FreeSurface(window);
  }
  Surfaces(const Surfaces&) = delete;
  Surfaces& operator=(const Surfaces&) = delete;

  static Pixel& At(SDL_Surface* s, int x, int y) {
    return reinterpret_cast<Pixel*>(static_cast<std::uint8_t*>(s->pixels) + y * s->pitch)[x];
  }
  void Fill(SDL_Rect rect, Pixel colour) { SDL_FillRect(canvas, &rect, colour); }
  void CopyWhole() { scaler.Copy(*canvas, *window, scaler.view().Area()); }

  SDL_Surface* canvas;
  SDL_Surface* window;
  CanvasScaler scaler;
};

constexpr Pixel kBlack = 0x000000, kWhite = 0xFFFFFF;

TEST(CanvasScaler, AWholeMultipleIsAnExactCopy) {
  for (const int factor : {1, 2, 3}) {
    Surfaces s(kCanvasWidth * factor, kCanvasHeight * factor);
    for (int y = 0; y < kCanvasHeight; ++y) {
      for (int x = 0; x < kCanvasWidth; ++x) Surfaces::At(s.canvas, x, y) = static_cast<Pixel>((x * 7 + y * 13) * 0x010305);
    }
    s.CopyWhole();
    for (int y = 0; y < s.window->h; ++y) {
      for (int x = 0; x < s.window->w; ++x) {
        ASSERT_EQ(Surfaces::At(s.window, x, y) & 0xFFFFFF, Surfaces::At(s.canvas, x / factor, y / factor) & 0xFFFFFF)
            << "pixel " << x << ", " << y << " at " << factor << " times";
      }
    }
  }
}

// A white 32 x 32 sprite on black, 3.6 times on a 3840 x 2160 screen: along a row and a column
// through it, black turns to white and back with at most one mixed pixel at each edge, and the
// white stretch is the sprite's size scaled.
TEST(CanvasScaler, AtAFractionAnEdgeStaysHard) {
  Surfaces s(3840, 2160);
  const SDL_Rect area = s.scaler.view().Area();
  ASSERT_EQ(area.h, 2160);
  s.Fill({0, 0, kCanvasWidth, kCanvasHeight}, kBlack);
  s.Fill({401, 301, 32, 32}, kWhite);
  s.CopyWhole();
  const auto countAlong = [&](bool across) {
    int mixed = 0, white = 0;
    const int length = across ? area.w : area.h;
    for (int i = 0; i < length; ++i) {
      const int middle = across ? area.y + 317 * 2160 / 600 : area.x + 417 * 2880 / 800;
      const Pixel p = Surfaces::At(s.window, across ? area.x + i : middle, across ? middle : area.y + i) & 0xFFFFFF;
      if (p == kWhite) ++white;
      else if (p != kBlack) ++mixed;
    }
    return std::pair{mixed, white};
  };
  for (const bool across : {true, false}) {
    const auto [mixed, white] = countAlong(across);
    EXPECT_LE(mixed, 2) << (across ? "across" : "down");
    EXPECT_NEAR(white + mixed, 32 * 3.6, 2) << (across ? "across" : "down");
  }
}

// At 3.6 times, a one-pixel white line on black weighs 3.6 white pixels wherever it lies: no
// column of the canvas is drawn wider than its neighbour, as taking the nearest pixel would.
TEST(CanvasScaler, AtAFractionEveryCanvasColumnWeighsTheSame) {
  Surfaces s(3840, 2160);
  const SDL_Rect area = s.scaler.view().Area();
  for (int column = 400; column < 405; ++column) {
    s.Fill({0, 0, kCanvasWidth, kCanvasHeight}, kBlack);
    s.Fill({column, 0, 1, kCanvasHeight}, kWhite);
    s.CopyWhole();
    int weight = 0;
    for (int x = 0; x < area.w; ++x) weight += static_cast<int>(Surfaces::At(s.window, area.x + x, area.y) & 0xFF);
    EXPECT_NEAR(weight, 3.6 * 255, 2) << "column " << column;
  }
}

// Whatever rectangle of the canvas changes, copying only the window pixels that show it gives
// the window that copying the whole canvas gives, at fractions, whole multiples and shrunk.
TEST(CanvasScaler, CopyingAChangedRectangleAloneMatchesCopyingTheWhole) {
  const SDL_Rect changes[] = {{401, 301, 32, 32}, {0, 0, 1, 1}, {799, 599, 1, 1}, {123, 45, 7, 300}, {333, 0, 1, 600}};
  for (const auto& [width, height] : {std::pair{3840, 2160}, {1920, 1080}, {1001, 700}, {1600, 1200}, {640, 480}}) {
    Surfaces piecewise(width, height), whole(width, height);
    for (Surfaces* s : {&piecewise, &whole}) {
      s->Fill({0, 0, kCanvasWidth, kCanvasHeight}, 0x204080);
      s->CopyWhole();
    }
    Pixel colour = 0xF0E0D0;
    for (const SDL_Rect& change : changes) {
      colour ^= 0x5A3C1E;
      for (Surfaces* s : {&piecewise, &whole}) s->Fill(change, colour);
      piecewise.scaler.Copy(*piecewise.canvas, *piecewise.window, piecewise.scaler.WindowRect(change));
      whole.CopyWhole();
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
          ASSERT_EQ(Surfaces::At(piecewise.window, x, y), Surfaces::At(whole.window, x, y))
              << "pixel " << x << ", " << y << " of " << width << " x " << height << " after changing "
              << change.x << ", " << change.y;
        }
      }
    }
  }
}

}  // namespace
}  // namespace skyscrub::sdl
