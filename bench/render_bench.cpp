// Time to draw one frame of the game's scene with the game's own scene renderer, in software
// into an 800 x 600 surface as the game draws into its window: the title screen and a busy game
// drawn whole, and the busy game drawn as the game draws it in play, only where it changed since
// the last frame; and the same scaled into the window of a scaled mode (1920 x 1080 full screen,
// a 1600 x 1200 window) as the game scales it. A frame is timed from the first draw call until
// every pixel of it is done; showing it in the window is not included. Between frames the game
// ticks, untimed.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "bench/busy_game.h"
#include "platform/sdl_common/canvas_scaler.h"
#include "platform/sdl_common/scene_renderer.h"
#include "platform/sdl_common/sdl_handles.h"
#include "platform/sdl_common/window_painter.h"

namespace skyscrub::bench {

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kTicksPerRearm = 64;

// A surface of the window's size and a software renderer drawing into it.
struct Target {
  Target()
      : surface(SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_RGB888)),
        renderer(surface ? SDL_CreateSoftwareRenderer(surface.get()) : nullptr) {}
  sdl::SurfaceHandle surface;
  sdl::RendererHandle renderer;
};

// Draws one frame of `game` with `scene` into `target`: whole, or only where it changed.
using Frame = std::function<void(sdl::SceneRenderer& scene, GameWindow& game, const Target& target)>;

void Whole(sdl::SceneRenderer& scene, GameWindow& game, const Target&) { scene.Draw(game); }

// Reading back one pixel makes the renderer carry out every queued command first.
void Finish(SDL_Renderer* renderer) {
  SDL_RenderFlush(renderer);
  std::uint32_t pixel = 0;
  const SDL_Rect one{0, 0, 1, 1};
  SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
  benchmark::DoNotOptimize(pixel);
}

void DrawFrames(benchmark::State& state, GameWindow& game, const Frame& frame, const std::function<void()>& between) {
  const Target target;
  if (!target.renderer) {
    state.SkipWithError("no renderer");
    return;
  }
  sdl::SceneRenderer scene(target.renderer.get());
  frame(scene, game, target);  // the first frame decodes the pictures and renders the captions
  Finish(target.renderer.get());
  std::vector<double> frames;
  for (auto _ : state) {
    between();
    const auto start = std::chrono::steady_clock::now();
    frame(scene, game, target);
    Finish(target.renderer.get());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    frames.push_back(seconds);
  }
  std::nth_element(frames.begin(), frames.begin() + static_cast<std::ptrdiff_t>(frames.size() / 2), frames.end());
  state.counters["median_ms"] = frames[frames.size() / 2] * 1e3;
}

void Title(benchmark::State& state) {
  TitleGame title;
  DrawFrames(state, title.game(), Whole, [] {});
}

void Busy(benchmark::State& state, const Frame& frame) {
  BusyGame busy;
  int ticks = 0;
  DrawFrames(state, busy.game(), frame, [&] {
    if (ticks++ % kTicksPerRearm == 0) busy.Rearm();
    busy.Tick();
  });
}

void BusyWhole(benchmark::State& state) { Busy(state, Whole); }

void BusyChanges(benchmark::State& state) {
  sdl::ScreenDamage damage;
  Busy(state, [&damage](sdl::SceneRenderer& scene, GameWindow& game, const Target&) {
    sdl::DrawChanges(scene, damage, game);
  });
}

// A frame drawn into the canvas and then scaled into a window of `width` x `height`: the whole
// canvas, or only the rectangles that changed.
Frame Scaled(int width, int height, bool whole) {
  auto window = std::make_shared<sdl::SurfaceHandle>(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_RGB888));
  auto scaler = std::make_shared<sdl::CanvasScaler>(sdl::CanvasView(width, height));
  auto damage = std::make_shared<sdl::ScreenDamage>();
  return [=](sdl::SceneRenderer& scene, GameWindow& game, const Target& target) {
    std::vector<SDL_Rect> changed{{0, 0, kWidth, kHeight}};
    if (whole) {
      scene.Draw(game);
    } else {
      changed = sdl::DrawChanges(scene, *damage, game);
    }
    SDL_RenderFlush(target.renderer.get());
    for (const SDL_Rect& rect : changed) scaler->Copy(*target.surface, **window, scaler->WindowRect(rect));
  };
}

void TitleScaled(benchmark::State& state, int width, int height) {
  TitleGame title;
  DrawFrames(state, title.game(), Scaled(width, height, true), [] {});
}

void BusyScaled(benchmark::State& state, int width, int height) { Busy(state, Scaled(width, height, false)); }

BENCHMARK(Title)->Name("Title/whole")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BusyWhole)->Name("Busy/whole")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BusyChanges)->Name("Busy/changes")->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TitleScaled, FullScreen, 1920, 1080)->Name("Title/whole scaled to 1920x1080 full screen")
    ->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BusyScaled, FullScreen, 1920, 1080)->Name("Busy/changes scaled to 1920x1080 full screen")
    ->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TitleScaled, FullScreen4K, 3840, 2160)->Name("Title/whole scaled to 3840x2160 full screen")
    ->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BusyScaled, FullScreen4K, 3840, 2160)->Name("Busy/changes scaled to 3840x2160 full screen")
    ->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(TitleScaled, Window, 1600, 1200)->Name("Title/whole scaled to a 1600x1200 window")
    ->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BusyScaled, Window, 1600, 1200)->Name("Busy/changes scaled to a 1600x1200 window")
    ->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace skyscrub::bench

int main(int argc, char** argv) {
  SDL_SetMainReady();
  SDL_Init(SDL_INIT_TIMER);
  IMG_Init(IMG_INIT_PNG);
  TTF_Init();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  TTF_Quit();
  IMG_Quit();
  SDL_Quit();
  return 0;
}
