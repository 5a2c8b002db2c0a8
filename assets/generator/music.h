#pragma once
// The four pieces of music: two General MIDI themes that loop, two synthesised jingles.
#include "assets/generator/midi_file.h"
#include "assets/generator/synth.h"

namespace assetgen {

MidiPiece TitleTheme();  // music1.mid: calm and airy, for the title screen
MidiPiece GameTheme();   // music2.mid: upbeat, for play, with a second section
Samples LoseJingle();    // music3.wav: short and sad
Samples WinJingle();     // music4.wav: a triumphant fanfare

}  // namespace assetgen
