#pragma once
// The X display the session names (DISPLAY), opened with patience. An X server that no display
// manager keeps busy resets whenever its last client leaves, and drops the connections it is
// setting up meanwhile: a program started at that moment would take the display for absent.
// Both programs try again for a short while, then name the display and say why it failed.
#include <functional>
#include <optional>
#include <string>

namespace skyscrub::x11 {

// The display DISPLAY names; nothing when it is unset or empty.
std::optional<std::string> NamedDisplay();

// Calls `tryOpening` until it succeeds, with short pauses, for three seconds at most; whether
// it succeeded.
bool KeepTrying(const std::function<bool()>& tryOpening);

// What to tell the player when `display` never opened: its name, and the reason one more
// connection finds -- or `otherReason` when that connection works.
std::string NoDisplayMessage(const std::string& display, const std::string& otherReason);

}  // namespace skyscrub::x11
