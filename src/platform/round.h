#pragma once
#include <cmath>

// Rounds halves to the even neighbour, as the original runtime does (Round(2.5) = 2, Round(3.5) = 4).
inline int Round(double v)
{
    const double f = std::floor(v);
    const double d = v - f;
    if (d < 0.5)
        return int(f);
    if (d > 0.5)
        return int(f) + 1;
    return std::fmod(f, 2.0) == 0.0 ? int(f) : int(f) + 1;
}
