#include "games/s_bufeld_logik.h"

#include "platform/random.h"

#include <utility>

namespace s_bufeld {

Rand randzahlen(bool gemischt)
{
    Rand r {};
    for (int i = 0; i <= 10; ++i)
        r[size_t(i)] = i;
    if (gemischt)
        for (int k = 10; k >= 1; --k)
            std::swap(r[size_t(k)], r[size_t(Random(k))]);
    return r;
}

int zeilenzahl(int rechenart, int a)
{
    return rechenart == minus ? a + 10 : a;
}

int wert(int rechenart, int a, int b)
{
    switch (rechenart) {
    case minus:
        return a + 10 - b;
    case mal:
        return a * b;
    default:
        return a + b;
    }
}

QString zeichen(int rechenart)
{
    return rechenart == minus ? QStringLiteral("-") : rechenart == mal ? QStringLiteral("*") : QStringLiteral("+");
}

int bewegt(int stelle, int d)
{
    const int neu = stelle + d;
    return neu < 1 || neu > 11 ? stelle : neu;
}

} // namespace s_bufeld
