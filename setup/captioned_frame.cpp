#include "setup/captioned_frame.h"

#include <FL/fl_draw.H>

namespace skyscrub::setup {

namespace {
constexpr int kCaptionIndent = 8;  // from the frame's left edge to the caption
constexpr int kCaptionMargin = 2;  // border left clear on each side of the caption
const Fl_Color kBorderColour = fl_rgb_color(0xC0, 0xBC, 0xB8);
constexpr int kCornerRadius = 3;

// A thin, even border with slightly rounded corners, as toolkits draw a group today.
void DrawBorder(int x, int y, int w, int h) {
  constexpr int r = kCornerRadius, d = 2 * kCornerRadius;
  fl_color(kBorderColour);
  fl_xyline(x + r, y, x + w - 1 - r);
  fl_xyline(x + r, y + h - 1, x + w - 1 - r);
  fl_yxline(x, y + r, y + h - 1 - r);
  fl_yxline(x + w - 1, y + r, y + h - 1 - r);
  fl_arc(x, y, d, d, 90, 180);
  fl_arc(x + w - 1 - d, y, d, d, 0, 90);
  fl_arc(x, y + h - 1 - d, d, d, 180, 270);
  fl_arc(x + w - 1 - d, y + h - 1 - d, d, d, 270, 360);
}

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

  // A child that only changed (the speed field as a key is typed) redraws itself alone: painting
  // the frame's ground then would wipe what the child does not draw again, its border.
  if ((damage() & ~FL_DAMAGE_CHILD) != 0) {
    fl_rectf(x(), y(), w(), h(), color());
    DrawBorder(x(), borderTop, w(), h() - (borderTop - y()));
    if (captionWidth > 0) {
      fl_color(color());
      fl_rectf(x() + kCaptionIndent - kCaptionMargin, y(), captionWidth + 2 * kCaptionMargin, captionHeight);
      draw_label(x() + kCaptionIndent, y(), captionWidth, captionHeight, FL_ALIGN_LEFT | FL_ALIGN_INSIDE);
    }
  }
  draw_children();
}

}  // namespace skyscrub::setup
