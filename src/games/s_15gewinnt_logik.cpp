#include "games/s_15gewinnt_logik.h"

#include <numeric>

namespace fuenfzehn {

int summentest(const Werte& werte)
{
    static const int linien[8][3] = { { 1, 4, 7 }, { 2, 5, 8 }, { 3, 6, 9 }, { 1, 2, 3 }, { 4, 5, 6 }, { 7, 8, 9 },
        { 1, 5, 9 }, { 3, 5, 7 } };
    for (int i = 0; i < 8; ++i)
        if (werte[linien[i][0] - 1] + werte[linien[i][1] - 1] + werte[linien[i][2] - 1] == 15) return i + 1;
    return 0;
}

int letzterStein(const Werte& werte)
{
    return 65 - std::accumulate(werte.begin(), werte.end(), 0);
}

Linie linie(int gewonnen)
{
    static const Linie linien[8] = { { 370, 390, 370, 690 }, { 500, 390, 500, 690 }, { 630, 390, 630, 690 },
        { 370, 343, 630, 343 }, { 370, 520, 630, 520 }, { 370, 697, 630, 697 }, { 370, 343, 630, 697 },
        { 370, 697, 630, 343 } };
    return linien[(gewonnen >= 1 && gewonnen <= 8 ? gewonnen : 1) - 1];
}

} // namespace fuenfzehn
