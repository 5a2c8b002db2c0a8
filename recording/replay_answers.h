#pragma once
// What a replayed game is told when it asks the system something: the answers a recording (or
// a trace script) stated, given back in the order the game asks. The headless replay and the
// game's own playback both answer from this.
#include <cstdint>
#include <deque>
#include <optional>
#include <set>
#include <string>

#include "platform/platform.h"

namespace skyscrub::recording {

struct ReplayAnswers {
  std::set<Key> held;                          // keys held from now on
  std::optional<std::string> settingsContent;  // the settings file; nothing: no file
  DisplaySize screen{1024, 768};               // the desktop size reported
  ModeTest modeTest = ModeTest::Successful;    // what testing any mode answers
  std::deque<MessageAnswer> answers;           // answers for the next message boxes
  std::deque<std::uint64_t> reseeds;           // what the next reseeds from the clock get
  void SetSeed(std::uint64_t seed);

  std::int16_t KeyState(Key key) const;
  // The settings file as the game reads it: nothing when it is larger than a real file may be.
  std::optional<std::string> SettingsFile() const;
  // The next stated answer; without one, what closing the box answers.
  MessageAnswer NextAnswer(MessageButtons buttons);
  // Every reseed from the clock is a new but reproducible seed, unless the script gave it.
  std::uint64_t NextSeed();

 private:
  std::uint64_t seed_ = 1;
  std::uint64_t reseedCount_ = 0;
};

}  // namespace skyscrub::recording
