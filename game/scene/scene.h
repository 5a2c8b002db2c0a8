#pragma once
#include <array>
#include <vector>

#include "game/scene/elements.h"

namespace skyscrub {

// Every named element of the game window, laid out at construction exactly as the
// window is designed. Names keep the window's own spelling. Not copyable: elements
// point at each other (panel children) and share pictures.
struct Scene {
  Scene();
  Scene(const Scene&) = delete;
  Scene& operator=(const Scene&) = delete;

  Canvas Form1;

  // Panels, front to back.
  Panel WinScreen, Control_Screen, LoseScreen, Picture2, PauseScreen, Picture1;
  Label Label9;          // "Start", on Control_Screen
  Label Label8, Label7;  // "Quit" and "Play", on Picture2
  Label Label6, Label4;  // on PauseScreen

  // The picture library: children of the hidden Picture1, only ever sources of pictures.
  Picture PicPx2, PicPx1, PicGx2, PicGx1, Image8, Image6, PicYX2, picYX1, PicRX2, picRX1, Ch4b, Co2b,
      picUV, picCFC, picCH4, picCO2, pic03, xplode2, xplode1, bullet2, bullet1, Image4, sky, shipRight,
      ShipLeft;

  // HUD and playfield, front to back.
  Label Label10;
  Bar killbar, Progress_Back;
  Picture dying;
  std::array<Picture, 3> Xplode;
  Label hotlbl;
  std::array<Picture, 7> bullet;
  Picture player;
  std::array<Picture, 20> CO2;
  std::array<Picture, 3> CFC;
  std::array<Picture, 7> Image2;
  Picture factory2;
  Bar Shield, power, Temp3;
  Label Label3;
  Bar Temp1, Temp0;
  Label Label1;
  Bar PowerBottom;
  Label Label2;
  Bar ShieldBack;
  Label Label5, lblLives;
  std::array<Picture, 3> UltraViolet;
  Picture factory;
  Picture Image3;
  std::array<Picture, 25> Ozone;

  Timer Timer3{"Timer3", 1, true};
  Timer Timer2{"Timer2", 1, false};
  Timer Timer1{"Timer1", 10, false};

  MediaPlayer WindowsMediaPlayer1;

  // The window's top-level elements, front to back: panels first, then the rest.
  const std::vector<Element*>& FrontToBack() const { return frontToBack_; }

 private:
  std::vector<Element*> frontToBack_;
};

}  // namespace skyscrub
