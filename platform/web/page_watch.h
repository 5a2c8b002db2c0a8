#pragma once
// A recording watched on the page: the desktop's playback, its events on the page's play clock
// (stopped while the page is hidden), the keys and the page's buttons controlling it, the mouse
// and the gamepads leaving it alone. The page shows the speed and the position beside the
// canvas, never in it, and the playback's answer in its dialog when it does not play to its end.
#include <SDL.h>

#include <fstream>
#include <ostream>
#include <string>

#include "platform/sdl_common/window_painter.h"
#include "platform/web/play_clock.h"
#include "platform/web/web_platform.h"
#include "recording/playback.h"
#include "recording/playback_system.h"
#include "recording/replay_session.h"

namespace skyscrub::web {

class PageWatch {
 public:
  PageWatch(SDL_Window* window, const std::string& path);
  PageWatch(const PageWatch&) = delete;
  PageWatch& operator=(const PageWatch&) = delete;

  // Runs one frame; false once the playback has ended (the page has then been told how).
  bool Frame();
  void Press(recording::Playback::Control control);
  void PageHidden(bool hidden);

 private:
  PlayClock::Micros Now() const;
  void Finish();

  std::string path_;
  WebPlatform system_;
  std::ifstream counted_, recording_;
  std::ostream dumps_{nullptr};  // a recording holds no dumps; were it to ask, nobody reads them
  recording::PlaybackSystem played_{system_.platform};
  recording::ReplaySession session_{played_, dumps_};
  PlayClock clock_;
  sdl::WindowPainter painter_;
  recording::Playback playback_;
  std::string shownStatus_;
  bool shownFirst_ = false;
};

}  // namespace skyscrub::web
