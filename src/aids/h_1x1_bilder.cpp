#include "aids/h_1x1_bilder.h"

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/designgrid.h"

namespace einmaleins {

namespace {

void strich(Canvas& c, const DesignGrid& g, int x0, int y0, int x1, int y1)
{
    c.moveTo(g.x(x0), g.y(y0));
    c.lineTo(g.x(x1), g.y(y1));
}

} // namespace

void hunderterstrahl(Canvas& c, const DesignGrid& g)
{
    c.pen.color = clTeal;
    c.pen.style = PenStyle::Solid;
    c.pen.mode = PenMode::Copy;
    c.pen.width = 3;
    strich(c, g, strahlX(0), 125, strahlX(100), 125);
    // Every number, every fifth, every tenth: the longer the tick, the rounder the number.
    struct Stufe {
        int breite, schritt, bis;
    };
    for (const Stufe s : { Stufe { 1, 1, 100 }, Stufe { 2, 5, 90 }, Stufe { 3, 10, 70 } })
        for (int n = 0; n <= 100; n += s.schritt) {
            c.pen.width = s.breite;
            strich(c, g, strahlX(n), 120, strahlX(n), s.bis);
        }
    c.pen.width = 3;
    strich(c, g, strahlX(0), 120, strahlX(0), 40);
    strich(c, g, strahlX(100), 120, strahlX(100), 40);

    c.setMapMode(MapMode::Pixels);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.brush.color = clWhite;
    c.brush.style = BrushStyle::Solid;
    c.font.name = QStringLiteral("arial");
    c.font.height = g.y(30);
    c.font.color = clTeal;
    c.textOut(g.x(strahlX(0)), g.y(20), QStringLiteral("0"));
    for (int k = 1; k <= 9; ++k)
        c.textOut(g.x(strahlX(10 * k)), g.y(20), QString::number(10 * k));
    // "100" stands a little left of its tick, so that it stays inside the box.
    c.textOut(g.x(706), g.y(20), QStringLiteral("100"));
}

void gitterZeichnen(Canvas& c, const DesignGrid& g, const Gitter& gi, int dicke)
{
    c.pen.color = clTeal;
    c.pen.style = PenStyle::Solid;
    c.pen.mode = PenMode::Copy;
    c.pen.width = 2;
    for (int k = 0; k <= 10; ++k) {
        strich(c, g, gi.links + k * gi.breite, gi.oben, gi.links + k * gi.breite, gi.unten);
        strich(c, g, gi.x0, gi.hoch + k * gi.hoehe, gi.x1, gi.hoch + k * gi.hoehe);
    }
    c.pen.width = dicke;
    strich(c, g, gi.quer.x1(), gi.quer.y1(), gi.quer.x2(), gi.quer.y2());
    strich(c, g, gi.laengs.x1(), gi.laengs.y1(), gi.laengs.x2(), gi.laengs.y2());
}

} // namespace einmaleins
