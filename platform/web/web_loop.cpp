#include "platform/web/web_loop.h"

#include <emscripten.h>

#include "platform/web/page_bridge.h"

namespace skyscrub::web {

WebLoop::WebLoop(WindowEvents& events, const sdl::SdlWindowFrame& frame, sdl::Gamepads& pads, SDL_Window* window)
    : events_(events),
      game_(events.game()),
      frame_(frame),
      pads_(pads),
      window_(window),
      painter_(window),
      mouse_(events, painter_),
      schedule_(events.Timers()) {
  schedule_.Observe(Now(), *this);
}

WebLoop::Micros WebLoop::Now() const { return clock_.Now(emscripten_get_now()); }

void WebLoop::PageHidden(bool hidden) { clock_.SetHidden(hidden, emscripten_get_now()); }

bool WebLoop::Frame() {
  pads_.Update(Now(), game_);
  HandleEvents();
  RunDueTimers();
  if (Running() && sceneTouched_) DrawNow();
  return Running();
}

void WebLoop::HandleEvents() {
  SDL_Event event;
  while (Running() && SDL_PollEvent(&event) == 1) {
    if (!pads_.Handle(event, events_) && !mouse_.Handle(event)) continue;  // nothing else reaches the game
    sceneTouched_ = true;
    schedule_.Observe(Now(), *this);
  }
}

void WebLoop::RunDueTimers() {
  const Micros now = Now();
  schedule_.RunDue(now, now, *this);
  ranUpTo_ = now;
}

bool WebLoop::Deliver(std::size_t index) {
  const WindowEvent tick = TimerEvent(index);
  if (!Running() || !events_.Deliver(tick)) return false;
  if (tick == kMainTick) ++mainTicks_;
  sceneTouched_ = true;
  return true;
}

// A tick runs up to a frame after it fell due, but happens when it fell due: a timer it starts
// is due one Interval after that, and one it stops ticks no more from then.
WebLoop::Micros WebLoop::Happened(Micros due) { return due; }

void WebLoop::Observed(Micros at) { mainTimerOn_.Note(TimerSchedule::Runs(game_.Timer1), at); }

void WebLoop::DrawNow() {
  sceneTouched_ = false;
  if (painter_.PaintChanges(game_)) mouse_.UpdateCursor(window_);
  if (!shownFirst_) {
    shownFirst_ = true;
    TellPage("first-frame");
    pads_.Start();  // which the first frame need not wait for; the pads plugged in arrive as events
  }
}

}  // namespace skyscrub::web
