#pragma once
// Rectangles compare and print by their fields (found by lookup in SDL's own namespace).
#include <SDL.h>

#include <ostream>

inline bool operator==(const SDL_Rect& a, const SDL_Rect& b) { return SDL_RectEquals(&a, &b); }
inline void PrintTo(const SDL_Rect& r, std::ostream* os) { *os << '{' << r.x << ',' << r.y << ',' << r.w << ',' << r.h << '}'; }
