#include "aids/schriftrahmen_logik.h"

#include "platform/canvas.h"
#include "platform/colors.h"
#include "platform/round.h"

namespace schrift {

QStringList Bild::texte() const
{
    QStringList t;
    for (const Element& e : teile)
        if (const auto* s = std::get_if<Schrift>(&e)) t << s->text;
    return t;
}

const Schrift* Bild::finde(const QString& text) const
{
    for (const Element& e : teile)
        if (const auto* s = std::get_if<Schrift>(&e); s && s->text == text) return s;
    return nullptr;
}

Bild pfeil(const QVector<QPoint>& weg, QPoint kopf1, QPoint kopf2, const QColor& farbe, int breite, Stiftmass mass)
{
    Bild b;
    b << Linienzug { weg, farbe, breite, false, mass };
    const QPoint spitze = weg.last();
    b << Linienzug { { spitze, kopf1 }, farbe, breite, false, mass };
    b << Linienzug { { spitze, kopf2 }, farbe, breite, false, mass };
    return b;
}

void zeichnen(Canvas& c, const Bild& bild, float sx, float sy)
{
    const auto X = [sx](int v) { return Round(v * double(sx)); };
    const auto Y = [sy](int v) { return Round(v * double(sy)); };
    const auto breite = [&](int b, Stiftmass m) { return m == Stiftmass::x ? X(b) : m == Stiftmass::y ? Y(b) : b; };
    c.setMapMode(MapMode::Pixels);
    for (const Element& e : bild.teile) {
        if (const auto* s = std::get_if<Schrift>(&e)) {
            const int h = s->ausrichtung == Ausrichtung::links ? TextAlign::Left
                : s->ausrichtung == Ausrichtung::rechts        ? TextAlign::Right
                                                               : TextAlign::Center;
            c.setTextAlign(h | TextAlign::Top);
            c.font = Font();
            c.font.name = QStringLiteral("arial");
            c.font.height = Y(s->hoehe);
            c.font.color = s->farbe;
            c.font.bold = s->fett;
            c.brush.style = s->grund ? BrushStyle::Solid : BrushStyle::Clear;
            if (s->grund) c.brush.color = *s->grund;
            c.textOut(X(s->x), Y(s->y), s->text);
        } else if (const auto* l = std::get_if<Linienzug>(&e)) {
            c.pen = Pen { l->farbe, breite(l->breite, l->mass), PenStyle::Solid,
                l->xorStift ? PenMode::NotXor : PenMode::Copy };
            QVector<QPoint> p;
            for (const QPoint& q : l->punkte)
                p << QPoint(X(q.x()), Y(q.y()));
            c.polyline(p);
        } else if (const auto* r = std::get_if<Rechteck>(&e)) {
            if (r->breite == 0 && r->fuellung) {
                c.brush = Brush { *r->fuellung, BrushStyle::Solid };
                c.fillRect(X(r->links), Y(r->oben), X(r->rechts), Y(r->unten));
                continue;
            }
            c.pen = Pen { r->stift, breite(r->breite, r->mass), PenStyle::Solid,
                r->xorStift ? PenMode::NotXor : PenMode::Copy };
            c.brush = r->fuellung ? Brush { *r->fuellung, BrushStyle::Solid } : Brush { clWhite, BrushStyle::Clear };
            c.rectangle(X(r->links), Y(r->oben), X(r->rechts), Y(r->unten));
        } else if (const auto* o = std::get_if<Ellipse>(&e)) {
            c.pen = Pen { o->stift, breite(o->breite, o->mass) };
            c.brush = Brush { clWhite, BrushStyle::Clear };
            c.ellipse(X(o->links), Y(o->oben), X(o->rechts), Y(o->unten));
        }
    }
    c.pen = Pen();
    c.brush = Brush();
}

Bild karopapier()
{
    Bild b;
    b << Rechteck { 20, 20, 720, 630, clGreen, 2, clWhite };
    for (int i = 1; i <= 9; ++i)
        b << Linienzug { { { 72 * i + 10, 40 }, { 72 * i + 10, 600 } }, clTeal, 1 };
    for (int i = 1; i <= 5; ++i)
        b << Linienzug { { { 57, 103 * i + 15 }, { 685, 103 * i + 15 } }, clTeal, 1 };
    return b;
}

Bild meldungsrahmen(int unten, int stift)
{
    Bild b;
    b << Rechteck { 20, 20, 720, unten, clGreen, stift, clWhite };
    return b;
}

Bild haken()
{
    Bild b;
    b << Linienzug { { { 520, 465 }, { 533, 500 }, { 663, 180 } }, clRed, 5 };
    return b;
}

void Schrittfolge::beginnen(const QString& text, bool nachUnten)
{
    wahltext = text;
    abwaerts = nachUnten;
    schrittzeiger = nachUnten ? int(text.size()) : 1;
}

QChar Schrittfolge::zeichenBei(int schritt) const
{
    if (schritt < 1 || schritt > wahltext.size()) return QChar();
    return wahltext.at(schritt - 1);
}

QChar Schrittfolge::erwartet() const
{
    return zeichenBei(schrittzeiger);
}

bool Schrittfolge::geloest() const
{
    return abwaerts ? schrittzeiger < 1 : schrittzeiger > wahltext.size();
}

void Schrittfolge::weiter()
{
    schrittzeiger += abwaerts ? -1 : 1;
}

QString rechenart(int code)
{
    switch (code) {
    case 81:
        return QStringLiteral("HZE + HZE ");
    case 82:
        return QStringLiteral("HZE + HZE, Lücken füllen");
    case 83:
        return QStringLiteral("HZE - HZE, ergänzen");
    case 84:
        return QStringLiteral("HZE - HZE, tauschen");
    case 85:
        return QStringLiteral("HZE x E");
    case 86:
        return QStringLiteral("HZE x ZE");
    case 87:
        return QStringLiteral("THZE : E, ohne Rest, schnell");
    default:
        return {};
    }
}

hilfenrahmen::Protokollangaben protokollangaben(
    int code, const QString& stufentext, int hilfetasten, int zeigetasten, bool zeigenEntfaellt)
{
    hilfenrahmen::Protokollangaben a;
    a.titel = QStringLiteral("schriftlich ");
    a.zeile4 = QStringLiteral("Rechenart:             ") + rechenart(code);
    a.zeile5 = QStringLiteral("Schwierigkeitsgrad:   ") + stufentext;
    a.zeile10 = hilfenrahmen::Protokollangaben::Falsch::ohneHilfeUndZeigetasten;
    a.zeile11 = hilfenrahmen::hilfetastezeile(hilfetasten);
    a.zeile12
        = hilfenrahmen::zeigetastezeile(zeigenEntfaellt ? QStringLiteral("entfällt") : QString::number(zeigetasten));
    return a;
}

} // namespace schrift
