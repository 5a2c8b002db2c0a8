#include "platform/web/page_watch.h"

#include <emscripten.h>

#include "platform/sdl_common/playback_keys.h"
#include "platform/web/page_bridge.h"

namespace skyscrub::web {

PageWatch::PageWatch(SDL_Window* window, const std::string& path)
    : path_(path),
      system_(window),
      counted_(path, std::ios::binary),
      recording_(path, std::ios::binary),
      painter_(window),
      playback_(recording_, session_, recording::RecordedTicks(counted_), Now()) {}

PlayClock::Micros PageWatch::Now() const { return clock_.Now(emscripten_get_now()); }

void PageWatch::PageHidden(bool hidden) { clock_.SetHidden(hidden, emscripten_get_now()); }

void PageWatch::Press(recording::Playback::Control control) { playback_.Press(control, Now()); }

bool PageWatch::Frame() {
  SDL_Event event;
  while (SDL_PollEvent(&event) == 1) {
    if (event.type != SDL_KEYDOWN) continue;  // the viewer's hands never steer the game
    if (const auto control = sdl::PlaybackControlOf(event.key)) Press(*control);
  }
  playback_.RunDue(Now());
  const bool running = !playback_.Done() && !session_.Ended();
  if (running && painter_.PaintChanges(session_.game) && !shownFirst_) {
    shownFirst_ = true;
    TellPage("first-frame");
  }
  const std::string status = playback_.Status();
  if (status != shownStatus_) {
    shownStatus_ = status;
    TellPage("playback", status);
  }
  if (!running) Finish();
  return running;
}

void PageWatch::Finish() {
  const recording::ReplayOutcome outcome = playback_.Finish();
  if (outcome.status == recording::kReplayed) return;
  const std::string name = path_.substr(path_.rfind('/') + 1);
  TellPage("playback-failed", "The recording " + name + " does not play to its end.\n\n" + outcome.message);
}

}  // namespace skyscrub::web
