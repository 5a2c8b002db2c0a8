// The dialog border on X11, asked of the window manager through a window property.
#include "setup/dialog_border.h"

#include <FL/Fl_Window.H>
#include <FL/x.H>

namespace skyscrub::setup {

namespace {

// The window manager hints as Motif defined them, which window managers still honour.
struct MotifHints {
  unsigned long flags;
  unsigned long functions;
  unsigned long decorations;
  long inputMode;
  unsigned long status;
};
constexpr unsigned long kHasFunctions = 1UL << 0;
constexpr unsigned long kHasDecorations = 1UL << 1;
constexpr unsigned long kFunctionMove = 1UL << 2;
constexpr unsigned long kFunctionClose = 1UL << 5;
constexpr unsigned long kDecorBorder = 1UL << 1;
constexpr unsigned long kDecorTitle = 1UL << 3;
constexpr unsigned long kDecorMenu = 1UL << 4;

}  // namespace

void UseDialogBorder(Fl_Window& window) {
  const Window xid = fl_xid(&window);
  if (!xid) return;
  const MotifHints hints{kHasFunctions | kHasDecorations, kFunctionMove | kFunctionClose,
                         kDecorBorder | kDecorTitle | kDecorMenu, 0, 0};
  const Atom motifHints = XInternAtom(fl_display, "_MOTIF_WM_HINTS", False);
  XChangeProperty(fl_display, xid, motifHints, motifHints, 32, PropModeReplace,
                  reinterpret_cast<const unsigned char*>(&hints), sizeof hints / sizeof(long));
  XFlush(fl_display);
}

}  // namespace skyscrub::setup
