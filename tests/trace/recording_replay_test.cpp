// Recordings are files players send each other: a replay must tell a complete recording from
// one cut short, whatever the cut, and a hostile file must get a clear answer in bounded time
// and memory.
#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "recording/recording_format.h"
#include "tools/trace/script_lines.h"
#include "tools/trace/script_session.h"

namespace skyscrub::trace {
namespace {

struct Outcome {
  int status;
  std::string errors;
};

Outcome Replay(const std::string& script, Limits limits = {}) {
  std::istringstream in(script);
  std::ostringstream out, errors;
  const int status = RunScript(in, out, errors, limits);
  return {status, errors.str()};
}

// A whole game as the recorder wrote it, from load to `ended`, without the heading a file has.
std::string RecordedGame() {
  std::ifstream file(SKYSCRUB_TRACE_FIXTURES "/recorded_game.trace", std::ios::binary);
  std::ostringstream text;
  text << file.rdbuf();
  return text.str();
}

// The headings of recordings: today's format line, and the heading of those made before it.
const std::string kHeadings[] = {
    std::string(recording::kFormatLine) + "\n# A game of Skyscrub 1.0, recorded with --record a.trace\n",
    "# A game of Skyscrub 1.0, recorded with --record a.trace\n# Replay it with: skyscrub-trace a.trace\n",
};

TEST(RecordingReplay, ACompleteRecordingReplaysInEitherFormat) {
  for (const std::string& heading : kHeadings) {
    const Outcome outcome = Replay(heading + RecordedGame());
    EXPECT_EQ(outcome.status, kReplayed) << heading << outcome.errors;
  }
}

TEST(RecordingReplay, NoCutOfARecordingPassesAndEveryOneIsReportedCutOff) {
  std::mt19937_64 random(21);
  for (const std::string& heading : kHeadings) {
    const std::string whole = heading + RecordedGame();
    std::vector<std::size_t> cuts{0, 1, heading.size() / 2, heading.size(), whole.size() - 1, whole.size() - 2};
    for (int i = 0; i < 150; ++i) cuts.push_back(std::uniform_int_distribution<std::size_t>(0, whole.size() - 1)(random));
    for (const std::size_t cut : cuts) {
      const Outcome outcome = Replay(whole.substr(0, cut));
      EXPECT_EQ(outcome.status, kCutOff) << "cut at " << cut << " of " << whole.size() << ": " << outcome.errors;
    }
  }
}

// `tick 60` cut to `tick 6`: the replay is six ticks behind the check that would have come.
TEST(RecordingReplay, ACountCutShortIsReportedCutOffNotAsADifference) {
  const std::string whole = kHeadings[0] + RecordedGame();
  const std::size_t at = whole.find("\ntick 60\n");
  ASSERT_NE(at, std::string::npos);
  const Outcome outcome = Replay(whole.substr(0, at + 7));
  EXPECT_EQ(outcome.status, kCutOff);
  EXPECT_NE(outcome.errors.find("the recording is cut off here"), std::string::npos) << outcome.errors;
}

struct Case {
  const char* what;
  std::string script;
  int status;
  std::string error;  // the start of what is reported
};

TEST(RecordingReplay, AnswersEveryKindOfDamage) {
  const std::string whole = kHeadings[0] + RecordedGame();
  std::string edited = whole;
  edited.replace(edited.find("\ntick 60\n"), 9, "\ntick 59\nkeys Left\ntick\n");
  const std::string cutAndBad = whole.substr(0, whole.find("\ntick 60\n")) + "\ntock\ntick\n";
  const std::string cutInADigest = whole.substr(0, whole.rfind("\ncheck ") + 15);
  const Case cases[] = {
      {"a check the replay does not match, in a complete recording", edited, kDesync, "line "},
      {"a bad line in a recording cut short", cutAndBad, kCutOff, "line "},
      {"a check cut in its digest", cutInADigest, kCutOff, "line "},
      {"a format this tool does not know", "# skyscrub recording 3\nload\nended\n", kBadLine,
       "line 1: this recording's format is not one"},
      {"an empty file", "", kCutOff, "the script is empty: a recording cut off before its first line"},
      {"the start of the format line alone", "# skyscrub rec", kCutOff, "line 1: the recording is cut off here"},
      {"a complete recording that lost its last line end", whole.substr(0, whole.size() - 1), kCutOff, "line "},
      {"a hand-written script, which needs no end", "settings 10 0 0\nload\npoll3 5", kReplayed, ""},
      {"a crash's recording", kHeadings[0] + "load\n# the game crashed here, on signal 11\n", kReplayed, ""},
  };
  for (const Case& c : cases) {
    const Outcome outcome = Replay(c.script);
    EXPECT_EQ(outcome.status, c.status) << c.what << ": " << outcome.errors;
    EXPECT_EQ(outcome.errors.substr(0, c.error.size()), c.error) << c.what;
  }
  EXPECT_NE(Replay(cutAndBad).errors.find("(before the end, line "), std::string::npos);
  EXPECT_NE(Replay(cutAndBad).errors.find(": unknown command 'tock')"), std::string::npos);
}

// Counts no game could reach end at the replay's limit, with status 4, rather than after hours.
TEST(RecordingReplay, TheWorkOfAReplayIsBounded) {
  EXPECT_LT(Limits{}.maxEvents, std::uint64_t{1} << 32) << "a replay's default limit is one that ends in minutes";
  const Limits small = Limits::ForEvents(5000);
  const std::string game = "settings 10 0 0\nload\nclick Label7\nclick Label9\nset lives 30000\n";
  const Case cases[] = {
      {"a count on the title", "settings 10 0 0\nload\npoll3 9223372036854775807\ndump\n", kOverLimit,
       "line 3: the replay reached its limit of 5000 events"},
      {"a long run in a game", game + "run 1099511627776\n", kOverLimit,
       "line 6: the replay reached its limit of 5000 events"},
      {"checks and dumps without end", "load\n" + [] {
         std::string dumps;
         for (int i = 0; i < 200; ++i) dumps += "dump\n";
         return dumps;
       }(), kOverLimit, "line 102: the replay reached its limit of 100 checks and dumps"},
  };
  for (const Case& c : cases) {
    const Outcome outcome = Replay(c.script, small);
    EXPECT_EQ(outcome.status, c.status) << c.what << ": " << outcome.errors;
    EXPECT_EQ(outcome.errors.substr(0, c.error.size()), c.error) << c.what;
  }
}

TEST(RecordingReplay, LongLinesAreRefusedAndBadWordsQuotedByTheirStartOnly) {
  const std::string longWord(ScriptLines::kLongest + 1, 'x');
  const Outcome tooLong = Replay("load\n" + longWord + "\nload\n");
  EXPECT_EQ(tooLong.status, kBadLine);
  EXPECT_EQ(tooLong.errors, "line 2: the line is longer than 65536 characters, far longer than any line of a script "
                            "or recording\n");
  const Outcome badWord = Replay("keys " + std::string(1000, 'Q') + "\n");
  EXPECT_EQ(badWord.status, kBadLine);
  EXPECT_EQ(badWord.errors, "line 1: unknown key '" + std::string(40, 'Q') +
                                "...' (Escape Space Left Up Right P Z, or none)\n");
  // A settings file the game reads may be longer than any other line, and is written whole.
  const Outcome settings = Replay("settings raw \"" + std::string(100000, '7') + "\"\nload\n");
  EXPECT_EQ(settings.status, kReplayed) << settings.errors;
  EXPECT_EQ(Replay("settings " + std::string(100000, '7') + "\n").status, kBadLine) << "the recorder writes no such line";
}

// A recording gives each answer and reseed just before the event that takes it.
TEST(RecordingReplay, AnswersAndReseedsWaitingForTheGameAreFew) {
  std::string answers, reseeds;
  for (int i = 0; i <= 1000; ++i) answers += "answer OK\n", reseeds += "reseed 1\n";
  EXPECT_EQ(Replay(answers).errors, "line 1001: more than 1000 answers wait\n");
  EXPECT_EQ(Replay(reseeds).errors, "line 1001: more than 1000 reseeds wait\n");
}

}  // namespace
}  // namespace skyscrub::trace
