#include "platform/sdl/mouse_events.h"

#include <array>

#include "platform/sdl/pointer_targets.h"

namespace skyscrub::sdl {

namespace {

using Handler = void (GameWindow::*)();

// The elements that take mouse events, with their MouseMove and Click handlers.
struct MouseTarget {
  const Element& element;
  Handler mouseMove;
  Handler click;  // nullptr: the element is not clicked
};

std::array<MouseTarget, 5> MouseTargets(const GameWindow& game) {
  return {{
      {game.Label7, &GameWindow::Label7_MouseMove, &GameWindow::Label7_Click},
      {game.Label8, &GameWindow::Label8_MouseMove, &GameWindow::Label8_Click},
      {game.Label9, &GameWindow::Label9_MouseMove, &GameWindow::Label9_Click},
      {game.Picture2, &GameWindow::Picture2_MouseMove, nullptr},
      {game.Control_Screen, &GameWindow::Control_Screen_MouseMove, nullptr},
  }};
}

// The handler `pick` chooses for `element`; nullptr when the element takes no such event.
Handler HandlerFor(const GameWindow& game, const Element* element, Handler MouseTarget::*pick) {
  for (const MouseTarget& target : MouseTargets(game)) {
    if (&target.element == element) return target.*pick;
  }
  return nullptr;
}

}  // namespace

void MouseEvents::Moved(float x, float y) {
  if (const Handler handler = HandlerFor(game_, ElementAt(game_, x, y), &MouseTarget::mouseMove)) (game_.*handler)();
}

void MouseEvents::Pressed(float x, float y) { pressedOn_ = ElementAt(game_, x, y); }

void MouseEvents::Released(float x, float y) {
  const Element* pressed = pressedOn_;
  pressedOn_ = nullptr;
  if (pressed == nullptr || ElementAt(game_, x, y) != pressed) return;
  if (const Handler handler = HandlerFor(game_, pressed, &MouseTarget::click)) (game_.*handler)();
}

}  // namespace skyscrub::sdl
