#include "platform/web/web_loop.h"

#include <emscripten.h>

#include "platform/sdl/pointer_targets.h"
#include "platform/web/page_bridge.h"

namespace skyscrub::web {

WebLoop::WebLoop(WindowEvents& events, const sdl::SdlWindowFrame& frame, SDL_Window* window)
    : events_(events),
      game_(events.game()),
      frame_(frame),
      painter_(window),
      mouse_(events),
      schedule_(events.Timers()) {
  Observe(Now());
}

WebLoop::Micros WebLoop::Now() const { return clock_.Now(emscripten_get_now()); }

void WebLoop::PageHidden(bool hidden) {
  if (hidden) {
    clock_.Hide(emscripten_get_now());
  } else {
    clock_.Show(emscripten_get_now());
  }
}

bool WebLoop::Frame() {
  HandleEvents();
  RunDueTimers();
  if (Running() && sceneTouched_) DrawNow();
  return Running();
}

void WebLoop::HandleEvents() {
  SDL_Event event;
  while (Running() && SDL_PollEvent(&event) == 1) {
    switch (event.type) {
      case SDL_MOUSEMOTION:
        ShowCursorFor(static_cast<float>(event.motion.x), static_cast<float>(event.motion.y));
        mouse_.Moved(static_cast<float>(event.motion.x), static_cast<float>(event.motion.y));
        break;
      case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT) mouse_.Pressed(static_cast<float>(event.button.x), static_cast<float>(event.button.y));
        break;
      case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT) mouse_.Released(static_cast<float>(event.button.x), static_cast<float>(event.button.y));
        break;
      default:
        continue;  // nothing the game hears of
    }
    sceneTouched_ = true;
    Observe(Now());
  }
}

void WebLoop::RunDueTimers() {
  const Micros now = Now();
  Observe(now);
  while (Running()) {
    const auto due = schedule_.Due(now);
    if (!due) break;
    const Micros dueAt = *schedule_.NextDue();  // the earliest due is the one to run
    schedule_.Ran(*due);
    if (kTimerEvents[*due].timer == &Scene::Timer1) ++mainTicks_;
    events_.Deliver(TimerEvent(*due));
    sceneTouched_ = true;
    Observe(dueAt);
  }
  ranUpTo_ = now;
}

void WebLoop::Observe(Micros at) {
  schedule_.Observe(at);
  mainTimerOn_.Note(game_.Timer1.Enabled && game_.Timer1.Interval > 0, at);
}

void WebLoop::DrawNow() {
  sceneTouched_ = false;
  painter_.PaintChanges(game_);
  if (!shownFirst_) {
    shownFirst_ = true;
    TellPage("first-frame");
  }
}

void WebLoop::ShowCursorFor(float x, float y) {
  const int wanted = sdl::CursorAt(game_, x, y) == Cursor::Arrow ? SDL_ENABLE : SDL_DISABLE;
  if (SDL_ShowCursor(SDL_QUERY) != wanted) SDL_ShowCursor(wanted);
}

}  // namespace skyscrub::web
