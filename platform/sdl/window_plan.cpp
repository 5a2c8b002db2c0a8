#include "platform/sdl/window_plan.h"

#include <algorithm>
#include <cstdint>

#include "platform/sdl_common/canvas_view.h"

namespace skyscrub::sdl {

namespace {

bool Fits(std::int64_t scale, SDL_Rect area) {
  return scale * kCanvasWidth <= area.w && scale * kCanvasHeight <= area.h;
}

SDL_Rect CentredOn(int display, int scale) {
  return {static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(display)),
          static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(display)), scale * kCanvasWidth, scale * kCanvasHeight};
}

}  // namespace

int LargestScaleIn(SDL_Rect area) { return std::max(1, std::min(area.w / kCanvasWidth, area.h / kCanvasHeight)); }

WindowPlan PlanWindow(const Options& options, const std::vector<SDL_Rect>& usable) {
  const SDL_Rect primary = usable.empty() ? SDL_Rect{0, 0, kCanvasWidth, kCanvasHeight} : usable.front();
  constexpr Uint32 kScaled = SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI | SDL_WINDOW_HIDDEN;
  switch (options.presentation) {
    case Presentation::Specified:
      return {SDL_WINDOW_BORDERLESS | SDL_WINDOW_HIDDEN, {0, 0, kCanvasWidth, kCanvasHeight}, {}};
    case Presentation::FullScreen:
      return {kScaled | SDL_WINDOW_FULLSCREEN_DESKTOP, CentredOn(0, LargestScaleIn(primary)), {}};
    case Presentation::Window:
      break;
  }
  if (options.windowScale == 0) return {kScaled, CentredOn(0, LargestScaleIn(primary)), {}};
  if (options.windowScale == kLargestWindow) {
    const SDL_Rect fitted = CanvasView(primary.w, primary.h).Area();
    const int centred = static_cast<int>(SDL_WINDOWPOS_CENTERED_DISPLAY(0));
    return {kScaled, {centred, centred, std::max(fitted.w, 1), std::max(fitted.h, 1)}, {}};
  }
  for (std::size_t display = 0; display < usable.size(); ++display) {
    if (Fits(options.windowScale, usable[display])) {
      return {kScaled, CentredOn(static_cast<int>(display), options.windowScale), {}};
    }
  }
  const std::int64_t scale = options.windowScale;
  int largest = 1;
  for (const SDL_Rect& area : usable) largest = std::max(largest, LargestScaleIn(area));
  return {0, {}, "--window=" + std::to_string(scale) + " needs " + std::to_string(scale * kCanvasWidth) + " x " +
                     std::to_string(scale * kCanvasHeight) + " pixels, more than any display has (--window=" +
                     std::to_string(largest) + " is the largest that fits)"};
}

std::vector<SDL_Rect> UsableDisplayAreas() {
  std::vector<SDL_Rect> areas;
  const int count = SDL_GetNumVideoDisplays();
  for (int display = 0; display < count; ++display) {
    SDL_Rect area{};
    if (SDL_GetDisplayUsableBounds(display, &area) == 0) areas.push_back(area);
  }
  return areas;
}

}  // namespace skyscrub::sdl
