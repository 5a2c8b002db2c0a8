#pragma once
// Mouse moves and clicks, delivered as the game window's MouseMove and Click events of the
// element under the pointer.
#include "game/window_events.h"

namespace skyscrub::input {

class MouseEvents {
 public:
  explicit MouseEvents(WindowEvents& events) : events_(events) {}

  // Points are in canvas pixels.
  void Moved(float x, float y);
  // A click is a press and a release of the left button over the same label.
  void Pressed(float x, float y);
  void Released(float x, float y);

 private:
  // Delivers `kind` to `element` when it takes mouse events. (A member, so that the browser
  // build can name every function on the way from a click to a message box.)
  void DeliverTo(const Element* element, WindowEvent::Kind kind);

  WindowEvents& events_;
  const Element* pressedOn_ = nullptr;
};

}  // namespace skyscrub::input
