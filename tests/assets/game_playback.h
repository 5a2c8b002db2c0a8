#pragma once
// The game's sounds as the player hears them: the files played at the volumes the game and
// SDL2_mixer give them, at the mixer's rate.
#include <string>

#include "assets/generator/loudness.h"

namespace skyscrub::sound_check {

using assetgen::Stereo;

// SDL2_mixer's scale of volumes, and the game's music volume on it (42 of 100 -> 53).
constexpr int kMixMaxVolume = 128;
int MusicMixVolume();
// The mixer's volume for the game's music `path` ("/components/sound/music1.mid") where the themes
// play from their renderings (the browser, Windows), as those builds' music files set it.
int RenderedMusicMixVolume(const std::string& path);
// SDL2_mixer 2.6 plays MIDI through FluidSynth with the synthesiser's gain set to
// 1.2 x volume / 128 (0.497 at 53) and mixes it in unscaled; a wave played as music is
// scaled by volume / 128; effects play at the default chunk volume, 128, unscaled.
double MidiMusicGain();
double WaveMusicGain();
constexpr int kMixerRate = 32000;  // platform/sdl_common/audio_device.cpp
constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

// What SDL2_mixer sends to the sound card for the first `seconds` (all of it if shorter) of the
// music file `path` played once at `volume` (of kMixMaxVolume), from its first sound on: through
// SDL's disk audio driver at kMixerRate, MIDI with FluidSynth and kSoundFont as on the desktop.
Stereo PlayedBySdlMixer(const std::string& path, int volume, double seconds);

// A 16-bit wave file as floats in both channels; no frames when it cannot be read.
Stereo LoadWave(const std::string& path);

// Z held: a shot every `period` seconds, each cut off by the next, for `seconds`.
Stereo HeldFire(const Stereo& shot, double period, double seconds);

}  // namespace skyscrub::sound_check
