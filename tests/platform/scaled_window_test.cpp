// A window of another size than the canvas, on SDL's dummy display: the game painted piece by
// piece into it shows, frame after frame, exactly the scene drawn whole and scaled pixel for
// pixel (each window pixel the canvas pixels it covers, black bars around), through resizes; and
// the pointer lands on the element drawn under it.
#include <SDL_ttf.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

#include "platform/input/pointer_targets.h"
#include "platform/sdl_common/window_painter.h"
#include "support/game_fixture.h"

namespace skyscrub::sdl {
namespace {

struct Size {
  int width, height;
};

class ScaledWindow : public GameFixture, public ::testing::WithParamInterface<Size> {
 protected:
  static void SetUpTestSuite() {
    SDL_setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    TTF_Init();
  }
  static void TearDownTestSuite() {
    TTF_Quit();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
  }

  void SetUp() override {
    ASSERT_NE(window, nullptr) << SDL_GetError();
    ASSERT_NE(canvas, nullptr);
  }
  void TearDown() override {
    painter.reset();
    whole.reset();
    SDL_DestroyRenderer(renderer);
    SDL_FreeSurface(canvas);
    SDL_DestroyWindow(window);
  }

  // Whether the window shows the scene as it stands: every pixel of the canvas's area the canvas
  // pixels it covers, each in the share it covers (computed here afresh from the area's size; a
  // channel may differ by rounding), and black everywhere else.
  ::testing::AssertionResult ShowsTheSceneScaled() {
    whole->Draw(game);
    SDL_RenderFlush(renderer);
    const SDL_Surface* shown = SDL_GetWindowSurface(window);
    const SDL_Rect area = CanvasView(shown->w, shown->h).Area();
    for (int y = 0; y < shown->h; ++y) {
      for (int x = 0; x < shown->w; ++x) {
        const bool inside = x >= area.x && y >= area.y && x < area.x + area.w && y < area.y + area.h;
        const std::uint32_t got = PixelOf(shown, x, y);
        for (int shift = 0; shift < 24; shift += 8) {
          const double want = inside ? Covered(x - area.x, area.w, y - area.y, area.h, shift) : 0;
          if (std::abs(static_cast<double>((got >> shift) & 0xFF) - want) > 1.5) {
            return ::testing::AssertionFailure() << "pixel " << x << ", " << y << " of " << shown->w << " x " << shown->h;
          }
        }
      }
    }
    return ::testing::AssertionSuccess();
  }
  // The share of window pixel `p` that the canvas pixel after the one it starts on covers, when
  // `canvas` pixels take `size`; none when the window is smaller than the canvas.
  static std::pair<int, double> Cover(int p, int canvas, int size) {
    const double start = static_cast<double>(p) * canvas / size, end = static_cast<double>(p + 1) * canvas / size;
    const int first = static_cast<int>(start);
    if (size < canvas || first + 1 >= canvas) return {first, 0};
    return {first, std::max(0.0, end - (first + 1)) / (end - start)};
  }
  // A channel of window pixel `x`, `y` of an area `width` x `height`, mixed from the canvas.
  double Covered(int x, int width, int y, int height, int shift) const {
    const auto [column, right] = Cover(x, 800, width);
    const auto [row, below] = Cover(y, 600, height);
    const auto channel = [&](int cx, int cy) { return static_cast<double>((PixelOf(canvas, cx, cy) >> shift) & 0xFF); };
    const int nextColumn = std::min(column + 1, 799), nextRow = std::min(row + 1, 599);
    const double top = channel(column, row) * (1 - right) + channel(nextColumn, row) * right;
    const double bottom = channel(column, nextRow) * (1 - right) + channel(nextColumn, nextRow) * right;
    return top * (1 - below) + bottom * below;
  }
  static std::uint32_t PixelOf(const SDL_Surface* s, int x, int y) {
    return reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(s->pixels) + y * s->pitch)[x];
  }

  SDL_Window* window = SDL_CreateWindow("Aerolith", 0, 0, GetParam().width, GetParam().height,
                                        SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE);
  std::optional<WindowPainter> painter{std::in_place, window, nullptr, true};
  // The scene drawn whole into a canvas of its own, in the dummy window's pixel format.
  SDL_Surface* canvas = SDL_CreateRGBSurfaceWithFormat(0, 800, 600, 32, SDL_PIXELFORMAT_RGB888);
  SDL_Renderer* renderer = SDL_CreateSoftwareRenderer(canvas);
  std::optional<SceneRenderer> whole{std::in_place, renderer};
};

TEST_P(ScaledWindow, AGamePaintedPieceByPieceIsTheWholeSceneScaled) {
  StartGame();
  Hold({Key::Z, Key::Right, Key::Up});
  ASSERT_TRUE(painter->PaintChanges(game));
  ASSERT_TRUE(ShowsTheSceneScaled()) << "the first frame";
  for (int frame = 1; frame <= 120 && game.Timer1.Enabled; ++frame) {
    if (frame == 60) {
      Hold({Key::Z, Key::Left});
      SDL_SetWindowSize(window, GetParam().height, GetParam().width);  // a resize, as the loop reports it
      painter->Resized();
    }
    Tick(2);
    painter->PaintChanges(game);
    if (frame % 20 == 0) {
      ASSERT_TRUE(ShowsTheSceneScaled()) << "frame " << frame;
    }
  }
}

TEST_P(ScaledWindow, APointLandsOnTheElementDrawnUnderIt) {
  Start();  // the title screen
  painter->PaintChanges(game);
  const SDL_Rect area = CanvasView(GetParam().width, GetParam().height).Area();
  // The middle of "Play" (540, 476, 81 x 57) and a point beside it, as drawn in the window.
  const auto drawnAt = [&](float x, float y) {
    return painter->CanvasPointAt(area.x + x * area.w / 800, area.y + y * area.h / 600);
  };
  const SDL_FPoint onPlay = drawnAt(580, 504), besidePlay = drawnAt(530, 504);
  EXPECT_EQ(input::ElementAt(game, onPlay.x, onPlay.y), &game.Label7);
  EXPECT_EQ(input::ElementAt(game, besidePlay.x, besidePlay.y), &game.Picture2);
  if (area.x > 0) {
    const SDL_FPoint onBar = painter->CanvasPointAt(static_cast<float>(area.x - 1), 300);
    EXPECT_EQ(input::ElementAt(game, onBar.x, onBar.y), nullptr) << "a bar is no part of the game";
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ScaledWindow,
                         ::testing::Values(Size{1600, 1200}, Size{1920, 1080}, Size{1001, 700}, Size{800, 600}),
                         [](const auto& info) {
                           return std::to_string(info.param.width) + "x" + std::to_string(info.param.height);
                         });

}  // namespace
}  // namespace skyscrub::sdl
