// The window as designed: every element at its initial place, size, picture and visibility.
// Elements are added in the order of the design tables, front to back, which is the drawing order.
#include <cstddef>

#include "game/scene/scene.h"

namespace skyscrub {

namespace {

constexpr bool kShown = true;
constexpr bool kHidden = false;

struct Box {
  float left, top, width, height;
};

void Place(Element& e, std::string_view name, int index, Box box, bool visible) {
  e.name = name;
  e.index = static_cast<std::int16_t>(index);
  e.Left = box.left;
  e.Top = box.top;
  e.Width = box.width;
  e.Height = box.height;
  e.Visible = visible;
}

void Design(Picture& p, Art art, bool stretch) {
  p.own = Image{p.name, art};
  p.picture = art == Art::None ? nullptr : &p.own;
  p.Stretch = stretch;
}

void Design(Panel& p, Art art) {
  p.own = Image{p.name, art};
  p.picture = art == Art::None ? nullptr : &p.own;
}

void Write(Label& l, std::string_view caption, Colour colour, Font font, Alignment alignment = Alignment::Left) {
  l.Caption = caption;
  l.ForeColor = colour;
  l.font = font;
  l.alignment = alignment;
}

void Fill(Bar& b, Colour colour, BarShape shape = BarShape::Rectangle) {
  b.BackColor = colour;
  b.shape = shape;
}

constexpr Font kMenuFont{FontFace::ArialNarrow, 36, true};
constexpr Font kHudFont{FontFace::Arial, 8.25f, false};
constexpr Font kHudLargeFont{FontFace::Arial, 9.75f, false};

}  // namespace

Scene::Scene() {
  auto top = [this](Element& e) { frontToBack_.push_back(&e); };
  auto child = [](Panel& panel, Element& e) { panel.children.push_back(&e); };

  // Panels, front to back.
  Place(WinScreen, "WinScreen", -1, {708, 460, 233, 209}, kHidden);
  Design(WinScreen, Art::WinScreen);
  top(WinScreen);

  Place(Control_Screen, "Control_Screen", -1, {792, -516, 797, 597}, kHidden);
  Design(Control_Screen, Art::Instructions);
  Control_Screen.cursor = Cursor::Arrow;
  top(Control_Screen);
  Place(Label9, "Label9", -1, {680, 528, 89, 57}, kShown);
  Write(Label9, "Start", colours::kWhite, kMenuFont);
  child(Control_Screen, Label9);

  Place(LoseScreen, "LoseScreen", -1, {840, 540, 233, 209}, kHidden);
  Design(LoseScreen, Art::LoseScreen);
  top(LoseScreen);

  Place(Picture2, "Picture2", -1, {-640, 336, 677, 649}, kShown);
  Design(Picture2, Art::None);
  Picture2.hasBackColor = true;
  Picture2.BackColor = colours::kPaleCyan;
  Picture2.cursor = Cursor::Arrow;
  top(Picture2);
  Place(Label8, "Label8", -1, {536, 536, 79, 57}, kShown);
  Write(Label8, "Quit", colours::kWhite, kMenuFont);
  child(Picture2, Label8);
  Place(Label7, "Label7", -1, {540, 476, 81, 57}, kShown);
  Write(Label7, "Play", colours::kWhite, kMenuFont);
  child(Picture2, Label7);

  Place(PauseScreen, "PauseScreen", -1, {207.53f, 233.53f, 385, 133}, kHidden);
  Design(PauseScreen, Art::None);
  PauseScreen.hasBackColor = true;
  PauseScreen.BackColor = colours::kBlack;
  top(PauseScreen);
  Place(Label6, "Label6", -1, {4, 100, 377, 20}, kShown);
  Write(Label6, "Press SpaceBar to Continue", colours::kWhite, {FontFace::ArialNarrow, 12, false}, Alignment::Centre);
  child(PauseScreen, Label6);
  Place(Label4, "Label4", -1, {0, 8, 383, 75}, kShown);
  Write(Label4, "Game Paused", colours::kWhite, {FontFace::ArialNarrow, 48, true}, Alignment::Centre);
  child(PauseScreen, Label4);

  Place(Picture1, "Picture1", -1, {756, 96, 869, 601}, kHidden);
  Design(Picture1, Art::None);
  top(Picture1);
  struct LibraryEntry {
    Picture* element;
    std::string_view name;
    Art art;
  };
  const LibraryEntry library[] = {
      {&PicPx2, "PicPx2", Art::PinkBurst2},     {&PicPx1, "PicPx1", Art::PinkBurst1},
      {&PicGx2, "PicGx2", Art::GreenBurst2},    {&PicGx1, "PicGx1", Art::GreenBurst1},
      {&Image8, "Image8", Art::TitleScreen},    {&Image6, "Image6", Art::Sky},
      {&PicYX2, "PicYX2", Art::YellowBurst2},   {&picYX1, "picYX1", Art::YellowBurst1},
      {&PicRX2, "PicRX2", Art::RedBurst2},      {&picRX1, "picRX1", Art::RedBurst1},
      {&Ch4b, "Ch4b", Art::Ch4Bold},            {&Co2b, "Co2b", Art::Co2Bold},
      {&picUV, "picUV", Art::Ultraviolet},      {&picCFC, "picCFC", Art::Cfc},
      {&picCH4, "picCH4", Art::Ch4},            {&picCO2, "picCO2", Art::Co2},
      {&pic03, "pic03", Art::Ozone},            {&xplode2, "xplode2", Art::Fire2},
      {&xplode1, "xplode1", Art::Fire1},        {&bullet2, "bullet2", Art::Bullet2},
      {&bullet1, "bullet1", Art::Bullet1},      {&Image4, "Image4", Art::Grass},
      {&sky, "sky", Art::SkyStrip},             {&shipRight, "shipRight", Art::ShipRight},
      {&ShipLeft, "ShipLeft", Art::ShipLeft},
  };
  for (const LibraryEntry& entry : library) {
    const ArtInfo& info = InfoOf(entry.art);
    Place(*entry.element, entry.name, -1,
          {0, 0, static_cast<float>(info.width), static_cast<float>(info.height)}, kHidden);
    Design(*entry.element, entry.art, false);
    child(Picture1, *entry.element);
  }

  // HUD and playfield, front to back.
  Place(Label10, "Label10", -1, {402, 2, 73, 14}, kShown);
  Write(Label10, "Gas Destroyed", colours::kBlack, kHudFont);
  top(Label10);
  Place(killbar, "killbar", -1, {376, 18, 125, 9}, kShown);
  Fill(killbar, colours::kYellow);
  top(killbar);
  Place(Progress_Back, "Progress_Back", -1, {376, 18, 125, 9}, kShown);
  Fill(Progress_Back, colours::kOrange);
  top(Progress_Back);

  Place(dying, "dying", -1, {124, 284, 32, 32}, kHidden);
  Design(dying, Art::Fire1, true);
  top(dying);

  const Box burstBoxes[] = {{48, 192, 32, 32}, {60, 208, 32, 32}, {80, 192, 32, 32}};
  for (int i = 0; i < 3; ++i) {
    Place(Xplode[i], "Xplode", i, burstBoxes[i], kHidden);
    Design(Xplode[i], Art::StarBurst, true);
    top(Xplode[i]);
  }

  Place(hotlbl, "hotlbl", -1, {336, 262.53f, 128, 75}, kHidden);
  Write(hotlbl, "HOT!", colours::kRed, {FontFace::ArialNarrow, 48, true});
  top(hotlbl);

  auto addBullet = [&](int i, float left, float top_) {
    Place(bullet[i], "bullet", i, {left, top_, 16, 16}, kHidden);
    Design(bullet[i], Art::Bullet1, false);
    top(bullet[i]);
  };
  addBullet(6, 132, 224);

  Place(player, "player", -1, {252, 280, 32, 32}, kShown);
  Design(player, Art::ShipRight, false);
  top(player);

  addBullet(5, 144, 240);
  addBullet(4, 132, 244);
  addBullet(3, 160, 268);
  addBullet(2, 132, 236);
  addBullet(0, 168, 240);
  addBullet(1, 180, 236);

  auto addGas = [&](int i, float left, float top_) {
    Place(CO2[i], "CO2", i, {left, top_, 32, 32}, kHidden);
    Design(CO2[i], Art::Co2, true);
    top(CO2[i]);
  };
  addGas(4, 212, 412);
  addGas(2, 208, 400);
  addGas(0, 200, 408);
  addGas(1, 204, 408);
  addGas(3, 196, 408);

  const Box cfcBoxes[] = {{300, 388, 32, 32}, {300, 392, 32, 32}, {304, 392, 32, 32}};
  for (int i = 0; i < 3; ++i) {
    Place(CFC[i], "CFC", i, cfcBoxes[i], kHidden);
    Design(CFC[i], Art::Cfc, true);
    top(CFC[i]);
  }

  const float laterGases[15][2] = {{136, 360}, {148, 368}, {132, 372}, {148, 372}, {132, 376},
                                   {132, 376}, {160, 376}, {176, 384}, {180, 368}, {140, 404},
                                   {140, 372}, {128, 348}, {156, 372}, {172, 376}, {124, 356}};
  for (int i = 5; i < 20; ++i) addGas(i, laterGases[i - 5][0], laterGases[i - 5][1]);

  auto addTree = [&](int i, float left, float top_) {
    Place(Image2[i], "Image2", i, {left, top_, 32, 32}, kShown);
    Design(Image2[i], Art::Tree, false);
    top(Image2[i]);
  };
  addTree(6, 736, 544);
  addTree(5, 388, 548);
  addTree(4, 476, 548);

  Place(factory2, "factory2", -1, {548, 544, 32, 32}, kShown);
  Design(factory2, Art::Factory, false);
  top(factory2);

  Place(Shield, "Shield", -1, {520, 18, 85, 9}, kShown);
  Fill(Shield, colours::kCyan);
  top(Shield);
  Place(power, "power", -1, {664, 18, 101, 9}, kHidden);
  Fill(power, colours::kGreen);
  top(power);
  Place(Temp3, "Temp3", -1, {8, 12, 17, 17}, kHidden);
  Fill(Temp3, colours::kRed, BarShape::Circle);
  top(Temp3);
  Place(Label3, "Label3", -1, {24, 12, 98, 16}, kHidden);
  Write(Label3, "' ' ' ' ' ' ' ' ' ' ' ' ' ' ' ' '", colours::kBlack, kHudLargeFont);
  top(Label3);
  Place(Temp1, "Temp1", -1, {18, 16, 110, 9}, kHidden);
  Fill(Temp1, colours::kRed, BarShape::RoundedRectangle);
  top(Temp1);
  Place(Temp0, "Temp0", -1, {10, 16, 117, 9}, kHidden);
  Fill(Temp0, colours::kWhite, BarShape::RoundedRectangle);
  top(Temp0);
  Place(Label1, "Label1", -1, {36, 2, 61, 14}, kHidden);
  Write(Label1, "Temperature", colours::kBlack, kHudFont);
  top(Label1);
  Place(PowerBottom, "PowerBottom", -1, {664, 18, 125, 9}, kHidden);
  Fill(PowerBottom, colours::kRed);
  top(PowerBottom);
  Place(Label2, "Label2", -1, {692, 2, 67, 14}, kHidden);
  Write(Label2, "Engine Power", colours::kBlack, kHudFont);
  top(Label2);
  Place(ShieldBack, "ShieldBack", -1, {520, 18, 125, 9}, kShown);
  Fill(ShieldBack, colours::kTeal);
  top(ShieldBack);
  Place(Label5, "Label5", -1, {564, 2, 29, 14}, kShown);
  Write(Label5, "Shield", colours::kBlack, kHudFont);
  top(Label5);
  Place(lblLives, "lblLives", -1, {144, 10, 44, 16}, kShown);
  Write(lblLives, "Lives: 3", colours::kBlack, kHudLargeFont);
  top(lblLives);

  auto addRay = [&](int i, float left, float top_) {
    Place(UltraViolet[i], "UltraViolet", i, {left, top_, 32, 32}, kHidden);
    Design(UltraViolet[i], Art::Ultraviolet, false);
    top(UltraViolet[i]);
  };
  addRay(1, 216, 140);
  addRay(0, 268, 136);
  addRay(2, 312, 148);

  Place(factory, "factory", -1, {208, 544, 32, 32}, kShown);
  Design(factory, Art::Factory, false);
  top(factory);

  addTree(0, 292, 548);
  addTree(1, 656, 540);
  addTree(2, 104, 552);
  addTree(3, 32, 548);

  Place(Image3, "Image3", -1, {0, 564, 800, 47}, kShown);
  Design(Image3, Art::Grass, false);
  top(Image3);

  // The ozone pieces lie about in a heap until a new game lays them out in a row.
  for (int i = 24; i >= 0; --i) {
    const float left = 184 + static_cast<float>((i * 37) % 161);
    const float top_ = 48 + static_cast<float>((i * 11) % 37);
    Place(Ozone[i], "Ozone", i, {left, top_, 32, 32}, kHidden);
    Design(Ozone[i], Art::Ozone, false);
    top(Ozone[i]);
  }
}

}  // namespace skyscrub
