// Watching a recording: the playback runs the recording's events on a clock at the recorded
// Interval times its speed, answers to its controls, and ends as the headless replay does.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "recording/playback.h"
#include "recording/playback_system.h"
#include "recording/recording_format.h"
#include "tools/trace/script_session.h"

namespace skyscrub::recording {
namespace {

using Micros = Playback::Micros;

std::string Stored(const std::string& name) {
  std::ifstream file(std::string(SKYSCRUB_RECORDINGS) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// A recording played back on a scripted system, its real clock stepped from wake to wake.
struct Watched {
  explicit Watched(const std::string& text, Limits limits = {})
      : in(text), counted(text), session(system, out, limits), playback(in, session, RecordedTicks(counted), 0) {}

  // Runs on until the playback is done, or until `until` on the real clock; where the clock stands.
  Micros PlayUntil(Micros until = INT64_MAX) {
    while (!playback.Done()) {
      const auto wake = playback.NextWake();
      if (!wake || *wake > until) break;
      now = std::max(now, *wake);
      playback.RunDue(now);
    }
    return now;
  }

  ScriptedPlatform real;
  PlaybackSystem system{real.platform()};
  std::istringstream in, counted;
  std::ostringstream out;
  ReplaySession session;
  Playback playback;
  Micros now = 0;
};

// The stored game at a 5 ms tick, with a pause and the title's polls.
const std::string kGame = "scaled_window_5ms_focus_pause.trace";

TEST(Playback, PlaysARecordingToItsEndWithEveryCheckMatchedAtTheRecordedPace) {
  Watched watched(Stored(kGame));
  const Micros took = watched.PlayUntil();
  const ReplayOutcome outcome = watched.playback.Finish();
  EXPECT_EQ(outcome.status, kReplayed) << outcome.message;
  EXPECT_TRUE(watched.session.Ended());
  std::istringstream counted(Stored(kGame));
  const std::uint64_t ticks = RecordedTicks(counted);
  EXPECT_EQ(watched.session.Ticks(), ticks);
  EXPECT_GE(took, static_cast<Micros>(ticks) * 5'000) << "each main tick takes the recorded 5 ms";
  EXPECT_EQ(watched.playback.Status(), "1x  tick " + std::to_string(ticks) + " of " + std::to_string(ticks));
}

TEST(Playback, EachTimerEventWaitsOneIntervalOfItsTimerWhetherCountedOrNot) {
  Watched watched("settings 100 0 0\nload\nclick Label7\nclick Label9\ntick\ntick\ntick 3\n");
  EXPECT_EQ(watched.playback.NextWake(), 100'000) << "the first main tick, one 100 ms Interval after the start";
  EXPECT_EQ(watched.PlayUntil(), 500'000);
  EXPECT_EQ(watched.session.Ticks(), 5u);
  EXPECT_EQ(watched.playback.Finish().status, kReplayed);
}

TEST(Playback, EveryStoredRecordingPlaysBackToItsEndAsItReplays) {
  int played = 0;
  for (const auto& entry : std::filesystem::directory_iterator(SKYSCRUB_RECORDINGS)) {
    if (entry.path().extension() != ".trace") continue;
    Watched watched(Stored(entry.path().filename().string()));
    watched.playback.Press(Playback::Control::Faster, 0);
    watched.PlayUntil();
    const ReplayOutcome outcome = watched.playback.Finish();
    EXPECT_EQ(outcome.status, kReplayed) << entry.path() << ": " << outcome.message;
    ++played;
  }
  EXPECT_GE(played, 6);
}

TEST(Playback, FasterPlaysInItsShareOfTheTimeAndThePositionShowsOnTheWay) {
  Watched normal(Stored(kGame)), fast(Stored(kGame));
  fast.playback.Press(Playback::Control::Faster, 0);
  fast.playback.Press(Playback::Control::Faster, 0);
  EXPECT_EQ(fast.playback.Speed(), 4);
  const Micros whole = normal.PlayUntil();
  const Micros quarter = fast.PlayUntil();
  EXPECT_NEAR(static_cast<double>(quarter) / static_cast<double>(whole), 0.25, 0.01);
  EXPECT_EQ(fast.playback.Finish().status, kReplayed);
}

TEST(Playback, ControlsPauseAndKeepTheSpeedBetweenOneAndEightTimes) {
  Watched watched(Stored(kGame));
  watched.PlayUntil(3'000'000);
  const std::uint64_t ticks = watched.session.Ticks();
  watched.playback.Press(Playback::Control::PauseOrResume, watched.now);
  EXPECT_FALSE(watched.playback.NextWake()) << "paused, nothing is due";
  watched.playback.RunDue(watched.now + 10'000'000);
  EXPECT_EQ(watched.session.Ticks(), ticks);
  EXPECT_TRUE(watched.playback.Status().ends_with("  paused")) << watched.playback.Status();
  watched.playback.Press(Playback::Control::PauseOrResume, watched.now + 10'000'000);
  EXPECT_GE(*watched.playback.NextWake(), watched.now + 10'000'000) << "the pause is not caught up";

  const struct {
    Playback::Control control;
    int speed;
  } steps[] = {{Playback::Control::Slower, 1}, {Playback::Control::Faster, 2}, {Playback::Control::Faster, 4},
               {Playback::Control::Faster, 8}, {Playback::Control::Faster, 8}, {Playback::Control::Slower, 4},
               {Playback::Control::Slower, 2}, {Playback::Control::Slower, 1}, {Playback::Control::Slower, 1}};
  for (const auto& step : steps) {
    watched.playback.Press(step.control, watched.now);
    EXPECT_EQ(watched.playback.Speed(), step.speed);
  }
  watched.playback.Press(Playback::Control::Stop, watched.now);
  EXPECT_TRUE(watched.playback.Done());
  EXPECT_TRUE(watched.playback.StoppedByViewer());
  EXPECT_EQ(watched.playback.Finish().status, kReplayed) << "stopping is no fault of the recording";
}

// The viewer's system hears the game's sounds and music and ends with it, but never has its
// display mode changed, a message box put up or its window put on top.
TEST(Playback, TheViewersSystemOnlyPlaysTheSoundsAndTheMusic) {
  for (const char* name : {"mode_not_supported_answered_30ms.trace", "whole_game_10ms_menus_pause_lost_quit.trace"}) {
    Watched watched(Stored(name));
    watched.PlayUntil();
    EXPECT_EQ(watched.playback.Finish().status, kReplayed) << name;
    std::set<Effect::Kind> kinds;
    for (const Effect& effect : watched.real.effects) kinds.insert(effect.kind);
    EXPECT_TRUE(kinds.count(Effect::Kind::Music)) << name;
    EXPECT_TRUE(kinds.count(Effect::Kind::End)) << name;
    for (const Effect::Kind never : {Effect::Kind::Display, Effect::Kind::MessageBox, Effect::Kind::Topmost,
                                     Effect::Kind::Reboot}) {
      EXPECT_FALSE(kinds.count(never)) << name << " shows effect " << static_cast<int>(never);
    }
  }
}

// Every damaged or hostile recording gets the headless replay's own answer.
TEST(Playback, EndsAsTheHeadlessReplayDoes) {
  const std::string game = Stored(kGame);
  std::string edited = game;
  const std::size_t check = edited.find("check 60 ");
  ASSERT_NE(check, std::string::npos);
  edited[check + 9] = edited[check + 9] == '0' ? '1' : '0';  // the digest of the check at tick 60
  const std::string cases[] = {
      edited,
      game.substr(0, game.size() / 2),
      "",
      "# skyscrub recording 3\nload\nended\n",
      std::string(recording::kFormatLine) + "\nsettings 1 0 0\nload\nclick Label9\ntick 99999999\n",
      std::string(recording::kFormatLine) + "\n" + std::string(70'000, 'x') + "\nended\n",
      "settings 10 0 0\nload\nbogus\n",
  };
  Limits limits = Limits::ForEvents(1000);
  for (const std::string& text : cases) {
    Watched watched(text, limits);
    watched.PlayUntil();
    const ReplayOutcome outcome = watched.playback.Finish();
    std::istringstream in(text);
    std::ostringstream out, errors;
    const int status = trace::RunScript(in, out, errors, limits);
    EXPECT_EQ(outcome.status, status) << text.substr(0, 80);
    EXPECT_EQ(outcome.message + (outcome.message.empty() ? "" : "\n"), errors.str());
  }
}

TEST(Playback, AMismatchStopsThePlaybackWhereItIs) {
  std::string edited = Stored(kGame);
  const std::size_t check = edited.find("check 60 ");
  edited[check + 9] = edited[check + 9] == '0' ? '1' : '0';
  Watched watched(edited);
  watched.PlayUntil();
  EXPECT_TRUE(watched.playback.Done());
  EXPECT_EQ(watched.session.Ticks(), 60u) << "no event runs past the check that differs";
  const ReplayOutcome outcome = watched.playback.Finish();
  EXPECT_EQ(outcome.status, kDesync);
  EXPECT_NE(outcome.message.find(", tick 60: the "), std::string::npos) << outcome.message;
}

}  // namespace
}  // namespace skyscrub::recording
