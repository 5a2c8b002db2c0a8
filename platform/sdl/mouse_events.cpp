#include "platform/sdl/mouse_events.h"

#include "platform/sdl/pointer_targets.h"

namespace skyscrub::sdl {

void MouseEvents::Moved(float x, float y) {
  const Element* under = ElementAt(game_, x, y);
  if (under == &game_.Label7) {
    game_.Label7_MouseMove();
  } else if (under == &game_.Label8) {
    game_.Label8_MouseMove();
  } else if (under == &game_.Label9) {
    game_.Label9_MouseMove();
  } else if (under == &game_.Picture2) {
    game_.Picture2_MouseMove();
  } else if (under == &game_.Control_Screen) {
    game_.Control_Screen_MouseMove();
  }
}

void MouseEvents::Pressed(float x, float y) { pressedOn_ = ElementAt(game_, x, y); }

void MouseEvents::Released(float x, float y) {
  const Element* pressed = pressedOn_;
  pressedOn_ = nullptr;
  if (pressed == nullptr || ElementAt(game_, x, y) != pressed) return;
  if (pressed == &game_.Label7) {
    game_.Label7_Click();
  } else if (pressed == &game_.Label8) {
    game_.Label8_Click();
  } else if (pressed == &game_.Label9) {
    game_.Label9_Click();
  }
}

}  // namespace skyscrub::sdl
