#include "aids/h_pm100_bilder.h"

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/round.h"

namespace pm100 {

int Massstab::x(double v) const
{
    return Round(v * double(sx));
}

int Massstab::y(double v) const
{
    return Round(v * double(sy));
}

int Massstab::stift(int breite) const
{
    return Round(breite * double(sx));
}

namespace {

void schrift(Canvas& c, const Massstab& m, int hoehe, const QColor& farbe)
{
    c.font.name = QStringLiteral("arial");
    c.font.height = m.y(hoehe);
    c.font.bold = false;
    c.font.color = farbe;
}

void stift(Canvas& c, const Massstab& m, const QColor& farbe, int breite, PenMode modus = PenMode::Copy)
{
    c.pen.color = farbe;
    c.pen.width = m.stift(breite);
    c.pen.style = PenStyle::Solid;
    c.pen.mode = modus;
}

void weisserPinsel(Canvas& c)
{
    c.brush.color = clWhite;
    c.brush.style = BrushStyle::Solid;
}

void rechteck(Canvas& c, const Massstab& m, int l, int t, int r, int b)
{
    c.rectangle(m.x(l), m.y(t), m.x(r), m.y(b));
}

void linie(Canvas& c, const Massstab& m, int x1, int y1, int x2, int y2)
{
    c.moveTo(m.x(x1), m.y(y1));
    c.lineTo(m.x(x2), m.y(y2));
}

void text(Canvas& c, const Massstab& m, int x, int y, const QString& t)
{
    c.textOut(m.x(x), m.y(y), t);
}

} // namespace

// ---- The task ----

void hinweisZeichnen(Canvas& c, const Aufgabe& x, const Massstab& m)
{
    c.setMapMode(MapMode::Pixels);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    weisserPinsel(c);
    stift(c, m, clGreen, 1);
    rechteck(c, m, 70, 770, 480, 970);
    schrift(c, m, 45, clBlue);
    text(c, m, 275, 790, QStringLiteral("Gib nur das Endergebnis ein"));
    if (x.art != 43)
        text(c, m, 275, 870, QStringLiteral("(von links nach rechts)"));
    else if (x.wieoft == 6)
        text(c, m, 275, 870, QStringLiteral("(kein Zwischenergebnis)"));
}

void karopapierZeichnen(Canvas& c, const Aufgabe& x, const Massstab& m)
{
    c.setMapMode(MapMode::Pixels);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    weisserPinsel(c);
    stift(c, m, clWhite, 1);
    rechteck(c, m, 1, 1, 495, 685);
    stift(c, m, clTeal, 1);
    for (int i = 1; i <= 9; ++i)
        linie(c, m, 54 * i - 22, 10, 54 * i - 22, 390);
    for (int j = 1; j <= 5; ++j)
        linie(c, m, 10, 75 * j - 5, 485, 75 * j - 5);
    stift(c, m, clBlue, 5);
    linie(c, m, zweiZehnerzahlen(x.art) ? 40 : 94, 155, 457, 155);
    schrift(c, m, 50, clBlue);
    if (x.art == 46) {
        text(c, m, 221, 15, QStringLiteral("Z"));
        text(c, m, 275, 15, QStringLiteral("E"));
    } else if (x.art != 43) {
        text(c, m, 383, 15, QStringLiteral("Z"));
        text(c, m, 437, 15, QStringLiteral("E"));
    }
    for (int k = 1; k <= 8 && k <= x.text.size(); ++k) {
        const QChar zeichen = x.text.at(k - 1);
        if (zeichen == QLatin1Char(' ')) continue;
        schrift(c, m, zeichen == QLatin1Char('_') ? 65 : 70, clBlue);
        text(c, m, spaltenmitte(k), zeilenhoehe(aufgabenzeile), zeichen);
    }
}

void zifferZeichnen(Canvas& c, const Aufgabe& x, int position, QChar ziffer, const Massstab& m)
{
    c.setMapMode(MapMode::Pixels);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    weisserPinsel(c);
    schrift(c, m, 70, clGreen);
    text(c, m, spaltenmitte(antwortspalte(x.art, position)), zeilenhoehe(aufgabenzeile), ziffer);
    if (position == 1 && x.art != 43) {
        schrift(c, m, 64, clGreen);
        text(c, m, x.art == 46 ? 278 : 440, zeilenhoehe(aufgabenzeile), QStringLiteral("_"));
    }
}

void haekchenZeichnen(Canvas& c, const Aufgabe& x, const Massstab& m)
{
    stift(c, m, clRed, 3);
    const int v = (x.art == 43 || x.art == 46) ? -163 : 0;
    c.moveTo(m.x(453 + v), m.y(120));
    c.lineTo(m.x(461 + v), m.y(134));
    c.lineTo(m.x(503 + v), m.y(40));
}

void schritteSchreiben(Canvas& c, const QVector<Schreibschritt>& schritte, const Massstab& m)
{
    c.setMapMode(MapMode::Pixels);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    weisserPinsel(c);
    for (const Schreibschritt& s : schritte) {
        schrift(c, m, 70, s.farbe);
        for (int i = 0; i < s.text.size(); ++i)
            if (s.text.at(i) != QLatin1Char(' '))
                text(c, m, spaltenmitte(s.spalte + i), zeilenhoehe(s.zeile), s.text.at(i));
    }
}

// ---- The grounds ----

void zahlenfeld(Canvas& c, const Massstab& m)
{
    c.setMapMode(MapMode::Pixels);
    weisserPinsel(c);
    stift(c, m, clGreen, 1);
    rechteck(c, m, 1, 1, 990, 685);
    schrift(c, m, 30, clBlack);
    stift(c, m, clTeal, 1);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    for (int i = 1; i <= 10; ++i) {
        linie(c, m, 42 * i + 30, 45, 42 * i + 30, 645);
        linie(c, m, 30, 60 * i + 45, 450, 60 * i + 45);
    }
    // Bolder lines after every five columns and rows, the middle ones boldest.
    c.pen.width = m.stift(3);
    for (int k = 0; k <= 2; ++k) {
        linie(c, m, 30 + 210 * k, 45, 30 + 210 * k, 645);
        linie(c, m, 30, 45 + 300 * k, 450, 45 + 300 * k);
    }
    c.pen.width = m.stift(5);
    linie(c, m, 240, 45, 240, 645);
    linie(c, m, 30, 345, 450, 345);
    for (int r = 0; r <= 9; ++r)
        for (int s = 1; s <= 10; ++s)
            text(c, m, 42 * s + 10, 60 * r + 60, QString::number(10 * r + s));
}

void hunderterstrahl(Canvas& c, const Massstab& m)
{
    c.setMapMode(MapMode::Pixels);
    weisserPinsel(c);
    stift(c, m, clGreen, 1);
    rechteck(c, m, 1, 1, 979, 690);
    schrift(c, m, 50, clGreen);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.pen.width = m.stift(3);
    linie(c, m, 100, 255, 900, 255);
    c.pen.width = m.stift(1);
    for (int n = 0; n <= 100; ++n)
        linie(c, m, strahlstelle(n), 250, strahlstelle(n), 220);
    c.pen.width = m.stift(2);
    for (int k = 0; k <= 20; ++k)
        linie(c, m, 100 + 40 * k, 250, 100 + 40 * k, 200);
    c.pen.width = m.stift(3);
    for (int k = 0; k <= 10; ++k)
        linie(c, m, 100 + 80 * k, 250, 100 + 80 * k, 170);
    linie(c, m, 100, 250, 100, 140);
    linie(c, m, 900, 250, 900, 140);
    for (int k = 0; k <= 10; ++k)
        text(c, m, 100 + 80 * k, 80, QString::number(10 * k));
}

// ---- Help pictures ----

namespace {

void pfadZeichnen(Canvas& c, const Bildteil& t, const Massstab& m, const std::function<void()>& warte)
{
    int stelle = t.senkrecht ? t.start.y() : t.start.x();
    auto punkt = [&](int s) { return t.senkrecht ? QPoint(t.start.x(), s) : QPoint(s, t.start.y()); };
    const QPoint anfang = punkt(stelle);
    c.moveTo(m.x(anfang.x()), m.y(anfang.y()));
    // The path grows in short steps, so that the pupil sees it go the way.
    while (t.richtung > 0 ? stelle < t.grenze : stelle > t.grenze) {
        stelle += 15 * t.richtung;
        const QPoint p = punkt(stelle);
        c.lineTo(m.x(p.x()), m.y(p.y()));
        if (warte) warte();
    }
    const QPoint e = punkt(t.ende);
    c.lineTo(m.x(e.x()), m.y(e.y()));
}

} // namespace

void bildZeichnen(Canvas& c, const Bild& bild, const Massstab& m, const std::function<void()>& warte)
{
    c.setMapMode(MapMode::Pixels);
    for (const Bildteil& t : bild) {
        switch (t.art) {
        case Bildteil::Art::Marke:
            // Not-XOR keeps the number under the dot readable, and a second dot on the same place takes the
            // first away again.
            c.brush.style = BrushStyle::Clear;
            stift(c, m, t.farbe, t.stift, PenMode::NotXor);
            c.ellipse(m.x(t.l), m.y(t.t), m.x(t.r), m.y(t.b));
            break;
        case Bildteil::Art::Pfad:
            stift(c, m, t.farbe, t.stift);
            pfadZeichnen(c, t, m, warte);
            break;
        case Bildteil::Art::Linie:
            stift(c, m, t.farbe, t.stift);
            if (t.punkte.isEmpty()) break;
            c.moveTo(m.x(t.punkte.first().x()), m.y(t.punkte.first().y()));
            for (int i = 1; i < t.punkte.size(); ++i)
                c.lineTo(m.x(t.punkte[i].x()), m.y(t.punkte[i].y()));
            break;
        case Bildteil::Art::Bogen:
            // Counter-clockwise from the right to the left: the arch above the axis.
            stift(c, m, t.farbe, t.stift);
            c.arc(m.x(t.l), m.y(t.t), m.x(t.r), m.y(t.b), m.x(950), m.y(255), m.x(0), m.y(255));
            break;
        case Bildteil::Art::Pausen:
            for (int i = 0; i < t.anzahl; ++i)
                if (warte) warte();
            break;
        }
    }
    c.pen.mode = PenMode::Copy;
    weisserPinsel(c);
}

} // namespace pm100
