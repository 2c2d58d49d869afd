#include "aids/h_teilersuche_logik.h"

#include "platform/random.h"

namespace teilersuche {

namespace {
constexpr int kZahlen[kPoolgroesse] = { 4, 6, 8, 9, 10, 12, 14, 15, 16, 18, 20, 21, 24, 25, 27, 28, 30, 32, 35, 36, 40,
    42, 45, 48, 49, 50, 54, 56, 60, 63, 64, 64, 72, 80, 81 };
} // namespace

void poolFuellen(Pool& pool)
{
    for (int i = 1; i <= kPoolgroesse; ++i)
        pool.ziehzahlen[i] = kZahlen[i - 1];
    pool.zaehler = kPoolgroesse;
}

int ziehung(Pool& pool)
{
    if (pool.zaehler < 1) pool.zaehler = kPoolgroesse;
    const int i = Random(pool.zaehler) + 1;
    const int z = pool.ziehzahlen[i];
    const int tauschwert = pool.ziehzahlen[pool.zaehler];
    pool.ziehzahlen[pool.zaehler] = z;
    pool.ziehzahlen[i] = tauschwert;
    pool.zaehler -= 1;
    if (pool.zaehler == 0) pool.zaehler = kPoolgroesse;
    return z;
}

QString teiler(int z)
{
    QString s;
    for (int t = 2; t <= 9; ++t)
        if (t < z && z % t == 0) s += QChar(u'0' + t);
    return s;
}

QString keinTeilerText(int t, int z)
{
    return QString::number(t) + QStringLiteral("  ist kein Teiler von ") + QString::number(z) + u'.';
}

QString frage(int teilerzahl)
{
    return teilerzahl > 1 ? QStringLiteral("Welche einstelligen Zahlen sind")
                          : QStringLiteral("Welche einstellige Zahl ist");
}

Zeilen45 protokollzeilen45(const QString& liste)
{
    int k = 0;
    for (int pos = 31; pos <= 33; ++pos)
        if (liste.size() >= pos && liste.at(pos - 1) == u' ') k = pos - 31;
    return { QStringLiteral("bearbeitete Zahlen:    ") + liste.left(30 + k),
        QStringLiteral("... ") + liste.mid(30 + k, 70) };
}

} // namespace teilersuche
