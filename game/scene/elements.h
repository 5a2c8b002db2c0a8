#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "assets/art.h"
#include "game/scene/colour.h"

namespace skyscrub {

// A picture as elements hold it. Assigning a picture shares this object, so
// "shows the very picture of" is pointer identity, never a pixel comparison.
struct Image {
  std::string_view name;  // the element whose design-time picture this is
  Art art = Art::None;
};

enum class ElementKind : std::uint8_t { Picture, Panel, Label, Bar };

struct Panel;

// Common properties. Positions and sizes are single-precision pixels relative to the container.
struct Element {
  ElementKind kind;
  std::string_view name;
  std::int16_t index = -1;  // position in its element array, -1 for a single element
  float Left = 0, Top = 0, Width = 0, Height = 0;
  bool Visible = true;

  explicit Element(ElementKind k) : kind(k) {}
  Element(const Element&) = delete;
  Element& operator=(const Element&) = delete;
};

struct Picture : Element {
  Picture() : Element(ElementKind::Picture) {}
  Image own;                      // the picture it was designed with
  const Image* picture = nullptr; // the picture it shows (Picture property)
  bool Stretch = false;

  // True when this element shows the very picture of `source`.
  bool Shows(const Picture& source) const { return picture == source.picture; }
  void TakePicture(const Picture& source) { picture = source.picture; }
};

enum class Cursor : std::uint8_t { Invisible, Arrow };

struct Panel : Element {
  Panel() : Element(ElementKind::Panel) {}
  Image own;
  const Image* picture = nullptr;  // background picture, drawn at natural size from the top-left
  bool hasBackColor = false;       // panels without a picture may have a plain fill
  Colour BackColor = colours::kBlack;
  Cursor cursor = Cursor::Invisible;
  std::vector<Element*> children;  // front to back
};

enum class FontFace : std::uint8_t { Arial, ArialNarrow };

struct Font {
  FontFace face = FontFace::Arial;
  float points = 8.25f;
  bool bold = false;
};

enum class Alignment : std::uint8_t { Left, Centre };

struct Label : Element {
  Label() : Element(ElementKind::Label) {}
  std::string Caption;
  Colour ForeColor = colours::kBlack;
  Font font;
  Alignment alignment = Alignment::Left;
};

enum class BarShape : std::uint8_t { Rectangle, Circle, RoundedRectangle };

struct Bar : Element {
  Bar() : Element(ElementKind::Bar) {}
  Colour BackColor = colours::kBlack;
  BarShape shape = BarShape::Rectangle;
};

struct Timer {
  std::string_view name;
  std::int32_t Interval = 0;  // milliseconds
  bool Enabled = false;
};

// The background music player: not drawn; its stored settings never change at run time. It
// starts a file as soon as one is set, unmuted, and shows no dialog of its own.
struct MediaPlayer {
  std::string URL;  // the file last set; setting it starts playback
  int playCount = 180;
  int volume = 42;  // of 100
};

// The game window itself.
struct Canvas {
  std::string_view caption = "Aerolith";
  float Left = 0, Top = 0, Width = 800, Height = 600;
  Colour BackColor = colours::kLightBlue;
  const Image* picture = nullptr;  // background picture, set at activation
  bool topmost = false;
};

}  // namespace skyscrub
