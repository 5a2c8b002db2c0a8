#pragma once
// The browser game's loop, one frame of the page at a time: the mouse and the gamepads, then
// every tick of an enabled timer due by now on the play clock (each at its Interval, with the
// desktop's catch-up cap), then what changed is drawn. Between frames the page is idle.
#include <SDL.h>

#include <cstdint>

#include "game/window_events.h"
#include "platform/sdl_common/gamepads.h"
#include "platform/sdl_common/sdl_mouse.h"
#include "platform/sdl_common/sdl_window_frame.h"
#include "platform/sdl_common/window_painter.h"
#include "platform/timer_schedule.h"
#include "platform/web/play_clock.h"
#include "platform/web/running_time.h"

namespace skyscrub::web {

class WebLoop : private TimerSchedule::Loop {
 public:
  using Micros = TimerSchedule::Micros;

  // Every event goes to the game through `events`.
  WebLoop(WindowEvents& events, const sdl::SdlWindowFrame& frame, sdl::Gamepads& pads, SDL_Window* window);

  // Runs one frame; false once the game has ended.
  bool Frame();
  // Shows the scene as it stands now.
  void DrawNow();
  // The page was hidden or shown again: the play clock stops meanwhile.
  void PageHidden(bool hidden);
  // How many main ticks have run, and for how long of play the main tick's timer has been on,
  // both as of the last frame: the ticks are due one per Interval of that time.
  std::uint64_t MainTicks() const { return mainTicks_; }
  Micros MainTimerOn() const { return mainTimerOn_.Total(ranUpTo_); }

 private:
  bool Running() const { return !game_.Ended() && !frame_.endRequested(); }
  Micros Now() const;
  void HandleEvents();
  void RunDueTimers();
  bool Deliver(std::size_t index) override;
  Micros Happened(Micros due) override;
  // Times the main tick's timer from each look at the timers.
  void Observed(Micros at) override;

  WindowEvents& events_;
  GameWindow& game_;
  const sdl::SdlWindowFrame& frame_;
  sdl::Gamepads& pads_;
  SDL_Window* window_;
  sdl::WindowPainter painter_;
  sdl::SdlMouse mouse_;
  TimerSchedule schedule_;
  PlayClock clock_;
  std::uint64_t mainTicks_ = 0;
  RunningTime mainTimerOn_;
  Micros ranUpTo_ = 0;  // the ticks due by this time have run
  bool sceneTouched_ = true;
  bool shownFirst_ = false;
};

}  // namespace skyscrub::web
