#include "setup/fltk_message_boxes.h"

#include <FL/Fl_Widget.H>
#include <FL/fl_ask.H>

#include <string>

namespace skyscrub::setup {

void FltkMessageBoxes::ShowMessage(std::string_view title, std::string_view text) {
  const std::string titleText(title);
  const std::string messageText(text);
  fl_close = fl_ok;  // the one button reads "OK"
  fl_message_title(titleText.c_str());
  Fl_Widget* icon = fl_message_icon();
  icon->label("");
  icon->box(FL_NO_BOX);
  icon->hide();
  fl_message("%s", messageText.c_str());
}

}  // namespace skyscrub::setup
