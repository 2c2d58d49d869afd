#include "aids/h_raum20_bild.h"

#include "aids/h_raum20_logik.h"
#include "platform/canvas.h"
#include "platform/colors.h"

namespace raum20 {

namespace {

// Left x of the three ten-frame columns.
constexpr int kLinks = 131, kMitte = 331, kRechts = 531;
// Columns of the calculation rows under the 20-field and the number line to 20.
constexpr int kZahl1 = 150, kZeichen1 = 250, kZahl2 = 352, kZeichen2 = 450, kErgebnis = 552;

// Counters 0..4 of a column are blue, 5..9 red: the five stands out.
QColor platzfarbe(int j)
{
    return j < 5 ? clBlue : clRed;
}

// Where n lies on the number line to 10 and on the one to 20; both run from x 53 to x 653.
int xBis10(int n)
{
    return 53 + 60 * n;
}

int xBis20(int n)
{
    return 53 + 30 * n;
}

// Circles and dots in a row of up to ten, 30 apart, with a gap of 15 after the fifth, centred by `basis`.
int reihenplatz(int basis, int anzahl, int i)
{
    return basis - 15 * anzahl - 7 * (anzahl / 6) + 30 * i + 15 * (i / 6);
}

} // namespace

Aufgabe aufgabe(int variante, int a, int b)
{
    Aufgabe t;
    t.variante = variante;
    t.a = a;
    t.b = b;
    t.c = a + b;
    t.sollwert = sollwertVon(variante, a, b);
    return t;
}

Zeichner::Zeichner(Canvas& canvas, float skalaX, float skalaY)
    : m_canvas(canvas)
    , m_raster(skalaX, skalaY)
{
    m_canvas.setMapMode(MapMode::Pixels);
    m_canvas.setTextAlign(TextAlign::Center | TextAlign::Top);
    m_canvas.pen.style = PenStyle::Solid;
    m_canvas.pen.mode = PenMode::Copy;
    m_canvas.font = Font();
}

// ---- Drawing primitives in design units ----

void Zeichner::stift(const QColor& farbe, int breitePixel)
{
    m_canvas.pen.color = farbe;
    m_canvas.pen.width = breitePixel;
}

void Zeichner::stiftX(const QColor& farbe, int breiteDesign)
{
    stift(farbe, X(breiteDesign));
}

void Zeichner::pinsel(const QColor& farbe)
{
    m_canvas.brush.color = farbe;
    m_canvas.brush.style = BrushStyle::Solid;
}

void Zeichner::pinselKreuz(const QColor& farbe)
{
    m_canvas.brush.color = farbe;
    m_canvas.brush.style = BrushStyle::DiagCross;
}

void Zeichner::rechteck(int l, int t, int r, int b)
{
    m_canvas.rectangle(X(l), Y(t), X(r), Y(b));
}

void Zeichner::ellipse(int l, int t, int r, int b)
{
    m_canvas.ellipse(X(l), Y(t), X(r), Y(b));
}

void Zeichner::linie(int x1, int y1, int x2, int y2)
{
    m_canvas.moveTo(X(x1), Y(y1));
    m_canvas.lineTo(X(x2), Y(y2));
}

void Zeichner::schrift(int hoehe, const QColor& farbe)
{
    m_canvas.font.name = QStringLiteral("arial");
    m_canvas.font.height = Y(hoehe);
    m_canvas.font.color = farbe;
}

void Zeichner::text(int x, int y, const QString& s)
{
    // Texts keep the lines they touch: a two-digit number is as wide as its box.
    m_canvas.brush.style = BrushStyle::Clear;
    m_canvas.setTextAlign(TextAlign::Center | TextAlign::Top);
    m_canvas.textOut(X(x), Y(y), s);
}

void Zeichner::text(int x, int y, const QString& s, int hoehe, const QColor& farbe)
{
    schrift(hoehe, farbe);
    text(x, y, s);
}

// ---- Title, work area, task line ----

void Zeichner::titel(int variante)
{
    const Titel t = titelzeilen(variante);
    m_canvas.pen.width = 2;
    m_canvas.pen.color = clGreen;
    pinsel(clWhite);
    rechteck(1, 1, 275, 400);
    text(137, 40, t.zeile1, 45, clBlue);
    text(137, 115, t.zeile2);
    text(137, 195, t.zeile3, 35, clBlue);
}

void Zeichner::arbeitsflaeche()
{
    stiftX(clGreen, 2);
    pinsel(clWhite);
    rechteck(10, 10, 695, 990);
}

void Zeichner::aufgabenzeile(const Aufgabe& a)
{
    const QString A = QString::number(a.a), B = QString::number(a.b), C = QString::number(a.c);
    const QString frage = QStringLiteral("?");
    const int v = a.variante;
    pinsel(clWhite);
    if (v == 12) {
        stiftX(clBlue, 8);
        rechteck(294, 220, 410, 390);
        text(352, 240, C, 120, clBlue);
        stiftX(clRed, 8);
        pinsel(clWhite);
        rechteck(144, 540, 260, 710);
        text(202, 560, A, 120, clRed);
        linie(329, 395, 200, 540);
        stiftX(clGreen, 8);
        rechteck(444, 540, 560, 710);
        text(502, 560, frage, 120, clRed);
        linie(375, 395, 506, 540);
        return;
    }
    if (v == 13) {
        stiftX(clBlue, 8);
        rechteck(94, 540, 210, 710);
        stiftX(clRed, 8);
        rechteck(294, 540, 410, 710);
        stiftX(clGreen, 8);
        rechteck(494, 540, 610, 710);
        text(150, 560, C, 120, clBlue);
        text(352, 560, A, 120, clRed);
        text(552, 560, frage, 120, clGreen);
        text(250, 560, QStringLiteral("="), 120, clTeal);
        text(450, 560, QStringLiteral("+"), 120, clTeal);
        return;
    }
    if (v == 21 || v == 25) {
        stiftX(clBlue, 4);
        rechteck(94, 740, 210, 910);
        stiftX(clRed, 4);
        rechteck(294, 740, 410, 910);
        stiftX(clGreen, 4);
        rechteck(494, 740, 610, 910);
        text(150, 760, A, 120, clBlue);
        text(352, 760, B, 120, clRed);
        text(552, 760, frage, 120, clGreen);
        text(250, 760, QStringLiteral("+"), 120, clTeal);
        text(450, 760, QStringLiteral("="), 120, clTeal);
        return;
    }
    if (!typBekannt(v)) return;
    stiftX(clTeal, 4);
    rechteck(94, 740, 210, 910);
    rechteck(294, 740, 410, 910);
    rechteck(494, 740, 610, 910);
    text(450, 760, QStringLiteral("="), 120, clTeal);
    if (v == 22 || v == 26) {
        text(150, 760, C, 120, v == 26 ? clBlue : clTeal);
        text(352, 760, B, 120, v == 26 ? clRed : clTeal);
        text(552, 760, frage, 120, clGreen);
        text(250, 750, QStringLiteral("-"), 120, clTeal);
    } else if (v == 23 || v == 27) {
        text(552, 760, C, 120, v == 27 ? clGreen : clTeal);
        text(150, 760, A, 120, v == 27 ? clBlue : clTeal);
        text(352, 760, frage, 120, clRed);
        text(250, 760, QStringLiteral("+"), 120, clTeal);
    } else if (v == 28) {
        text(150, 760, C, 120, clBlue);
        text(552, 760, A, 120, clGreen);
        text(352, 760, frage, 120, clRed);
        text(250, 760, QStringLiteral("-"), 120, clTeal);
    } else if (v == 31 || v == 35) {
        text(150, 760, A, 120, clTeal);
        text(352, 760, B, 120, clTeal);
        text(250, 760, QStringLiteral("+"), 120, clTeal);
        text(552, 760, frage, 120, clGreen);
    } else if (v == 32 || v == 36) {
        text(150, 760, C, 120, clTeal);
        text(352, 760, B, 120, clTeal);
        text(250, 760, QStringLiteral("-"), 120, clTeal);
        text(552, 760, frage, 120, clGreen);
    } else if (v == 33 || v == 37) {
        text(552, 760, C, 120, clTeal);
        text(150, 760, A, 120, clTeal);
        text(250, 760, QStringLiteral("+"), 120, clTeal);
        text(352, 760, frage, 120, clGreen);
    }
}

void Zeichner::haken(int variante)
{
    if (!typBekannt(variante)) return;
    const auto h = typangaben(variante).haken;
    stiftX(clRed, 5);
    linie(h[1].x(), h[1].y(), h[0].x(), h[0].y());
    linie(h[1].x(), h[1].y(), h[2].x(), h[2].y());
}

void Zeichner::meldungLoeschen()
{
    stift(clWhite, 1);
    pinsel(clWhite);
    rechteck(490, 920, 615, 970);
}

void Zeichner::zehnerZuerst()
{
    text(552, 925, QStringLiteral("Zehner zuerst!"), 30, clTeal);
}

void Zeichner::zehnerziffer(const QString& ziffer)
{
    const QPoint p(552, 760);
    antwortfeldLeeren(p);
    text(p.x(), p.y(), ziffer + QStringLiteral("  "), 120, clGreen);
}

void Zeichner::antwortfeldLeeren(const QPoint& p)
{
    // The inside of the answer box, within its frame: what stood there ("?", a tens digit) goes.
    pinsel(clWhite);
    m_canvas.fillRect(X(p.x() - 53), Y(p.y() - 15), X(p.x() + 53), Y(p.y() + 145));
}

// ---- Building blocks ----

void Zeichner::spaltenzellen(int x0)
{
    stift(clTeal, 1);
    pinsel(clWhite);
    for (int k = 1; k <= 10; ++k)
        rechteck(x0, 20 + 60 * k, x0 + 47, 80 + 60 * k);
}

void Zeichner::spaltentrenner(int x0)
{
    stiftX(clTeal, 5);
    linie(x0 - 6, 380, x0 + 53, 380);
}

void Zeichner::zehnerspalte(int x0)
{
    spaltenzellen(x0);
    spaltentrenner(x0);
}

void Zeichner::spaltenzaehler(int x0, int j)
{
    ellipse(x0 + 10, 630 - 60 * j, x0 + 37, 670 - 60 * j);
}

void Zeichner::spaltenpfeil(int j, int xVon, int xSpitze, const QColor& farbe)
{
    stift(farbe, 2);
    const int y = 650 - 60 * j;
    linie(xVon, y, xSpitze, y);
    linie(xSpitze, y, xSpitze - 20, y + 15);
    linie(xSpitze, y, xSpitze - 20, y - 15);
}

void Zeichner::zehnerfeldreihe()
{
    stift(clTeal, 1);
    for (int i = 0; i <= 10; ++i)
        linie(22 + 66 * i, 215, 22 + 66 * i, 310);
    linie(22, 215, 682, 215);
    linie(22, 310, 682, 310);
    reihentrenner();
}

void Zeichner::reihentrenner()
{
    stiftX(clTeal, 5);
    linie(351, 205, 351, 320);
}

void Zeichner::reihenzaehler(int j)
{
    ellipse(27 + 66 * j, 225, 82 + 66 * j, 300);
}

void Zeichner::reihenzelle(int j, const QColor& farbe)
{
    stift(clWhite, 1);
    pinsel(farbe);
    rechteck(23 + 66 * j, 218, 87 + 66 * j, 307);
}

void Zeichner::zwanzigerfeld()
{
    stiftX(clTeal, 5);
    linie(351, 120, 351, 330);
    linie(17, 225, 687, 225);
    stift(clTeal, 2);
    for (int i = 0; i <= 10; ++i)
        linie(22 + 66 * i, 130, 22 + 66 * i, 320);
    for (int y : { 130, 225, 320 })
        linie(22, y, 682, y);
}

void Zeichner::zwanzigerzaehler(bool oben, int j)
{
    stift(clTeal, 1);
    if (oben)
        ellipse(31 + 66 * j, 145, 78 + 66 * j, 210);
    else
        ellipse(31 + 66 * j, 240, 78 + 66 * j, 305);
}

void Zeichner::durchstreichen(bool oben, int j, const QColor& farbe)
{
    stift(farbe, 5);
    if (oben)
        linie(30 + 66 * j, 215, 80 + 66 * j, 140);
    else
        linie(30 + 66 * j, 310, 80 + 66 * j, 235);
}

void Zeichner::strahlmarke(int n, const QColor& farbe)
{
    stift(farbe, 10);
    const int x = xBis10(n);
    linie(x, 465, x, 550);
    linie(x, 465, x - 13, 490);
    linie(x, 465, x + 13, 490);
}

void Zeichner::bogen(int xp, int xq, double hoehe, int basis)
{
    // The upper half of the ellipse between the two points: from its right end round to its left end.
    m_canvas.arc(X(xp), Y(basis - hoehe), X(xq), Y(basis + hoehe), X(700), Y(basis), X(0), Y(basis));
}

void Zeichner::einheitsspruenge(const Aufgabe& a, const std::function<void()>& pause)
{
    // One jump is the whole jump already; the single steps are shown only when there are several.
    if (a.b <= 1) return;
    // Adding and completing jump up from a; taking away jumps back from c.
    const bool zurueck = a.variante == 26 || a.variante == 28;
    for (int k = 1; k <= a.b; ++k) {
        const int von = zurueck ? a.c - k : a.a + k - 1;
        stift(clRed, 2);
        bogen(xBis10(von), xBis10(von + 1), 60, 432);
        if (pause) pause();
    }
}

void Zeichner::ganzerSprung(const Aufgabe& a)
{
    stift(clRed, 4);
    bogen(xBis10(a.a), xBis10(a.c), 60 + 30 * a.b, 432);
}

void Zeichner::strahlbalken(int n, const QColor& farbe)
{
    stift(farbe, 15);
    linie(53, 343, xBis20(n), 343);
}

void Zeichner::rechenzeile(int zeile, int spalte, const QString& s, const QColor& farbe)
{
    text(spalte, zeile == 1 ? 390 : 550, s, 100, farbe);
}

void Zeichner::antwort(const Aufgabe& a, const QColor& farbe)
{
    const QPoint p = typangaben(a.variante).antwortplatz;
    antwortfeldLeeren(p);
    text(p.x(), p.y(), QString::number(a.sollwert), 120, farbe);
}

void Zeichner::strahlzeichnen(int v)
{
    const bool zehn = v >= 25 && v <= 28;
    const bool zwanzig = v >= 35 && v <= 37;
    if (!zehn && !zwanzig) return;
    stift(clWhite, 1);
    pinsel(clWhite);
    rechteck(15, 15, 690, 585);
    if (zehn) {
        stift(clTeal, 10);
        linie(53, 450, 653, 450);
        stift(clTeal, 5);
        for (int i = 0; i <= 10; ++i)
            linie(xBis10(i), 437, xBis10(i), 387);
        stift(clTeal, 8);
        for (int i : { 0, 5, 10 })
            linie(xBis10(i), 437, xBis10(i), 337);
        for (int i : { 0, 10 })
            linie(xBis10(i), 437, xBis10(i), 287);
        text(53, 234, QStringLiteral("0"), 50, clTeal);
        // The sum is what the pupil looks for on the line of type 25; a "10" there would give it away
        // too early.
        if (v != 25) text(653, 234, QStringLiteral("10"));
        return;
    }
    stift(clTeal, 10);
    linie(53, 343, 653, 343);
    stift(clTeal, 3);
    for (int i = 0; i <= 20; ++i)
        linie(xBis20(i), 330, xBis20(i), 280);
    stift(clTeal, 5);
    for (int i : { 0, 5, 10, 15, 20 })
        linie(xBis20(i), 330, xBis20(i), 230);
    for (int i : { 0, 10, 20 })
        linie(xBis20(i), 330, xBis20(i), 180);
    text(53, 127, QStringLiteral("0"), 50, clTeal);
    text(353, 127, QStringLiteral("10"));
    text(653, 127, QStringLiteral("20"));
}

// ---- Help steps by task type ----

void Zeichner::hilfeschritt(const Aufgabe& a, int stufe, const std::function<void()>& pause)
{
    m_canvas.pen.width = Y(5);
    if (stufe < 1 || stufe > 5) return;
    switch (a.variante) {
    case 12:
        beinchen(a, stufe);
        break;
    case 13:
        zehnerfeld(a, stufe);
        break;
    case 21:
        zehnerspaltenPlus(a, stufe);
        break;
    case 22:
        zehnerspaltenMinus(a, stufe);
        break;
    case 23:
        zehnerspaltenErgaenzen(a, stufe);
        break;
    case 25:
    case 26:
    case 27:
    case 28:
        strahl10(a, stufe, pause);
        break;
    case 31:
    case 33:
        zwanzigerfeldPlus(a, stufe);
        break;
    case 32:
        zwanzigerfeldMinus(a, stufe);
        break;
    case 35:
    case 36:
    case 37:
        strahl20(a, stufe);
        break;
    default:
        break;
    }
}

void Zeichner::beinchen(const Aufgabe& a, int stufe)
{
    const int breite = m_canvas.pen.width;
    switch (stufe) {
    case 1:
        stift(clBlue, breite);
        pinsel(clWhite);
        for (int i = 1; i <= a.c; ++i) {
            const int l = reihenplatz(325, a.c, i);
            ellipse(l, 130, l + 25, 165);
        }
        break;
    case 2:
        stift(clRed, breite);
        pinsel(clRed);
        for (int i = 1; i <= a.a; ++i) {
            const int l = reihenplatz(179, a.a, i);
            ellipse(l, 760, l + 15, 780);
        }
        break;
    case 3:
        stift(clRed, breite);
        pinsel(clRed);
        for (int i = 1; i <= a.a; ++i) {
            const int l = reihenplatz(331, a.c, i);
            ellipse(l, 138, l + 13, 156);
        }
        break;
    case 4:
        stift(clGreen, breite);
        pinsel(clGreen);
        for (int i = a.a + 1; i <= a.c; ++i) {
            const int l = reihenplatz(331, a.c, i);
            ellipse(l, 138, l + 13, 156);
        }
        for (int i = 1; i <= a.b; ++i) {
            const int l = reihenplatz(479, a.b, i);
            ellipse(l, 760, l + 15, 780);
        }
        break;
    case 5:
        antwort(a, clGreen);
        break;
    }
}

void Zeichner::zehnerfeld(const Aufgabe& a, int stufe)
{
    auto zaehler = [this](int von, int bis) {
        stift(clTeal, 1);
        pinsel(clBlue);
        for (int j = von; j < bis; ++j)
            reihenzaehler(j);
    };
    switch (stufe) {
    case 1:
        zehnerfeldreihe();
        zaehler(0, a.c);
        break;
    case 2:
        for (int j = 0; j < a.a; ++j)
            reihenzelle(j, clRed);
        zaehler(0, a.a);
        reihentrenner();
        break;
    case 3:
        for (int j = a.a; j < a.c; ++j)
            reihenzelle(j, clGreen);
        zaehler(0, a.c);
        reihentrenner();
        break;
    case 4:
        antwort(a, clGreen);
        break;
    }
}

void Zeichner::zehnerspaltenPlus(const Aufgabe& a, int stufe)
{
    switch (stufe) {
    case 1:
        zehnerspalte(kLinks);
        stift(clTeal, 1);
        pinsel(clBlue);
        for (int j = 0; j < a.a; ++j)
            spaltenzaehler(kLinks, j);
        break;
    case 2:
        zehnerspalte(kMitte);
        stift(clTeal, 1);
        pinsel(clRed);
        for (int j = 0; j < a.b; ++j)
            spaltenzaehler(kMitte, j);
        break;
    case 3:
        zehnerspalte(kRechts);
        for (int j = 0; j < a.a; ++j) {
            stift(clBlue, 2);
            pinsel(clWhite);
            spaltenzaehler(kLinks, j);
            pinsel(clBlue);
            spaltenzaehler(kRechts, j);
        }
        break;
    case 4:
        for (int j = a.a; j < a.c; ++j) {
            stift(clRed, 2);
            pinsel(clWhite);
            spaltenzaehler(kMitte, j - a.a);
            pinsel(clRed);
            spaltenzaehler(kRechts, j);
        }
        break;
    case 5:
        antwort(a, clGreen);
        break;
    }
}

void Zeichner::zehnerspaltenMinus(const Aufgabe& a, int stufe)
{
    switch (stufe) {
    case 1:
        spaltenzellen(kLinks);
        for (int j = 0; j < a.c; ++j) {
            stift(clTeal, 1);
            pinsel(platzfarbe(j));
            spaltenzaehler(kLinks, j);
        }
        spaltentrenner(kLinks);
        break;
    case 2:
        // What is taken away leaves the column and lies crossed beside it.
        for (int j = a.c - 1; j >= a.a; --j) {
            const QColor f = platzfarbe(j);
            spaltenpfeil(j, 189, 320, f);
            stift(f, 2);
            pinsel(clWhite);
            spaltenzaehler(kLinks, j);
            pinselKreuz(f);
            spaltenzaehler(kMitte, j);
        }
        break;
    case 3:
        zehnerspalte(kRechts);
        for (int j = 0; j < a.a; ++j) {
            const QColor f = platzfarbe(j);
            spaltenpfeil(j, 189, 520, f);
            stift(f, 2);
            pinselKreuz(clWhite);
            spaltenzaehler(kLinks, j);
            pinsel(f);
            spaltenzaehler(kRechts, j);
        }
        break;
    case 4:
        antwort(a, clGreen);
        break;
    }
}

void Zeichner::zehnerspaltenErgaenzen(const Aufgabe& a, int stufe)
{
    switch (stufe) {
    case 1:
        zehnerspalte(kRechts);
        for (int j = 0; j < a.c; ++j) {
            stift(clTeal, 1);
            pinsel(platzfarbe(j));
            spaltenzaehler(kRechts, j);
        }
        break;
    case 2:
        zehnerspalte(kLinks);
        for (int j = 0; j < a.a; ++j) {
            stift(clTeal, 1);
            pinsel(platzfarbe(j));
            spaltenzaehler(kLinks, j);
        }
        break;
    case 3:
        for (int j = 0; j < a.a; ++j)
            spaltenpfeil(j, 189, 520, platzfarbe(j));
        break;
    case 4:
        for (int j = a.c - 1; j >= a.a; --j) {
            spaltenpfeil(j, 389, 520, platzfarbe(j));
            stift(clTeal, 1);
            pinsel(platzfarbe(j));
            spaltenzaehler(kMitte, j);
        }
        break;
    case 5:
        antwort(a, clRed);
        break;
    }
}

void Zeichner::strahl10(const Aufgabe& a, int stufe, const std::function<void()>& pause)
{
    const int v = a.variante;
    const bool vonC = v == 26 || v == 28; // the minus types start at c and go back
    switch (stufe) {
    case 1:
        strahlzeichnen(v);
        break;
    case 2:
        strahlmarke(vonC ? a.c : a.a, clBlue);
        break;
    case 3:
        if (v == 25 || v == 26) {
            einheitsspruenge(a, pause);
            ganzerSprung(a);
        } else {
            strahlmarke(v == 27 ? a.c : a.a, clGreen);
        }
        break;
    case 4:
        if (v == 25)
            strahlmarke(a.c, clGreen);
        else if (v == 26)
            strahlmarke(a.a, clGreen);
        else {
            einheitsspruenge(a, pause);
            ganzerSprung(a);
        }
        break;
    case 5:
        antwort(a, v == 26 ? clGreen : clRed);
        break;
    }
}

void Zeichner::zwanzigerfeldPlus(const Aufgabe& a, int stufe)
{
    switch (stufe) {
    case 1:
        zwanzigerfeld();
        break;
    case 2:
        pinsel(clBlue);
        for (int j = 0; j < a.a; ++j)
            zwanzigerzaehler(true, j);
        rechenzeile(1, kZahl1, QString::number(a.a), clBlue);
        break;
    case 3:
        pinsel(clRed);
        for (int j = a.a; j <= 9; ++j)
            zwanzigerzaehler(true, j);
        rechenzeile(1, kZeichen1, QStringLiteral("+"), clRed);
        rechenzeile(1, kZahl2, QString::number(10 - a.a), clRed);
        rechenzeile(1, kZeichen2, QStringLiteral("="), clRed);
        rechenzeile(1, kErgebnis, QStringLiteral("10"), clRed);
        break;
    case 4:
        pinsel(clGreen);
        for (int j = 0; j <= a.c - 11; ++j)
            zwanzigerzaehler(false, j);
        rechenzeile(2, kZahl1, QStringLiteral("10"), clRed);
        rechenzeile(2, kZeichen1, QStringLiteral("+"), clGreen);
        rechenzeile(2, kZahl2, QString::number(a.c - 10), clGreen);
        rechenzeile(2, kZeichen2, QStringLiteral("="), clGreen);
        rechenzeile(2, kErgebnis, QString::number(a.c), clGreen);
        break;
    case 5:
        antwort(a, clGreen);
        break;
    }
}

void Zeichner::zwanzigerfeldMinus(const Aufgabe& a, int stufe)
{
    switch (stufe) {
    case 1:
        zwanzigerfeld();
        break;
    case 2:
        pinsel(clBlue);
        for (int j = 0; j <= 9; ++j)
            zwanzigerzaehler(true, j);
        for (int j = 0; j <= a.c - 11; ++j)
            zwanzigerzaehler(false, j);
        rechenzeile(1, kZahl1, QString::number(a.c), clBlue);
        break;
    case 3:
        for (int j = 0; j <= a.c - 11; ++j)
            durchstreichen(false, j, clRed);
        rechenzeile(1, kZeichen1, QStringLiteral("-"), clRed);
        rechenzeile(1, kZahl2, QString::number(a.c - 10), clRed);
        rechenzeile(1, kZeichen2, QStringLiteral("="), clRed);
        rechenzeile(1, kErgebnis, QStringLiteral("10"), clRed);
        break;
    case 4:
        for (int j = a.a; j <= 9; ++j)
            durchstreichen(true, j, clGreen);
        rechenzeile(2, kZahl1, QStringLiteral("10"), clRed);
        rechenzeile(2, kZeichen1, QStringLiteral("-"), clGreen);
        rechenzeile(2, kZahl2, QString::number(10 - a.a), clGreen);
        rechenzeile(2, kZeichen2, QStringLiteral("="), clGreen);
        rechenzeile(2, kErgebnis, QString::number(a.a), clGreen);
        break;
    case 5:
        antwort(a, clGreen);
        break;
    }
}

void Zeichner::strahl20(const Aufgabe& a, int stufe)
{
    const bool minus = a.variante == 36;
    switch (stufe) {
    case 1:
        strahlzeichnen(a.variante);
        break;
    case 2:
        strahlbalken(minus ? a.c : a.a, clBlue);
        rechenzeile(1, kZahl1, QString::number(minus ? a.c : a.a), clBlue);
        break;
    case 3:
        stift(clRed, 5);
        if (minus)
            bogen(xBis20(10), xBis20(a.c), (a.c - 10) * 20, 330);
        else
            bogen(xBis20(a.a), xBis20(10), (10 - a.a) * 20, 330);
        rechenzeile(1, kZeichen1, minus ? QStringLiteral("-") : QStringLiteral("+"), clRed);
        rechenzeile(1, kZahl2, QString::number(minus ? a.c - 10 : 10 - a.a), clRed);
        rechenzeile(1, kZeichen2, QStringLiteral("="), clRed);
        rechenzeile(1, kErgebnis, QStringLiteral("10"), clRed);
        break;
    case 4:
        stift(clGreen, 5);
        if (minus)
            bogen(xBis20(a.a), xBis20(10), (10 - a.a) * 20, 330);
        else
            bogen(xBis20(10), xBis20(a.c), (a.c - 10) * 20, 330);
        rechenzeile(2, kZahl1, QStringLiteral("10"), clGreen);
        rechenzeile(2, kZeichen1, minus ? QStringLiteral("-") : QStringLiteral("+"), clGreen);
        rechenzeile(2, kZahl2, QString::number(minus ? 10 - a.a : a.c - 10), clGreen);
        rechenzeile(2, kZeichen2, QStringLiteral("="), clGreen);
        rechenzeile(2, kErgebnis, QString::number(minus ? a.a : a.c), clGreen);
        break;
    case 5:
        stift(clNavy, 5);
        bogen(xBis20(a.a), xBis20(a.c), 27.0 * a.b + 100.0 / a.b, 330);
        antwort(a, clGreen);
        break;
    }
}

} // namespace raum20
