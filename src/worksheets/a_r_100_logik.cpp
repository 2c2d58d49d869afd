#include "worksheets/a_r_100_logik.h"

#include "platform/canvas.h"
#include "platform/random.h"
#include "worksheets/a_bl_git.h"
#include "worksheets/a_bl_kri.h"
#include "worksheets/a_bl_str.h"
#include "worksheets/blattdruck.h"
#include "worksheets/blattrahmen_logik.h"

namespace raum100 {

namespace {

struct Ziffern {
    int einer1 = 0, zehner1 = 0, einer2 = 0, zehner2 = 0;
    Aufgabe aufgabe() const
    {
        const int a = 10 * zehner1 + einer1, b = 10 * zehner2 + einer2;
        return { a, b, a + b };
    }
};

Ziffern zehnerUndEinerZiehen(int stufe)
{
    Ziffern z;
    switch (stufe) {
    case 1:
        do {
            z.einer1 = Random(8) + 1;
            z.einer2 = Random(8) + 1;
        } while (z.einer1 + z.einer2 >= 10);
        z.zehner1 = Random(8) + 2;
        break;
    case 2:
        do {
            z.einer1 = Random(9) + 1;
            z.einer2 = Random(9) + 1;
        } while (z.einer1 + z.einer2 < 11);
        z.zehner1 = Random(8) + 1;
        break;
    case 3:
        z.einer1 = Random(9) + 1;
        z.einer2 = 10 - z.einer1;
        z.zehner1 = Random(8) + 2;
        break;
    default:
        z.einer2 = Random(9) + 1;
        z.zehner1 = Random(8) + 2;
        break;
    }
    return z;
}

Ziffern zweiZehnerZiehen(int stufe)
{
    Ziffern z;
    switch (stufe) {
    case 1:
        z.zehner1 = Random(7) + 2;
        do
            z.zehner2 = Random(7) + 2;
        while (z.zehner1 + z.zehner2 >= 11);
        break;
    case 2:
        z.einer1 = Random(9) + 1;
        z.zehner2 = Random(6) + 2;
        do
            z.zehner1 = Random(8) + 2;
        while (z.zehner1 + z.zehner2 >= 10);
        break;
    case 3:
        z.einer2 = Random(9) + 1;
        z.zehner1 = Random(6) + 2;
        do
            z.zehner2 = Random(6) + 2;
        while (z.zehner1 + z.zehner2 >= 10);
        break;
    case 4:
        z.einer1 = Random(9) + 1;
        z.einer2 = 10 - z.einer1;
        z.zehner1 = Random(7) + 2;
        do
            z.zehner2 = Random(6) + 1;
        while (z.zehner1 + z.zehner2 >= 10);
        break;
    case 5:
        z.einer1 = Random(8) + 1;
        do
            z.einer2 = Random(8) + 1;
        while (z.einer1 + z.einer2 >= 10);
        z.zehner1 = Random(6) + 2;
        do
            z.zehner2 = Random(7) + 1;
        while (z.zehner1 + z.zehner2 >= 10);
        break;
    default:
        z.einer1 = Random(8) + 2;
        do
            z.einer2 = Random(8) + 2;
        while (z.einer1 + z.einer2 <= 10);
        z.zehner1 = Random(6) + 2;
        do
            z.zehner2 = Random(6) + 1;
        while (z.zehner1 + z.zehner2 >= 9);
        break;
    }
    return z;
}

// Whether the new digits clash with earlier ones by the rule of the two-tens level.
bool kollidiert(int stufe, const Ziffern& n, const Ziffern& f)
{
    switch (stufe) {
    case 1:
        return n.zehner1 == f.zehner1;
    case 2:
        return n.einer1 == f.einer1 || n.zehner2 == f.zehner2;
    case 3:
        return n.einer2 == f.einer2 || n.zehner1 == f.zehner1;
    case 4:
    case 5:
        return n.einer1 == f.einer1 || n.zehner1 == f.zehner1;
    default:
        return false;
    }
}

} // namespace

std::array<Aufgabe, 6> zehnerUndEiner(int stufe)
{
    std::array<Ziffern, 6> z;
    for (size_t s = 0; s < 6; ++s) {
        bool doppelt = false;
        do {
            z[s] = zehnerUndEinerZiehen(stufe);
            doppelt = false;
            for (size_t f = 0; f < s && stufe <= 3; ++f)
                doppelt = doppelt || z[s].einer1 == z[f].einer1 || z[s].zehner1 == z[f].zehner1;
        } while (doppelt);
    }
    std::array<Aufgabe, 6> a;
    for (size_t s = 0; s < 6; ++s)
        a[s] = z[s].aufgabe();
    return a;
}

std::array<Aufgabe, 6> zweiZehnerzahlen(int stufe)
{
    std::array<Ziffern, 6> z;
    size_t s = 0;
    while (s < 6) {
        z[s] = zweiZehnerZiehen(stufe);
        bool bruch = false;
        for (size_t f = 0; f < s && !bruch; ++f)
            bruch = kollidiert(stufe, z[s], z[f]);
        s = bruch ? 0 : s + 1;
    }
    std::array<Aufgabe, 6> a;
    for (size_t i = 0; i < 6; ++i)
        a[i] = z[i].aufgabe();
    return a;
}

QString aufgabentext(int form, const Aufgabe& t, bool einStrich)
{
    return blattrahmen::formtext(
        form, t.a, QString::number(t.b), t.c, einStrich ? QStringLiteral("_") : QStringLiteral("__"));
}

int fehlend(int form, const Aufgabe& t)
{
    return blattrahmen::formloesung(form, t.a, t.b, t.c);
}

void draw(Canvas& c, const Blatt& blatt)
{
    c.pen.color = Qt::black;
    c.pen.width = 2;
    c.font.height = 65;
    blattdruck::titelzeile(c, 200, -130, blatt.titel);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    if (blatt.grafik == Strahle) {
        for (int k = 0; k < 6; ++k)
            strahl::liegenderStrahl(c, -480 - 400 * k, 5, { { 101, 16, 15 }, { 21, 80, 35 }, { 11, 160, 100 } });
    } else {
        for (int r = 0; r < 3; ++r)
            for (int s = 0; s < 2; ++s) {
                if (blatt.grafik == Gitter)
                    gitter::feld(c, 400 + 800 * s, -390 - 700 * r, 10, 10, 40, 2);
                else
                    kringel::kreise(c, 400 + 800 * s, -390 - 700 * r, 10, 10, 40, 30, 7);
            }
    }
    std::vector<int> ergebnisse;
    for (size_t i = 0; i < blatt.formen.size() && i < 6; ++i) {
        const int s = int(i) + 1;
        const Aufgabe& t = blatt.aufgaben[i];
        const QString text = aufgabentext(blatt.formen[i], t, blatt.einStrich);
        if (blatt.grafik == Strahle)
            c.textOut(1000, -135 - 400 * s, text);
        else
            c.textOut(s % 2 == 1 ? 600 : 1400, -135 - 700 * ((s + 1) / 2), text);
        ergebnisse.push_back(fehlend(blatt.formen[i], t));
    }
    blattdruck::ergebnisstreifen(c, ergebnisse, 200, -2690, 500);
}

} // namespace raum100
