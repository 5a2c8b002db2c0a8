#pragma once
// MIDI files rendered with FluidSynth as the game's mixer plays them: its player, the sound
// font, a gain, the file repeated a number of times in a row. Rendering is offline and
// repeatable: the player is timed by the samples rendered, not by a clock.
#include <map>
#include <string>
#include <vector>

#include "assets/generator/loudness.h"

namespace skyscrub::sound_check {

using assetgen::Stereo;

struct MidiRenderRequest {
  std::string midiPath, soundFont;
  double gain = 0.2;  // FluidSynth's own default
  int plays = 1;
  int sampleRate = 44100;
  double seconds = 0;         // stop after this long (0: when the player ends)
  std::vector<int> channels;  // MIDI channels (0-based) whose sound is wanted on its own too
};

struct MidiRendering {
  Stereo mix;                   // everything, reverb and chorus included
  std::map<int, Stereo> parts;  // for each channel asked for: its sound with its reverb and chorus
};

// Nothing rendered when the file is no MIDI file or FluidSynth cannot load the font.
MidiRendering RenderMidi(const MidiRenderRequest& request);

}  // namespace skyscrub::sound_check
