#include "recording/demo_recorder.h"

#include <limits>
#include <utility>

#include "recording/recording_format.h"
#include "recording/script_words.h"
#include "recording/value_text.h"

namespace skyscrub::recording {

namespace {

// Between checks, written out in pieces of about this much (a long stay on the title screen with
// the mouse moving), so that a recording costs no more memory than this.
constexpr std::size_t kWriteOutAt = 64 * 1024;

using KeyMask = DemoRecorder::KeyMask;
static_assert(kKeys.size() <= std::numeric_limits<KeyMask>::digits, "a key mask holds one bit per key");

KeyMask KeyBit(Key key) {
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if (kKeys[i].value == key) return static_cast<KeyMask>(1u << i);
  }
  return 0;
}

std::string_view EventWord(WindowEvent event) {
  using Kind = WindowEvent::Kind;
  switch (event.kind) {
    case Kind::Load: return "load";
    case Kind::Activate: return "load";
    case Kind::Timer: return kTimerWords[event.index];
    case Kind::MouseMove: return "move";
    case Kind::Click: return "click";
    case Kind::Close: return "close";
  }
  return "";
}

// The event's line without its end, written in pieces that need no memory of their own, so
// that a crash can write it too.
void WriteEvent(ScriptOutput& out, WindowEvent event) {
  out.Write(EventWord(event));
  if (event.kind == WindowEvent::Kind::MouseMove || event.kind == WindowEvent::Kind::Click) {
    out.Write(" ");
    out.Write(kElementEvents[event.index].name);
  }
}

// A signal handler may only write: this formats a number without the library.
void WriteNumber(ScriptOutput& out, int number) {
  char digits[12];
  int n = 0;
  unsigned value = number < 0 ? 0u : static_cast<unsigned>(number);
  do {
    digits[n++] = static_cast<char>('0' + value % 10);
    value /= 10;
  } while (value > 0 && n < 11);
  char text[12];
  for (int i = 0; i < n; ++i) text[i] = digits[n - 1 - i];
  out.Write(std::string_view(text, static_cast<std::size_t>(n)));
}

// The `keys` line for the keys of `held` (one bit each, in the order of kKeys), written in
// pieces that need no memory of their own, so that a crash can write it too.
void WriteKeys(ScriptOutput& out, KeyMask held) {
  out.Write(held == 0 ? "keys none" : "keys ");
  bool first = true;
  for (std::size_t i = 0; i < kKeys.size(); ++i) {
    if ((held & (1u << i)) == 0) continue;
    if (!first) out.Write(",");
    out.Write(kKeys[i].name);
    first = false;
  }
  out.Write("\n");
}

}  // namespace

DemoRecorder::DemoRecorder(Platform& system, ScriptOutput& out, std::optional<std::string_view> heading,
                           Clock clock)
    : recording_(system, *this), out_(out), clock_(std::move(clock)), lastWriteOut_(clock_()) {
  script_.reserve(2 * kWriteOutAt);
  if (heading) script_.append(kFormatLine).append("\n").append(*heading);
}

DemoRecorder::~DemoRecorder() {
  if (!finished_) WriteOut(false);
}

void DemoRecorder::Delivering(WindowEvent event) {
  if (event.kind != WindowEvent::Kind::Activate) readKeys_ = 0;  // a load's inputs run on into its activation
  current_ = event;
}

void DemoRecorder::Delivered(WindowEvent event) {
  using Kind = WindowEvent::Kind;
  current_.reset();
  if (event.kind == Kind::Load) return;  // written with the activation that follows, as `load`
  KeysLine();
  StringOutput line;
  WriteEvent(line, event);
  EventLine(line.text(), event.kind == Kind::Timer);
  if (event.kind == Kind::Activate) {
    Check(true);
  } else if (event == kMainTick && ++ticks_ % kCheckEvery == 0) {
    Check(ticks_ % kFullCheckEvery == 0);
  }
  if (script_.size() >= kWriteOutAt || clock_() - lastWriteOut_ >= kWriteOutEvery) WriteOut(true);
}

void DemoRecorder::Poked(std::string_view line) {
  Line(line);
  EventLine({}, false);
}

void DemoRecorder::Finish() {
  if (finished_) return;
  finished_ = true;
  if (game_ != nullptr) {
    Check(true);
    if (game_->Ended()) EventLine("ended", false);
  }
  WriteOut(false);
}

void DemoRecorder::WriteOnCrash(int signal) {
  out_.Write(script_);
  out_.Write(eventLines_);
  if (const KeyMask keys = KeysNow(); keys != announcedKeys_) WriteKeys(out_, keys);
  if (current_) {
    WriteEvent(out_, *current_);
    out_.Write("\n");
  }
  out_.Write(kCrashNote);
  WriteNumber(out_, signal);
  out_.Write("\n");
}

void DemoRecorder::KeyRead(Key key, bool held) {
  const KeyMask bit = KeyBit(key);
  readKeys_ |= bit;
  heldKeys_ = held ? heldKeys_ | bit : heldKeys_ & ~bit;
}

void DemoRecorder::FileRead(const std::optional<std::string>& content) {
  Line(content ? "settings raw " + QuoteText(*content) : std::string("settings none"));
}

void DemoRecorder::ScreenRead(DisplaySize size) {
  Line("screen " + std::to_string(size.width) + " " + std::to_string(size.height));
}

void DemoRecorder::ModeTested(ModeTest result) {
  if (result == announcedModeTest_) return;
  announcedModeTest_ = result;
  Line("modetest " + std::string(NameOf(kModeTests, result)));
}

void DemoRecorder::Answered(MessageAnswer answer) { Line("answer " + std::string(NameOf(kAnswers, answer))); }

void DemoRecorder::Reseeded(std::uint64_t seed) { Line("reseed " + std::to_string(seed)); }

void DemoRecorder::Line(std::string_view text) { eventLines_.append(text).append("\n"); }

// Only the keys the event asked for are known; the others stay as the replay holds them.
DemoRecorder::KeyMask DemoRecorder::KeysNow() const {
  return static_cast<KeyMask>((announcedKeys_ & ~readKeys_) | (heldKeys_ & readKeys_));
}

void DemoRecorder::KeysLine() {
  const KeyMask keys = KeysNow();
  if (keys == announcedKeys_) return;
  announcedKeys_ = keys;
  StringOutput line;
  WriteKeys(line, keys);
  eventLines_.append(line.text());
}

void DemoRecorder::EventLine(std::string_view text, bool repeatable) {
  if (repeatable && eventLines_.empty() && repeatAt_ && repeatWord_ == text) {
    script_.resize(*repeatAt_);
    ++repeatCount_;
  } else {
    script_.append(eventLines_);
    eventLines_.clear();
    repeatAt_.reset();
    if (text.empty()) return;
    if (repeatable) {
      repeatAt_ = script_.size();
      repeatWord_ = text;
      repeatCount_ = 1;
    }
  }
  script_.append(text);
  if (repeatAt_ && repeatCount_ > 1) script_.append(" ").append(std::to_string(repeatCount_));
  script_.append("\n");
}

// Each check is written out at once: a game killed outright still leaves its recording up to
// its last check, and one write per check costs nothing the game would notice.
void DemoRecorder::Check(bool full) {
  if (game_ == nullptr) return;
  EventLine("check " + FormatCheck(state_.CheckOf(StateValues(*game_), ticks_, full)), false);
  WriteOut(false);
}

void DemoRecorder::WriteOut(bool keepLastLine) {
  const std::size_t keep = keepLastLine && repeatAt_ ? *repeatAt_ : script_.size();
  out_.Write(std::string_view(script_).substr(0, keep));
  out_.WrittenOut(ticks_);
  lastWriteOut_ = clock_();
  script_.erase(0, keep);
  if (repeatAt_) repeatAt_ = 0;
  if (!keepLastLine) repeatAt_.reset();
}

}  // namespace skyscrub::recording
