#pragma once
#include "game/scene/scene.h"

namespace skyscrub {

// A CO2 slot holds a CO2 molecule while it shows either CO2 frame; any other picture is CH4.
inline bool HoldsCo2(const Scene& scene, const Picture& gas) {
  return gas.Shows(scene.picCO2) || gas.Shows(scene.Co2b);
}

}  // namespace skyscrub
