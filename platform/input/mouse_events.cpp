#include "platform/input/mouse_events.h"

#include "platform/input/pointer_targets.h"

namespace skyscrub::input {

void MouseEvents::Moved(float x, float y) { DeliverTo(ElementAt(events_.game(), x, y), WindowEvent::Kind::MouseMove); }

void MouseEvents::Pressed(float x, float y) { pressedOn_ = ElementAt(events_.game(), x, y); }

void MouseEvents::Released(float x, float y) {
  const Element* pressed = pressedOn_;
  pressedOn_ = nullptr;
  if (pressed == nullptr || ElementAt(events_.game(), x, y) != pressed) return;
  DeliverTo(pressed, WindowEvent::Kind::Click);
}

void MouseEvents::DeliverTo(const Element* element, WindowEvent::Kind kind) {
  if (const auto index = ElementEventsOf(events_.game(), element)) {
    events_.Deliver({kind, static_cast<std::uint8_t>(*index)});
  }
}

}  // namespace skyscrub::input
