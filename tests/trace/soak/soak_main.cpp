// skyscrub-soak: plays many random games through the trace script reader and checks the
// game's invariants after every event. A session that breaks one is written out as a trace
// script that replays it with skyscrub-trace. Every session is also recorded, as the game
// records itself, and the recording must replay to all of its checks.
//
//   skyscrub-soak [--ticks N] [--seed FIRST]   play sessions FIRST, FIRST+1, ... until N main ticks
//   skyscrub-soak --seed S --script            print the script of session S and stop
#include <algorithm>
#include <array>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>

#include "tests/trace/soak/soak_invariants.h"
#include "tests/trace/soak/soak_player.h"
#include "tools/trace/script_session.h"

namespace skyscrub::soak {

namespace {

// A game that lasts this many main ticks is ended by Escape, so every session finishes.
constexpr std::uint64_t kLongestGame = 60000;

struct Totals {
  std::uint64_t ticks = 0, events = 0, sessions = 0;
  std::uint64_t recordedBytes = 0;
  std::array<std::uint64_t, 4> endings{};
};

struct Failure {
  std::string rule;
  std::string script;     // up to the line in which the rule broke
  std::string recording;  // the session's recording, when that is what failed
};

class NullBuffer : public std::streambuf {
 protected:
  int overflow(int c) override { return c; }
};

class SoakSession {
 public:
  SoakSession(std::uint64_t seed, std::ostream& out) : session_(out, {}, &recording_), player_(seed) {
    session_.afterEvent = [this] { Check(); };
  }

  std::optional<Failure> Play(Totals& totals) {
    bool forcedQuit = false;
    for (auto lines = player_.Opening(); !lines.empty(); lines = player_.Next(session_.game)) {
      for (const std::string& line : lines) {
        if (auto failure = Execute(line, totals)) return failure;
        if (session_.Ended()) break;
      }
      if (session_.Ended()) break;
      if (context_.inGame && gameTicks_ > kLongestGame && !forcedQuit) {
        forcedQuit = true;
        lines = {"keys Escape", "tick", "poll2"};
        for (const std::string& line : lines) {
          if (auto failure = Execute(line, totals)) return failure;
        }
      }
    }
    totals.events += session_.Events();
    ++totals.sessions;
    std::optional<Failure> failure = Replay();
    totals.recordedBytes += recording_.text().size();
    return failure;
  }

  const std::string& Script() const { return script_; }

 private:
  // The recording of the whole session replays with every check matched.
  std::optional<Failure> Replay() {
    session_.FinishRecording();
    std::istringstream recording(recording_.text());
    NullBuffer nothing;
    std::ostream sink(&nothing);
    std::ostringstream errors;
    if (trace::RunScript(recording, sink, errors) == 0) return std::nullopt;
    return Failure{"in the replay of its recording: " + errors.str(), script_, recording_.text()};
  }

  std::optional<Failure> Execute(const std::string& line, Totals& totals) {
    script_ += line + "\n";
    const std::uint64_t before = session_.Events();
    if (const auto error = session_.Execute(line)) return Failure{"the script was refused: " + *error, script_, {}};
    if (broken_) {
      CutAtTheBrokenEvent(line, before);
      return Failure{*broken_, script_, {}};
    }
    if (line.rfind("tick", 0) == 0) {
      totals.ticks += session_.Events() - before;
      gameTicks_ += session_.Events() - before;
    }
    Follow(line, totals);
    return std::nullopt;
  }

  // A counted command (tick 17) is cut to the event that broke the rule (tick 16), so that
  // the script's final dump shows the broken state.
  void CutAtTheBrokenEvent(const std::string& line, std::uint64_t eventsBefore) {
    const std::size_t blank = line.find(' ');
    const std::string word = line.substr(0, blank);
    if (word != "tick" && word != "poll2" && word != "poll3") return;
    script_.resize(script_.size() - line.size() - 1);
    script_ += word + " " + std::to_string(brokenAt_ - eventsBefore) + "\n";
  }

  // Notes the start and the end of each game.
  void Follow(const std::string& line, Totals& totals) {
    const GameWindow& g = session_.game;
    if (line == "click Label9") {
      context_.inGame = true;
      gameTicks_ = 0;
      return;
    }
    if (!context_.inGame) return;
    std::optional<Ending> ending;
    if (g.WinScreen.Visible) {
      ending = Ending::Won;
    } else if (g.LoseScreen.Visible) {
      ending = g.Temp1.Width > 114 ? Ending::LostByTemperature : Ending::LostByLives;
    } else if (session_.Ended()) {
      ending = Ending::Quit;
    }
    if (!ending) return;
    ++totals.endings[static_cast<std::size_t>(*ending)];
    context_.inGame = false;
  }

  void Check() {
    const GameWindow& g = session_.game;
    context_.largestCfcInterval = std::max(context_.largestCfcInterval, g.cfcInterval);
    context_.largestGasInterval = std::max(context_.largestGasInterval, g.gasInterval);
    if (broken_) return;
    if (auto rule = BrokenInvariant(g, context_)) {
      brokenAt_ = session_.Events();
      broken_ = "after event " + std::to_string(brokenAt_) + ": " + *rule;
    }
  }

  recording::StringOutput recording_;
  trace::Session session_;
  RandomPlayer player_;
  GameContext context_;
  std::optional<std::string> broken_;
  std::uint64_t brokenAt_ = 0;  // the number of the event after which a rule broke
  std::string script_;
  std::uint64_t gameTicks_ = 0;
};

struct Options {
  std::uint64_t ticks = 1000000;
  std::uint64_t seed = 1;
  bool script = false;
};

std::optional<Options> ReadOptions(int argc, char** argv) {
  Options options;
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--script") {
      options.script = true;
    } else if ((arg == "--ticks" || arg == "--seed") && i + 1 < argc) {
      char* end = nullptr;
      const std::uint64_t value = std::strtoull(argv[++i], &end, 10);
      if (*end != '\0') return std::nullopt;
      (arg == "--ticks" ? options.ticks : options.seed) = value;
    } else {
      return std::nullopt;
    }
  }
  return options;
}

}  // namespace

int Main(int argc, char** argv) {
  const std::optional<Options> options = ReadOptions(argc, argv);
  if (!options) {
    std::cerr << "usage: skyscrub-soak [--ticks N] [--seed FIRST] | --seed S --script\n";
    return 2;
  }
  NullBuffer nothing;
  std::ostream sink(&nothing);
  Totals totals;
  if (options->script) {
    SoakSession session(options->seed, sink);
    session.Play(totals);
    std::cout << session.Script();
    return 0;
  }
  for (std::uint64_t seed = options->seed; totals.ticks < options->ticks; ++seed) {
    SoakSession session(seed, sink);
    if (const auto failure = session.Play(totals)) {
      const std::string file = "soak-seed-" + std::to_string(seed) + ".trace";
      std::ofstream(file) << failure->script << "dump\n";
      if (!failure->recording.empty()) {
        std::ofstream("soak-seed-" + std::to_string(seed) + ".recording.trace") << failure->recording;
      }
      std::cerr << "soak: session seed " << seed << " broke a rule " << failure->rule << "\n"
                << "soak: replay with: skyscrub-trace < " << file << "   (or skyscrub-soak --seed " << seed
                << " --script)\n";
      return 1;
    }
  }
  std::cout << "soak: " << totals.ticks << " main ticks, " << totals.events << " events, " << totals.sessions
            << " sessions; games:";
  bool allEndings = true;
  for (std::size_t e = 0; e < totals.endings.size(); ++e) {
    std::cout << (e ? ", " : " ") << kEndingNames[e] << " " << totals.endings[e];
    allEndings = allEndings && totals.endings[e] > 0;
  }
  // At 10 ms a main tick, ten minutes of play are 60000 ticks.
  std::cout << "\nsoak: recordings " << totals.recordedBytes << " bytes, "
            << totals.recordedBytes * 60000 / std::max<std::uint64_t>(totals.ticks, 1) << " bytes per 60000 main ticks\n";
  if (!allEndings) {
    std::cerr << "soak: not every ending of a game occurred\n";
    return 1;
  }
  return 0;
}

}  // namespace skyscrub::soak

int main(int argc, char** argv) { return skyscrub::soak::Main(argc, argv); }
