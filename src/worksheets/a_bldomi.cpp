#include "worksheets/a_bldomi.h"

#include "platform/canvas.h"

namespace bldomi {

namespace {

void linie(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

struct Ecken {
    int x1, y1, x2, y2;
};

// A domino slot: the outline, a second outline inside on the sides away from the ring's centre, the divider.
void slot(Canvas& c, Ecken aussen, Ecken innen, Ecken teiler)
{
    c.rectangle(aussen.x1, aussen.y1, aussen.x2, aussen.y2);
    c.rectangle(innen.x1, innen.y1, innen.x2, innen.y2);
    linie(c, teiler.x1, teiler.y1, teiler.x2, teiler.y2);
}

} // namespace

void seite(Canvas& c)
{
    c.pen.width = 2;
    c.pen.style = PenStyle::Solid;
    c.font.name = QStringLiteral("arial");
    c.font.height = 60;
    c.setTextAlign(TextAlign::Left | TextAlign::Top);
    c.setMapMode(MapMode::LoMetric);
    c.textOut(1130, -60, QStringLiteral("Name: _________________________"));
    c.font.height = 50;
    c.textOut(200, -1800,
        QStringLiteral(
            "alle ausschneiden                           alle richtig auflegen                          dann erst "
            "kleben"));
    for (int k = 0; k < 3; ++k) {
        const int o = 420 * k;
        slot(c, Ecken { 200 + o, -250, 600 + o, -450 }, Ecken { 210 + o, -260, 590 + o, -450 },
            Ecken { 400 + o, -260, 400 + o, -450 });
        slot(c, Ecken { 420 + o, -1510, 820 + o, -1710 }, Ecken { 430 + o, -1510, 810 + o, -1700 },
            Ecken { 610 + o, -1510, 610 + o, -1700 });
        slot(c, Ecken { 200, -470 - o, 400, -870 - o }, Ecken { 210, -480 - o, 400, -860 - o },
            Ecken { 210, -660 - o, 400, -660 - o });
        slot(c, Ecken { 1460, -250 - o, 1660, -650 - o }, Ecken { 1460, -260 - o, 1650, -640 - o },
            Ecken { 1460, -450 - o, 1650, -450 - o });
    }
    for (int r = 0; r < 3; ++r)
        for (int s = 0; s < 4; ++s)
            slot(c, Ecken { 200 + 420 * s, -1900 - 220 * r, 600 + 420 * s, -2100 - 220 * r },
                Ecken { 210 + 420 * s, -1910 - 220 * r, 590 + 420 * s, -2100 - 220 * r },
                Ecken { 400 + 420 * s, -1910 - 220 * r, 400 + 420 * s, -2100 - 220 * r });
    c.pen.width = 0;
    c.pen.style = PenStyle::Dash;
    for (int x : { 610, 1030, 1450 })
        linie(c, x, -1890, x, -2560);
    linie(c, 180, -2110, 1880, -2110);
    linie(c, 180, -2330, 1880, -2330);
    c.pen.style = PenStyle::Solid;
    c.pen.width = 8;
    c.arc(550, -600, 1300, -1350, 850, -700, 1000, -700);
    linie(c, 825, -612, 720, -612);
    linie(c, 825, -612, 750, -695);
    c.pen.width = 4;
    c.arc(500, -190, 710, -320, 710, -230, 500, -230);
    c.arc(920, -190, 1130, -320, 1130, -230, 920, -230);
    for (int k = 0; k < 3; ++k)
        c.ellipse(1170 + 50 * k, -230, 1175 + 50 * k, -235);
    c.font.height = 25;
    c.textOut(200, -2655, QStringLiteral("Lösung:"));
    c.pen.width = 1;
    for (int i = 0; i < 12; ++i) {
        c.rectangle(300 + 132 * i, -2645, 350 + 132 * i, -2695);
        c.rectangle(350 + 132 * i, -2645, 400 + 132 * i, -2695);
    }
}

void leereVorlage(Canvas& c)
{
    c.setMapMode(MapMode::LoMetric);
    seite(c);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.height = 65;
    c.textOut(930, -920, QStringLiteral("ringsherum immer: ............."));
}

} // namespace bldomi
