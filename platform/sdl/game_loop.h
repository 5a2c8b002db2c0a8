#pragma once
// The game's event loop: runs each enabled timer at its Interval, delivers the mouse and the
// window's close, draws a frame when the scene changed, and sleeps while nothing is due.
#include <SDL.h>

#include "game/window_events.h"
#include "platform/sdl/display_connection.h"
#include "platform/sdl/mouse_events.h"
#include "platform/sdl_common/sdl_keyboard.h"
#include "platform/sdl_common/sdl_window_frame.h"
#include "platform/sdl_common/window_painter.h"
#include "platform/timer_schedule.h"

namespace skyscrub::sdl {

class GameLoop {
 public:
  // Pictures decoded early are taken from `early` (when given).
  GameLoop(WindowEvents& events, SdlKeyboard& keyboard, const SdlWindowFrame& frame, SDL_Window* window,
           EarlyDecoding* early = nullptr);

  // Returns once the game has ended.
  void Run();
  // Shows the scene as it stands now, without waiting for the next frame.
  void DrawNow();

 private:
  using Micros = TimerSchedule::Micros;
  bool Running() const { return !game_.Ended() && !frame_.endRequested(); }
  Micros Now() const;
  void WaitAndHandleEvents();
  void Handle(const SDL_Event& event);
  void RunDueTimers();
  void DrawIfChanged();
  void ShowCursorFor(float x, float y);
  // Microseconds until the next timer or the next frame falls due.
  Micros WaitMicros() const;

  WindowEvents& events_;
  GameWindow& game_;
  SdlKeyboard& keyboard_;
  const SdlWindowFrame& frame_;
  SDL_Window* window_;
  WindowPainter painter_;
  DisplayConnection display_;
  MouseEvents mouse_;
  TimerSchedule schedule_;
  Micros framePeriod_;
  Micros lastFrame_ = 0;
  Micros lastTicks_ = 0;  // when the loop last woke to run the ticks due
  Micros lastLook_ = 0;   // when the loop last looked at the system's events
  // Whether a handler ran since the last frame: only then can the scene have changed.
  bool sceneTouched_ = true;
};

}  // namespace skyscrub::sdl
