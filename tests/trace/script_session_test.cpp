// The script reader: commands, errors with their line numbers, the fake clock and the end.
#include "tools/trace/script_session.h"

#include <gtest/gtest.h>

#include <sstream>

namespace skyscrub::trace {
namespace {

struct Outcome {
  int status;
  std::string out, errors;
};

Outcome RunText(const std::string& script, Limits limits = {}) {
  std::istringstream in(script);
  std::ostringstream out, errors;
  const int status = RunScript(in, out, errors, limits);
  return {status, out.str(), errors.str()};
}

struct BadScript {
  std::string script;
  std::string error;
};

TEST(RunScript, ReportsTheFirstBadLineWithItsNumberAndStatus2) {
  const BadScript cases[] = {
      {"tock\n", "line 1: unknown command 'tock'\n"},
      {"load\n\n# fine\nset gasCont 1\n", "line 4: unknown name 'gasCont'\n"},
      {"set gasCount 70000\n", "line 1: bad value '70000' for gasCount\n"},
      {"set gasCount\n", "line 1: bad value '' for gasCount\n"},
      {"dump lives nosuch\n", "line 1: unknown name 'nosuch'\n"},
      {"tick x\n", "line 1: expected a count, not 'x'\n"},
      {"poll3 -1\n", "line 1: expected a count, not '-1'\n"},
      {"keys Z,Q\n", "line 1: unknown key 'Q' (Escape Space Left Up Right P Z, or none)\n"},
      {"keys\n", "line 1: unknown key '' (Escape Space Left Up Right P Z, or none)\n"},
      {"answer Maybe\n", "line 1: answer needs OK, Yes or No, not 'Maybe'\n"},
      {"modetest 3\n", "line 1: modetest needs 0, 1 or 2, not '3'\n"},
      {"screen 800\n", "line 1: screen needs a width and a height in 0..32767, not '800'\n"},
      {"settings raw \"10\r\n", "line 1: settings raw needs one quoted text, not '\"10'\n"},
      {"settings raw 10\n", "line 1: settings raw needs one quoted text, not '10'\n"},
      {"settings\n", "line 1: settings needs lines, none or raw \"TEXT\"\n"},
      {"click Label10\n", "line 1: nothing to click named 'Label10'\n"},
      {"move player\n", "line 1: no mouse-move for 'player'\n"},
      {"run soon\n", "line 1: run needs milliseconds, not 'soon'\n"},
      {"seed -1\n", "line 1: seed needs a whole number, not '-1'\n"},
      {"load now\n", "line 1: load takes nothing, not 'now'\n"},
      {"close it\n", "line 1: close takes nothing, not 'it'\n"},
      {"reseed -4\n", "line 1: reseed needs a whole number, not '-4'\n"},
      {"ended now\n", "line 1: ended takes nothing, not 'now'\n"},
      {"check 60\n", "line 1: check needs a tick and a digest\n"},
      {"check x 1f\n", "line 1: check needs a tick and a digest\n"},
      {"check 0 1f nosuch=1\n", "line 1: check has no value named by 'nosuch=1'\n"},
      {"check 0 1f gasCount\n", "line 1: check has no value named by 'gasCount'\n"},
  };
  for (const BadScript& c : cases) {
    const Outcome outcome = RunText(c.script);
    EXPECT_EQ(outcome.status, 2) << c.script;
    EXPECT_EQ(outcome.errors, c.error) << c.script;
  }
}

TEST(RunScript, TheFakeClockEndsInsteadOfOverflowing) {
  std::string script = "set Timer3.Enabled false\n";  // no timer runs
  for (int i = 0; i < 5000; ++i) script += "run 1099511627776\n";  // 2^40 ms each
  const Outcome outcome = RunText(script);
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.errors, "line 4196: run goes past the end of the fake clock\n");
}

TEST(RunScript, PrintsEffectsAndDumpsInTheOrderTheyHappen) {
  const Outcome outcome = RunText(
      "# a comment line\n"
      "settings 10 1 1   # music on\r\n"
      "\n"
      "load\n"
      "dump Timer1.Interval   lblLives.Caption\n"
      "keys Escape\n"
      "poll3\n");
  EXPECT_EQ(outcome.status, 0) << outcome.errors;
  EXPECT_EQ(outcome.out,
            "{\"topmost\":true}\n"
            "{\"music\":\"/components/sound/music1.mid\"}\n"
            "{\"display\":[800,600]}\n"
            "{\"Timer1.Interval\":10,\"lblLives.Caption\":\"Lives: 3\"}\n"
            "{\"display\":[1024,768]}\n"
            "{\"unload\":true}\n"
            "{\"end\":true}\n");
}

class SessionTest : public ::testing::Test {
 protected:
  std::ostringstream out;
  Session session{out};
  int events = 0;

  void SetUp() override {
    session.afterEvent = [this] { ++events; };
  }
  void Execute(std::string_view line) {
    const auto error = session.Execute(line);
    ASSERT_FALSE(error) << line << ": " << *error;
  }
};

TEST_F(SessionTest, SettingsGiveTheFileContent) {
  Execute("settings 10 1 1");
  EXPECT_EQ(session.system.settingsContent, "10\r\n1\r\n1\r\n");
  Execute("settings 10 1");
  EXPECT_EQ(session.system.settingsContent, "10\r\n1\r\n");
  Execute(R"(settings raw "\xEF\xBB\xBF7\r0#1")");  // '#' inside quotes is text
  EXPECT_EQ(session.system.settingsContent, "\xEF\xBB\xBF" "7\r0#1");
  Execute("settings none");
  EXPECT_EQ(session.system.settingsContent, std::nullopt);
}

TEST_F(SessionTest, KeysAnswersScreenAndModeTestReachThePlatform) {
  Execute("keys Left, Up,Z");
  EXPECT_EQ(session.system.held, (std::set<Key>{Key::Left, Key::Up, Key::Z}));
  Execute("keys none");
  EXPECT_TRUE(session.system.held.empty());
  Execute("answer Yes");
  Execute("answer No");
  EXPECT_EQ(session.system.answers, (std::deque<MessageAnswer>{MessageAnswer::Yes, MessageAnswer::No}));
  Execute("screen 640 480");
  EXPECT_EQ(session.system.screen.width, 640);
  EXPECT_EQ(session.system.screen.height, 480);
  Execute("modetest 1");
  EXPECT_EQ(session.system.modeTest, ModeTest::Restart);
}

TEST_F(SessionTest, TimerEventsOnlyWhileTheTimerIsEnabled) {
  Execute("load");
  EXPECT_EQ(events, 2);  // Load and Activate
  Execute("tick 5");
  Execute("poll2 5");
  EXPECT_EQ(events, 2);
  Execute("poll3 4");
  EXPECT_EQ(events, 6);
}

TEST_F(SessionTest, RunFiresTimersAtTheirIntervals) {
  Execute("load");
  events = 0;
  Execute("run 7");  // Timer3 every 1 ms
  EXPECT_EQ(events, 7);
  Execute("set Timer3.Enabled 0");
  Execute("set Timer1.Interval 10");
  Execute("set Timer1.Enabled 1");
  Execute("run 3");  // Timer1 armed now: first due at 10 ms
  EXPECT_EQ(events, 7);
  Execute("run 7");
  EXPECT_EQ(events, 8);
  Execute("run 100");
  EXPECT_EQ(events, 18);
  Execute("set Timer1.Interval 0");  // no period: never due
  Execute("run 100");
  EXPECT_EQ(events, 18);
}

TEST_F(SessionTest, RecordedReseedsComeBeforeTheSeedsOfTheSeedCommand) {
  Execute("seed 1");
  Execute("reseed 77");
  Execute("reseed 78");
  EXPECT_EQ(session.system.reseeds, (std::deque<std::uint64_t>{77, 78}));
  for (const char* line : {"settings 10 1 1", "load", "click Label7", "click Label9"}) Execute(line);
  EXPECT_TRUE(session.system.reseeds.empty()) << "a new game reseeds twice";

  std::ostringstream otherOut;
  Session other(otherOut);
  for (const char* line : {"seed 2", "reseed 77", "reseed 78", "settings 10 1 1", "load", "click Label7", "click Label9"}) {
    ASSERT_FALSE(other.Execute(line)) << line;
  }
  for (std::size_t i = 0; i < 9; ++i) EXPECT_EQ(other.game.CO2[i].Left, session.game.CO2[i].Left) << i;
}

TEST_F(SessionTest, CloseEndsTheProgramAsTheSystemClosingTheWindowDoes) {
  Execute("load");
  out.str("");
  Execute("close");
  EXPECT_TRUE(session.Ended());
  EXPECT_EQ(out.str(), "{\"display\":[1024,768]}\n{\"unload\":true}\n{\"end\":true}\n");
}

TEST_F(SessionTest, NothingReachesAnEndedProgram) {
  Execute("load");
  Execute("click Label8");  // "Quit"
  ASSERT_TRUE(session.Ended());
  events = 0;
  out.str("");
  for (const char* line : {"poll3 5", "run 50", "click Label7", "move Label7", "load", "tick"}) Execute(line);
  EXPECT_EQ(events, 0);
  EXPECT_EQ(out.str(), "");
}

TEST(Limits, BoundTheEventsOfAScript) {
  std::ostringstream out;
  Limits limits;
  limits.maxEvents = 50;
  Session session(out, limits);
  for (const char* line : {"load", "poll3 1000000", "run 1000000000"}) ASSERT_FALSE(session.Execute(line));
  EXPECT_EQ(session.Events(), 50u);
}

TEST(Limits, CanStopEventsOnceTheStateWasPoked) {
  std::ostringstream out;
  Limits limits;
  limits.eventsAfterSet = false;
  Session session(out, limits);
  for (const char* line : {"load", "poll3 3", "set lastGasIndex 500", "poll3 3", "run 10"}) {
    ASSERT_FALSE(session.Execute(line));
  }
  EXPECT_EQ(session.Events(), 5u);
}

}  // namespace
}  // namespace skyscrub::trace
