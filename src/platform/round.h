#pragma once
#include <cmath>

// Rounds halves to the even neighbour (Round(2.5) = 2, Round(3.5) = 4), as every position on the design grid
// and every rate in a protocol is rounded.
inline int Round(double v)
{
    const double f = std::floor(v);
    const double d = v - f;
    if (d < 0.5) return int(f);
    if (d > 0.5) return int(f) + 1;
    return std::fmod(f, 2.0) == 0.0 ? int(f) : int(f) + 1;
}
