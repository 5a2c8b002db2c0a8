#include "platform/sdl/watch_recording.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <ostream>

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
  system.platform.messages.Show("Skyscrub", "The recording " + path + " does not play to its end.\n\n" + outcome.message,
                                MessageButtons::Ok);
  return kReplayStatusBase + outcome.status;
}

}  // namespace skyscrub::sdl
