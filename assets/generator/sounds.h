#pragma once
// The game's sound effects and music, written as files the game plays.
#include <string>

namespace assetgen {

// Writes xplode2.wav, shoot2.wav, die1.wav, music1.mid, music2.mid, music3.wav and music4.wav.
bool WriteSounds(const std::string& dir);

}  // namespace assetgen
