#include "platform/x11/named_display.h"

#include <xcb/xcb.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <thread>

namespace skyscrub::x11 {

namespace {

constexpr std::chrono::milliseconds kPatience{3000};
constexpr std::chrono::milliseconds kPause{50};

// Why a connection to `display` fails; empty when it works.
std::string WhyNoConnection(const std::string& display) {
  errno = 0;
  int screen = 0;  // asking for it has the screen checked too
  xcb_connection_t* connection = xcb_connect(display.c_str(), &screen);
  const int error = xcb_connection_has_error(connection);
  const int systemError = errno;
  xcb_disconnect(connection);
  switch (error) {
    case 0:
      return "";
    case XCB_CONN_CLOSED_PARSE_ERR:
      return "not the name of a display";
    case XCB_CONN_CLOSED_INVALID_SCREEN:
      return "the X server there has no such screen";
    case XCB_CONN_ERROR:
      if (systemError == ENOENT || systemError == ECONNREFUSED) return "no X server runs there";
      [[fallthrough]];
    default:
      return "the X server there refused or dropped the connection";
  }
}

}  // namespace

std::optional<std::string> NamedDisplay() {
  const char* name = std::getenv("DISPLAY");
  if (name == nullptr || *name == '\0') return std::nullopt;
  return std::string(name);
}

bool KeepTrying(const std::function<bool()>& tryOpening) {
  const auto giveUp = std::chrono::steady_clock::now() + kPatience;
  while (!tryOpening()) {
    if (std::chrono::steady_clock::now() + kPause > giveUp) return false;
    std::this_thread::sleep_for(kPause);
  }
  return true;
}

std::string NoDisplayMessage(const std::string& display, const std::string& otherReason) {
  const std::string why = WhyNoConnection(display);
  return display + ": " + (why.empty() ? otherReason : why) + " (tried for " +
         std::to_string(std::chrono::duration_cast<std::chrono::seconds>(kPatience).count()) + " s)";
}

}  // namespace skyscrub::x11
