#include "aids/h_1d1_bilder.h"

#include "platform/canvas.h"
#include "platform/designgrid.h"
#include "platform/round.h"

namespace kl1d1 {

void zugZeichnen(Canvas& c, const Zug& z, float sx, float sy)
{
    const DesignGrid g(sx, sy);
    c.setMapMode(MapMode::Pixels);
    c.pen.color = z.stiftfarbe;
    c.pen.style = PenStyle::Solid;
    c.pen.mode = PenMode::Copy;
    switch (z.stiftskala) {
    case Skala::pixel:
        c.pen.width = z.stiftbreite;
        break;
    case Skala::x:
        c.pen.width = Round(z.stiftbreite * double(sx));
        break;
    case Skala::y:
        c.pen.width = Round(z.stiftbreite * double(sy));
        break;
    }
    c.brush.color = z.pinsel;
    c.brush.style = BrushStyle::Solid;

    QVector<QPoint> p;
    for (const QPoint& q : z.punkte)
        p << QPoint(g.x(q.x()), g.y(q.y()));
    switch (z.art) {
    case Zug::Art::rechteck:
        c.rectangle(p[0].x(), p[0].y(), p[1].x(), p[1].y());
        break;
    case Zug::Art::punkt:
        c.ellipse(p[0].x(), p[0].y(), p[1].x(), p[1].y());
        break;
    case Zug::Art::linie:
        c.polyline(p);
        break;
    case Zug::Art::text: {
        c.font.name = QStringLiteral("arial");
        c.font.height = g.y(z.schrifthoehe);
        c.font.bold = false;
        c.font.color = z.schriftfarbe;
        const int h = z.ausrichtung == Ausrichtung::links ? TextAlign::Left
            : z.ausrichtung == Ausrichtung::rechts        ? TextAlign::Right
                                                          : TextAlign::Center;
        c.setTextAlign(h | TextAlign::Top);
        c.textOut(p[0].x(), p[0].y(), z.text);
        break;
    }
    }
}

void schrittZeichnen(Canvas& c, const Schritt& schritt, float sx, float sy)
{
    for (const Zug& z : schritt.zuege)
        zugZeichnen(c, z, sx, sy);
}

} // namespace kl1d1
