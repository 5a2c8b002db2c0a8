#pragma once
// The game's event loop: runs each enabled timer at its Interval, delivers the mouse, the
// gamepads' menu presses and the window's close, draws a frame when the scene changed, and
// sleeps while nothing is due. In a presentation of the player's own it also switches between
// the window and the full screen, and tells the keys when the window loses the focus.
#include <SDL.h>

#include <optional>

#include "game/window_events.h"
#include "platform/sdl/input_wait.h"
#include "platform/sdl/playback_overlay.h"
#include "platform/sdl/full_screen_switch.h"
#include "platform/sdl/sdl_platform.h"
#include "platform/sdl_common/playback_keys.h"
#include "platform/sdl_common/sdl_mouse.h"
#include "platform/sdl_common/window_painter.h"
#include "platform/timer_schedule.h"
#include "recording/playback.h"

namespace skyscrub::sdl {

class GameLoop : private TimerSchedule::Loop {
 public:
  // Pictures decoded early are taken from `early` (when given). `windowed`: where the window
  // goes when a full screen of the player's becomes a window.
  GameLoop(WindowEvents& events, SdlPlatform& system, SDL_Window* window, Presentation presentation,
           SDL_Rect windowed, EarlyDecoding* early = nullptr);

  // From now on the game is a recording played back: its events come from `playback`, the
  // keys control the playback, and the mouse, the gamepads and the focus leave the game alone.
  void Watch(recording::Playback& playback);
  // Returns once the game has ended (or its playback has).
  void Run();
  // Shows the scene as it stands now, without waiting for the next frame.
  void DrawNow();

 private:
  using Micros = TimerSchedule::Micros;
  bool Running() const { return !game_.Ended() && !frame_.endRequested() && !(playback_ && playback_->Done()); }
  void HandleWhileWatching(const SDL_Event& event);
  Micros Now() const;
  void WaitAndHandleEvents();
  void Handle(const SDL_Event& event);
  void HandleWindowEvent(const SDL_WindowEvent& event);
  void RunDueTimers();
  bool Deliver(std::size_t index) override;
  Micros Happened(Micros due) override;
  void DrawIfChanged();
  // Microseconds until the next timer or the next frame falls due.
  Micros WaitMicros() const;

  WindowEvents& events_;
  GameWindow& game_;
  SdlKeyboard& keyboard_;
  PlayerKeys& keys_;
  Gamepads& pads_;
  const SdlWindowFrame& frame_;
  SDL_Window* window_;
  bool scaled_;                               // the window or full screen of the player's
  std::optional<FullScreenSwitch> switch_;    // when scaled
  WindowPainter painter_;
  InputWait display_;
  SdlMouse mouse_;
  TimerSchedule schedule_;
  Micros framePeriod_;
  Micros lastFrame_ = 0;
  Micros lastTicks_ = 0;  // when the loop last woke to run the ticks due
  Micros lastLook_ = 0;   // when the loop last looked at the system's events
  // Whether a handler ran since the last frame: only then can the scene have changed.
  bool sceneTouched_ = true;
  recording::Playback* playback_ = nullptr;  // when a recording is watched
  std::optional<PlaybackOverlay> overlay_;     // and what it shows of its course
};

}  // namespace skyscrub::sdl
