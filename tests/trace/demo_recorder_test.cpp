// A game recorded as it is played replays exactly, to every check; a recording that differs
// from the game is refused at its first check after the difference, naming what differs.
#include "recording/demo_recorder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <sstream>

#include "recording/recording_format.h"
#include "recording/state_check.h"
#include "tests/support/recorded_game.h"
#include "tools/trace/script_session.h"

namespace skyscrub::trace {
namespace {

using namespace recording;  // the recorder under test

struct Outcome {
  int status;
  std::string errors;
};

Outcome Replay(const std::string& recording, Session* replay = nullptr) {
  std::istringstream in(recording);
  std::ostringstream out, errors;
  if (replay == nullptr) return {RunScript(in, out, errors), errors.str()};
  std::string line;
  for (long number = 1; std::getline(in, line); ++number) {
    if (const auto error = replay->Execute(line)) return {replay->Mismatched() ? 1 : 2, *error};
  }
  return {0, {}};
}

// A session driven by a script as a player would drive the game, recorded as the game records.
class Recorded : public ::testing::Test {
 protected:
  std::ostringstream out;
  StringOutput recording;
  Session session{out, {}, &recording};

  void Play(std::initializer_list<const char*> lines) {
    for (const char* line : lines) {
      const auto error = session.Execute(line);
      ASSERT_FALSE(error) << line << ": " << *error;
    }
    session.FinishRecording();
  }

  bool Holds(const std::string& line) const { return recording.text().find("\n" + line + "\n") != std::string::npos; }
};

// A game with every kind of input: an odd settings file, the restart question answered, the
// mouse, held and released keys, a pause, two games and Escape.
constexpr std::initializer_list<const char*> kWholeSession = {
    "seed 9", R"(settings raw "\xEF\xBB\xBF7\r\n1\r\n1 # not a comment\r\n")", "screen 1280 1024", "modetest 1",
    "answer No", "load", "move Label7", "move Picture2", "poll3 30", "click Label7", "move Label9", "click Label9",
    "keys Z,Up", "tick 100", "keys Left", "tick 300", "keys P", "tick", "keys none", "poll2 20", "keys Space", "poll2",
    "keys Right,Z", "tick 1500", "set Temp1.Width 116", "tick 11", "keys Space", "poll3", "keys none", "click Label7",
    "click Label9", "tick 70", "keys Escape", "tick", "poll3"};

TEST_F(Recorded, AWholeSessionReplaysToEveryCheckAndEndsInTheSameState) {
  Play(kWholeSession);
  ASSERT_TRUE(session.Ended());
  std::ostringstream replayOut;
  Session replay(replayOut);
  const Outcome outcome = Replay(recording.text(), &replay);
  EXPECT_EQ(outcome.status, 0) << outcome.errors;
  EXPECT_TRUE(replay.Ended());
  EXPECT_EQ(StateValues(replay.game), StateValues(session.game));
  EXPECT_EQ(replay.Events(), session.Events());
  EXPECT_EQ(replayOut.str(), out.str()) << "the same sounds, music, messages and display changes";
}

TEST_F(Recorded, WritesWhatTheGameTookFromTheSystemBeforeTheEventThatTookIt) {
  Play(kWholeSession);
  const std::string& text = recording.text();
  // The load's inputs, in the order the game asked for them, then the load and a full check.
  const std::string opening = std::string(R"(settings raw "\xEF\xBB\xBF7\r\n1\r\n1 # not a comment\r\n")") +
                              "\nscreen 1280 1024\nmodetest 1\nanswer No\nload\ncheck 0 ";
  EXPECT_EQ(text.substr(0, opening.size()), opening);
  for (const char* line : {"move Label7", "move Picture2", "poll3 30", "click Label7", "keys Up,Z", "keys Left",
                           "keys P", "poll2 20", "keys Space", "ended", "set Temp1.Width 116", "close"}) {
    if (std::string_view(line) == "close") {
      EXPECT_FALSE(Holds(line)) << "Escape ended this game, not the system";
    } else {
      EXPECT_TRUE(Holds(line)) << line << "\n" << text;
    }
  }
  EXPECT_NE(text.find("\nreseed "), std::string::npos);
  EXPECT_EQ(text.find("\ntick\ntick\n"), std::string::npos) << "runs of ticks are counted on one line";
}

TEST_F(Recorded, ChecksComeEverySixtyMainTicksAndAFullOneAtBothEnds) {
  Play({"settings 10 1 1", "load", "click Label7", "click Label9", "keys Z", "tick 130", "close"});
  std::istringstream lines(recording.text());
  std::vector<std::string> checks;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("check ", 0) == 0) checks.push_back(line.substr(0, line.find(' ', line.find(' ', 6) + 1) + 5));
  }
  ASSERT_EQ(checks.size(), 4u);
  EXPECT_EQ(checks[0].substr(0, 8), "check 0 ");
  EXPECT_NE(checks[0].find(" full"), std::string::npos);
  EXPECT_EQ(checks[1].substr(0, 9), "check 60 ");
  EXPECT_EQ(checks[1].find(" full"), std::string::npos);
  EXPECT_EQ(checks[2].substr(0, 10), "check 120 ");
  EXPECT_EQ(checks[3].substr(0, 10), "check 130 ");
  EXPECT_NE(checks[3].find(" full"), std::string::npos);
  EXPECT_TRUE(Holds("close"));
  EXPECT_TRUE(Holds("ended"));
}

// One key changed at one tick: the replay stops at the first check after it with status 1.
TEST_F(Recorded, AnEditedKeyIsRefusedAtTheFirstCheckAfterIt) {
  Play({"seed 3", "settings 10 1 1", "load", "click Label7", "click Label9", "tick 100", "keys Escape", "tick"});
  std::string edited = recording.text();
  const std::size_t at = edited.find("\ntick 60\n");
  ASSERT_NE(at, std::string::npos) << edited;
  edited.replace(at, 9, "\ntick 30\nkeys Left\ntick\nkeys none\ntick 29\n");
  const Outcome outcome = Replay(edited);
  EXPECT_EQ(outcome.status, 1);
  EXPECT_NE(outcome.errors.find("event "), std::string::npos) << outcome.errors;
  EXPECT_NE(outcome.errors.find(", tick 60: "), std::string::npos) << outcome.errors;
  EXPECT_NE(outcome.errors.find("speedX is -0.35, recorded 0"), std::string::npos) << outcome.errors;
}

TEST(Replay, AGameThatGoesOnWhereTheRecordingEndedIsRefused) {
  const Outcome goesOn = Replay("settings 10 1 1\nload\nkeys none\npoll3\nended\n");
  EXPECT_EQ(goesOn.status, 1);
  EXPECT_EQ(goesOn.errors, "line 5: event 3, tick 0: the recorded game ended here, the replay goes on\n");
  EXPECT_EQ(Replay("settings 10 1 1\nload\nkeys Escape\npoll3\nended\n").status, 0);
}

// What a crash in the middle of a tick leaves in the file replays up to the crashing tick.
TEST(RecorderCrash, WritesWhatIsRecordedAndTheEventBeingHandled) {
  std::ostringstream out;
  StringOutput recording;
  Session session(out, {}, &recording);
  for (const char* line : {"settings 10 1 1", "load", "click Label7", "click Label9", "keys Z", "tick 5"}) {
    ASSERT_FALSE(session.Execute(line));
  }
  // The keyboard step of the next tick has read Up and Z held when the signal comes.
  session.system.held = {Key::Z, Key::Up};
  DemoRecorder& recorder = *session.recorder;
  recorder.Delivering(TimerEvent(0));
  recorder.platform().keyboard.GetKeyState(Key::Up);
  recorder.platform().keyboard.GetKeyState(Key::Z);
  recorder.WriteOnCrash(11);
  const std::string text = recording.text();

  const std::string ending = "tick 5\nkeys Up,Z\ntick\n# the game crashed here, on signal 11\n";
  ASSERT_GE(text.size(), ending.size());
  EXPECT_EQ(text.substr(text.size() - ending.size()), ending);
  std::ostringstream replayOut;
  Session replay(replayOut);
  EXPECT_EQ(Replay(text, &replay).status, 0);
  EXPECT_EQ(replay.Ticks(), 6u);
  EXPECT_EQ(replay.system.held, (std::set<Key>{Key::Up, Key::Z}));
}

// A recording for a file names its format on its first line, then its heading; the trace tool's
// own sessions record bare scripts (above, they open with the settings).
TEST(RecordingFile, OpensWithTheFormatLineAndItsHeadingAndReplaysComplete) {
  StringOutput recording;
  {
    RecordedGame played(recording);
    played.Load();
    played.events.Deliver({WindowEvent::Kind::Close});
    played.recorder.Finish();
  }
  const std::string opening = std::string(kFormatLine) + "\n" + RecordedGame::kHeading + "settings raw ";
  EXPECT_EQ(recording.text().substr(0, opening.size()), opening);
  EXPECT_EQ(Replay(recording.text()).status, kReplayed) << Replay(recording.text()).errors;
}

// On the title screen no check comes; what is recorded is still written out every two seconds,
// and only when it is written changes, not what.
TEST(RecordingFile, IsWrittenOutEveryTwoSecondsBetweenChecks) {
  std::chrono::steady_clock::time_point now{};
  StringOutput waited, unwaited;
  RecordedGame played(waited, [&now] { return now; });
  RecordedGame unhurried(unwaited, [] { return std::chrono::steady_clock::time_point{}; });
  auto both = [&](const std::function<void(RecordedGame&)>& step) {
    step(played);
    step(unhurried);
  };
  both([](RecordedGame& g) { g.Load(); });
  const std::size_t afterLoad = waited.text().size();
  for (const char* name : {"Label7", "Picture2", "Label9", "Picture2"}) {
    both([name](RecordedGame& g) {
      g.Move(name);
      g.events.Deliver(TimerEvent(2));
    });
  }
  EXPECT_EQ(waited.text().size(), afterLoad) << "no check on the title screen, and far from 64 KiB";
  now += DemoRecorder::kWriteOutEvery;
  both([](RecordedGame& g) { g.events.Deliver(TimerEvent(2)); });
  EXPECT_NE(waited.text().find("\nmove Label9\npoll3\nmove Picture2\n", afterLoad), std::string::npos)
      << waited.text().substr(afterLoad);
  EXPECT_EQ(unwaited.text().size(), afterLoad);
  both([](RecordedGame& g) { g.recorder.Finish(); });
  EXPECT_EQ(waited.text(), unwaited.text());
}

}  // namespace
}  // namespace skyscrub::trace
