// On X11 a window manager makes windows full screen. One runs when the root window names a
// window of the manager's that names itself (_NET_SUPPORTING_WM_CHECK): a manager that has gone
// leaves the root's name behind, pointing at a window that is no more. A window not on X11 is
// left to its system.
#include "platform/sdl/window_manager.h"

#include <SDL_syswm.h>
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <optional>

namespace skyscrub::sdl {

namespace {

bool failed = false;  // an X request made while looking failed

int NoteFailure(Display*, XErrorEvent*) {
  failed = true;
  return 0;
}

// The window that `window`'s property `check` names, if it names one.
std::optional<Window> Named(Display* display, Window window, Atom check) {
  Atom type = None;
  int format = 0;
  unsigned long items = 0, left = 0;
  unsigned char* value = nullptr;
  const int status = XGetWindowProperty(display, window, check, 0, 1, False, XA_WINDOW, &type, &format, &items, &left, &value);
  std::optional<Window> named;
  if (status == Success && type == XA_WINDOW && format == 32 && items == 1 && value != nullptr) {
    named = *reinterpret_cast<Window*>(value);
  }
  if (value != nullptr) XFree(value);
  return named;
}

}  // namespace

bool SystemFillsFullScreens(SDL_Window* window) {
  SDL_SysWMinfo info;
  SDL_VERSION(&info.version);
  if (SDL_GetWindowWMInfo(window, &info) != SDL_TRUE || info.subsystem != SDL_SYSWM_X11) return true;
  Display* display = info.info.x11.display;
  const Atom check = XInternAtom(display, "_NET_SUPPORTING_WM_CHECK", True);
  if (check == None) return false;
  const std::optional<Window> manager = Named(display, DefaultRootWindow(display), check);
  if (!manager) return false;
  // The manager's own window may be gone: asking it must not end the game.
  XSync(display, False);
  failed = false;
  const auto previous = XSetErrorHandler(NoteFailure);
  const std::optional<Window> itself = Named(display, *manager, check);
  XSync(display, False);
  XSetErrorHandler(previous);
  return !failed && itself == manager;
}

}  // namespace skyscrub::sdl
