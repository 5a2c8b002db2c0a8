#include "platform/sdl_common/window_painter.h"

#include <cmath>
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
  if (scaled_) return ScaledTarget(surface);
  if (surface == surface_ && renderer_) return true;
  Resized();
  renderer_.reset(SDL_CreateSoftwareRenderer(surface));
  if (!renderer_) return false;
  surface_ = surface;
  scene_.emplace(renderer_.get(), early_);
  damage_.Forget();
  return true;
}

bool WindowPainter::ScaledTarget(SDL_Surface* surface) {
  if (!canvas_) {
    // The canvas keeps the window's pixel format, so scaling it is a plain copy of pixels; it
    // outlives every resize, and so do the pictures decoded for it.
    canvas_.reset(SDL_CreateRGBSurfaceWithFormat(0, kCanvasWidth, kCanvasHeight, surface->format->BitsPerPixel,
                                                 surface->format->format));
    if (!canvas_) return false;
    renderer_.reset(SDL_CreateSoftwareRenderer(canvas_.get()));
    if (!renderer_) {
      canvas_.reset();
      return false;
    }
    scene_.emplace(renderer_.get(), early_);
  }
  if (surface != surface_ || !scaler_ || showWhole_) {
    surface_ = surface;
    scaler_.emplace(CanvasView(surface->w, surface->h));
    showWhole_ = true;
  }
  return true;
}

bool WindowPainter::PaintChanges(const Scene& scene) {
  if (!Target()) return false;
  const std::vector<SDL_Rect> changed = DrawChanges(*scene_, damage_, scene);
  if (scaled_) return ShowScaled(changed);
  if (changed.empty()) return false;
  SDL_RenderFlush(renderer_.get());
  SDL_UpdateWindowSurfaceRects(window_, changed.data(), static_cast<int>(changed.size()));
  return true;
}

bool WindowPainter::ShowScaled(const std::vector<SDL_Rect>& changed) {
  if (changed.empty() && !showWhole_) return false;
  SDL_RenderFlush(renderer_.get());
  std::vector<SDL_Rect> shown;
  if (showWhole_) {
    scaler_->FillBars(*surface_);
    shown.push_back({0, 0, surface_->w, surface_->h});
    scaler_->Copy(*canvas_, *surface_, scaler_->view().Area());
    showWhole_ = false;
  } else {
    for (const SDL_Rect& rect : changed) {
      shown.push_back(scaler_->WindowRect(rect));
      scaler_->Copy(*canvas_, *surface_, shown.back());
    }
  }
  SDL_UpdateWindowSurfaceRects(window_, shown.data(), static_cast<int>(shown.size()));
  return true;
}

void WindowPainter::Resized() {
  if (scaled_) {
    showWhole_ = true;  // the canvas and its pictures stay; the window's new pixels are filled whole
    return;
  }
  scene_.reset();
  renderer_.reset();
  surface_ = nullptr;
}

void WindowPainter::ShowAgain() {
  if (surface_ != nullptr && SDL_GetWindowSurface(window_) == surface_) SDL_UpdateWindowSurface(window_);
}

// Points map through the view as it was last shown: after a resize SDL frees the window's old
// pixels, and until the next frame the player still sees the old view.
SDL_FPoint WindowPainter::CanvasPointAt(float x, float y) const {
  if (!scaled_ || !scaler_) return {x, y};
  int width = 0, height = 0;
  SDL_GetWindowSize(window_, &width, &height);
  if (width <= 0 || height <= 0) return {-1, -1};
  const CanvasView& view = scaler_->view();
  // The window pixel at the middle of the point (several pixels to a point on a dense display).
  const float pixelX = std::floor((x + 0.5f) * static_cast<float>(view.WindowWidth()) / static_cast<float>(width));
  const float pixelY = std::floor((y + 0.5f) * static_cast<float>(view.WindowHeight()) / static_cast<float>(height));
  return view.ToCanvas(pixelX, pixelY);
}

}  // namespace skyscrub::sdl
