#include "assets/generator/sounds.h"

#include <cstdio>
#include <fstream>

#include "assets/generator/effects.h"
#include "assets/generator/music.h"

namespace assetgen {
namespace {

bool SaveMidi(const MidiPiece& piece, const std::string& path) {
  const std::vector<std::uint8_t> bytes = SmfBytes(piece);
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return out.good();
}

}  // namespace

bool WriteSounds(const std::string& dir) {
  const std::string at = dir + "/";
  const bool written = SaveWave(ExplosionEffect(), at + "xplode2.wav") && SaveWave(ShotEffect(), at + "shoot2.wav") &&
                       SaveWave(DeathEffect(), at + "die1.wav") && SaveMidi(TitleTheme(), at + "music1.mid") &&
                       SaveMidi(GameTheme(), at + "music2.mid") && SaveWave(LoseJingle(), at + "music3.wav") &&
                       SaveWave(WinJingle(), at + "music4.wav");
  if (!written) std::fprintf(stderr, "cannot write the sounds into %s\n", dir.c_str());
  return written;
}

}  // namespace assetgen
