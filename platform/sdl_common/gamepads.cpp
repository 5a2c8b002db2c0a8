#include "platform/sdl_common/gamepads.h"

#include <algorithm>
#include <array>
#include <utility>

namespace skyscrub::sdl {

namespace {

// With no pad open, how often the loop looks for one plugged in.
constexpr std::int64_t kLookForPadsMicros = 250'000;

constexpr std::array<std::pair<SDL_GameControllerButton, PadControl>, 6> kButtons{{
    {SDL_CONTROLLER_BUTTON_DPAD_LEFT, PadControl::DpadLeft},
    {SDL_CONTROLLER_BUTTON_DPAD_RIGHT, PadControl::DpadRight},
    {SDL_CONTROLLER_BUTTON_DPAD_UP, PadControl::DpadUp},
    {SDL_CONTROLLER_BUTTON_A, PadControl::South},
    {SDL_CONTROLLER_BUTTON_START, PadControl::Start},
    {SDL_CONTROLLER_BUTTON_BACK, PadControl::Back},
}};

PadControls ControlsHeld(SDL_GameController* controller) {
  PadControls held;
  auto hold = [&held](PadControl control, bool down) { held.set(static_cast<std::size_t>(control), down); };
  for (const auto& [button, control] : kButtons) hold(control, SDL_GameControllerGetButton(controller, button) != 0);
  const Sint16 x = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTX);
  const Sint16 y = SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_LEFTY);
  hold(PadControl::StickLeft, x < -kStickDeadZone);
  hold(PadControl::StickRight, x > kStickDeadZone);
  hold(PadControl::StickUp, y < -kStickDeadZone);  // up is negative
  hold(PadControl::RightTrigger, SDL_GameControllerGetAxis(controller, SDL_CONTROLLER_AXIS_TRIGGERRIGHT) > kTriggerDeadZone);
  return held;
}

}  // namespace

std::optional<PadControl> ControlOfButton(Uint8 button) {
  for (const auto& [sdlButton, control] : kButtons) {
    if (sdlButton == button) return control;
  }
  return std::nullopt;
}

Gamepads::~Gamepads() {
  for (const Pad& pad : pads_) SDL_GameControllerClose(pad.controller);
  if (started_) SDL_QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool Gamepads::Start() {
  if (!started_) started_ = SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) == 0;
  return started_;
}

bool Gamepads::Handle(const SDL_Event& event, WindowEvents& events) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      Open(event.cdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      Close(event.cdevice.which);
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
      if (const std::optional<PadControl> control = ControlOfButton(event.cbutton.button)) {
        if (const std::optional<WindowEvent> click = input::MenuClickFor(input::ScreenShown(events.game()), *control)) {
          events.Deliver(*click);
        }
      }
      return true;
    default:
      return false;
  }
}

void Gamepads::Open(int deviceIndex) {
  const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(deviceIndex);
  if (std::any_of(pads_.begin(), pads_.end(), [id](const Pad& pad) { return pad.id == id; })) return;
  if (SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex)) {
    pads_.push_back({controller, id, PadPresses(ControlsHeld(controller))});  // what it holds as it comes does nothing
  }
}

void Gamepads::Close(SDL_JoystickID id) {
  const auto gone = std::find_if(pads_.begin(), pads_.end(), [id](const Pad& pad) { return pad.id == id; });
  if (gone == pads_.end()) return;
  SDL_GameControllerClose(gone->controller);
  pads_.erase(gone);
}

void Gamepads::Update(std::int64_t now, const Scene& scene) {
  if (!started_) return;
  if (pads_.empty() && now - lastLook_ < kLookForPadsMicros) return;
  lastLook_ = now;
  SDL_GameControllerUpdate();  // also notices pads plugged in or out
  if (pads_.empty()) return;
  const Screen screen = input::ScreenShown(scene);
  for (Pad& pad : pads_) Read(pad, screen);
}

void Gamepads::Read(Pad& pad, Screen screen) { pad.presses.Update(ControlsHeld(pad.controller), screen); }

PadControls Gamepads::Held(Screen screen) {
  PadControls held;
  for (Pad& pad : pads_) {
    Read(pad, screen);
    held |= pad.presses.HeldOn(screen);
  }
  return held;
}

}  // namespace skyscrub::sdl
