#include "worksheets/a_bl_git.h"

#include "platform/canvas.h"

namespace gitter {

namespace {

void linie(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

// Two columns of two ten-strips each, read sideways: every tenth line (the block borders) thicker.
void tausender(Canvas& c)
{
    for (int g = 0; g < 2; ++g) {
        const int e = 950 * g;
        for (int i = 1; i <= 55; ++i) {
            c.pen.width = (36 * i + 180) % 396 == 0 ? 4 : 2;
            linie(c, 150 + e, -650 - 36 * i, 906 + e, -650 - 36 * i);
        }
        for (int b = 0; b < 5; ++b)
            for (int i = 0; i <= 21; ++i) {
                c.pen.width = (36 * i + 216) % 396 == 0 ? 4 : 1;
                linie(c, 150 + e + 36 * i, -686 - 396 * b, 150 + e + 36 * i, -1046 - 396 * b);
            }
    }
}

} // namespace

void feld(Canvas& c, int x0, int y0, int spalten, int zeilen, int zelle, int halb)
{
    const int rechts = x0 + spalten * zelle, unten = y0 - zeilen * zelle;
    for (int i = 0; i <= zeilen; ++i) {
        const int y = y0 - zelle * i;
        if (zeilen >= 2 && zeilen % 2 == 0 && i == zeilen / 2) {
            linie(c, x0, y + halb, rechts, y + halb);
            linie(c, x0, y - halb, rechts, y - halb);
        } else {
            linie(c, x0, y, rechts, y);
        }
    }
    for (int i = 0; i <= spalten; ++i) {
        const int x = x0 + zelle * i;
        if (spalten >= 2 && spalten % 2 == 0 && i == spalten / 2) {
            linie(c, x - halb, y0, x - halb, unten);
            linie(c, x + halb, y0, x + halb, unten);
        } else {
            linie(c, x, y0, x, unten);
        }
    }
}

void draw(Canvas& c, Feld f)
{
    c.pen.color = Qt::black;
    c.pen.width = 2;
    switch (f) {
    case Feld::Zehner5:
        for (int s = 0; s < 5; ++s)
            feld(c, 200, -150 - 550 * s, 10, 1, 170, 3);
        break;
    case Feld::Zwanziger4:
        for (int s = 0; s < 4; ++s)
            feld(c, 200, -150 - 680 * s, 10, 2, 170, 3);
        break;
    case Feld::Hunderter1:
        feld(c, 200, -300, 10, 10, 170, 3);
        break;
    case Feld::Hunderter2:
        for (int s = 0; s < 2; ++s)
            feld(c, 500, -250 - 1350 * s, 10, 10, 100, 2);
        break;
    case Feld::Hunderter4:
        for (int s = 0; s < 2; ++s)
            for (int g = 0; g < 2; ++g)
                feld(c, 150 + 1000 * g, -230 - 1200 * s, 10, 10, 80, 2);
        break;
    case Feld::Hunderter8:
        for (int s = 0; s < 4; ++s)
            for (int g = 0; g < 2; ++g)
                feld(c, 400 + 800 * g, -190 - 650 * s, 10, 10, 40, 2);
        break;
    case Feld::Tausender:
        tausender(c);
        break;
    }
}

} // namespace gitter
