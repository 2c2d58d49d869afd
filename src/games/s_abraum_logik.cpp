#include "games/s_abraum_logik.h"

namespace abraum {

std::array<bool, 10> gesperrt(int n)
{
    std::array<bool, 10> g {};
    for (int k = 1; k <= 9; ++k)
        g[std::size_t(k)] = spalte(k) != spalte(n) && zeile(k) != zeile(n);
    return g;
}

int punktFuer(bool rotZieht, bool werAbraeumtVerliert)
{
    const bool rotPunktet = werAbraeumtVerliert ? !rotZieht : rotZieht;
    return rotPunktet ? 1 : 2;
}

} // namespace abraum
