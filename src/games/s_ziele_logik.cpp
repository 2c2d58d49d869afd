#include "games/s_ziele_logik.h"

#include "platform/random.h"

#include <cstdlib>

namespace ziele {

int sprungweite(int start, int ziel)
{
    const int abstand = std::abs(ziel - start);
    int m;
    do
        m = Random(7) + 3;
    while (abstand % (m + 1) == 0);
    return m;
}

int computerSprung(bool schlau, int d, int m)
{
    const int rest = d % (m + 1);
    if (rest != 0 && (schlau || d < 16)) return rest;
    return Random(m) + 1;
}

} // namespace ziele
