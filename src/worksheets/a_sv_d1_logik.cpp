#include "worksheets/a_sv_d1_logik.h"

#include "platform/canvas.h"
#include "platform/random.h"
#include "worksheets/blattrahmen_logik.h"
#include "worksheets/svrahmen_logik.h"

#include <QString>
#include <array>

namespace sv_d1 {

using svrahmen::wurf;

namespace {

// The digits of quotient (h z e) and divisor (zehner2 einer2).
struct Ziffern {
    int h = 0, z = 0, e = 0;
    int zehner2 = 0, einer2 = 0;
};

int hunderterBis(int d) // h := 1..9 until h d has two digits
{
    int h;
    do
        h = wurf(1, 9);
    while (h * d <= 9);
    return h;
}

Ziffern einstelligTyp2()
{
    Ziffern g;
    g.e = wurf(1, 4);
    do
        g.einer2 = wurf(2, 9);
    while (g.e * g.einer2 >= 10);
    do
        g.z = wurf(1, 9);
    while (g.einer2 * g.z <= 9);
    g.h = hunderterBis(g.einer2);
    return g;
}

Ziffern einstelligTyp3()
{
    Ziffern g;
    do {
        g.einer2 = wurf(2, 9);
        g.e = wurf(1, 9);
        g.z = wurf(1, 4);
    } while (!(g.e * g.einer2 > 10 && (g.e * g.einer2) / 10 + g.z * g.einer2 < 10));
    g.h = hunderterBis(g.einer2);
    return g;
}

Ziffern einstellig(int typ)
{
    Ziffern g;
    switch (typ) {
    case 1:
        g.e = wurf(1, 4);
        do
            g.einer2 = wurf(2, 9);
        while (g.e * g.einer2 >= 10);
        do
            g.z = wurf(1, 4);
        while (g.einer2 * g.z >= 10);
        g.h = hunderterBis(g.einer2);
        return g;
    case 2:
        return einstelligTyp2();
    case 3:
        return einstelligTyp3();
    case 4:
        return Random(2) == 0 ? einstelligTyp2() : einstelligTyp3();
    case 5:
        g.einer2 = wurf(2, 9);
        do
            g.e = wurf(1, 9);
        while (g.einer2 * g.e <= 9);
        do
            g.z = wurf(1, 9);
        while (g.z * g.einer2 <= 9);
        g.h = hunderterBis(g.einer2);
        return g;
    case 6:
        g.einer2 = wurf(6, 9), g.e = wurf(6, 9), g.z = wurf(6, 9), g.h = wurf(6, 9);
        return g;
    default: // 7: a zero in the quotient
        g.einer2 = wurf(2, 9);
        if (Random(2) == 0)
            g.z = 0, g.e = wurf(1, 9);
        else
            g.z = wurf(1, 9), g.e = 0;
        g.h = hunderterBis(g.einer2);
        return g;
    }
}

// Two-digit divisors from 21 to 99 with the units digit given; the quotient without zeros.
Ziffern zweistelligOhneNull(int einer2)
{
    Ziffern g;
    g.einer2 = einer2;
    g.zehner2 = wurf(2, 9);
    g.e = wurf(1, 9), g.z = wurf(1, 9), g.h = wurf(1, 9);
    return g;
}

Ziffern zweistelligTyp4()
{
    int einer2;
    do
        einer2 = wurf(1, 9);
    while (!(einer2 <= 2 || einer2 >= 8));
    return zweistelligOhneNull(einer2);
}

Ziffern zweistelligTyp5()
{
    return zweistelligOhneNull(wurf(3, 7));
}

Ziffern zweistellig(int typ)
{
    Ziffern g;
    switch (typ) {
    case 1:
        g.einer2 = 0, g.zehner2 = wurf(2, 9);
        g.e = Random(10), g.z = Random(10), g.h = wurf(1, 9);
        return g;
    case 2:
        g.einer2 = Random(2) == 0 ? 9 : 1;
        g.zehner2 = 1;
        g.e = wurf(1, 9), g.z = wurf(1, 9), g.h = wurf(1, 9);
        return g;
    case 3:
        g.einer2 = wurf(1, 9), g.zehner2 = 1;
        g.e = wurf(1, 9), g.z = wurf(1, 9), g.h = wurf(1, 9);
        return g;
    case 4:
        return zweistelligTyp4();
    case 5:
        return zweistelligTyp5();
    case 6:
        return Random(2) == 1 ? zweistelligTyp5() : zweistelligTyp4();
    default: // 7: a zero in the quotient
        g.einer2 = wurf(1, 9), g.zehner2 = wurf(2, 9);
        if (Random(2) == 0)
            g.z = 0, g.e = wurf(1, 9);
        else
            g.z = wurf(1, 9), g.e = 0;
        g.h = wurf(1, 9);
        return g;
    }
}

} // namespace

Aufgabe aufgabe(int quotient, int divisor, int rest)
{
    Aufgabe a;
    const int h = quotient / 100, z = (quotient / 10) % 10, e = quotient % 10;
    a.quotient = quotient;
    a.divisor = divisor;
    a.divisionsrest = rest;
    a.dividend = quotient * divisor + rest;
    a.teilprodukt1 = divisor * h;
    a.teilprodukt3 = divisor * z;
    a.teilprodukt5 = divisor * e;
    a.zwischenrest1 = a.dividend / 100 - divisor * h;
    a.zehnerziffer = (a.dividend / 10) % 10;
    a.zwischenrest2 = 10 * a.zwischenrest1 + a.zehnerziffer - divisor * z;
    a.einerziffer = a.dividend % 10;
    a.fuenfstellig = a.dividend > 9999 ? 1 : 0;
    return a;
}

Aufgabe stellenwurf(int typ, int variante, bool mitRest)
{
    if (typ == 8) {
        static const std::array<int, 6> fuellung { 1, 2, 3, 5, 6, 7 };
        typ = variante == 0 ? fuellung[size_t(Random(6))] : Random(7) + 1;
    }
    const Ziffern g = variante == 0 ? einstellig(typ) : zweistellig(typ);
    const int d = 10 * g.zehner2 + g.einer2;
    // The remainder is drawn also when none is wanted, so both choices use up the same draws.
    const int r = (Random(d - 1) + 1) * (mitRest ? 1 : 0);
    Aufgabe a = aufgabe(100 * g.h + 10 * g.z + g.e, d, r);
    a.typ = typ;
    return a;
}

Blatt aufgabenbau(const std::vector<int>& arten, int variante, bool mitRest)
{
    Blatt b;
    b.variante = variante;
    b.mitRest = mitRest;
    for (int art : arten)
        b.aufgaben.push_back(stellenwurf(art, variante, mitRest));
    return b;
}

void zeichnen(Canvas& canvas, const Blatt& blatt, int kaestchenwahl, bool loesungsdruck)
{
    const bool u = kaestchenwahl > 0;
    const int p = blatt.variante;
    const int abstand = u ? 65 : 45;
    svrahmen::kopf(
        canvas, 135, -50, loesungsdruck ? QStringLiteral("Lösungsblatt") : QStringLiteral("Name: __________________"));
    for (size_t k = 0; k < blatt.aufgaben.size(); ++k) {
        const Aufgabe& a = blatt.aufgaben[k];
        const int r = int(k) / 2, c = int(k) % 2 + 1, dy = -585 * r;
        canvas.font.height = 35;
        if (u)
            canvas.textOut(910 * c - 650 - 65 * p, -193 + dy, svrahmen::nummer(int(k) + 1));
        else
            canvas.textOut(800 * c - 620, -213 + dy, QString::number(k + 1) + QLatin1Char(')'));
        // Character i of a text ends at x0 + abstand * i.
        const auto text = [&](int x0, int y, const QString& t) { svrahmen::stellen(canvas, x0, y, abstand, t); };
        const QString aufgabentext
            = svrahmen::rechts(a.dividend, p + 4) + QLatin1Char(':') + QString::number(a.divisor) + QLatin1Char('=');
        text(u ? 910 * c - 600 - 130 * p : 800 * c - 595, -197 + dy, aufgabentext);
        if (!loesungsdruck) continue;

        text(u ? 910 * c - 145 : 800 * c - 275 + 90 * p, -197 + dy, QString::number(a.quotient));
        // A remainder and the digit brought down beside it; on the squares the digit stands in its own column.
        const auto rest = [&](int xu, int x, int y, int zwischenrest, int ziffer) {
            if (u) {
                text(910 * c - xu - 65 * p, y, svrahmen::rechts(zwischenrest, 2));
                text(910 * c - xu + 130 - 65 * p, y, QString::number(ziffer));
            } else {
                text(800 * c - x + 45 * p, y, svrahmen::rechts(zwischenrest, 2) + QString::number(ziffer));
            }
        };
        text(u ? 910 * c - 600 - 130 * p : 800 * c - 595, -262 + dy, svrahmen::rechts(a.teilprodukt1, p + 2));
        rest(600, 595, -327 + dy, a.zwischenrest1, a.zehnerziffer);
        text(u ? 910 * c - 535 - 130 * p : 800 * c - 550, -392 + dy, svrahmen::rechts(a.teilprodukt3, p + 2));
        rest(535, 550, -457 + dy, a.zwischenrest2, a.einerziffer);
        text(u ? 910 * c - 470 - 130 * p : 800 * c - 505, -522 + dy, svrahmen::rechts(a.teilprodukt5, p + 2));
        text(u ? 910 * c - 470 - 65 * p : 800 * c - 505 + 45 * p, -587 + dy, svrahmen::rechts(a.divisionsrest, 2));
    }
    svrahmen::kaestchen(canvas, kaestchenwahl, 37, 1950, 30, -2470);
    for (size_t k = 0; k < blatt.aufgaben.size(); ++k) {
        const Aufgabe& a = blatt.aufgaben[k];
        const int r = int(k) / 2, c = int(k) % 2 + 1, dy = -585 * r, f = a.fuenfstellig;
        const int b = kaestchenwahl + 2;
        if (u) {
            svrahmen::linie(canvas, 910 * c - 585 - 65 * f - 65 * p, 910 * c - 455 - 65 * p, -325 + dy, b);
            svrahmen::linie(canvas, 910 * c - 520 - 130 * p, 910 * c - 390 - 65 * p, -455 + dy, b);
            svrahmen::linie(canvas, 910 * c - 455 - 130 * p, 910 * c - 325 - 65 * p, -585 + dy, b);
        } else {
            svrahmen::linie(canvas, 800 * c - 585 + 45 * p - 45 * f, 800 * c - 500 + 45 * p, -325 + dy, b);
            svrahmen::linie(canvas, 800 * c - 545, 800 * c - 455 + 45 * p, -455 + dy, b);
            svrahmen::linie(canvas, 800 * c - 500, 800 * c - 410 + 45 * p, -585 + dy, b);
        }
    }
    if (loesungsdruck) return;
    std::vector<int> quotienten, reste;
    for (const Aufgabe& a : blatt.aufgaben) {
        quotienten.push_back(a.quotient);
        reste.push_back(a.divisionsrest);
    }
    quotienten = blattrahmen::aufsteigend(quotienten);
    reste = blattrahmen::aufsteigend(reste);
    svrahmen::fuss(canvas, 130, -2600, QStringLiteral("Ergebnisse:"));
    for (int i = 1; i <= int(quotienten.size()); ++i)
        svrahmen::fuss(canvas, 315 + 155 * i, -2600, QString::number(quotienten[size_t(i - 1)]));
    if (!blatt.mitRest) return;
    svrahmen::fuss(canvas, 130, -2680, QStringLiteral("Reste:"));
    for (int i = 1; i <= int(reste.size()); ++i)
        svrahmen::fuss(canvas, 315 + 155 * i, -2680, svrahmen::rechts(reste[size_t(i - 1)], 3));
}

} // namespace sv_d1
