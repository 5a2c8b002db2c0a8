#include "assets/generator/catalog.h"

#include "assets/generator/earth_icon.h"
#include "assets/generator/screens.h"
#include "assets/generator/sprites.h"

namespace assetgen {

using skyscrub::Art;

Image Draw(Art art) {
  switch (art) {
    case Art::ShipRight: return ShipRight();
    case Art::ShipLeft: return ShipRight().Mirrored();
    case Art::Bullet1: return Shot(true);
    case Art::Bullet2: return Shot(false);
    case Art::Co2: return MoleculeLetters(Molecule::Co2, false);
    case Art::Co2Bold: return MoleculeLetters(Molecule::Co2, true);
    case Art::Ch4: return MoleculeLetters(Molecule::Ch4, false);
    case Art::Ch4Bold: return MoleculeLetters(Molecule::Ch4, true);
    case Art::Cfc: return MoleculeLetters(Molecule::Cfc, true);
    case Art::Ozone: return MoleculeLetters(Molecule::Ozone, true);
    case Art::Ultraviolet: return MoleculeLetters(Molecule::Ultraviolet, true);
    case Art::Factory: return Factory();
    case Art::Tree: return Tree();
    case Art::StarBurst: return StarBurst();
    case Art::Fire1: return Fire(1);
    case Art::Fire2: return Fire(2);
    case Art::RedBurst1: return Burst(BurstColour::Red, 1);
    case Art::RedBurst2: return Burst(BurstColour::Red, 2);
    case Art::YellowBurst1: return Burst(BurstColour::Yellow, 1);
    case Art::YellowBurst2: return Burst(BurstColour::Yellow, 2);
    case Art::GreenBurst1: return Burst(BurstColour::Green, 1);
    case Art::GreenBurst2: return Burst(BurstColour::Green, 2);
    case Art::PinkBurst1: return Sparkle(1);
    case Art::PinkBurst2: return Sparkle(2);
    case Art::TitleScreen: return TitleScreen();
    case Art::Sky: return SkyScreen();
    case Art::Instructions: return InstructionsScreen();
    case Art::WinScreen: return WinScreen();
    case Art::LoseScreen: return LoseScreen();
    case Art::Grass: return GrassStrip();
    case Art::SkyStrip: return SkyStrip();
    case Art::Icon: return EarthIcon(32);
    case Art::WindowIcon: return EarthIcon(64);
    case Art::Cursor: return Image(16, 16);  // nothing at all: the pointer vanishes over the game
    case Art::None:
    case Art::Count: break;
  }
  return Image(1, 1);
}

bool IsBackground(Art art) {
  switch (art) {
    case Art::TitleScreen:
    case Art::Sky:
    case Art::Instructions:
    case Art::WinScreen:
    case Art::LoseScreen:
    case Art::Grass:
    case Art::SkyStrip: return true;
    default: return false;
  }
}

}  // namespace assetgen
