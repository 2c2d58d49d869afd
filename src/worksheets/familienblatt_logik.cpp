#include "worksheets/familienblatt_logik.h"

#include "platform/canvas.h"
#include "worksheets/blattdruck.h"
#include "worksheets/blattrahmen_logik.h"

namespace familienblatt {

using blattrahmen::str2;

const Familie& bereich10()
{
    static const Familie f = [] {
        Familie f;
        f.titel = QStringLiteral("Raum 10") + QString(12, u' ') + QStringLiteral("Name: _______________");
        f.drucktitel = QStringLiteral("+ und - im Bereich bis 10");
        return f;
    }();
    return f;
}

const Familie& zwischen10und20()
{
    static const Familie f = [] {
        Familie f;
        f.titel = QStringLiteral("zwischen 10 und 20") + QString(8, u' ') + QStringLiteral("Name: _______________");
        f.drucktitel = QStringLiteral("zwischen 10 und 20");
        f.titelX = 160;
        f.faktor = 100;
        f.arten = 6;
        f.zweistellig = true;
        f.zwanzig = true;
        f.paare = true;
        f.ganz.erstesX = 430;
        return f;
    }();
    return f;
}

const Familie& zehneruebergang()
{
    static const Familie f = [] {
        Familie f;
        f.titel = QStringLiteral("Zehnerübergang") + QString(5, u' ') + QStringLiteral("Name: _______________");
        f.drucktitel = QStringLiteral("Zehnerübergang");
        f.titelX = 160;
        f.arten = 6;
        f.zwanzig = true;
        f.beinchen = true;
        f.schnittstift = 0;
        f.oben = { 900, -1400, 1180 };
        f.unten = { 900, -2710, 1180 };
        return f;
    }();
    return f;
}

QString aufgabentext(const Familie& f, int art, int a, int b, int c)
{
    return blattrahmen::formtext(art, a, f.zweistellig ? str2(b) : QString::number(b), c,
        f.zweistellig ? QStringLiteral("__") : QStringLiteral("_"));
}

int loesung(int art, int a, int b, int c)
{
    return blattrahmen::formloesung(art, a, b, c);
}

int zeileY(int r, int abstand)
{
    return -230 * r - (r / 6) * abstand;
}

Blatt blatt(
    const Familie& f, const std::vector<int>& codes, const std::vector<int>& typzahlen, int grafik, bool geteilt)
{
    Blatt bl;
    bl.familie = &f;
    bl.grafik = grafik;
    bl.geteilt = geteilt;
    const bool paare = geteilt && f.paare;
    const std::vector<int> arten = blattrahmen::zeilenarten(typzahlen, paare ? 5 : 10);
    const auto aufgabe = [&](size_t n, int& a, int& b, int& c) {
        const int code = n < codes.size() ? codes[n] : 0;
        a = code / f.faktor;
        b = code % f.faktor;
        c = a + b;
    };
    if (paare) {
        for (int p = 1; p <= 5; ++p)
            bl.bildY.push_back(180 - 480 * p);
        std::vector<Zeile> unten;
        for (size_t n = 0; n < arten.size(); ++n) {
            const int p = int(n) + 1;
            int a, b, c;
            aufgabe(n, a, b, c);
            const int art = arten[n];
            bl.zeilen.push_back({ p, 165 - 480 * p, aufgabentext(f, art, a - 10, b, c - 10), 185 - 480 * p,
                loesung(art, a - 10, b, c - 10) });
            unten.push_back({ 0, 0, aufgabentext(f, art, a, b, c), -15 - 480 * p, loesung(art, a, b, c) });
        }
        bl.zeilen.insert(bl.zeilen.end(), unten.begin(), unten.end());
    } else {
        // Half pages put the lower five rows under the cut line; a whole page keeps a small gap there too.
        const int abstand = geteilt ? 160 : 60;
        for (int r = 1; r <= 10; ++r)
            bl.bildY.push_back(zeileY(r, abstand));
        for (size_t n = 0; n < arten.size(); ++n) {
            const int y = zeileY(int(n) + 1, abstand);
            int a, b, c;
            aufgabe(n, a, b, c);
            bl.zeilen.push_back(
                { int(n) + 1, y - 155, aufgabentext(f, arten[n], a, b, c), y - 135, loesung(arten[n], a, b, c) });
        }
    }
    for (const Zeile& z : bl.zeilen)
        bl.ergebnisliste.push_back(z.loesung);
    return bl;
}

namespace {

void linie(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

// A number line from x0 over `laenge` with ticks at three heights: `teile` small steps, `mitte` middle
// ticks and `enden` end ticks, all evenly spread.
void strahl(Canvas& c, int x0, int laenge, int yb, int zweiteLinie, int teile, int mitte, int enden)
{
    c.pen.width = 2;
    linie(c, x0, yb - 195, x0 + laenge, yb - 195);
    linie(c, x0, yb - zweiteLinie, x0 + laenge, yb - zweiteLinie);
    for (int k = 0; k <= teile; ++k)
        linie(c, x0 + laenge * k / teile, yb - 195, x0 + laenge * k / teile, yb - 175);
    for (int k = 0; k < mitte; ++k)
        linie(c, x0 + laenge * k / (mitte - 1), yb - 175, x0 + laenge * k / (mitte - 1), yb - 150);
    for (int k = 0; k < enden; ++k)
        linie(c, x0 + laenge * k / (enden - 1), yb - 150, x0 + laenge * k / (enden - 1), yb - 110);
}

// Ten circles with an extra gap after the fifth, `zeilen` rows of them (the second above the first).
void feld(Canvas& c, int stift, int x0, int schritt, int luecke, int groesse, int oben, int zweiteOben, int zeilen)
{
    c.pen.width = stift;
    for (int z = 0; z < zeilen; ++z) {
        const int top = z == 0 ? oben : zweiteOben;
        for (int k = 1; k <= 10; ++k) {
            const int x = x0 + schritt * k + luecke * (k / 6);
            c.ellipse(x, top, x + groesse, top - groesse);
        }
    }
}

} // namespace

void bild(Canvas& c, int wahl, bool zwanzig, int yb, int zweiteLinie)
{
    const int reihen = zwanzig ? 2 : 1;
    switch (wahl) {
    case 0:
        feld(c, zwanzig ? 3 : 4, 800, 48, 30, 35, yb - 165, yb - 105, reihen);
        if (zwanzig)
            strahl(c, 1400, 500, yb, 200, 20, 5, 3);
        else
            strahl(c, 1400, 500, yb, 200, 10, 3, 2);
        break;
    case 1:
        if (zwanzig)
            strahl(c, 900, 1000, yb, zweiteLinie, 20, 5, 3);
        else
            strahl(c, 900, 1000, yb, zweiteLinie, 10, 3, 2);
        break;
    default:
        if (zwanzig)
            feld(c, 3, 885, 90, 25, 55, yb - 150, yb - 70, 2);
        else
            feld(c, 4, 785, 100, 30, 65, yb - 140, 0, 1);
        break;
    }
}

void zeichnen(Canvas& c, const Blatt& bl)
{
    const Familie& f = *bl.familie;
    const bool paare = bl.geteilt && f.paare;
    blattdruck::titelzeile(c, f.titelX, -130, f.titel);
    if (bl.geteilt && !f.paare) {
        c.pen.width = f.schnittstift;
        linie(c, 0, -1500, 2000, -1500);
    }
    for (int yb : bl.bildY)
        bild(c, bl.grafik, f.zwanzig, yb, paare ? 200 : 201);
    if (f.beinchen)
        for (int yb : bl.bildY) {
            c.pen.width = 1;
            c.polyline({ { 496, yb - 215 }, { 482, yb - 280 }, { 442, yb - 280 } });
            c.polyline({ { 500, yb - 215 }, { 514, yb - 280 }, { 554, yb - 280 } });
        }
    c.setTextAlign(TextAlign::Right | TextAlign::Top);
    c.font.height = 40;
    for (const Zeile& z : bl.zeilen)
        if (z.nummer > 0) c.textOut(230, z.nummerY, QStringLiteral("%1)").arg(z.nummer));
    c.font.height = 75;
    for (const Zeile& z : bl.zeilen)
        blattdruck::festerAbstand(c, 300, z.textY, 36, z.text);
    const std::vector<int>& e = bl.ergebnisliste;
    if (bl.geteilt && !f.paare) {
        const auto mitte = e.begin() + long(std::min<size_t>(5, e.size()));
        blattdruck::ergebnisstreifen(c, std::vector<int>(e.begin(), mitte), f.oben.labelX, f.oben.y, f.oben.erstesX);
        blattdruck::ergebnisstreifen(c, std::vector<int>(mitte, e.end()), f.unten.labelX, f.unten.y, f.unten.erstesX);
    } else
        blattdruck::ergebnisstreifen(c, e, f.ganz.labelX, f.ganz.y, f.ganz.erstesX);
}

void drucken(const Blatt& bl, int kopien)
{
    blattdruck::drucken(bl.familie->drucktitel, kopien, [&](Canvas& c) { zeichnen(c, bl); });
}

} // namespace familienblatt
