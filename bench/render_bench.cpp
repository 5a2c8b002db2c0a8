// Time to draw one frame of the game's scene with the game's own scene renderer: the title
// screen and a busy game, on SDL's software renderer (no display needed) and, when a display
// is there, on the OpenGL renderer the game uses (Mesa's llvmpipe under Xvfb). A frame is timed
// from the first draw call until the renderer has finished every pixel of it; presenting is
// not included (it waits for the display). Between frames the game ticks, untimed.
#include <SDL.h>
#include <SDL_image.h>
#include <SDL_ttf.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

#include "bench/busy_game.h"
#include "platform/sdl/scene_renderer.h"
#include "platform/sdl/sdl_handles.h"

namespace skyscrub::bench {

namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kTicksPerRearm = 64;

// A target to draw into and a way to wait until drawing has finished.
struct Target {
  sdl::SurfaceHandle surface;  // software rendering draws here
  sdl::WindowHandle window;    // OpenGL rendering draws here (hidden)
  sdl::RendererHandle renderer;
};

Target SoftwareTarget() {
  Target target;
  target.surface.reset(SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_ARGB8888));
  if (target.surface) target.renderer.reset(SDL_CreateSoftwareRenderer(target.surface.get()));
  return target;
}

Target OpenGlTarget() {
  Target target;
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return target;
  target.window.reset(SDL_CreateWindow("bench", 0, 0, kWidth, kHeight, SDL_WINDOW_HIDDEN));
  if (!target.window) return target;
  SDL_SetHint(SDL_HINT_RENDER_DRIVER, "opengl");
  target.renderer.reset(SDL_CreateRenderer(target.window.get(), -1, SDL_RENDERER_ACCELERATED));
  return target;
}

// Reading back one pixel makes the renderer carry out every queued command first.
void Finish(SDL_Renderer* renderer) {
  SDL_RenderFlush(renderer);
  std::uint32_t pixel = 0;
  const SDL_Rect one{0, 0, 1, 1};
  SDL_RenderReadPixels(renderer, &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4);
  benchmark::DoNotOptimize(pixel);
}

void DrawFrames(benchmark::State& state, Target target, GameWindow& game, const std::function<void()>& between) {
  if (!target.renderer) {
    state.SkipWithError("no renderer");
    return;
  }
  sdl::SceneRenderer scene(target.renderer.get());
  scene.Draw(game);  // the first frame renders the captions; later frames reuse them
  Finish(target.renderer.get());
  std::vector<double> frames;
  for (auto _ : state) {
    between();
    const auto start = std::chrono::steady_clock::now();
    scene.Draw(game);
    Finish(target.renderer.get());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    state.SetIterationTime(seconds);
    frames.push_back(seconds);
  }
  std::nth_element(frames.begin(), frames.begin() + static_cast<std::ptrdiff_t>(frames.size() / 2), frames.end());
  state.counters["median_ms"] = frames[frames.size() / 2] * 1e3;
}

void Title(benchmark::State& state, Target (*makeTarget)()) {
  TitleGame title;
  DrawFrames(state, makeTarget(), title.game(), [] {});
}

void Busy(benchmark::State& state, Target (*makeTarget)()) {
  BusyGame busy;
  int ticks = 0;
  DrawFrames(state, makeTarget(), busy.game(), [&] {
    if (ticks++ % kTicksPerRearm == 0) busy.Rearm();
    busy.game().Timer1_Timer();
  });
}

BENCHMARK_CAPTURE(Title, software, &SoftwareTarget)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Busy, software, &SoftwareTarget)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Title, opengl, &OpenGlTarget)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Busy, opengl, &OpenGlTarget)->UseManualTime()->Unit(benchmark::kMillisecond);

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
