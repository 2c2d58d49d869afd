#include "aids/h_1x1_bilder.h"

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/designgrid.h"

namespace einmaleins {

void hunderterstrahl(Grundzeichner& z)
{
    z.stift(3);
    z.linie(strahlX(0), 125, strahlX(100), 125);
    // Every number, every fifth, every tenth: the longer the tick, the rounder the number.
    struct Stufe {
        int breite, schritt, bis;
    };
    for (const Stufe s : { Stufe { 1, 1, 100 }, Stufe { 2, 5, 90 }, Stufe { 3, 10, 70 } }) {
        z.stift(s.breite);
        for (int n = 0; n <= 100; n += s.schritt)
            z.linie(strahlX(n), 120, strahlX(n), s.bis);
    }
    z.linie(strahlX(0), 120, strahlX(0), 40);
    z.linie(strahlX(100), 120, strahlX(100), 40);

    z.text(strahlX(0), 20, QStringLiteral("0"));
    for (int k = 1; k <= 9; ++k)
        z.text(strahlX(10 * k), 20, QString::number(10 * k));
    // "100" stands a little left of its tick, so that it stays inside the box.
    z.text(706, 20, QStringLiteral("100"));
}

void gitter(Grundzeichner& z, const Gitter& gi, int versatz)
{
    z.stift(2);
    for (int k = 0; k <= 10; ++k)
        z.linie(gi.links + k * gi.breite, gi.oben, gi.links + k * gi.breite, gi.unten);
    for (int k = 0; k <= 10; ++k)
        z.linie(gi.x0, gi.hoch + k * gi.hoehe, gi.x1, gi.hoch + k * gi.hoehe);
    z.dickerStift();
    const QLine quer = gi.quer.translated(0, versatz);
    const QLine laengs = gi.laengs.translated(versatz, 0);
    z.linie(quer.x1(), quer.y1(), quer.x2(), quer.y2());
    z.linie(laengs.x1(), laengs.y1(), laengs.x2(), laengs.y2());
}

namespace {

// Draws at once on the canvas, in device pixels.
class Leinwand final : public Grundzeichner {
public:
    Leinwand(Canvas& c, const DesignGrid& g, int dicke = 0)
        : c(c)
        , g(g)
        , dicke(dicke)
    {
        c.pen.color = clTeal;
        c.pen.style = PenStyle::Solid;
        c.pen.mode = PenMode::Copy;
    }
    void stift(int breite) override { c.pen.width = breite; }
    void dickerStift() override { c.pen.width = dicke; }
    void linie(int x0, int y0, int x1, int y1) override
    {
        c.moveTo(g.x(x0), g.y(y0));
        c.lineTo(g.x(x1), g.y(y1));
    }
    void text(int x, int y, const QString& text) override
    {
        c.setMapMode(MapMode::Pixels);
        c.setTextAlign(TextAlign::Center | TextAlign::Top);
        c.brush.color = clWhite;
        c.brush.style = BrushStyle::Solid;
        c.font.name = QStringLiteral("arial");
        c.font.height = g.y(30);
        c.font.color = clTeal;
        c.textOut(g.x(x), g.y(y), text);
    }

private:
    Canvas& c;
    const DesignGrid& g;
    const int dicke;
};

} // namespace

void hunderterstrahl(Canvas& c, const DesignGrid& g)
{
    Leinwand z(c, g);
    hunderterstrahl(z);
}

void gitterZeichnen(Canvas& c, const DesignGrid& g, const Gitter& gi, int dicke)
{
    Leinwand z(c, g, dicke);
    gitter(z, gi);
}

} // namespace einmaleins
