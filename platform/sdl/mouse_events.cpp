#include "platform/sdl/mouse_events.h"

#include "platform/sdl/pointer_targets.h"

namespace skyscrub::sdl {

namespace {

// Delivers `kind` to `element` when it takes mouse events.
void DeliverTo(WindowEvents& events, const Element* element, WindowEvent::Kind kind) {
  if (const auto index = ElementEventsOf(events.game(), element)) {
    events.Deliver({kind, static_cast<std::uint8_t>(*index)});
  }
}

}  // namespace

void MouseEvents::Moved(float x, float y) {
  DeliverTo(events_, ElementAt(events_.game(), x, y), WindowEvent::Kind::MouseMove);
}

void MouseEvents::Pressed(float x, float y) { pressedOn_ = ElementAt(events_.game(), x, y); }

void MouseEvents::Released(float x, float y) {
  const Element* pressed = pressedOn_;
  pressedOn_ = nullptr;
  if (pressed == nullptr || ElementAt(events_.game(), x, y) != pressed) return;
  DeliverTo(events_, pressed, WindowEvent::Kind::Click);
}

}  // namespace skyscrub::sdl
