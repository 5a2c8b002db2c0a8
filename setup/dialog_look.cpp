#include "setup/dialog_look.h"

#include <FL/Enumerations.H>
#include <FL/Fl.H>
#include <FL/Fl_Window.H>

namespace skyscrub::setup {

void UseCurrentLook() {
  Fl::scheme("gtk+");
  // Light grey ground, white fields, dark text and a blue accent for ticks and selections.
  Fl::background(0xF6, 0xF5, 0xF4);
  Fl::background2(0xFF, 0xFF, 0xFF);
  Fl::foreground(0x24, 0x24, 0x24);
  Fl::set_color(FL_SELECTION_COLOR, 0x35, 0x84, 0xE4);
  // Every sans face of the dialog and its message boxes is Liberation Sans (fonts-liberation).
  Fl::set_font(FL_HELVETICA, " Liberation Sans");
  Fl::set_font(FL_HELVETICA_BOLD, "BLiberation Sans");
  Fl::set_font(FL_HELVETICA_ITALIC, "ILiberation Sans");
  Fl::set_font(FL_HELVETICA_BOLD_ITALIC, "PLiberation Sans");
  Fl_Window::default_xclass(kWindowClass);
}

}  // namespace skyscrub::setup
