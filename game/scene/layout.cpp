// The window as designed: one table, a row for every element with its place, size, visibility,
// look and container. Rows are in the order of the design, front to back within their container,
// which is the drawing order; panels come first, as they are drawn in front of everything.
#include <cstddef>

#include "game/scene/scene.h"

namespace skyscrub {

namespace {

constexpr bool kShown = true;
constexpr bool kHidden = false;

struct Box {
  float left, top, width, height;
};

// How an element looks as designed; each kind takes the fields it has.
struct Look {
  Art art = Art::None;      // a Picture's or a Panel's picture
  bool stretch = false;     // a Picture scales its picture to its size
  bool artSize = false;     // a library picture: sized as its art, its designed place unused
  bool backColor = false;   // a Panel filled with `colour`
  Colour colour = colours::kBlack;  // a Label's ForeColor, a Bar's or a Panel's BackColor
  std::string_view caption = {};
  Font font = {};
  Alignment alignment = Alignment::Left;
  BarShape shape = BarShape::Rectangle;
  Cursor cursor = Cursor::Invisible;  // over a Panel
};

constexpr Font kMenuFont{FontFace::ArialNarrow, 36, true};
constexpr Font kHudFont{FontFace::Arial, 8.25f, false};
constexpr Font kHudLargeFont{FontFace::Arial, 9.75f, false};
constexpr Font kPauseFont{FontFace::ArialNarrow, 48, true};
constexpr Font kPauseHintFont{FontFace::ArialNarrow, 12, false};
constexpr Font kHotFont{FontFace::ArialNarrow, 48, true};

constexpr Look Shows(Art art) { return {.art = art}; }
constexpr Look Stretches(Art art) { return {.art = art, .stretch = true}; }
constexpr Look Library(Art art) { return {.art = art, .artSize = true}; }
constexpr Look Menu(Art art) { return {.art = art, .cursor = Cursor::Arrow}; }
constexpr Look MenuFill(Colour colour) { return {.backColor = true, .colour = colour, .cursor = Cursor::Arrow}; }
constexpr Look FillPanel(Colour colour) { return {.backColor = true, .colour = colour}; }
constexpr Look Empty() { return {}; }
constexpr Look Text(std::string_view caption, Colour colour, Font font, Alignment alignment = Alignment::Left) {
  return {.colour = colour, .caption = caption, .font = font, .alignment = alignment};
}
constexpr Look Fill(Colour colour, BarShape shape = BarShape::Rectangle) { return {.colour = colour, .shape = shape}; }

// Which member of the scene a row designs.
using Locate = Element& (*)(Scene&);
template <auto member>
Element& The(Scene& scene) {
  return scene.*member;
}
template <auto array, std::size_t index>
Element& Of(Scene& scene) {
  return (scene.*array)[index];
}

struct Row {
  Locate at;
  std::string_view name;
  std::int16_t index;  // in its element array, -1 for a single element
  Box box;             // relative to its container
  bool visible;
  Look look;
  Panel Scene::*in = nullptr;  // the panel holding it; none for the window itself
};

// The ozone pieces lie about in a heap until a new game lays them out in a row.
constexpr Box OzoneHeap(int i) {
  return {184 + static_cast<float>((i * 37) % 161), 48 + static_cast<float>((i * 11) % 37), 32, 32};
}

#define SKYSCRUB_ONE(member) &The<&Scene::member>, #member, -1
#define SKYSCRUB_AT(array, i) &Of<&Scene::array, i>, #array, i

constexpr Row kLayout[] = {
    // Panels, front to back, each followed by its children.
    {SKYSCRUB_ONE(WinScreen), {708, 460, 233, 209}, kHidden, Shows(Art::WinScreen)},
    {SKYSCRUB_ONE(Control_Screen), {792, -516, 797, 597}, kHidden, Menu(Art::Instructions)},
    {SKYSCRUB_ONE(Label9), {680, 528, 89, 57}, kShown, Text("Start", colours::kWhite, kMenuFont), &Scene::Control_Screen},
    {SKYSCRUB_ONE(LoseScreen), {840, 540, 233, 209}, kHidden, Shows(Art::LoseScreen)},
    {SKYSCRUB_ONE(Picture2), {-640, 336, 677, 649}, kShown, MenuFill(colours::kPaleCyan)},
    {SKYSCRUB_ONE(Label8), {536, 536, 79, 57}, kShown, Text("Quit", colours::kWhite, kMenuFont), &Scene::Picture2},
    {SKYSCRUB_ONE(Label7), {540, 476, 81, 57}, kShown, Text("Play", colours::kWhite, kMenuFont), &Scene::Picture2},
    {SKYSCRUB_ONE(PauseScreen), {207.53f, 233.53f, 385, 133}, kHidden, FillPanel(colours::kBlack)},
    {SKYSCRUB_ONE(Label6), {4, 100, 377, 20}, kShown,
     Text("Press SpaceBar to Continue", colours::kWhite, kPauseHintFont, Alignment::Centre), &Scene::PauseScreen},
    {SKYSCRUB_ONE(Label4), {0, 8, 383, 75}, kShown, Text("Game Paused", colours::kWhite, kPauseFont, Alignment::Centre),
     &Scene::PauseScreen},
    {SKYSCRUB_ONE(Picture1), {756, 96, 869, 601}, kHidden, Empty()},

    // The picture library: children of the hidden Picture1, only ever sources of pictures.
    {SKYSCRUB_ONE(PicPx2), {}, kHidden, Library(Art::PinkBurst2), &Scene::Picture1},
    {SKYSCRUB_ONE(PicPx1), {}, kHidden, Library(Art::PinkBurst1), &Scene::Picture1},
    {SKYSCRUB_ONE(PicGx2), {}, kHidden, Library(Art::GreenBurst2), &Scene::Picture1},
    {SKYSCRUB_ONE(PicGx1), {}, kHidden, Library(Art::GreenBurst1), &Scene::Picture1},
    {SKYSCRUB_ONE(Image8), {}, kHidden, Library(Art::TitleScreen), &Scene::Picture1},
    {SKYSCRUB_ONE(Image6), {}, kHidden, Library(Art::Sky), &Scene::Picture1},
    {SKYSCRUB_ONE(PicYX2), {}, kHidden, Library(Art::YellowBurst2), &Scene::Picture1},
    {SKYSCRUB_ONE(picYX1), {}, kHidden, Library(Art::YellowBurst1), &Scene::Picture1},
    {SKYSCRUB_ONE(PicRX2), {}, kHidden, Library(Art::RedBurst2), &Scene::Picture1},
    {SKYSCRUB_ONE(picRX1), {}, kHidden, Library(Art::RedBurst1), &Scene::Picture1},
    {SKYSCRUB_ONE(Ch4b), {}, kHidden, Library(Art::Ch4Bold), &Scene::Picture1},
    {SKYSCRUB_ONE(Co2b), {}, kHidden, Library(Art::Co2Bold), &Scene::Picture1},
    {SKYSCRUB_ONE(picUV), {}, kHidden, Library(Art::Ultraviolet), &Scene::Picture1},
    {SKYSCRUB_ONE(picCFC), {}, kHidden, Library(Art::Cfc), &Scene::Picture1},
    {SKYSCRUB_ONE(picCH4), {}, kHidden, Library(Art::Ch4), &Scene::Picture1},
    {SKYSCRUB_ONE(picCO2), {}, kHidden, Library(Art::Co2), &Scene::Picture1},
    {SKYSCRUB_ONE(pic03), {}, kHidden, Library(Art::Ozone), &Scene::Picture1},
    {SKYSCRUB_ONE(xplode2), {}, kHidden, Library(Art::Fire2), &Scene::Picture1},
    {SKYSCRUB_ONE(xplode1), {}, kHidden, Library(Art::Fire1), &Scene::Picture1},
    {SKYSCRUB_ONE(bullet2), {}, kHidden, Library(Art::Bullet2), &Scene::Picture1},
    {SKYSCRUB_ONE(bullet1), {}, kHidden, Library(Art::Bullet1), &Scene::Picture1},
    {SKYSCRUB_ONE(Image4), {}, kHidden, Library(Art::Grass), &Scene::Picture1},
    {SKYSCRUB_ONE(sky), {}, kHidden, Library(Art::SkyStrip), &Scene::Picture1},
    {SKYSCRUB_ONE(shipRight), {}, kHidden, Library(Art::ShipRight), &Scene::Picture1},
    {SKYSCRUB_ONE(ShipLeft), {}, kHidden, Library(Art::ShipLeft), &Scene::Picture1},

    // HUD and playfield, front to back.
    {SKYSCRUB_ONE(Label10), {402, 2, 73, 14}, kShown, Text("Gas Destroyed", colours::kBlack, kHudFont)},
    {SKYSCRUB_ONE(killbar), {376, 18, 125, 9}, kShown, Fill(colours::kYellow)},
    {SKYSCRUB_ONE(Progress_Back), {376, 18, 125, 9}, kShown, Fill(colours::kOrange)},
    {SKYSCRUB_ONE(dying), {124, 284, 32, 32}, kHidden, Stretches(Art::Fire1)},
    {SKYSCRUB_AT(Xplode, 0), {48, 192, 32, 32}, kHidden, Stretches(Art::StarBurst)},
    {SKYSCRUB_AT(Xplode, 1), {60, 208, 32, 32}, kHidden, Stretches(Art::StarBurst)},
    {SKYSCRUB_AT(Xplode, 2), {80, 192, 32, 32}, kHidden, Stretches(Art::StarBurst)},
    {SKYSCRUB_ONE(hotlbl), {336, 262.53f, 128, 75}, kHidden, Text("HOT!", colours::kRed, kHotFont)},
    {SKYSCRUB_AT(bullet, 6), {132, 224, 16, 16}, kHidden, Shows(Art::Bullet1)},
    {SKYSCRUB_ONE(player), {252, 280, 32, 32}, kShown, Shows(Art::ShipRight)},
    {SKYSCRUB_AT(bullet, 5), {144, 240, 16, 16}, kHidden, Shows(Art::Bullet1)},
    {SKYSCRUB_AT(bullet, 4), {132, 244, 16, 16}, kHidden, Shows(Art::Bullet1)},
    {SKYSCRUB_AT(bullet, 3), {160, 268, 16, 16}, kHidden, Shows(Art::Bullet1)},
    {SKYSCRUB_AT(bullet, 2), {132, 236, 16, 16}, kHidden, Shows(Art::Bullet1)},
    {SKYSCRUB_AT(bullet, 0), {168, 240, 16, 16}, kHidden, Shows(Art::Bullet1)},
    {SKYSCRUB_AT(bullet, 1), {180, 236, 16, 16}, kHidden, Shows(Art::Bullet1)},
    {SKYSCRUB_AT(CO2, 4), {212, 412, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 2), {208, 400, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 0), {200, 408, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 1), {204, 408, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 3), {196, 408, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CFC, 0), {300, 388, 32, 32}, kHidden, Stretches(Art::Cfc)},
    {SKYSCRUB_AT(CFC, 1), {300, 392, 32, 32}, kHidden, Stretches(Art::Cfc)},
    {SKYSCRUB_AT(CFC, 2), {304, 392, 32, 32}, kHidden, Stretches(Art::Cfc)},
    {SKYSCRUB_AT(CO2, 5), {136, 360, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 6), {148, 368, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 7), {132, 372, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 8), {148, 372, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 9), {132, 376, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 10), {132, 376, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 11), {160, 376, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 12), {176, 384, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 13), {180, 368, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 14), {140, 404, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 15), {140, 372, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 16), {128, 348, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 17), {156, 372, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 18), {172, 376, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(CO2, 19), {124, 356, 32, 32}, kHidden, Stretches(Art::Co2)},
    {SKYSCRUB_AT(Image2, 6), {736, 544, 32, 32}, kShown, Shows(Art::Tree)},
    {SKYSCRUB_AT(Image2, 5), {388, 548, 32, 32}, kShown, Shows(Art::Tree)},
    {SKYSCRUB_AT(Image2, 4), {476, 548, 32, 32}, kShown, Shows(Art::Tree)},
    {SKYSCRUB_ONE(factory2), {548, 544, 32, 32}, kShown, Shows(Art::Factory)},
    {SKYSCRUB_ONE(Shield), {520, 18, 85, 9}, kShown, Fill(colours::kCyan)},
    {SKYSCRUB_ONE(power), {664, 18, 101, 9}, kHidden, Fill(colours::kGreen)},
    {SKYSCRUB_ONE(Temp3), {8, 12, 17, 17}, kHidden, Fill(colours::kRed, BarShape::Circle)},
    {SKYSCRUB_ONE(Label3), {24, 12, 98, 16}, kHidden,
     Text("' ' ' ' ' ' ' ' ' ' ' ' ' ' ' ' '", colours::kBlack, kHudLargeFont)},
    {SKYSCRUB_ONE(Temp1), {18, 16, 110, 9}, kHidden, Fill(colours::kRed, BarShape::RoundedRectangle)},
    {SKYSCRUB_ONE(Temp0), {10, 16, 117, 9}, kHidden, Fill(colours::kWhite, BarShape::RoundedRectangle)},
    {SKYSCRUB_ONE(Label1), {36, 2, 61, 14}, kHidden, Text("Temperature", colours::kBlack, kHudFont)},
    {SKYSCRUB_ONE(PowerBottom), {664, 18, 125, 9}, kHidden, Fill(colours::kRed)},
    {SKYSCRUB_ONE(Label2), {692, 2, 67, 14}, kHidden, Text("Engine Power", colours::kBlack, kHudFont)},
    {SKYSCRUB_ONE(ShieldBack), {520, 18, 125, 9}, kShown, Fill(colours::kTeal)},
    {SKYSCRUB_ONE(Label5), {564, 2, 29, 14}, kShown, Text("Shield", colours::kBlack, kHudFont)},
    {SKYSCRUB_ONE(lblLives), {144, 10, 44, 16}, kShown, Text("Lives: 3", colours::kBlack, kHudLargeFont)},
    {SKYSCRUB_AT(UltraViolet, 1), {216, 140, 32, 32}, kHidden, Shows(Art::Ultraviolet)},
    {SKYSCRUB_AT(UltraViolet, 0), {268, 136, 32, 32}, kHidden, Shows(Art::Ultraviolet)},
    {SKYSCRUB_AT(UltraViolet, 2), {312, 148, 32, 32}, kHidden, Shows(Art::Ultraviolet)},
    {SKYSCRUB_ONE(factory), {208, 544, 32, 32}, kShown, Shows(Art::Factory)},
    {SKYSCRUB_AT(Image2, 0), {292, 548, 32, 32}, kShown, Shows(Art::Tree)},
    {SKYSCRUB_AT(Image2, 1), {656, 540, 32, 32}, kShown, Shows(Art::Tree)},
    {SKYSCRUB_AT(Image2, 2), {104, 552, 32, 32}, kShown, Shows(Art::Tree)},
    {SKYSCRUB_AT(Image2, 3), {32, 548, 32, 32}, kShown, Shows(Art::Tree)},
    {SKYSCRUB_ONE(Image3), {0, 564, 800, 47}, kShown, Shows(Art::Grass)},
    {SKYSCRUB_AT(Ozone, 24), OzoneHeap(24), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 23), OzoneHeap(23), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 22), OzoneHeap(22), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 21), OzoneHeap(21), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 20), OzoneHeap(20), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 19), OzoneHeap(19), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 18), OzoneHeap(18), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 17), OzoneHeap(17), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 16), OzoneHeap(16), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 15), OzoneHeap(15), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 14), OzoneHeap(14), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 13), OzoneHeap(13), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 12), OzoneHeap(12), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 11), OzoneHeap(11), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 10), OzoneHeap(10), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 9), OzoneHeap(9), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 8), OzoneHeap(8), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 7), OzoneHeap(7), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 6), OzoneHeap(6), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 5), OzoneHeap(5), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 4), OzoneHeap(4), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 3), OzoneHeap(3), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 2), OzoneHeap(2), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 1), OzoneHeap(1), kHidden, Shows(Art::Ozone)},
    {SKYSCRUB_AT(Ozone, 0), OzoneHeap(0), kHidden, Shows(Art::Ozone)},
};

#undef SKYSCRUB_ONE
#undef SKYSCRUB_AT

// Gives a picture-bearing element its designed picture; none leaves it showing nothing.
template <class WithPicture>
void Design(WithPicture& e, Art art) {
  e.own = Image{e.name, art};
  e.picture = art == Art::None ? nullptr : &e.own;
}

void Apply(const Look& look, Element& e) {
  switch (e.kind) {
    case ElementKind::Picture: {
      auto& picture = static_cast<Picture&>(e);
      Design(picture, look.art);
      picture.Stretch = look.stretch;
      break;
    }
    case ElementKind::Panel: {
      auto& panel = static_cast<Panel&>(e);
      Design(panel, look.art);
      panel.hasBackColor = look.backColor;
      if (look.backColor) panel.BackColor = look.colour;
      panel.cursor = look.cursor;
      break;
    }
    case ElementKind::Label: {
      auto& label = static_cast<Label&>(e);
      label.Caption = look.caption;
      label.ForeColor = look.colour;
      label.font = look.font;
      label.alignment = look.alignment;
      break;
    }
    case ElementKind::Bar: {
      auto& bar = static_cast<Bar&>(e);
      bar.BackColor = look.colour;
      bar.shape = look.shape;
      break;
    }
  }
}

}  // namespace

Scene::Scene() {
  for (const Row& row : kLayout) {
    Element& e = row.at(*this);
    e.name = row.name;
    e.index = row.index;
    Box box = row.box;
    if (row.look.artSize) {
      const ArtInfo& info = InfoOf(row.look.art);
      box = {0, 0, static_cast<float>(info.width), static_cast<float>(info.height)};
    }
    e.Left = box.left;
    e.Top = box.top;
    e.Width = box.width;
    e.Height = box.height;
    e.Visible = row.visible;
    Apply(row.look, e);
    if (row.in != nullptr) {
      (this->*row.in).children.push_back(&e);
    } else {
      frontToBack_.push_back(&e);
    }
  }
}

}  // namespace skyscrub
