#pragma once
// The mouse as both games take it from SDL: a move, and a press and release of the left
// button, go to the game window as its elements' MouseMove and Click events at the canvas point
// under the pointer; and the pointer shows only where the scene asks for it.
#include <SDL.h>

#include "game/window_events.h"
#include "platform/input/mouse_events.h"
#include "platform/sdl_common/window_painter.h"

namespace skyscrub::sdl {

class SdlMouse {
 public:
  // `painter` tells the canvas point under a window point. `scaled`: the canvas may lie between
  // bars, which are no part of the game, so the pointer shows over them.
  SdlMouse(WindowEvents& events, const WindowPainter& painter, bool scaled = false)
      : game_(events.game()), painter_(painter), scaled_(scaled), mouse_(events) {}

  // Delivers `event` when it is the mouse's; false for any other event.
  bool Handle(const SDL_Event& event);
  // Shows or hides the pointer, when it is over `window`, for the scene as it is now: a panel
  // may have come or gone under it.
  void UpdateCursor(SDL_Window* window);

 private:
  // Shows or hides the pointer over the canvas point `at`.
  void ShowCursorFor(SDL_FPoint at);

  const GameWindow& game_;
  const WindowPainter& painter_;
  bool scaled_;
  input::MouseEvents mouse_;
};

}  // namespace skyscrub::sdl
