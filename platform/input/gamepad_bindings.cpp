#include "platform/input/gamepad_bindings.h"

#include <array>
#include <string_view>

#include "platform/input/key_bindings.h"

namespace skyscrub::input {

namespace {

// In play the pad steers, thrusts, shoots and pauses; paused and on the end screens it goes on;
// on the title it quits.
constexpr std::array<KeyBinding<PadControl>, 14> kKeyBindings{{
    {Screen::Playing, Key::Left, PadControl::DpadLeft},
    {Screen::Playing, Key::Left, PadControl::StickLeft},
    {Screen::Playing, Key::Right, PadControl::DpadRight},
    {Screen::Playing, Key::Right, PadControl::StickRight},
    {Screen::Playing, Key::Up, PadControl::DpadUp},
    {Screen::Playing, Key::Up, PadControl::StickUp},
    {Screen::Playing, Key::Z, PadControl::South},
    {Screen::Playing, Key::Z, PadControl::RightTrigger},
    {Screen::Playing, Key::P, PadControl::Start},
    {Screen::Paused, Key::Space, PadControl::South},
    {Screen::Paused, Key::Space, PadControl::Start},
    {Screen::EndScreen, Key::Space, PadControl::South},
    {Screen::EndScreen, Key::Space, PadControl::Start},
    {Screen::Title, Key::Escape, PadControl::Back},
}};

struct MenuPress {
  Screen screen;
  PadControl control;
  std::string_view label;  // the label the press clicks
};

constexpr std::array<MenuPress, 4> kMenuPresses{{
    {Screen::Title, PadControl::South, "Label7"},  // "Play"
    {Screen::Title, PadControl::Start, "Label7"},
    {Screen::Instructions, PadControl::South, "Label9"},  // "Start"
    {Screen::Instructions, PadControl::Start, "Label9"},
}};

}  // namespace

bool PadHolds(Key key, Screen screen, const PadControls& held) {
  bool holds = false;
  ForControlsOf(kKeyBindings, key, screen,
                [&](PadControl control) { holds = holds || held.test(static_cast<std::size_t>(control)); });
  return holds;
}

std::optional<WindowEvent> MenuClickFor(Screen screen, PadControl control) {
  for (const MenuPress& press : kMenuPresses) {
    if (press.screen != screen || press.control != control) continue;
    if (const auto index = ElementEventsNamed(press.label)) {
      return WindowEvent{WindowEvent::Kind::Click, static_cast<std::uint8_t>(*index)};
    }
  }
  return std::nullopt;
}

}  // namespace skyscrub::input
