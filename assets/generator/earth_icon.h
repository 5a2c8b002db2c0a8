#pragma once
// The game's Earth icon, drawn for one pixel size with the detail that size can hold: bold land
// and sea with a dark rim at 16 and 24 px, polar ice and a few clouds from 32 px, fine coasts,
// cloud, lighting and a glowing atmosphere from 64 px.
#include "assets/generator/image.h"

namespace assetgen {

Image EarthIcon(int size);

}  // namespace assetgen
