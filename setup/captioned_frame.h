#pragma once
// A frame as dialogs draw a group today: a thin border with rounded corners whose caption sits on
// its top edge, holding the controls placed inside it.
#include <FL/Fl_Group.H>

namespace skyscrub::setup {

class CaptionedFrame : public Fl_Group {
 public:
  CaptionedFrame(int x, int y, int width, int height, const char* caption);

 protected:
  void draw() override;
};

}  // namespace skyscrub::setup
