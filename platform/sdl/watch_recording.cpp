#include "platform/sdl/watch_recording.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <ostream>
#include <string>
#include <string_view>

#include "game/window_events.h"
#include "platform/sdl/game_loop.h"
#include "platform/sdl/loop_clock.h"
#include "recording/playback.h"
#include "recording/playback_system.h"

namespace skyscrub::sdl {

namespace {

constexpr int kReplayStatusBase = 10;  // plus the headless replay's status

// A recording holds no dumps; were a script to ask for some, nobody reads them.
class Discard final : public std::streambuf {
  int overflow(int c) override { return c; }
};

// A message box shows each line as it is, however long: the replay's answer is broken into lines
// at spaces, so that the box fits the display.
std::string Wrapped(std::string_view text, std::size_t width = 72) {
  std::string lines;
  std::size_t lineStart = 0;
  while (!text.empty()) {
    const std::size_t space = text.find(' ');
    const std::string_view word = text.substr(0, space);
    if (lines.size() > lineStart && lines.size() - lineStart + 1 + word.size() > width) {
      lines += '\n';
      lineStart = lines.size();
    } else if (lines.size() > lineStart) {
      lines += ' ';
    }
    lines += word;
    text = space == std::string_view::npos ? std::string_view() : text.substr(space + 1);
  }
  return lines;
}

}  // namespace

bool CanReadRecording(const std::string& path, std::string& error) {
  std::ifstream file(path, std::ios::binary);
  if (!file) error = std::strerror(errno);
  return static_cast<bool>(file);
}

int WatchRecording(const std::string& path, SdlPlatform& system, SDL_Window* window, Presentation presentation,
                   SDL_Rect windowed, EarlyDecoding& firstScreen) {
  std::ifstream counted(path, std::ios::binary), recording(path, std::ios::binary);
  Discard nowhere;
  std::ostream dumps(&nowhere);
  recording::PlaybackSystem played(system.platform);
  recording::ReplaySession session(played, dumps);
  WindowEvents events(session.game);  // the loop's view of the window; the playback delivers its events
  GameLoop loop(events, system, window, presentation, windowed, &firstScreen);
  system.messages.beforeShowing = [&loop] { loop.DrawNow(); };
  recording::Playback playback(recording, session, recording::RecordedTicks(counted), LoopClockNow());
  loop.Watch(playback);
  SDL_SetWindowTitle(window, std::string(session.game.Form1.caption).c_str());
  SDL_ShowWindow(window);
  SDL_RaiseWindow(window);
  loop.Run();
  if (playback.StoppedByViewer()) {
    std::fprintf(stderr, "Skyscrub: the playback of %s stopped at %s\n", path.c_str(), playback.Status().c_str());
  }
  const recording::ReplayOutcome outcome = playback.Finish();
  if (outcome.status == recording::kReplayed) return 0;
  std::fprintf(stderr, "Skyscrub: %s: %s\n", path.c_str(), outcome.message.c_str());
  system.platform.messages.Show("Skyscrub", Wrapped("The recording " + path + " does not play to its end.") + "\n\n" + Wrapped(outcome.message),
                                MessageButtons::Ok);
  return kReplayStatusBase + outcome.status;
}

}  // namespace skyscrub::sdl
