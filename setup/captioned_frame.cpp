#include "setup/captioned_frame.h"

#include <FL/fl_draw.H>

namespace skyscrub::setup {

namespace {
constexpr int kCaptionIndent = 8;  // from the frame's left edge to the caption
constexpr int kCaptionMargin = 2;  // border left clear on each side of the caption
}  // namespace

CaptionedFrame::CaptionedFrame(int x, int y, int width, int height, const char* caption)
    : Fl_Group(x, y, width, height, caption) {
  box(FL_NO_BOX);
  align(FL_ALIGN_TOP_LEFT | FL_ALIGN_INSIDE);  // drawn here, never by the parent
}

void CaptionedFrame::draw() {
  fl_font(labelfont(), labelsize());
  const int captionHeight = fl_height();
  const int captionWidth = label() ? static_cast<int>(fl_width(label())) : 0;
  const int borderTop = y() + captionHeight / 2;

  fl_rectf(x(), y(), w(), h(), color());
  draw_box(FL_ENGRAVED_FRAME, x(), borderTop, w(), h() - (borderTop - y()), color());
  if (captionWidth > 0) {
    fl_color(color());
    fl_rectf(x() + kCaptionIndent - kCaptionMargin, y(), captionWidth + 2 * kCaptionMargin, captionHeight);
    draw_label(x() + kCaptionIndent, y(), captionWidth, captionHeight, FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
  }
  draw_children();
}

}  // namespace skyscrub::setup
