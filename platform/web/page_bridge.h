#pragma once
// What the game tells the page it runs in, and asks of it.
#include <string_view>

#include "platform/platform.h"

namespace skyscrub::web {

// Tells the page that `what` happened (the first frame shown, a piece of music asked for, the
// end of the game), with `detail`; the page keeps a record of it for the player's controls
// around the canvas and for the browser tests.
void TellPage(std::string_view what, std::string_view detail = {});

// Shows a message box as a dialog on the page and waits, the game standing still, for the
// player to close it; the button pressed.
MessageAnswer AskPage(std::string_view title, std::string_view text, MessageButtons buttons);

}  // namespace skyscrub::web
