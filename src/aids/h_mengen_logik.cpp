#include "aids/h_mengen_logik.h"

#include "platform/colors.h"
#include "platform/random.h"

#include <cstdlib>

namespace mengen {

QVector<int> erlaubteMengen(const QString& wahltext)
{
    QVector<int> mengen;
    for (int n = 3; n <= 9; ++n)
        if (wahltext.contains(QString::number(n))) mengen << n;
    return mengen;
}

int mengeZiehen(const QString& wahltext)
{
    const bool alle = erlaubteMengen(wahltext).isEmpty();
    for (;;) {
        const int n = Random(7) + 3;
        if (alle || wahltext.contains(QString::number(n))) return n;
    }
}

Quadrant quadrant(const Objekt& o)
{
    const bool oben = o.y < 310;
    const bool links = o.x < 280;
    if (oben) return links ? Quadrant::obenLinks : Quadrant::obenRechts;
    return links ? Quadrant::untenLinks : Quadrant::untenRechts;
}

QVector<Objekt> objekteLegen(int n)
{
    QVector<Objekt> objekte;
    while (objekte.size() < n) {
        Objekt o;
        do
            o.x = Random(600) + 20;
        while (o.x >= 280 && o.x < 371);
        do
            o.y = Random(720) + 25;
        while (o.y >= 310 && o.y < 456);
        bool frei = true;
        for (const Objekt& p : objekte)
            if (std::abs(o.x - p.x) < 60 && std::abs(o.y - p.y) < 81) frei = false;
        if (frei) objekte << o;
    }
    return objekte;
}

QColor quadrantfarbe(Quadrant q)
{
    switch (q) {
    case Quadrant::obenLinks:
        return clRed;
    case Quadrant::obenRechts:
        return clYellow;
    case Quadrant::untenLinks:
        return clBlue;
    case Quadrant::untenRechts:
        return clGreen;
    }
    return clBlack;
}

QVector<int> farbfolge(const QVector<Objekt>& objekte)
{
    QVector<int> folge;
    for (Quadrant q : { Quadrant::obenLinks, Quadrant::obenRechts, Quadrant::untenLinks, Quadrant::untenRechts })
        for (int i = 0; i < objekte.size(); ++i)
            if (quadrant(objekte[i]) == q) folge << i;
    return folge;
}

QVector<TRect> abdeckungen()
{
    return { { 13, 14, 340, 415 }, { 362, 14, 686, 415 }, { 13, 438, 340, 845 }, { 362, 438, 686, 845 } };
}

double darbietungszeit(int variante, int eingabenrichtig, int zielzahl)
{
    const double abnahme = 1.0 + (eingabenrichtig + 1) / 10.0;
    switch (variante) {
    case 0:
        return 1e-5;
    case 1:
        return 2e-5;
    case 2:
        return 4e-5 / abnahme;
    case 3:
        return 8e-5 / abnahme;
    case 4:
        return zielzahl * 2e-6;
    case 5:
        return zielzahl * 4e-6;
    case 6:
        return zielzahl * 6e-6;
    default:
        return 0;
    }
}

QString zeitenlabel(int variante)
{
    static const QStringList labels
        = { QStringLiteral("1,0 sec  (immer gleich)"), QStringLiteral("2,0 sec  (immer gleich)"),
              QStringLiteral("4,0 sec  (abnehmend)"), QStringLiteral("8,0 sec  (abnehmend)"),
              QStringLiteral("0,2 sec/Element"), QStringLiteral("0,4 sec/Element"), QStringLiteral("0,6 sec/Element") };
    return variante >= 0 && variante < labels.size() ? labels[variante] : QString();
}

Takt wievtakt(const QString& eingabe, int zielzahl, int hilfestufe, double jetzt, double aufgabenstart, double zeit)
{
    if (eingabe == QString::number(zielzahl) || hilfestufe >= 3) return Takt::ruhen;
    if (eingabe.isEmpty() && jetzt <= aufgabenstart + zeit) return Takt::warten;
    return Takt::abdecken;
}

TRect streifenzelle(int r)
{
    return { 27 + 66 * r, 890, 82 + 66 * r, 965 };
}

int zaehlzahlX(int k, int n)
{
    return k < n ? 47 + 66 * (k - 1) : 66 * n - 18;
}

int zahlVon(const Stellen& s)
{
    return 100 * s.h + 10 * s.z + s.e;
}

int tauschzahl(const Stellen& s)
{
    return 100 * s.h + 10 * s.e + s.z;
}

QVector<Kasten> plattenbild(const Stellen& s)
{
    QVector<Kasten> bild;
    const auto zelle = [&](int x, int y, const QColor& farbe) { bild << Kasten { { x, y, x + 15, y + 20 }, farbe }; };
    for (int k = 1; k <= s.h; ++k) {
        const int d = k / 6;
        const QColor farbe = k % 2 == 1 ? clBlue : clYellow;
        for (int i = 1; i <= 10; ++i)
            for (int j = 1; j <= 10; ++j)
                zelle(15 * i + 20 * k + 15 * d, 20 * j + 25 * k + 21 * d, farbe);
    }
    const int e = s.h / 6;
    for (int m = 1; m <= s.z; ++m)
        for (int j = 1; j <= 10; ++j)
            zelle(20 * s.h + 205 + 20 * m + 5 * (m / 6), 25 * s.h + 20 * j + 21 * e, clYellow);
    const int x0 = 20 * s.h + 265 + 20 * s.z;
    const auto wuerfel = [&](int x, int t) { zelle(x, 25 * s.h + 227 - 27 * t + 21 * e, clYellow); };
    if (s.e > 4)
        for (int t = 1; t <= 5; ++t)
            wuerfel(x0, t);
    for (int t = 1; t <= s.e % 5; ++t)
        wuerfel(x0 + 30 * (s.e / 5), t);
    return bild;
}

std::optional<Stellenmarke> stellenmarke(const Stellen& s, int getippt)
{
    const int versatz = 21 * (s.h / 6);
    Stellenmarke m;
    m.y = 25 * s.h + 270 + versatz;
    switch (getippt) {
    case 0:
        m.farbe = clRed;
        m.loeschen = TRect { 20, 25 * s.h + 265 + versatz, 685, 25 * s.h + 320 + versatz };
        m.x1 = 35;
        m.x2 = 20 * s.h + 165 + 15 * (s.h / 6);
        return m;
    case 1:
        m.farbe = clYellow;
        m.x1 = 20 * s.h + 220;
        m.x2 = s.z >= 2 ? 20 * s.h + 242 + 20 * (s.z - 1) + 5 * (s.z / 6) : 20 * s.h + 242;
        return m;
    case 2:
        m.farbe = clGreen;
        m.x1 = 20 * s.h + 262 + 20 * s.z;
        m.x2 = s.e >= 6 ? 20 * s.h + 284 + 20 * s.z + 25 * (s.e / 6) : 20 * s.h + 284 + 20 * s.z;
        return m;
    default:
        return std::nullopt;
    }
}

} // namespace mengen
