#include "platform/input/touch_controls.h"

#include <array>

#include "platform/input/key_bindings.h"

namespace skyscrub::input {

namespace {

// In play the controls steer, thrust, shoot and pause; paused, the pause button or a tap on the
// picture goes on, and a tap on an end screen goes back to the title, as Space does.
constexpr std::array<KeyBinding<TouchControl>, 8> kTouchBindings{{
    {Screen::Playing, Key::Left, TouchControl::Left},
    {Screen::Playing, Key::Right, TouchControl::Right},
    {Screen::Playing, Key::Up, TouchControl::Engine},
    {Screen::Playing, Key::Z, TouchControl::Fire},
    {Screen::Playing, Key::P, TouchControl::Pause},
    {Screen::Paused, Key::Space, TouchControl::Pause},
    {Screen::Paused, Key::Space, TouchControl::Picture},
    {Screen::EndScreen, Key::Space, TouchControl::Picture},
}};

std::size_t Bit(TouchControl control) { return static_cast<std::size_t>(control); }

}  // namespace

bool TouchBinds(TouchControl control, Screen screen) {
  for (const KeyBinding<TouchControl>& b : kTouchBindings) {
    if (b.screen == screen && b.control == control) return true;
  }
  return false;
}

void TouchControls::Set(const TouchHeld& held, Screen screen) {
  for (std::size_t i = 0; i < kTouchControlCount; ++i) {
    if (held.test(i) && !held_.test(i) && TouchBinds(static_cast<TouchControl>(i), screen)) unseen_.set(i);
  }
  held_ = held;
  presses_.Update(held_ | unseen_, screen);
}

bool TouchControls::Holds(Key key, Screen screen) {
  const TouchHeld counted = presses_.HeldOn(screen);
  bool holds = false;
  ForControlsOf(kTouchBindings, key, screen, [&](TouchControl control) {
    if (!counted.test(Bit(control))) return;
    holds = true;
    unseen_.reset(Bit(control));
  });
  if (holds) presses_.Update(held_ | unseen_, screen);  // a tap already let go is over
  return holds;
}

}  // namespace skyscrub::input
