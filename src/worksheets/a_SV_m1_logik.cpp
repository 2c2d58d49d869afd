#include "worksheets/a_SV_m1_logik.h"

#include "platform/canvas.h"
#include "platform/random.h"
#include "worksheets/svrahmen_logik.h"

#include <QString>
#include <array>

namespace sv_m1 {

using svrahmen::wurf;

namespace {

struct Ziffern {
    int e2 = 0, e1 = 0, z1 = 0;
};

// E1 = 1..4 and E2 = 2..9 with a units product below 10.
Ziffern kleineEiner()
{
    Ziffern z;
    z.e1 = wurf(1, 4);
    do
        z.e2 = wurf(2, 9);
    while (z.e1 * z.e2 > 9);
    return z;
}

Ziffern typ2()
{
    Ziffern z = kleineEiner();
    do
        z.z1 = wurf(1, 9);
    while (z.z1 * z.e2 < 10);
    return z;
}

Ziffern typ3()
{
    Ziffern z;
    do {
        z.e2 = wurf(2, 9);
        z.e1 = wurf(1, 9);
        z.z1 = wurf(1, 4);
    } while (!(z.e1 * z.e2 >= 11 && (z.e1 * z.e2) / 10 + z.z1 * z.e2 <= 9));
    return z;
}

Ziffern ziffern(int typ)
{
    Ziffern z;
    switch (typ) {
    case 1:
        z = kleineEiner();
        do
            z.z1 = wurf(1, 4);
        while (z.z1 * z.e2 > 9);
        return z;
    case 2:
        return typ2();
    case 3:
        return typ3();
    case 4:
        return Random(2) == 0 ? typ2() : typ3();
    case 5:
        z.e2 = wurf(2, 9);
        do
            z.e1 = wurf(1, 9);
        while (z.e1 * z.e2 < 10);
        do
            z.z1 = wurf(1, 9);
        while (z.z1 * z.e2 < 10);
        return z;
    case 6:
        do {
            z.e2 = wurf(3, 9);
            z.e1 = wurf(2, 9);
            z.z1 = wurf(1, 4);
        } while (!(z.z1 * z.e2 <= 9 && (z.e1 * z.e2) / 10 + z.z1 * z.e2 >= 10));
        return z;
    default: // 7: a zero in the tens or the units of the first factor
        z.e2 = wurf(2, 9);
        if (Random(2) == 0) {
            z.z1 = 0;
            z.e1 = wurf(1, 9);
        } else {
            z.z1 = wurf(1, 9);
            z.e1 = 0;
        }
        return z;
    }
}

} // namespace

Aufgabe stellenwurf(int typ)
{
    if (typ == 8) {
        static const std::array<int, 6> fuellung { 1, 2, 3, 5, 6, 7 };
        typ = fuellung[size_t(Random(6))];
    }
    const Ziffern z = ziffern(typ);
    // The hundreds last, so that every product has four digits.
    int h1;
    do
        h1 = wurf(1, 9);
    while (h1 * z.e2 < 10);
    Aufgabe a;
    a.typ = typ;
    a.faktor1 = 100 * h1 + 10 * z.z1 + z.e1;
    a.faktor2 = z.e2;
    a.produkt = a.faktor1 * a.faktor2;
    return a;
}

Blatt aufgabenbau(const std::vector<int>& arten)
{
    Blatt b;
    for (int art : arten)
        b.aufgaben.push_back(stellenwurf(art));
    return b;
}

void zeichnen(Canvas& canvas, const Blatt& blatt, int kaestchenwahl, bool loesungsdruck)
{
    const bool u = kaestchenwahl > 0;
    svrahmen::kopf(
        canvas, 135, -50, loesungsdruck ? QStringLiteral("Lösungsblatt") : QStringLiteral("Name: __________________"));
    canvas.pen.width = 4;
    for (size_t k = 0; k < blatt.aufgaben.size(); ++k) {
        const Aufgabe& a = blatt.aufgaben[k];
        const int r = int(k) / 3, c = int(k) % 3 + 1, dy = -325 * r;
        canvas.font.height = 35;
        canvas.textOut(u ? 585 * c - 325 : 555 * c - 310, -213 + dy, svrahmen::nummer(int(k) + 1));
        const QString text = QString::number(a.faktor1) + QLatin1Char(' ') + QString::number(a.faktor2);
        if (u)
            svrahmen::stellen(canvas, 585 * c - 275, -197 + dy, 65, text);
        else
            svrahmen::stellen(canvas, 555 * c - 265, -197 + dy, 45, text);
        // The multiplication dot covers the blank between the factors.
        canvas.pen.width = 4;
        canvas.pen.color = Qt::black;
        if (u)
            canvas.ellipse(585 * c - 35, -229 + dy, 585 * c - 30, -235 + dy);
        else
            canvas.ellipse(555 * c - 105, -235 + dy, 555 * c - 99, -229 + dy);
        if (loesungsdruck) {
            const QString produkt = svrahmen::rechts(a.produkt, 4);
            if (u)
                svrahmen::stellen(canvas, 585 * c - 210, -262 + dy, 65, produkt);
            else
                svrahmen::stellen(canvas, 555 * c - 200, -262 + dy, 45, produkt);
        }
    }
    svrahmen::kaestchen(canvas, kaestchenwahl, 36, 1885, 29, -2405);
    for (size_t k = 0; k < blatt.aufgaben.size(); ++k) {
        const int r = int(k) / 3, c = int(k) % 3 + 1;
        if (u)
            svrahmen::linie(canvas, 585 * c - 260, 585 * c + 65, -260 - 325 * r, kaestchenwahl + 2);
        else
            svrahmen::linie(canvas, 555 * c - 260, 555 * c - 25, -260 - 325 * r, kaestchenwahl + 2);
    }
    if (loesungsdruck) return;
    std::vector<int> werte;
    for (const Aufgabe& a : blatt.aufgaben)
        werte.push_back(a.produkt);
    svrahmen::ergebnisse(canvas, werte, 115, 11, -2490, -2590);
}

} // namespace sv_m1
