// The scene as drawn, read back from a software surface: drawing order, bars that shrink to
// nothing, hidden elements, panels clipping their children, the circle bar.
#include "platform/sdl_common/scene_renderer.h"

#include <SDL_ttf.h>
#include <gmock/gmock.h>

#include <cstdint>
#include <optional>
#include <vector>

#include "support/game_fixture.h"

namespace skyscrub {

inline void PrintTo(const Rgb& c, std::ostream* os) { *os << "rgb(" << +c.r << ',' << +c.g << ',' << +c.b << ')'; }

namespace sdl {
namespace {

class Drawing : public GameFixture {
 protected:
  static void SetUpTestSuite() { TTF_Init(); }
  static void TearDownTestSuite() { TTF_Quit(); }

  void SetUp() override {
    StartGame();
    ASSERT_NE(surface, nullptr);
    ASSERT_NE(renderer, nullptr);
  }
  void TearDown() override {
    scene.reset();  // its textures go before their renderer
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(surface);
  }

  // The scene drawn afresh; the colour of its pixel at x, y.
  Rgb PixelAfterDrawing(int x, int y) {
    Draw();
    return Pixel(x, y);
  }
  void Draw() { scene->Draw(game); }
  Rgb Pixel(int x, int y) const {
    const auto* row = static_cast<const std::uint8_t*>(surface->pixels) + y * surface->pitch;
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(reinterpret_cast<const Uint32*>(row)[x], surface->format, &r, &g, &b);
    return {r, g, b};
  }
  int CountOf(Colour colour, SDL_Rect area) const {
    const Rgb want = ToRgb(colour);
    int count = 0;
    for (int y = area.y; y < area.y + area.h; ++y) {
      for (int x = area.x; x < area.x + area.w; ++x) {
        const Rgb got = Pixel(x, y);
        count += got.r == want.r && got.g == want.g && got.b == want.b;
      }
    }
    return count;
  }

  SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_RGBA32);
  SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(surface);
  std::optional<SceneRenderer> scene{std::in_place, renderer};
};

MATCHER_P(Is, colour, "") {
  const Rgb want = ToRgb(colour);
  return arg.r == want.r && arg.g == want.g && arg.b == want.b;
}

TEST_F(Drawing, EarlierElementsCoverLaterOnes) {
  game.killbar.Width = 40;  // yellow over the orange Progress_Back
  EXPECT_THAT(PixelAfterDrawing(380, 22), Is(colours::kYellow));
  EXPECT_THAT(Pixel(480, 22), Is(colours::kOrange));
  EXPECT_THAT(Pixel(530, 22), Is(colours::kCyan));  // Shield over ShieldBack
}

TEST_F(Drawing, BarsShrunkToNothingAreNotDrawn) {
  for (const float width : {0.3f, 0.0f, -5.0f}) {
    game.killbar.Width = width;
    EXPECT_THAT(PixelAfterDrawing(376, 22), Is(colours::kOrange)) << "killbar width " << width;
  }
  game.Temp3.Visible = true;
  game.Temp3.Height = 0.2f;
  EXPECT_NO_FATAL_FAILURE(Draw());
}

TEST_F(Drawing, HiddenElementsAreNotDrawn) {
  game.Shield.Visible = false;
  EXPECT_THAT(PixelAfterDrawing(530, 22), Is(colours::kTeal));
}

TEST_F(Drawing, ACircleBarFillsAnEllipseInItsBox) {
  game.Temp3.Visible = true;  // red bulb, 8, 12, 17 x 17
  game.Temp3.BackColor = colours::kGreen;
  EXPECT_THAT(PixelAfterDrawing(16, 20), Is(colours::kGreen));
  EXPECT_FALSE(CountOf(colours::kGreen, {8, 12, 2, 2}) > 0) << "a corner of the box is filled";
}

TEST_F(Drawing, PanelsHideWhatIsBehindAndClipTheirChildren) {
  game.PauseScreen.Visible = true;  // black, 207.53, 233.53, 385 x 133
  Draw();
  EXPECT_THAT(Pixel(212, 240), Is(colours::kBlack));
  EXPECT_GT(CountOf(colours::kWhite, {208, 234, 385, 80}), 200) << "\"Game Paused\" is missing";
  game.Label4.Left = 300;  // the caption now runs past the panel's right edge
  Draw();
  EXPECT_EQ(CountOf(colours::kWhite, {593, 234, 207, 80}), 0) << "text drawn outside its panel";
}

TEST_F(Drawing, ACaptionIsRedrawnWhenItsColourChanges) {
  game.PauseScreen.Visible = true;
  Draw();
  game.Label4.ForeColor = colours::kRed;
  Draw();
  EXPECT_EQ(CountOf(colours::kWhite, {208, 234, 385, 80}), 0);
  EXPECT_GT(CountOf(colours::kRed, {208, 234, 385, 80}), 200);
}

// The window is not cleared when the canvas picture hides all of it, so whatever the last frame
// left must not show through anywhere; without a canvas picture the canvas colour fills it.
TEST_F(Drawing, NothingOfTheLastFrameShowsThroughTheCanvas) {
  for (Element* e : game.FrontToBack()) e->Visible = false;
  std::vector<std::uint32_t> first;
  for (const Uint8 stale : {0, 255}) {
    SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, stale, stale, 0));
    Draw();
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < 600; y += 7) {
      for (int x = 0; x < 800; x += 7) {
        const Rgb c = Pixel(x, y);
        pixels.push_back(std::uint32_t{c.r} << 16 | std::uint32_t{c.g} << 8 | c.b);
      }
    }
    if (first.empty()) first = pixels;
    EXPECT_EQ(pixels, first) << "the frame drawn over the stale level " << +stale << " differs";
  }
  game.Form1.picture = nullptr;
  SDL_FillRect(surface, nullptr, SDL_MapRGB(surface->format, 255, 255, 0));
  Draw();
  EXPECT_EQ(CountOf(game.Form1.BackColor, {0, 0, 800, 600}), 800 * 600);
}

}  // namespace
}  // namespace sdl
}  // namespace skyscrub
