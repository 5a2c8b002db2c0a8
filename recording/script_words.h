#pragma once
// The words of the trace script that name the game's inputs, shared by the script reader and
// the recorder that writes scripts.
#include <array>
#include <optional>
#include <string_view>

#include "game/window_events.h"
#include "platform/platform.h"

namespace skyscrub::recording {

template <class T>
struct Named {
  std::string_view name;
  T value;
};

template <class T, std::size_t N>
std::optional<T> Lookup(const std::array<Named<T>, N>& table, std::string_view name) {
  for (const auto& entry : table) {
    if (entry.name == name) return entry.value;
  }
  return std::nullopt;
}

template <class T, std::size_t N>
std::string_view NameOf(const std::array<Named<T>, N>& table, T value) {
  for (const auto& entry : table) {
    if (entry.value == value) return entry.name;
  }
  return {};
}

// The command that delivers each timer's events, in the order of kTimerEvents.
inline constexpr std::array<std::string_view, kTimerEvents.size()> kTimerWords{"tick", "poll2", "poll3"};

inline constexpr std::array<Named<Key>, 7> kKeys{{
    {"Escape", Key::Escape},
    {"Space", Key::Space},
    {"Left", Key::Left},
    {"Up", Key::Up},
    {"Right", Key::Right},
    {"P", Key::P},
    {"Z", Key::Z},
}};

inline constexpr std::array<Named<MessageAnswer>, 3> kAnswers{{
    {"OK", MessageAnswer::Ok},
    {"Yes", MessageAnswer::Yes},
    {"No", MessageAnswer::No},
}};

inline constexpr std::array<Named<ModeTest>, 3> kModeTests{{
    {"0", ModeTest::Successful},
    {"1", ModeTest::Restart},
    {"2", ModeTest::NotPossible},
}};

}  // namespace skyscrub::recording
