#include "platform/sdl_common/sdl_mouse.h"

#include "platform/input/pointer_targets.h"
#include "platform/sdl_common/canvas_view.h"

namespace skyscrub::sdl {

bool SdlMouse::Handle(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION: {
      const SDL_FPoint at = painter_.CanvasPointAt(static_cast<float>(event.motion.x), static_cast<float>(event.motion.y));
      ShowCursorFor(at);
      mouse_.Moved(at.x, at.y);
      return true;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
      if (event.button.button != SDL_BUTTON_LEFT) return true;
      const SDL_FPoint at = painter_.CanvasPointAt(static_cast<float>(event.button.x), static_cast<float>(event.button.y));
      if (event.type == SDL_MOUSEBUTTONDOWN) {
        mouse_.Pressed(at.x, at.y);
      } else {
        mouse_.Released(at.x, at.y);
      }
      return true;
    }
    default:
      return false;
  }
}

void SdlMouse::UpdateCursor(SDL_Window* window) {
  if (SDL_GetMouseFocus() != window) return;
  int x = 0, y = 0;
  SDL_GetMouseState(&x, &y);
  ShowCursorFor(painter_.CanvasPointAt(static_cast<float>(x), static_cast<float>(y)));
}

void SdlMouse::ShowCursorFor(SDL_FPoint at) {
  const bool onBar = scaled_ && !(at.x >= 0 && at.y >= 0 && at.x < kCanvasWidth && at.y < kCanvasHeight);
  const int wanted = onBar || input::CursorAt(game_, at.x, at.y) == Cursor::Arrow ? SDL_ENABLE : SDL_DISABLE;
  if (SDL_ShowCursor(SDL_QUERY) != wanted) SDL_ShowCursor(wanted);
}

}  // namespace skyscrub::sdl
