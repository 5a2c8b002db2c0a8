#pragma once
// The two looks of lettering on the full-screen pictures.
#include "assets/generator/text.h"

namespace assetgen {

// Large headline lettering: a gradient fill, a dark rim and a soft drop shadow.
TextStyle Headline(Color top, Color bottom, float topY, float bottomY, Color rim);
// A line of smaller text with a thin dark rim, readable on any background.
TextStyle Caption(Color fill);

}  // namespace assetgen
