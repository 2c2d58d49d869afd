#include "aids/hunderterfeld.h"

#include "platform/canvas.h"
#include "platform/designgrid.h"

Hunderterfeldmass feldZahlEinordnen()
{
    return Hunderterfeldmass {};
}

Hunderterfeldmass feldZahlNennen(bool kreuz)
{
    Hunderterfeldmass m;
    m.links = 82;
    m.oben = 100;
    m.zellbreite = 54;
    m.zellhoehe = 80;
    m.senkrechtOben = 95;
    m.senkrechtUnten = 907;
    m.waagerechtLinks = 77;
    m.waagerechtRechts = 629;
    m.mitteDicke = kreuz ? 3 : 0;
    m.mitteSenkrechtOben = 85;
    m.mitteSenkrechtUnten = 917;
    m.mitteWaagerechtLinks = 70;
    m.mitteWaagerechtRechts = 636;
    return m;
}

void hunderterfeld(Canvas& c, const Hunderterfeldmass& m, const DesignGrid& g)
{
    const auto linie = [&](int x1, int y1, int x2, int y2) {
        c.moveTo(g.x(x1), g.y(y1));
        c.lineTo(g.x(x2), g.y(y2));
    };

    c.setMapMode(MapMode::Pixels);
    c.pen.style = PenStyle::Solid;
    c.pen.mode = PenMode::Copy;
    if (m.loeschbereich) {
        const QRect& r = *m.loeschbereich;
        c.pen.color = clBtnFace;
        c.pen.width = 1;
        c.brush.color = clWhite;
        c.brush.style = BrushStyle::Solid;
        c.rectangle(g.x(r.left()), g.y(r.top()), g.x(r.right()), g.y(r.bottom()));
    }

    c.pen.color = m.farbe;
    c.pen.width = 1;
    for (int i = 0; i <= m.spalten; ++i) {
        const int x = m.links + m.zellbreite * i;
        linie(x, m.senkrechtOben, x, m.senkrechtUnten);
    }
    for (int i = 0; i <= m.zeilen; ++i) {
        const int y = m.oben + m.zellhoehe * i;
        linie(m.waagerechtLinks, y, m.waagerechtRechts, y);
    }

    if (m.mitteDicke > 0) {
        c.pen.width = m.mitteDicke;
        linie(m.mitteX(), m.mitteSenkrechtOben, m.mitteX(), m.mitteSenkrechtUnten);
        linie(m.mitteWaagerechtLinks, m.mitteY(), m.mitteWaagerechtRechts, m.mitteY());
        c.pen.width = 1;
    }
}
