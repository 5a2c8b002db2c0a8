#include "recording/playback_system.h"

namespace skyscrub::recording {

PlaybackSystem::PlaybackSystem(Platform& real)
    : real_(real), platform_{*this, real.sound, real.music, *this, *this, *this, *this, *this} {}

void PlaybackSystem::EndProgram() {
  ended_ = true;
  real_.window.EndProgram();
}

}  // namespace skyscrub::recording
