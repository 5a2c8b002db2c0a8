#pragma once
// The three sound effects, synthesised from noise and swept tones.
#include "assets/generator/synth.h"

namespace assetgen {

Samples ExplosionEffect();  // xplode2.wav: a short burst of noise with a thump
Samples ShotEffect();       // shoot2.wav: a quick falling laser zap
Samples DeathEffect();      // die1.wav: the ship's long falling wail into an explosion

}  // namespace assetgen
