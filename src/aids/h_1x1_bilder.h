#pragma once
// The grounds that the help pictures of the multiplication and division aids share, drawn on any canvas:
// the number line from 0 to 100 in steps of 7 design units, and the teal 10 x 10 grid of the dot field and
// of the hundred field with its thick lines between the quarters. Positions are design units of the paint
// box, scaled by the grid; pen widths are device pixels.

#include <QLine>
#include <QString>

class Canvas;
class DesignGrid;

namespace einmaleins {

// x of the number `zahl` (0..100) on the number line.
constexpr int strahlX(int zahl)
{
    return 7 * zahl + 15;
}

// What the grounds are drawn with: the small 1x1 draws them on its canvas at once, the small 1:1 records
// them in its picture. Pens and text are teal.
class Grundzeichner {
public:
    virtual ~Grundzeichner() = default;
    // A pen of `breite` pixels.
    virtual void stift(int breite) = 0;
    // The pen of the grids' quarter lines.
    virtual void dickerStift() = 0;
    virtual void linie(int x0, int y0, int x1, int y1) = 0;
    // "arial" text of 30 design units on white, centred on x, its top at y.
    virtual void text(int x, int y, const QString& text) = 0;
};

// The teal line (15, 125)-(715, 125) with its ticks (every number, every fifth, every tenth, the two ends)
// and the labels "0", "10" .. "90", "100" in teal "arial" above it, on a white ground.
void hunderterstrahl(Grundzeichner& z);
void hunderterstrahl(Canvas& c, const DesignGrid& g);

// A 10 x 10 grid: eleven vertical lines x = links + k * breite from oben to unten and eleven horizontal lines
// y = hoch + k * hoehe from x0 to x1 (k = 0..10), then the two thick lines between the quarters.
struct Gitter {
    int links = 0, breite = 0, oben = 0, unten = 0;
    int hoch = 0, hoehe = 0, x0 = 0, x1 = 0;
    QLine quer, laengs;
};
// The dot field of the small 1x1 (18 x 25 per cell) and its hundred field (20 x 27 per cell).
inline const Gitter kPunktfeld { 10, 18, 25, 273, 23, 25, 10, 190, QLine(7, 150, 193, 150), QLine(100, 20, 100, 275) };
inline const Gitter kHunderterfeld { 10, 20, 15, 283, 15, 27, 10, 210, QLine(7, 150, 213, 150),
    QLine(110, 11, 110, 288) };

// The grid with a pen of 2 pixels, then the quarter lines with the thick pen, moved by `versatz` units
// (negative: up and left).
void gitter(Grundzeichner& z, const Gitter& gitter, int versatz = 0);
// On a canvas, the quarter lines with a pen of `dicke` pixels; the pen is left teal with that width.
void gitterZeichnen(Canvas& c, const DesignGrid& g, const Gitter& gitter, int dicke);

} // namespace einmaleins
