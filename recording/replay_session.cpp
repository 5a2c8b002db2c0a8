#include "recording/replay_session.h"

#include <array>
#include <istream>
#include <set>
#include <tuple>
#include <ostream>
#include <utility>
#include <vector>

#include "recording/script_words.h"
#include "recording/value_text.h"

namespace skyscrub::recording {

namespace {

constexpr std::string_view kBlanks = " \t\r";

std::string_view Trim(std::string_view text) {
  const std::size_t first = text.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// The first word of `text`, and the trimmed rest after it.
std::pair<std::string_view, std::string_view> SplitWord(std::string_view text) {
  text = Trim(text);
  const std::size_t end = text.find_first_of(kBlanks);
  if (end == std::string_view::npos) return {text, {}};
  return {text.substr(0, end), Trim(text.substr(end))};
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  for (auto [word, rest] = SplitWord(text); !word.empty(); std::tie(word, rest) = SplitWord(rest)) {
    words.push_back(word);
  }
  return words;
}

// `#` starts a comment, except inside a quoted text.
std::string_view StripComment(std::string_view line) {
  bool quoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (quoted && line[i] == '\\') {
      ++i;
    } else if (line[i] == '"') {
      quoted = !quoted;
    } else if (!quoted && line[i] == '#') {
      return line.substr(0, i);
    }
  }
  return line;
}

// Errors quote only the start of a long word.
std::string Quote(std::string_view text) { return QuoteWord(text); }

// A recording gives each message box and reseed its answer just before the event that asks;
// a script that queues more than this is no recording.
constexpr std::size_t kMostWaiting = 1000;

// The optional count of tick, poll2 and poll3.
std::optional<std::int64_t> Count(std::string_view args) {
  if (args.empty()) return 1;
  return ParseInteger(args, 0, std::numeric_limits<std::int64_t>::max());
}

}  // namespace

const ReplaySession::Command ReplaySession::kCommands[] = {
    {"seed", &ReplaySession::Seed},     {"settings", &ReplaySession::Settings}, {"answer", &ReplaySession::Answer},
    {"screen", &ReplaySession::Screen}, {"modetest", &ReplaySession::ModeTestCommand}, {"load", &ReplaySession::Load},
    {"click", &ReplaySession::Click},   {"move", &ReplaySession::Move},         {"keys", &ReplaySession::Keys},
    {"tick", &ReplaySession::Tick},     {"poll2", &ReplaySession::Poll2},       {"poll3", &ReplaySession::Poll3},
    {"run", &ReplaySession::Run},       {"close", &ReplaySession::Close},       {"reseed", &ReplaySession::Reseed},
    {"set", &ReplaySession::Set},       {"dump", &ReplaySession::Dump},         {"check", &ReplaySession::Check},
    {"ended", &ReplaySession::EndedCommand},
};

ReplaySession::ReplaySession(ReplaySystem& system, std::ostream& out, Limits limits, ScriptOutput* record)
    : recorder(record != nullptr ? std::make_unique<DemoRecorder>(system.GamePlatform(), *record) : nullptr),
      game(recorder ? recorder->platform() : system.GamePlatform()),
      system_(system),
      out_(out),
      limits_(limits) {
  if (recorder) recorder->Watch(game);
}

void ReplaySession::FinishRecording() {
  if (recorder) recorder->Finish();
}

std::optional<std::string> ReplaySession::Execute(std::string_view line) {
  const auto [word, args] = SplitWord(StripComment(line));
  if (word.empty()) return std::nullopt;
  for (const Command& command : kCommands) {
    if (command.word != word) continue;
    Error error = (this->*command.run)(args);
    PrintEffects();
    return error;
  }
  return "unknown command " + Quote(word);
}

void ReplaySession::PrintEffects() { system_.Report(out_); }

bool ReplaySession::Deliver(WindowEvent event) {
  if (Ended() || (poked_ && !limits_.eventsAfterSet)) return false;
  if (delivered_ >= limits_.maxEvents) {
    Exceed(limits_.maxEvents, "events");
    return false;
  }
  if (!events_.Deliver(event)) return false;
  ++delivered_;
  if (event == kMainTick) ++ticks_;
  PrintEffects();  // as they happen: a long count holds none of them in memory
  if (afterEvent) afterEvent();
  return true;
}

bool ReplaySession::DeliverNow(WindowEvent event) {
  if (!Deliver(event)) return false;
  schedule_.Observe(now_);  // the handler may have switched timers on or off
  return true;
}

bool ReplaySession::ReadState() {
  if (stateReads_ >= limits_.maxStateReads) {
    Exceed(limits_.maxStateReads, "checks and dumps");
    return false;
  }
  ++stateReads_;
  return true;
}

void ReplaySession::Exceed(std::uint64_t limit, std::string_view what) {
  overLimit_ = "the replay reached its limit of " + std::to_string(limit) + " " + std::string(what) +
               " (skyscrub-trace --max-events raises it)";
}

ReplaySession::Error ReplaySession::Mismatch(std::string message) {
  mismatched_ = true;
  return "event " + std::to_string(delivered_) + ", tick " + std::to_string(ticks_) + ": " + message;
}

ReplaySession::Error ReplaySession::Seed(std::string_view args) {
  const auto seed = ParseInteger(args, 0, std::numeric_limits<std::int64_t>::max());
  if (!seed) return "seed needs a whole number, not " + Quote(args);
  system_.Answers().SetSeed(static_cast<std::uint64_t>(*seed));
  return std::nullopt;
}

ReplaySession::Error ReplaySession::Settings(std::string_view args) {
  const auto [first, rest] = SplitWord(args);
  if (first == "none" && rest.empty()) {
    system_.Answers().settingsContent.reset();
    return std::nullopt;
  }
  if (first == "raw") {
    const auto text = rest.empty() || rest.front() != '"' ? std::nullopt : ParseText(rest);
    if (!text) return "settings raw needs one quoted text, not " + Quote(rest);
    system_.Answers().settingsContent = *text;
    return std::nullopt;
  }
  const std::vector<std::string_view> lines = Words(args);
  if (lines.empty()) return std::string("settings needs lines, none or raw \"TEXT\"");
  std::string content;
  for (const std::string_view l : lines) (content += l) += "\r\n";
  system_.Answers().settingsContent = std::move(content);
  return std::nullopt;
}

ReplaySession::Error ReplaySession::Answer(std::string_view args) {
  const auto answer = Lookup(kAnswers, args);
  if (!answer) return "answer needs OK, Yes or No, not " + Quote(args);
  if (system_.Answers().answers.size() >= kMostWaiting) return "more than " + std::to_string(kMostWaiting) + " answers wait";
  system_.Answers().answers.push_back(*answer);
  return std::nullopt;
}

ReplaySession::Error ReplaySession::Screen(std::string_view args) {
  const std::vector<std::string_view> size = Words(args);
  const auto width = size.size() == 2 ? ParseInteger(size[0], 0, 32767) : std::nullopt;
  const auto height = size.size() == 2 ? ParseInteger(size[1], 0, 32767) : std::nullopt;
  if (!width || !height) return "screen needs a width and a height in 0..32767, not " + Quote(args);
  system_.Answers().screen = {static_cast<std::int32_t>(*width), static_cast<std::int32_t>(*height)};
  return std::nullopt;
}

ReplaySession::Error ReplaySession::ModeTestCommand(std::string_view args) {
  const auto answer = Lookup(kModeTests, args);
  if (!answer) return "modetest needs 0, 1 or 2, not " + Quote(args);
  system_.Answers().modeTest = *answer;
  return std::nullopt;
}

ReplaySession::Error ReplaySession::Load(std::string_view args) {
  if (!args.empty()) return "load takes nothing, not " + Quote(args);
  if (DeliverNow({WindowEvent::Kind::Load})) DeliverNow({WindowEvent::Kind::Activate});
  return std::nullopt;
}

ReplaySession::Error ReplaySession::Click(std::string_view args) {
  const auto index = ElementEventsNamed(args);
  if (!index || kElementEvents[*index].click == nullptr) return "nothing to click named " + Quote(args);
  DeliverNow({WindowEvent::Kind::Click, static_cast<std::uint8_t>(*index)});
  return std::nullopt;
}

ReplaySession::Error ReplaySession::Move(std::string_view args) {
  const auto index = ElementEventsNamed(args);
  if (!index) return "no mouse-move for " + Quote(args);
  DeliverNow({WindowEvent::Kind::MouseMove, static_cast<std::uint8_t>(*index)});
  return std::nullopt;
}

ReplaySession::Error ReplaySession::Close(std::string_view args) {
  if (!args.empty()) return "close takes nothing, not " + Quote(args);
  DeliverNow({WindowEvent::Kind::Close});
  return std::nullopt;
}

ReplaySession::Error ReplaySession::Reseed(std::string_view args) {
  const auto seed = ParseInteger(args, 0, std::numeric_limits<std::int64_t>::max());
  if (!seed) return "reseed needs a whole number, not " + Quote(args);
  if (system_.Answers().reseeds.size() >= kMostWaiting) return "more than " + std::to_string(kMostWaiting) + " reseeds wait";
  system_.Answers().reseeds.push_back(static_cast<std::uint64_t>(*seed));
  return std::nullopt;
}

ReplaySession::Error ReplaySession::Keys(std::string_view args) {
  std::set<Key> held;
  if (args != "none") {
    std::string_view rest = args;
    while (true) {
      const std::size_t comma = rest.find(',');
      const std::string_view name = Trim(rest.substr(0, comma));
      const auto key = Lookup(kKeys, name);
      if (!key) return "unknown key " + Quote(name) + " (Escape Space Left Up Right P Z, or none)";
      held.insert(*key);
      if (comma == std::string_view::npos) break;
      rest = rest.substr(comma + 1);
    }
  }
  system_.Answers().held = std::move(held);
  return std::nullopt;
}

ReplaySession::Error ReplaySession::Repeat(std::string_view args, std::size_t index) {
  const auto count = Count(args);
  if (!count) return "expected a count, not " + Quote(args);
  const Timer& timer = game.*kTimerEvents[index].timer;
  for (std::int64_t i = 0; i < *count && timer.Enabled; ++i) {
    if (!DeliverNow(TimerEvent(index))) break;
  }
  return std::nullopt;
}

ReplaySession::Error ReplaySession::Tick(std::string_view args) { return Repeat(args, 0); }
ReplaySession::Error ReplaySession::Poll2(std::string_view args) { return Repeat(args, 1); }
ReplaySession::Error ReplaySession::Poll3(std::string_view args) { return Repeat(args, 2); }

// The game's own schedule on the fake clock: each tick runs at the moment it falls due.
ReplaySession::Error ReplaySession::Run(std::string_view args) {
  constexpr std::int64_t kLongest = std::int64_t{1} << 40;
  constexpr TimerSchedule::Micros kClockEnd = TimerSchedule::Micros{1} << 62;
  const auto ms = ParseInteger(args, 0, kLongest);
  if (!ms) return "run needs milliseconds, not " + Quote(args);
  const TimerSchedule::Micros until = now_ + *ms * 1000;
  if (until > kClockEnd) return std::string("run goes past the end of the fake clock");
  ScheduledTicks ticks{*this};
  schedule_.RunDue(now_, until, ticks);
  now_ = until;
  return std::nullopt;
}

ReplaySession::Error ReplaySession::Set(std::string_view args) {
  const auto [name, value] = SplitWord(args);
  const NamedValue* target = NameTable::Get().Find(name);
  if (!target) return "unknown name " + Quote(name);
  if (!target->write(game, value)) return "bad value " + Quote(value) + " for " + std::string(name);
  poked_ = true;
  if (recorder) recorder->Poked("set " + std::string(args));
  return std::nullopt;
}

ReplaySession::Error ReplaySession::Dump(std::string_view args) {
  if (!ReadState()) return std::nullopt;
  std::vector<const NamedValue*> chosen;
  for (const std::string_view name : Words(args)) {
    const NamedValue* value = NameTable::Get().Find(name);
    if (!value) return "unknown name " + Quote(name);
    chosen.push_back(value);
  }
  if (chosen.empty()) {
    for (const NamedValue& value : NameTable::Get().All()) chosen.push_back(&value);
  }
  std::string line = "{";
  for (const NamedValue* value : chosen) {
    if (line.size() > 1) line += ',';
    line += JsonQuoted(value->name) + ":" + value->read(game);
  }
  out_ << line << "}\n";
  return std::nullopt;
}

ReplaySession::Error ReplaySession::Check(std::string_view args) {
  std::string error;
  const std::optional<StateCheck> check = ParseCheck(args, error);
  if (!check) return error;
  if (!ReadState()) return std::nullopt;
  recorded_.Take(*check);
  const std::vector<std::string> values = StateValues(game);
  if (check->tick != ticks_) return Mismatch("the recording has tick " + std::to_string(check->tick) + " here");
  if (StateDigest(values) == check->digest) return std::nullopt;
  const std::vector<std::string> differences = recorded_.Differences(values, *check);
  if (differences.empty()) {
    return Mismatch(check->full ? "the state differs from the recording's digest"
                                : "the scene's elements differ from the recording (its game variables agree)");
  }
  constexpr std::size_t kNamedAtMost = 12;
  std::string message = "the state differs from the recording: ";
  for (std::size_t i = 0; i < differences.size() && i < kNamedAtMost; ++i) message += (i ? "; " : "") + differences[i];
  if (differences.size() > kNamedAtMost) message += "; and " + std::to_string(differences.size() - kNamedAtMost) + " more";
  return Mismatch(message);
}

ReplaySession::Error ReplaySession::EndedCommand(std::string_view args) {
  if (!args.empty()) return "ended takes nothing, not " + Quote(args);
  if (!Ended()) return Mismatch("the recorded game ended here, the replay goes on");
  return std::nullopt;
}

}  // namespace skyscrub::recording
