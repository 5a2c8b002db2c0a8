#pragma once
// The file a piece of music asked for by the game is played from. Where SDL2_mixer plays MIDI
// through the system's synthesiser (Linux's FluidSynth), the file itself; where it has none (the
// browser, Windows), a MIDI theme plays from its rendering, made at build time with FluidSynth
// and the same sound font and shipped beside it as Ogg Vorbis, as loud as the desktop's
// synthesiser plays it at the game's music volume. The build picks one of the two realisations.
#include <string>

namespace skyscrub::sdl {

// `path` as the game names it ("/components/sound/music1.mid"), as a file of this system.
std::string MusicFile(const std::string& path);

// The mixer's volume, in percent of its full volume, for the piece the game asks for as `path`
// at `volumePercent`: that volume, except for a rendered theme, which carries its level in its
// samples (the game's music volume through the desktop's synthesiser) and plays at full volume.
int MusicVolumePercent(const std::string& path, int volumePercent);

// Where sounds ship rendered or encoded: `file`'s Ogg Vorbis version beside it (the same name
// ending in .ogg) where the build ships one, else `file` itself. The browser ships its long
// effects and jingles so too.
std::string ShippedEncoding(std::string file);

}  // namespace skyscrub::sdl
