/* The resource number of the Earth icon in both programs: the first icon, the one Explorer shows. */
#pragma once

#define SKYSCRUB_PROGRAM_ICON 1
