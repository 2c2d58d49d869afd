#include "aids/h_reihenmuster_logik.h"

#include "platform/random.h"

namespace reihenmuster {

Reihe reiheZiehen(const Optionen& o)
{
    const int s = o.schrittweite();
    const int spanne = 100 - 10 * s;
    int z = 0;
    switch (o.fall()) {
    case 1:
        z = s;
        break;
    case 2:
        // Above 9 x 9 no multiple of 9 leaves room for ten members; the row of 9 starts at 9.
        if (s == 9) {
            z = 9;
            break;
        }
        do
            z = Random(spanne) + 1;
        while (z % s != 0 || z <= s);
        break;
    case 3:
        do
            z = Random(spanne) + 1;
        while (z % s == 0);
        break;
    case 4:
        z = 10 * s;
        break;
    case 5:
        do
            z = Random(spanne) + 10 * s;
        while (z % s != 0 || z <= 10 * s);
        break;
    default:
        do
            z = Random(spanne) + 10 * s;
        while (z % s == 0);
        break;
    }
    return { z, o.rueckwaerts() ? -s : s };
}

QPoint zelle(int n)
{
    int c = n % 10;
    int r = n / 10;
    if (c == 0) {
        c = 10;
        r -= 1;
    }
    return { c, r };
}

QList<int> muster(int n, int s)
{
    QList<int> liste;
    if (s < 1) return liste;
    const int rest = ((n % s) + s) % s;
    for (int m = rest == 0 ? s : rest; m <= 100; m += s)
        liste << m;
    return liste;
}

QString zeichen(const Optionen& o)
{
    return o.rueckwaerts() ? QStringLiteral("-") : QStringLiteral("+");
}

QString zeile4(const Optionen& o)
{
    return QStringLiteral("Schrittweite+Richtung: ") + QString::number(o.schrittweite()) + QStringLiteral("   ")
        + (o.rueckwaerts() ? QStringLiteral("rückwärts   ") : QStringLiteral("vorwärts   "));
}

QString zeile5(const Optionen& o)
{
    const QString s = QString::number(o.schrittweite());
    switch (o.wahl5) {
    case 0:
        return QStringLiteral("verwendete Zahlen:     nur Zahlen des kleinen 1x") + s;
    case 1:
        return QStringLiteral("verwendete Zahlen:     1x1-Zahlen über das kl. 1x") + s + QStringLiteral(" hinaus");
    default:
        return QStringLiteral("verwendete Zahlen:     keine Zahlen des 1x") + s;
    }
}

} // namespace reihenmuster
