// The window as designed: every element's place, size and visibility, its looks, and the drawing order.
#include <string>

#include "support/game_fixture.h"

namespace skyscrub {
namespace {

class Layout : public ::testing::Test {
 protected:
  ScriptedPlatform system;
  GameWindow game{system.platform()};  // as created, before start-up runs
};

std::string NameOf(const Element& e) {
  return e.index < 0 ? std::string(e.name) : std::string(e.name) + "(" + std::to_string(e.index) + ")";
}

TEST_F(Layout, EveryElementStartsAtItsDesignedPlace) {
  struct Placed {
    const Element& element;
    float left, top, width, height;
    bool visible;
  };
  const Placed table[] = {
      {game.WinScreen, 708, 460, 233, 209, false},     {game.Control_Screen, 792, -516, 797, 597, false},
      {game.Label9, 680, 528, 89, 57, true},           {game.LoseScreen, 840, 540, 233, 209, false},
      {game.Picture2, -640, 336, 677, 649, true},      {game.Label8, 536, 536, 79, 57, true},
      {game.Label7, 540, 476, 81, 57, true},           {game.PauseScreen, 207.53f, 233.53f, 385, 133, false},
      {game.Label6, 4, 100, 377, 20, true},            {game.Label4, 0, 8, 383, 75, true},
      {game.Picture1, 756, 96, 869, 601, false},       {game.Label10, 402, 2, 73, 14, true},
      {game.killbar, 376, 18, 125, 9, true},           {game.Progress_Back, 376, 18, 125, 9, true},
      {game.dying, 124, 284, 32, 32, false},           {game.Xplode[0], 48, 192, 32, 32, false},
      {game.Xplode[1], 60, 208, 32, 32, false},        {game.Xplode[2], 80, 192, 32, 32, false},
      {game.hotlbl, 336, 262.53f, 128, 75, false},     {game.bullet[6], 132, 224, 16, 16, false},
      {game.player, 252, 280, 32, 32, true},           {game.bullet[5], 144, 240, 16, 16, false},
      {game.bullet[4], 132, 244, 16, 16, false},       {game.bullet[3], 160, 268, 16, 16, false},
      {game.bullet[2], 132, 236, 16, 16, false},       {game.bullet[0], 168, 240, 16, 16, false},
      {game.bullet[1], 180, 236, 16, 16, false},       {game.CO2[4], 212, 412, 32, 32, false},
      {game.CO2[2], 208, 400, 32, 32, false},          {game.CO2[0], 200, 408, 32, 32, false},
      {game.CO2[1], 204, 408, 32, 32, false},          {game.CO2[3], 196, 408, 32, 32, false},
      {game.CFC[0], 300, 388, 32, 32, false},          {game.CFC[1], 300, 392, 32, 32, false},
      {game.CFC[2], 304, 392, 32, 32, false},          {game.CO2[5], 136, 360, 32, 32, false},
      {game.CO2[6], 148, 368, 32, 32, false},          {game.CO2[7], 132, 372, 32, 32, false},
      {game.CO2[8], 148, 372, 32, 32, false},          {game.CO2[9], 132, 376, 32, 32, false},
      {game.CO2[10], 132, 376, 32, 32, false},         {game.CO2[11], 160, 376, 32, 32, false},
      {game.CO2[12], 176, 384, 32, 32, false},         {game.CO2[13], 180, 368, 32, 32, false},
      {game.CO2[14], 140, 404, 32, 32, false},         {game.CO2[15], 140, 372, 32, 32, false},
      {game.CO2[16], 128, 348, 32, 32, false},         {game.CO2[17], 156, 372, 32, 32, false},
      {game.CO2[18], 172, 376, 32, 32, false},         {game.CO2[19], 124, 356, 32, 32, false},
      {game.Image2[6], 736, 544, 32, 32, true},        {game.Image2[5], 388, 548, 32, 32, true},
      {game.Image2[4], 476, 548, 32, 32, true},        {game.factory2, 548, 544, 32, 32, true},
      {game.Shield, 520, 18, 85, 9, true},             {game.power, 664, 18, 101, 9, false},
      {game.Temp3, 8, 12, 17, 17, false},              {game.Label3, 24, 12, 98, 16, false},
      {game.Temp1, 18, 16, 110, 9, false},             {game.Temp0, 10, 16, 117, 9, false},
      {game.Label1, 36, 2, 61, 14, false},             {game.PowerBottom, 664, 18, 125, 9, false},
      {game.Label2, 692, 2, 67, 14, false},            {game.ShieldBack, 520, 18, 125, 9, true},
      {game.Label5, 564, 2, 29, 14, true},             {game.lblLives, 144, 10, 44, 16, true},
      {game.UltraViolet[1], 216, 140, 32, 32, false},  {game.UltraViolet[0], 268, 136, 32, 32, false},
      {game.UltraViolet[2], 312, 148, 32, 32, false},  {game.factory, 208, 544, 32, 32, true},
      {game.Image2[0], 292, 548, 32, 32, true},        {game.Image2[1], 656, 540, 32, 32, true},
      {game.Image2[2], 104, 552, 32, 32, true},        {game.Image2[3], 32, 548, 32, 32, true},
      {game.Image3, 0, 564, 800, 47, true},
  };
  for (const Placed& p : table) {
    SCOPED_TRACE(NameOf(p.element));
    EXPECT_EQ(p.element.Left, p.left);
    EXPECT_EQ(p.element.Top, p.top);
    EXPECT_EQ(p.element.Width, p.width);
    EXPECT_EQ(p.element.Height, p.height);
    EXPECT_EQ(p.element.Visible, p.visible);
  }
  for (const Picture& cell : game.Ozone) {
    EXPECT_FALSE(cell.Visible);
    EXPECT_EQ(cell.Width, 32);
    EXPECT_GE(cell.Left, 184);
    EXPECT_LE(cell.Left, 344);
    EXPECT_GE(cell.Top, 48);
    EXPECT_LE(cell.Top, 84);
  }
}

TEST_F(Layout, LabelsCarryTheirCaptionsColoursAndFonts) {
  struct Looks {
    const Label& label;
    const char* caption;
    Colour colour;
    FontFace face;
    float points;
    bool bold;
    Alignment alignment;
  };
  const FontFace arial = FontFace::Arial, narrow = FontFace::ArialNarrow;
  const Alignment left = Alignment::Left, centre = Alignment::Centre;
  const Looks table[] = {
      {game.Label9, "Start", colours::kWhite, narrow, 36, true, left},
      {game.Label8, "Quit", colours::kWhite, narrow, 36, true, left},
      {game.Label7, "Play", colours::kWhite, narrow, 36, true, left},
      {game.Label6, "Press SpaceBar to Continue", colours::kWhite, narrow, 12, false, centre},
      {game.Label4, "Game Paused", colours::kWhite, narrow, 48, true, centre},
      {game.Label10, "Gas Destroyed", colours::kBlack, arial, 8.25f, false, left},
      {game.hotlbl, "HOT!", 0x000000FF, narrow, 48, true, left},
      {game.Label3, "' ' ' ' ' ' ' ' ' ' ' ' ' ' ' ' '", colours::kBlack, arial, 9.75f, false, left},
      {game.Label1, "Temperature", colours::kBlack, arial, 8.25f, false, left},
      {game.Label2, "Engine Power", colours::kBlack, arial, 8.25f, false, left},
      {game.Label5, "Shield", colours::kBlack, arial, 8.25f, false, left},
      {game.lblLives, "Lives: 3", colours::kBlack, arial, 9.75f, false, left},
  };
  for (const Looks& l : table) {
    SCOPED_TRACE(NameOf(l.label));
    EXPECT_EQ(l.label.Caption, l.caption);
    EXPECT_EQ(l.label.ForeColor, l.colour);
    EXPECT_EQ(l.label.font.face, l.face);
    EXPECT_EQ(l.label.font.points, l.points);
    EXPECT_EQ(l.label.font.bold, l.bold);
    EXPECT_EQ(l.label.alignment, l.alignment);
  }
}

TEST_F(Layout, BarsCarryTheirColoursAndShapes) {
  struct Looks {
    const Bar& bar;
    Colour colour;
    BarShape shape;
    Rgb rgb;
  };
  const BarShape rect = BarShape::Rectangle;
  const Looks table[] = {
      {game.killbar, 0x0000FFFF, rect, {255, 255, 0}},     {game.Progress_Back, 0x000080FF, rect, {255, 128, 0}},
      {game.Shield, 0x00FFFF00, rect, {0, 255, 255}},      {game.power, 0x0000FF00, rect, {0, 255, 0}},
      {game.Temp3, 0x000000FF, BarShape::Circle, {255, 0, 0}},
      {game.Temp1, 0x000000FF, BarShape::RoundedRectangle, {255, 0, 0}},
      {game.Temp0, 0x00FFFFFF, BarShape::RoundedRectangle, {255, 255, 255}},
      {game.PowerBottom, 0x000000FF, rect, {255, 0, 0}},   {game.ShieldBack, 0x00808000, rect, {0, 128, 128}},
  };
  for (const Looks& l : table) {
    SCOPED_TRACE(NameOf(l.bar));
    EXPECT_EQ(l.bar.BackColor, l.colour);
    EXPECT_EQ(l.bar.shape, l.shape);
    const Rgb rgb = ToRgb(l.bar.BackColor);
    EXPECT_EQ(rgb.r, l.rgb.r);
    EXPECT_EQ(rgb.g, l.rgb.g);
    EXPECT_EQ(rgb.b, l.rgb.b);
  }
  EXPECT_EQ(game.Picture2.BackColor, 0x00FFFFC0);
  EXPECT_EQ(game.PauseScreen.BackColor, 0);
  EXPECT_EQ(game.Form1.BackColor, 0x00FFC0C0);
  EXPECT_EQ(game.Form1.caption, "Aerolith");
}

TEST_F(Layout, PanelsComeFirstThenTheTablesInOrderFrontToBack) {
  std::vector<std::string> order;
  for (const Element* e : game.FrontToBack()) order.push_back(NameOf(*e));
  const std::vector<std::string> expectedStart{"WinScreen", "Control_Screen", "LoseScreen", "Picture2",
                                               "PauseScreen", "Picture1", "Label10", "killbar", "Progress_Back",
                                               "dying", "Xplode(0)", "Xplode(1)", "Xplode(2)", "hotlbl",
                                               "bullet(6)", "player", "bullet(5)"};
  ASSERT_GE(order.size(), expectedStart.size());
  EXPECT_EQ(std::vector<std::string>(order.begin(), order.begin() + expectedStart.size()), expectedStart);
  auto position = [&](const std::string& name) { return std::find(order.begin(), order.end(), name) - order.begin(); };
  // Earlier entries are drawn in front of later ones.
  EXPECT_LT(position("killbar"), position("Progress_Back"));
  EXPECT_LT(position("Shield"), position("ShieldBack"));
  EXPECT_LT(position("power"), position("PowerBottom"));
  EXPECT_LT(position("Label3"), position("Temp1"));
  EXPECT_LT(position("Temp1"), position("Temp0"));
  EXPECT_EQ(order.back(), "Ozone(0)");
  EXPECT_EQ(order.size(), 6u + 1 + 2 + 1 + 3 + 1 + 7 + 1 + 20 + 3 + 7 + 1 + 12 + 3 + 1 + 1 + 25);
  // Panel children, front to back, clipped to their panel.
  EXPECT_EQ(game.Picture2.children, (std::vector<Element*>{&game.Label8, &game.Label7}));
  EXPECT_EQ(game.PauseScreen.children, (std::vector<Element*>{&game.Label6, &game.Label4}));
  EXPECT_EQ(game.Control_Screen.children, (std::vector<Element*>{&game.Label9}));
  EXPECT_EQ(game.Picture1.children.size(), 25u);
}

TEST_F(Layout, PicturesAreSharedNotCopied) {
  // Each element starts with a picture of its own; assignment shares the library's.
  EXPECT_FALSE(game.CO2[0].Shows(game.picCO2));
  EXPECT_FALSE(game.Xplode[0].Shows(game.picRX1));
  game.CO2[0].TakePicture(game.picCO2);
  EXPECT_TRUE(game.CO2[0].Shows(game.picCO2));
  EXPECT_FALSE(game.CO2[0].Shows(game.Co2b)) << "same letters, different picture";
  EXPECT_EQ(game.CO2[0].picture->name, "picCO2");
  EXPECT_EQ(game.CO2[0].picture->art, Art::Co2);
  EXPECT_TRUE(game.CO2[3].Stretch);
  EXPECT_FALSE(game.UltraViolet[0].Stretch);
  EXPECT_FALSE(game.Picture1.Visible);
}

TEST_F(Layout, TimersAndTheMusicPlayerStartAsDesigned) {
  EXPECT_EQ(game.Timer3.Interval, 1);
  EXPECT_TRUE(game.Timer3.Enabled);
  EXPECT_EQ(game.Timer2.Interval, 1);
  EXPECT_FALSE(game.Timer2.Enabled);
  EXPECT_EQ(game.Timer1.Interval, 10);
  EXPECT_FALSE(game.Timer1.Enabled);
  EXPECT_EQ(game.WindowsMediaPlayer1.URL, "");
  EXPECT_EQ(game.WindowsMediaPlayer1.playCount, 180);
  EXPECT_EQ(game.WindowsMediaPlayer1.volume, 42);
}

}  // namespace
}  // namespace skyscrub
