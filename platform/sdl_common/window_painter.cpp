#include "platform/sdl_common/window_painter.h"

#include <vector>

namespace skyscrub::sdl {

std::vector<SDL_Rect> DrawChanges(SceneRenderer& renderer, ScreenDamage& damage, const Scene& scene) {
  const std::vector<Footprint> footprints = renderer.Footprints(scene);
  std::vector<SDL_Rect> changed = damage.Take(footprints, renderer.Window());
  for (const SDL_Rect& rect : changed) renderer.Draw(scene, footprints, rect);
  return changed;
}

bool WindowPainter::Target() {
  SDL_Surface* surface = SDL_GetWindowSurface(window_);
  if (surface == nullptr) return false;
  if (surface == surface_ && renderer_) return true;
  Resized();
  renderer_.reset(SDL_CreateSoftwareRenderer(surface));
  if (!renderer_) return false;
  surface_ = surface;
  scene_.emplace(renderer_.get(), early_);
  damage_.Forget();
  return true;
}

bool WindowPainter::PaintChanges(const Scene& scene) {
  if (!Target()) return false;
  const std::vector<SDL_Rect> changed = DrawChanges(*scene_, damage_, scene);
  if (changed.empty()) return false;
  SDL_RenderFlush(renderer_.get());
  SDL_UpdateWindowSurfaceRects(window_, changed.data(), static_cast<int>(changed.size()));
  return true;
}

void WindowPainter::Resized() {
  scene_.reset();
  renderer_.reset();
  surface_ = nullptr;
}

void WindowPainter::ShowAgain() {
  if (surface_ != nullptr && SDL_GetWindowSurface(window_) == surface_) SDL_UpdateWindowSurface(window_);
}

}  // namespace skyscrub::sdl
