// The dialog's display on X11: the one the session names, opened with patience.
#include "setup/display_opening.h"

#include <FL/x.H>

#include <optional>

#include "platform/x11/named_display.h"

namespace skyscrub::setup {

bool OpenDisplay(std::string& whyNot) {
  const std::optional<std::string> named = x11::NamedDisplay();
  if (!named) {
    whyNot = "none named (set DISPLAY)";
    return false;
  }
  Display* first = nullptr;
  if (!x11::KeepTrying([&] { return (first = XOpenDisplay(named->c_str())) != nullptr; })) {
    whyNot = x11::NoDisplayMessage(*named, "every try failed");
    return false;
  }
  // FLTK opens a connection of its own, with its own error handlers, and ends the program if
  // that fails; while this first connection is open the server does not reset, so it does not.
  fl_open_display();
  XCloseDisplay(first);
  return true;
}

}  // namespace skyscrub::setup
