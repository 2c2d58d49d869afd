#include "games/s_zrat_logik.h"

namespace s_zrat {

Feldlage feldlage(int n)
{
    if (n % 10 == 0) return { n / 10 - 1, 10 };
    return { n / 10, n % 10 };
}

QPoint kreuzpunkt(const Feldlage& f)
{
    return { 39 * f.spalte + 116, 56 * f.zeile + 25 };
}

double strahlX(int n)
{
    return 6.4 * n + 13;
}

int eingabewert(const QString& eingabe)
{
    bool ok = false;
    const int v = eingabe.toInt(&ok);
    return ok && v >= 1 && v <= 100 ? v : 0;
}

Urteil bewerten(int versuch, int nummer)
{
    if (versuch == nummer) return Urteil::getroffen;
    return versuch > nummer ? Urteil::kleiner : Urteil::groesser;
}

std::vector<Feldlage> kreuze(int versuch, int nummer)
{
    std::vector<Feldlage> zellen;
    const Feldlage f = feldlage(versuch);
    if (versuch > nummer) {
        for (int c = f.spalte; c <= 10; ++c)
            zellen.push_back({ f.zeile, c });
        for (int r = f.zeile + 1; r <= 9; ++r)
            for (int c = 1; c <= 10; ++c)
                zellen.push_back({ r, c });
    } else if (versuch < nummer) {
        for (int r = 0; r < f.zeile; ++r)
            for (int c = 1; c <= 10; ++c)
                zellen.push_back({ r, c });
        for (int c = 1; c <= f.spalte; ++c)
            zellen.push_back({ f.zeile, c });
    }
    return zellen;
}

Tabelleneintrag frage(int wahl5, const QString& zahl, int versuch, int nummer)
{
    switch (wahl5) {
    case 1:
        return { QStringLiteral("kleiner als ") + zahl, versuch > nummer, false };
    case 3:
        return { QStringLiteral("größer als ") + zahl, versuch < nummer, false };
    default:
        return { QStringLiteral("es ist die ") + zahl, versuch == nummer, versuch == nummer };
    }
}

} // namespace s_zrat
