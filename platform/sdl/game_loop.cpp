#include "platform/sdl/game_loop.h"

#include <algorithm>

#include "platform/sdl/loop_clock.h"
#include "platform/sdl/stop_and_crash_guard.h"

namespace skyscrub::sdl {

namespace {

constexpr TimerSchedule::Micros kMicrosPerSecond = 1'000'000;
// Even with nothing due the loop looks up now and then, to notice an interrupt.
constexpr int kLongestSleepMillis = 100;
// Even with no input the system's events are looked at now and then: SDL keeps the screen
// saver away while it does.
constexpr TimerSchedule::Micros kLongestWithoutLooking = 1'000'000;

TimerSchedule::Micros FramePeriod(SDL_Window* window) {
  SDL_DisplayMode mode{};
  const int index = std::max(SDL_GetWindowDisplayIndex(window), 0);
  const int refresh = SDL_GetCurrentDisplayMode(index, &mode) == 0 && mode.refresh_rate > 0 ? mode.refresh_rate : 60;
  return kMicrosPerSecond / refresh;
}

}  // namespace

GameLoop::GameLoop(WindowEvents& events, SdlPlatform& system, SDL_Window* window, Presentation presentation,
                   SDL_Rect windowed, EarlyDecoding* early)
    : events_(events),
      game_(events.game()),
      keyboard_(system.keyboard),
      keys_(system.keys),
      pads_(system.pads),
      frame_(system.frame),
      window_(window),
      scaled_(Scaled(presentation)),
      painter_(window, early, scaled_),
      display_(window),
      mouse_(events, painter_, scaled_),
      schedule_(events.Timers()),
      framePeriod_(FramePeriod(window)) {
  // The pause and the title and end screens only watch keys; the main tick keeps its rhythm.
  schedule_.LetNap(game_.Timer2);
  schedule_.LetNap(game_.Timer3);
  if (scaled_) switch_.emplace(window, windowed);
}

TimerSchedule::Micros GameLoop::Now() const { return LoopClockNow(); }

void GameLoop::Watch(recording::Playback& playback) {
  playback_ = &playback;
  overlay_.emplace(window_);
}

void GameLoop::Run() {
  schedule_.Observe(Now());
  DrawIfChanged();
  pads_.Start();  // a look at every input device, which the first frame need not wait for
  while (Running()) {
    DrawIfChanged();
    WaitAndHandleEvents();
    if (StopRequested()) {
      if (playback_) playback_->Press(recording::Playback::Control::Stop, Now());
      else events_.Deliver({WindowEvent::Kind::Close});
    }
    RunDueTimers();
  }
}

GameLoop::Micros GameLoop::WaitMicros() const {
  const Micros now = Now();
  Micros wake = now + kLongestSleepMillis * 1000;
  const auto due = playback_ ? playback_->NextWake() : schedule_.NextWake(lastTicks_);
  if (due) wake = std::min(wake, *due);
  if (sceneTouched_) wake = std::min(wake, lastFrame_ + framePeriod_);
  return std::max<Micros>(wake - now, 0);
}

void GameLoop::WaitAndHandleEvents() {
  const bool input = display_.WaitForInput(WaitMicros());
  // At most one look at the system's events per wake-up, and only when there may be some: the
  // ticks run next read the keys it found, or know that none changed.
  const Micros now = Now();
  if (input || now - lastLook_ >= kLongestWithoutLooking) {
    keyboard_.LookAtEvents();
    lastLook_ = now;
  } else {
    keyboard_.NothingNew();
  }
  if (!playback_) pads_.Update(now, game_);
  SDL_Event event;
  while (Running() && SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) Handle(event);
}

// Only the viewer's keys, the window's close and the window's own events count: the game
// plays the recording.
void GameLoop::HandleWhileWatching(const SDL_Event& event) {
  switch (event.type) {
    case SDL_QUIT:
      playback_->Press(recording::Playback::Control::Stop, Now());
      break;
    case SDL_KEYDOWN:
      if (const auto control = PlaybackControlOf(event.key)) {
        playback_->Press(*control, Now());
      } else if (switch_ && FullScreenSwitch::Asks(event.key)) {
        switch_->Toggle();
      } else {
        return;
      }
      break;
    case SDL_WINDOWEVENT:
      HandleWindowEvent(event.window);
      break;
    default:
      return;
  }
  sceneTouched_ = true;  // the overlay shows what changed
}

void GameLoop::Handle(const SDL_Event& event) {
  if (playback_) return HandleWhileWatching(event);
  switch (event.type) {
    case SDL_QUIT:
      events_.Deliver({WindowEvent::Kind::Close});
      break;
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
      mouse_.Handle(event);
      break;
    case SDL_KEYDOWN:
      if (switch_ && FullScreenSwitch::Asks(event.key)) switch_->Toggle();
      break;
    case SDL_WINDOWEVENT:
      HandleWindowEvent(event.window);
      break;
    default:
      if (!pads_.Handle(event, events_)) return;  // nothing the game takes: the scene is as it was
  }
  sceneTouched_ = true;
  schedule_.Observe(Now());  // the handler may have switched timers on or off
}

void GameLoop::HandleWindowEvent(const SDL_WindowEvent& event) {
  switch (event.event) {
    case SDL_WINDOWEVENT_EXPOSED:
      painter_.ShowAgain();
      break;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
      painter_.Resized();
      break;
    case SDL_WINDOWEVENT_FOCUS_LOST:
      if (scaled_ && !playback_) keys_.FocusLost();  // a player's window that loses the focus pauses the game
      break;
    default:
      break;
  }
}

void GameLoop::RunDueTimers() {
  const Micros now = Now();
  if (playback_) {
    const auto due = playback_->NextWake();
    if (due && *due <= now) {
      playback_->RunDue(now);
      sceneTouched_ = true;
    }
    return;
  }
  if (schedule_.RunDue(now, now, *this) > 0) lastTicks_ = now;
}

bool GameLoop::Deliver(std::size_t index) {
  if (!Running() || !events_.Deliver(TimerEvent(index))) return false;
  sceneTouched_ = true;
  return true;
}

// A tick happens when its handler ran: a timer it starts counts its Interval from then.
GameLoop::Micros GameLoop::Happened(Micros /*due*/) { return Now(); }

void GameLoop::DrawIfChanged() {
  if (!Running() || !sceneTouched_) return;
  if (Now() < lastFrame_ + framePeriod_) return;  // no faster than the display refreshes
  DrawNow();
}

void GameLoop::DrawNow() {
  lastFrame_ = Now();  // frames keep the display's pace whatever drawing them takes
  sceneTouched_ = false;
  const bool painted = painter_.PaintChanges(game_);
  if (overlay_) overlay_->Draw(playback_->Status());
  if (painted && !playback_) mouse_.UpdateCursor(window_);
}

}  // namespace skyscrub::sdl
