#include "aids/h_pm100_logik.h"

#include "platform/colors.h"
#include "platform/random.h"

#include <algorithm>

namespace pm100 {

// ---- Kinds and levels ----

int artAusCode(int programmcode)
{
    return std::clamp(programmcode, kErsteArt, kLetzteArt);
}

Rechenart rechenart(int art)
{
    return Rechenart((artAusCode(art) - kErsteArt) % 3);
}

bool zweiZehnerzahlen(int art)
{
    return artAusCode(art) >= 44;
}

int stufenzahl(int art)
{
    return zweiZehnerzahlen(art) ? 7 : 5;
}

int stufeAusWahl(int art, int gewaehlt)
{
    if (gewaehlt < 0 || gewaehlt >= stufenzahl(art)) return stufenzahl(art) - 1;
    return gewaehlt;
}

// ---- Tasks ----

int hilfeschritte(int art, int einer1, int einer2)
{
    if (zweiZehnerzahlen(art)) return einer2 == 0 ? 4 : 6;
    return einer1 + einer2 <= 10 ? 4 : 6;
}

QString aufgabentext(const Aufgabe& x)
{
    const QString z = x.zeichen;
    QString t;
    switch (x.art) {
    case 41:
    case 44:
        t = QString::number(x.hunderter1) + z + QString::number(x.hunderter2) + QStringLiteral("=_ ");
        break;
    case 42:
    case 45:
        t = QString::number(x.zielzahl) + z + QString::number(x.b()) + QStringLiteral("=_ ");
        break;
    case 43:
        t = QString::number(x.zehner1) + QString::number(x.einer1) + z + QStringLiteral("_=")
            + QString::number(x.zielzahl);
        break;
    default:
        t = QString::number(x.zehner1) + QString::number(x.einer1) + z + QStringLiteral("_ =")
            + QString::number(x.zielzahl);
        break;
    }
    // Seven characters get a blank in front, so that the answer places stand in the same columns in every task.
    return t.rightJustified(8, QLatin1Char(' '));
}

Aufgabe aufgabeAus(int art, int zehner1, int einer1, int zehner2, int einer2)
{
    Aufgabe x;
    x.art = artAusCode(art);
    x.zehner1 = zehner1;
    x.einer1 = einer1;
    x.zehner2 = zehner2;
    x.einer2 = einer2;
    x.zielzahl = (zehner1 + zehner2) * 10 + einer1 + einer2;
    const Rechenart ra = rechenart(x.art);
    if (ra == Rechenart::minus) {
        x.hunderter1 = x.zielzahl;
        x.hunderter2 = x.b();
        x.hunderter3 = x.a();
    } else {
        x.hunderter1 = x.a();
        x.hunderter2 = x.b();
        x.hunderter3 = x.zielzahl;
    }
    switch (x.art) {
    case 41:
    case 44:
        x.sollwert = x.zielzahl;
        break;
    case 42:
    case 45:
        x.sollwert = x.a();
        break;
    case 43:
        x.sollwert = einer2;
        break;
    default:
        x.sollwert = x.b();
        break;
    }
    x.zeichen = ra == Rechenart::minus ? QLatin1Char('-') : QLatin1Char('+');
    x.wieoft = hilfeschritte(x.art, einer1, einer2);
    x.text = aufgabentext(x);
    return x;
}

namespace {

// Both ones drawn 1..9 together until they fit.
template <typename Passt> void einerZiehen(int& einer1, int& einer2, Passt passt)
{
    do {
        einer1 = Random(9) + 1;
        einer2 = Random(9) + 1;
    } while (!passt(einer1 + einer2));
}

void zehnerUndEinerZiehen(int stufe, int& z1, int& e1, int& e2)
{
    switch (stufe) {
    case 0:
        z1 = Random(8) + 2;
        e1 = 0;
        e2 = Random(9) + 1;
        break;
    case 1:
        z1 = Random(7) + 2;
        e1 = Random(9) + 1;
        e2 = 10 - e1;
        break;
    case 2:
        z1 = Random(8) + 2;
        einerZiehen(e1, e2, [](int s) { return s < 10; });
        break;
    case 3:
        z1 = Random(7) + 2;
        einerZiehen(e1, e2, [](int s) { return s >= 11; });
        break;
    default:
        z1 = Random(7) + 2;
        e1 = Random(9);
        e2 = Random(9) + 1;
        break;
    }
}

void zweiZehnerzahlenZiehen(int art, int stufe, int& z1, int& z2, int& e1, int& e2)
{
    // The tens first, redrawn together until their sum leaves room for the ones.
    const int tensGrenze = (stufe == 3 || stufe >= 5) ? 9 : 10;
    do {
        z1 = Random(8) + 2;
        z2 = stufe == 0 ? Random(8) + 2 : Random(9) + 1;
    } while (z1 + z2 >= tensGrenze);
    const bool minus = art == 45;
    switch (stufe) {
    case 0:
        e1 = 0;
        e2 = 0;
        break;
    case 1:
        // Minus subtracts a pure tens number here, plus and ergänzen add one with ones.
        e1 = minus ? Random(9) + 1 : 0;
        e2 = minus ? 0 : Random(9) + 1;
        break;
    case 2:
        e1 = minus ? 0 : Random(9) + 1;
        e2 = minus ? Random(9) + 1 : 0;
        break;
    case 3:
        e1 = Random(9) + 1;
        e2 = 10 - e1;
        break;
    case 4:
        einerZiehen(e1, e2, [](int s) { return s < 10; });
        break;
    case 5:
        einerZiehen(e1, e2, [](int s) { return s >= 11; });
        break;
    default:
        e1 = Random(10);
        e2 = Random(10);
        break;
    }
}

} // namespace

Aufgabe aufgabenwahl(int art, int stufe, int& vorindex)
{
    art = artAusCode(art);
    stufe = stufeAusWahl(art, stufe);
    int z1 = 0, e1 = 0, z2 = 0, e2 = 0;
    // Every level offers at least two tens digits, so a task with a new one always comes.
    do {
        z2 = 0;
        if (zweiZehnerzahlen(art))
            zweiZehnerzahlenZiehen(art, stufe, z1, z2, e1, e2);
        else
            zehnerUndEinerZiehen(stufe, z1, e1, e2);
    } while (z1 == vorindex);
    vorindex = z1;
    return aufgabeAus(art, z1, e1, z2, e2);
}

// ---- Answer ----

int antwortspalte(int art, int position)
{
    switch (artAusCode(art)) {
    case 43:
        return 5;
    case 46:
        return 3 + position;
    default:
        return 6 + position;
    }
}

bool zifferRichtig(const QString& antwort, int position, int sollwert)
{
    const QString soll = QString::number(sollwert);
    if (position < 1 || position > antwort.size() || position > soll.size()) return false;
    return antwort.at(position - 1) == soll.at(position - 1);
}

// ---- Written part steps ----

int zeilenhoehe(int zeile)
{
    switch (zeile) {
    case teilzeile1:
        return 224;
    case teilzeile2:
        return 299;
    default:
        return 74;
    }
}

namespace {

const QColor kBlau = clBlue, kRot = clRed, kGruen = clGreen, kLila = clPurple;

QString zahl(int n)
{
    return QString::number(n);
}

// The digits of the answer that the pupil has not typed yet, each in its place in the task row.
QVector<Schreibschritt> antwortrest(const Aufgabe& x, int wahl6)
{
    QVector<Schreibschritt> s;
    const QString soll = x.solltext();
    for (int p = std::max(wahl6, 1); p <= soll.size(); ++p)
        s.append({ kLila, aufgabenzeile, antwortspalte(x.art, p), soll.mid(p - 1, 1) });
    return s;
}

QVector<Schreibschritt> zehnerUndEinerSchritt(const Aufgabe& x, int stufe, int wahl6)
{
    const bool plus = x.art == 41;
    const bool sechs = x.wieoft >= 6;
    const QString z = x.zeichen;
    switch (stufe) {
    case 1:
        return { { kBlau, teilzeile1, 2, zahl(x.hunderter1) } };
    case 2: {
        int teil = 0;
        if (plus)
            teil = x.einer1 + x.einer2 <= 10 ? x.einer2 : 10 - x.einer1;
        else
            teil = (x.zielzahl % 10 == 0 || x.zielzahl % 10 >= x.einer2) ? x.einer2 : x.hunderter1 % 10;
        return { { kRot, teilzeile1, 4, z + zahl(teil) + QLatin1Char('=') } };
    }
    case 3: {
        int wert = x.sollwert;
        if (x.uebergang()) wert = plus ? x.sollwert / 10 * 10 : 10 * x.zehner1 + 10;
        QVector<Schreibschritt> s { { kRot, teilzeile1, 7, zahl(wert) } };
        if (sechs) s.append({ kGruen, teilzeile2, 2, zahl(wert) });
        return s;
    }
    case 4: {
        if (!sechs) return antwortrest(x, wahl6);
        const int rest = plus ? x.sollwert % 10 : 10 - x.einer1;
        return { { kGruen, teilzeile2, 4, z + zahl(rest) + QLatin1Char('=') } };
    }
    case 5:
        return { { kLila, teilzeile2, 7, zahl(x.sollwert) } };
    default:
        return antwortrest(x, wahl6);
    }
}

QVector<Schreibschritt> ergaenzenEinerSchritt(const Aufgabe& x, int stufe, int wahl6)
{
    const bool sechs = x.wieoft >= 6;
    const QString z = x.zeichen;
    const int volleZehn = x.zielzahl / 10 * 10;
    switch (stufe) {
    case 1:
        return { { kBlau, teilzeile1, 2, zahl(x.hunderter1) } };
    case 2:
        return { { kRot, teilzeile1, 4, z + QStringLiteral(" =") + zahl(sechs ? volleZehn : x.zielzahl) } };
    case 3:
        return { { kRot, teilzeile1, 5, zahl(sechs ? 10 - x.einer1 : x.sollwert) } };
    case 4:
        if (!sechs) return antwortrest(x, wahl6);
        return { { kGruen, teilzeile2, 2, zahl(volleZehn) + z + QStringLiteral(" =") + zahl(x.zielzahl) } };
    case 5:
        return { { kGruen, teilzeile2, 5, zahl(x.zielzahl % 10) } };
    default:
        return antwortrest(x, wahl6);
    }
}

QVector<Schreibschritt> zweiZehnerzahlenSchritt(const Aufgabe& x, int stufe, int wahl6)
{
    const bool sechs = x.wieoft >= 6;
    const QString z = x.zeichen;
    const int zwischen = x.art == 45 ? x.hunderter1 - 10 * x.zehner2 : x.hunderter1 + 10 * x.zehner2;
    if (x.art == 46) {
        switch (stufe) {
        case 1:
            return { { kBlau, teilzeile1, 1, zahl(x.hunderter1) } };
        case 2:
            return { { kRot, teilzeile1, 3, z }, { kRot, teilzeile1, 6, QLatin1Char('=') + zahl(zwischen) } };
        case 3:
            return { { kRot, teilzeile1, 4, zahl(10 * x.zehner2) } };
        case 4:
            if (!sechs) return antwortrest(x, wahl6);
            return { { kGruen, teilzeile2, 1, zahl(zwischen) + z + QStringLiteral("  =") + zahl(x.zielzahl) } };
        case 5:
            return { { kGruen, teilzeile2, 5, zahl(x.einer2) } };
        default:
            return antwortrest(x, wahl6);
        }
    }
    switch (stufe) {
    case 1:
        return { { kBlau, teilzeile1, 1, zahl(x.hunderter1) } };
    case 2:
        return { { kRot, teilzeile1, 3, z + zahl(x.zehner2) + QStringLiteral("0=") } };
    case 3: {
        QVector<Schreibschritt> s { { kRot, teilzeile1, 7, zahl(zwischen) } };
        if (sechs) s.append({ kGruen, teilzeile2, 1, zahl(zwischen) });
        return s;
    }
    case 4:
        if (!sechs) return antwortrest(x, wahl6);
        return { { kGruen, teilzeile2, 3, z + QLatin1Char(' ') + zahl(x.einer2) + QLatin1Char('=') } };
    case 5:
        return { { kLila, teilzeile2, 7, zahl(x.sollwert) } };
    default:
        return antwortrest(x, wahl6);
    }
}

} // namespace

QVector<Schreibschritt> schreibschritt(const Aufgabe& x, int stufe, int wahl6)
{
    if (stufe < 1 || stufe > std::min(x.wieoft, 6)) return {};
    switch (x.art) {
    case 41:
    case 42:
        return zehnerUndEinerSchritt(x, stufe, wahl6);
    case 43:
        return ergaenzenEinerSchritt(x, stufe, wahl6);
    default:
        return zweiZehnerzahlenSchritt(x, stufe, wahl6);
    }
}

QVector<QString> geschriebeneZeilen(const Aufgabe& x, int bisStufe, int wahl6)
{
    QVector<QString> zeilen { x.text, QString(8, QLatin1Char(' ')), QString(8, QLatin1Char(' ')) };
    for (int stufe = 1; stufe <= bisStufe; ++stufe)
        for (const Schreibschritt& s : schreibschritt(x, stufe, wahl6))
            for (int i = 0; i < s.text.size(); ++i) {
                const int spalte = s.spalte + i;
                if (s.text.at(i) != QLatin1Char(' ') && spalte >= 1 && spalte <= 8)
                    zeilen[s.zeile][spalte - 1] = s.text.at(i);
            }
    return zeilen;
}

// ---- Help pictures ----

int letzterBildschritt(int art, bool strahl)
{
    if (strahl && (art == 43 || art == 46)) return 6;
    return 5;
}

namespace {

int spalteVon(int n)
{
    return n % 10 == 0 ? 10 : n % 10;
}

Bildteil marke(const QColor& farbe, const QPoint& mitte)
{
    Bildteil t;
    t.art = Bildteil::Art::Marke;
    t.farbe = farbe;
    t.stift = 15;
    t.l = mitte.x() - 6;
    t.t = mitte.y() - 8;
    t.r = mitte.x() + 6;
    t.b = mitte.y() + 8;
    return t;
}

Bildteil markeIn(const QColor& farbe, int l, int t, int r, int b)
{
    Bildteil m = marke(farbe, {});
    m.l = l;
    m.t = t;
    m.r = r;
    m.b = b;
    return m;
}

// The dot on a result or a sum is computed from the number itself; a number that ends in 0 stands at the end
// of the row above its tens digit.
Bildteil ergebnismarke(const QColor& farbe, int n)
{
    const int r = n / 10;
    if (n % 10 == 0) return markeIn(farbe, 423, 60 * r + 7, 435, 60 * r + 23);
    const int c = n % 10;
    return markeIn(farbe, 42 * c + 3, 60 * r + 66, 42 * c + 17, 60 * r + 84);
}

Bildteil pfad(const QColor& farbe, int stift, QPoint start, bool senkrecht, int richtung, int grenze, int ende)
{
    Bildteil t;
    t.art = Bildteil::Art::Pfad;
    t.farbe = farbe;
    t.stift = stift;
    t.start = start;
    t.senkrecht = senkrecht;
    t.richtung = richtung;
    t.grenze = grenze;
    t.ende = ende;
    return t;
}

// A path to the right that stops at `ende`.
Bildteil rechtsBis(const QColor& farbe, int stift, QPoint start, int ende)
{
    return pfad(farbe, stift, start, false, 1, ende - 15, ende);
}

Bildteil linksBis(const QColor& farbe, int stift, QPoint start, int ende)
{
    return pfad(farbe, stift, start, false, -1, ende + 15, ende);
}

Bildteil linie(const QColor& farbe, int stift, const QVector<QPoint>& punkte)
{
    Bildteil t;
    t.art = Bildteil::Art::Linie;
    t.farbe = farbe;
    t.stift = stift;
    t.punkte = punkte;
    return t;
}

// The plus path from the first number: within its row over the ones, or to the end of the row; from a full
// ten on in the next row to the sum.
Bild plusweg(const Aufgabe& x, const QColor& farbe)
{
    const QPoint c = zellmitte(x.hunderter1);
    const bool volleZehn = x.hunderter1 % 10 == 0;
    if (!x.uebergang() && !volleZehn)
        return { rechtsBis(farbe, 5, { c.x() + 16, c.y() + 23 }, c.x() + 16 + 42 * x.einer2) };
    Bild b { pfad(farbe, 5, { c.x() + 16, c.y() + 23 }, false, 1, 439, 454) };
    if (volleZehn) b.append(rechtsBis(farbe, 5, { 23, c.y() + 83 }, 42 * spalteVon(x.zielzahl) + 22));
    return b;
}

// Down the column of the first number over the tens of the second.
Bildteil saeuleRunter(const Aufgabe& x)
{
    const QPoint c = zellmitte(x.hunderter1);
    const int unten = c.y() + 60 * x.zehner2;
    return pfad(kRot, 5, { c.x() - 16, c.y() + 20 }, true, 1, unten + 5, unten + 20);
}

// Along the row of a + the tens of b over the ones of b. From a full ten the sum lies in the next row, as
// when the ones cross the ten, so the path goes on there instead of running out of the field.
Bild einerwegPlus(const Aufgabe& x)
{
    const QPoint c = zellmitte(x.hunderter1);
    const int y1 = c.y() + 60 * x.zehner2 + 23;
    const bool weiter = x.uebergang() || (x.hunderter1 % 10 == 0 && x.einer2 > 0);
    if (!weiter) return { rechtsBis(kGruen, 5, { c.x() + 14, y1 }, c.x() + 12 + 42 * x.einer2) };
    return { pfad(kGruen, 5, { c.x() + 14, y1 }, false, 1, 439, 454),
        rechtsBis(kGruen, 5, { 27, y1 + 60 }, 42 * spalteVon(x.zielzahl) + 22) };
}

Bild feldKind41(const Aufgabe& x, int stufe)
{
    const QPoint c = zellmitte(x.hunderter1);
    switch (stufe) {
    case 1:
        return { marke(kBlau, c) };
    case 2:
        return plusweg(x, kRot);
    case 3:
        if (x.uebergang()) return { marke(kRot, { 430, c.y() }) };
        if (x.hunderter1 % 10 == 0) return { ergebnismarke(kRot, x.zielzahl) };
        return { marke(kRot, { c.x() + 42 * x.einer2, c.y() }) };
    case 4:
        if (x.wieoft != 6) return {};
        return { rechtsBis(kGruen, 5, { 23, c.y() + 83 }, 42 * spalteVon(x.zielzahl) + 22) };
    case 5:
        if (x.wieoft != 6) return {};
        return { ergebnismarke(kLila, x.zielzahl) };
    default:
        return {};
    }
}

Bild feldKind42(const Aufgabe& x, int stufe)
{
    const QPoint c = zellmitte(x.hunderter1);
    const bool zumZeilenanfang = x.uebergang() || x.sollwert % 10 == 0;
    switch (stufe) {
    case 1:
        return { marke(kBlau, c) };
    case 2:
        if (!zumZeilenanfang) return { linksBis(kRot, 2, { c.x() + 15, c.y() - 2 }, c.x() + 16 - 42 * x.einer2) };
        return { linksBis(kRot, 2, { c.x() + 15, c.y() - 2 }, 27),
            linie(kRot, 2, { { 454, c.y() - 55 }, { 447, c.y() - 55 } }) };
    case 3:
        if (zumZeilenanfang) return { markeIn(kRot, 423, c.y() - 68, 435, c.y() - 52) };
        return { marke(kRot, { c.x() - 42 * x.einer2, c.y() }) };
    case 4:
        // The row above holds the result only when the ones cross the ten; without, the result stands in
        // the minuend's row and the last help step shows nothing new here, as in the plus tasks.
        if (x.wieoft != 6) return {};
        return { linksBis(kGruen, 2, { 444, c.y() - 60 }, 42 * spalteVon(x.sollwert) + 26) };
    case 5:
        return { ergebnismarke(kLila, x.sollwert) };
    default:
        return {};
    }
}

Bild feldKind43(const Aufgabe& x, int stufe)
{
    const QPoint c = zellmitte(x.hunderter1);
    switch (stufe) {
    case 1:
        return { marke(kBlau, c) };
    case 2:
        if (x.uebergang() || x.zielzahl % 10 == 0) return { marke(kRot, { 430, c.y() }) };
        return { ergebnismarke(kRot, x.zielzahl) };
    case 3:
        return plusweg(x, kRot);
    case 4:
        if (x.wieoft != 6) return {};
        return { ergebnismarke(kLila, x.zielzahl) };
    case 5:
        return { rechtsBis(kGruen, 5, { 27, c.y() + 83 }, 42 * spalteVon(x.zielzahl) + 22) };
    default:
        return {};
    }
}

Bild feldKind44(const Aufgabe& x, int stufe)
{
    const QPoint c = zellmitte(x.hunderter1);
    switch (stufe) {
    case 1:
        return { marke(kBlau, c) };
    case 2:
        return { saeuleRunter(x) };
    case 3:
        return { marke(kRot, { c.x(), c.y() + 60 * x.zehner2 }) };
    case 4:
        return einerwegPlus(x);
    case 5:
        return { ergebnismarke(kLila, x.zielzahl) };
    default:
        return {};
    }
}

Bild feldKind45(const Aufgabe& x, int stufe)
{
    const QPoint c = zellmitte(x.hunderter1);
    const int oben = c.y() - 60 * x.zehner2;
    switch (stufe) {
    case 1:
        return { marke(kBlau, c) };
    case 2:
        return { pfad(kRot, 4, { c.x() + 15, c.y() - 20 }, true, -1, oben, oben - 15) };
    case 3:
        return { marke(kRot, { c.x(), oben }) };
    case 4: {
        if (x.wieoft != 6) return {};
        const int y1 = oben - 2;
        if (!x.uebergang()) return { linksBis(kGruen, 4, { c.x() + 9, y1 }, c.x() + 16 - 42 * x.einer2) };
        return { linksBis(kGruen, 4, { c.x() + 9, y1 }, 27),
            linksBis(kGruen, 4, { 453, y1 - 60 }, 42 * spalteVon(x.sollwert) + 28) };
    }
    case 5:
        return { ergebnismarke(kLila, x.sollwert) };
    default:
        return {};
    }
}

Bild feldKind46(const Aufgabe& x, int stufe)
{
    const QPoint c = zellmitte(x.hunderter1);
    switch (stufe) {
    case 1:
        return { marke(kBlau, c) };
    case 2:
        return { marke(kRot, { c.x(), c.y() + 60 * x.zehner2 }) };
    case 3:
        return { saeuleRunter(x) };
    case 4:
        return { ergebnismarke(kBlau, x.zielzahl) };
    case 5:
        return einerwegPlus(x);
    default:
        return {};
    }
}

// ---- the 100 line ----

constexpr int kAchse = 255;

Bildteil balken(int n)
{
    return linie(kBlau, 5, { { 100, 262 }, { strahlstelle(n), 262 } });
}

// The arch above the axis between two numbers; its half-heights above and below the axis give its shape.
Bildteil bogen(const QColor& farbe, int von, int bis, int oben, int unten)
{
    Bildteil t;
    t.art = Bildteil::Art::Bogen;
    t.farbe = farbe;
    t.stift = 2;
    t.l = std::min(strahlstelle(von), strahlstelle(bis));
    t.r = std::max(strahlstelle(von), strahlstelle(bis));
    t.t = kAchse - oben;
    t.b = kAchse + unten;
    return t;
}

Bildteil sprung(const QColor& farbe, int von, int bis, int hoehe)
{
    return bogen(farbe, von, bis, hoehe, hoehe);
}

Bild zehnerboegen(int von, int richtung, int anzahl)
{
    Bild b;
    for (int i = 0; i < anzahl; ++i) {
        Bildteil t = bogen(kRot, von + 10 * i * richtung, von + 10 * (i + 1) * richtung, 0, 0);
        t.t = 135;
        t.b = 375;
        b.append(t);
        Bildteil p;
        p.art = Bildteil::Art::Pausen;
        p.anzahl = 3;
        b.append(p);
    }
    return b;
}

Bild pfeil(const QColor& farbe, int n, bool tief)
{
    const int x = strahlstelle(n);
    const int spitze = tief ? 266 : 262;
    const int strich = tief ? 271 : 269;
    return { linie(farbe, 2, { { x, 290 }, { x, spitze } }),
        linie(farbe, 2, { { x + 3, strich }, { x, spitze }, { x - 3, strich } }) };
}

int ersterSprung(const Aufgabe& x)
{
    if (rechenart(x.art) == Rechenart::minus) return x.uebergang() ? x.einer1 + x.einer2 - 10 : x.einer2;
    return x.uebergang() ? 10 - x.einer1 : x.einer2;
}

Bild strahlKind41(const Aufgabe& x, int stufe)
{
    const int a = x.hunderter1, j1 = ersterSprung(x), z = x.zielzahl;
    switch (stufe) {
    case 1:
        return { balken(a) };
    case 2:
        return { sprung(kRot, a, a + j1, 13 * j1) };
    case 3:
        return pfeil(kRot, a + j1, false);
    case 4:
        return { sprung(kGruen, z / 10 * 10, z, 13 * (z % 10)) };
    case 5:
        return Bild { sprung(kLila, a, z, 14 * x.einer2) } + pfeil(kLila, z, false);
    default:
        return {};
    }
}

Bild strahlKind42(const Aufgabe& x, int stufe)
{
    const int m = x.hunderter1, j1 = ersterSprung(x), erg = x.sollwert;
    switch (stufe) {
    case 1:
        return { balken(m) };
    case 2:
        return { sprung(kRot, m, m - j1, 13 * j1) };
    case 3:
        return pfeil(kRot, m - j1, true);
    case 4: {
        const int j = x.uebergang() ? 10 - x.einer1 : x.einer2;
        return { sprung(kGruen, x.zielzahl / 10 * 10, erg, 13 * j) };
    }
    case 5:
        return Bild { sprung(kLila, m, erg, 14 * x.einer2) } + pfeil(kLila, erg, true);
    default:
        return {};
    }
}

Bild strahlKind43(const Aufgabe& x, int stufe)
{
    const int a = x.hunderter1, j1 = ersterSprung(x), z = x.zielzahl;
    switch (stufe) {
    case 1:
        return { balken(a) };
    case 2:
        return pfeil(kRot, a + j1, false);
    case 3:
        return { sprung(kRot, a, a + j1, 13 * j1) };
    case 4:
        return pfeil(kLila, z, false);
    case 5:
        return { sprung(kGruen, z / 10 * 10, z, 13 * (z % 10)) };
    case 6:
        return { sprung(kLila, a, z, 14 * x.einer2) };
    default:
        return {};
    }
}

// The ones of b after the tens: over j1 to the ten, and when they cross it from the ten to the sum.
Bild gruenePlusboegen(const Aufgabe& x)
{
    const int zwischen = x.hunderter1 + 10 * x.zehner2, j1 = ersterSprung(x), z = x.zielzahl;
    Bild b { sprung(kGruen, zwischen, zwischen + j1, 11 * j1) };
    if (x.uebergang()) b.append(sprung(kGruen, z / 10 * 10, z, 11 * (z % 10)));
    return b;
}

Bild strahlKind44(const Aufgabe& x, int stufe)
{
    const int a = x.hunderter1, zwischen = a + 10 * x.zehner2, z = x.zielzahl;
    switch (stufe) {
    case 1:
        return { balken(a) };
    case 2:
        return zehnerboegen(a, 1, x.zehner2);
    case 3:
        return pfeil(kRot, zwischen, false);
    case 4:
        return gruenePlusboegen(x);
    case 5:
        return Bild { bogen(kLila, zwischen, z, 12 * x.einer2, 13 * x.einer2) } + pfeil(kLila, z, false);
    default:
        return {};
    }
}

Bild strahlKind45(const Aufgabe& x, int stufe)
{
    const int m = x.hunderter1, zwischen = m - 10 * x.zehner2, erg = x.sollwert;
    switch (stufe) {
    case 1:
        return { balken(m) };
    case 2:
        return zehnerboegen(m, -1, x.zehner2);
    case 3:
        return pfeil(kRot, zwischen, true);
    case 4: {
        const int j = x.uebergang() ? x.zielzahl % 10 : x.einer2;
        Bild b { sprung(kGruen, zwischen, zwischen - j, 11 * j) };
        if (x.uebergang()) {
            const int zehn = 10 * x.zehner1 + 10;
            b.append(sprung(kGruen, zehn, zehn - (10 - x.einer1), 11 * (10 - x.einer1)));
        }
        return b;
    }
    case 5:
        return Bild { sprung(kLila, zwischen, erg, 11 * x.einer2) } + pfeil(kLila, erg, true);
    default:
        return {};
    }
}

Bild strahlKind46(const Aufgabe& x, int stufe)
{
    const int a = x.hunderter1, zwischen = a + 10 * x.zehner2, z = x.zielzahl;
    switch (stufe) {
    case 1:
        return { balken(a) };
    case 2:
        return pfeil(kRot, zwischen, false);
    case 3:
        return zehnerboegen(a, 1, x.zehner2);
    case 4:
        return pfeil(kGruen, z, false);
    case 5:
        return gruenePlusboegen(x);
    case 6:
        return { bogen(kLila, zwischen, z, 12 * x.einer2, 14 * x.einer2) };
    default:
        return {};
    }
}

} // namespace

QPoint zellmitte(int n)
{
    return { 42 * spalteVon(n) + 10, 60 * ((n - 1) / 10) + 75 };
}

Bild feldschritt(const Aufgabe& x, int stufe)
{
    if (stufe < 1 || stufe > std::min(x.wieoft, letzterBildschritt(x.art, false))) return {};
    switch (x.art) {
    case 41:
        return feldKind41(x, stufe);
    case 42:
        return feldKind42(x, stufe);
    case 43:
        return feldKind43(x, stufe);
    case 44:
        return feldKind44(x, stufe);
    case 45:
        return feldKind45(x, stufe);
    default:
        return feldKind46(x, stufe);
    }
}

Bild strahlschritt(const Aufgabe& x, int stufe)
{
    if (stufe < 1 || stufe > std::min(x.wieoft, letzterBildschritt(x.art, true))) return {};
    switch (x.art) {
    case 41:
        return strahlKind41(x, stufe);
    case 42:
        return strahlKind42(x, stufe);
    case 43:
        return strahlKind43(x, stufe);
    case 44:
        return strahlKind44(x, stufe);
    case 45:
        return strahlKind45(x, stufe);
    default:
        return strahlKind46(x, stufe);
    }
}

// ---- Protocol ----

QString protokolltitel(int art)
{
    return QStringLiteral("Raum 100  ")
        + (zweiZehnerzahlen(art) ? QStringLiteral("2 gemischte Zehnerzahlen")
                                 : QStringLiteral("gemischte Zehner und Einer"));
}

QString hilfezeile(int art, bool strahl)
{
    static const char* const arten[] = { "plus ", "minus ", "ergänzen " };
    return QStringLiteral("Hilfe:") + QString(17, QLatin1Char(' ')) + QString::fromUtf8(arten[int(rechenart(art))])
        + (strahl ? QStringLiteral("am 100er-Strahl") : QStringLiteral("am 100er-Feld"));
}

QString stufenbeispiel(int art, int stufe)
{
    static const char* const beispiele[6][6] = {
        { "30 + 4 = __", "36 + 4 = _0", "36 + 2 = __", "36 + 6 = __" },
        { "34 - 4 = _0", "40 - 4 = __", "38 - 2 = __", "42 - 6 = __" },
        { "30 + __ = 34", "36 + __ = 40", "36 + __ = 38", "36 + __ = 42" },
        { "30 + 20 = _0", "30 + 24 = __", "36 + 20 = __", "36 + 24 = _0", "36 + 32 = __", "36 + 38 = __" },
        { "50 - 20 = _0", "64 - 30 = __", "64 - 24 = _0", "60 - 24 = __", "68 - 36 = __", "64 - 36 = __" },
        { "20 + _0 = 70", "30 + __ = 64", "36 + __ = 66", "36 + __ = 60", "36 + __ = 68", "36 + __ = 64" },
    };
    art = artAusCode(art);
    stufe = stufeAusWahl(art, stufe);
    if (stufe == stufenzahl(art) - 1) return QStringLiteral("(Mischung aller Schwierigkeitsgrade)");
    return QString::fromUtf8(beispiele[art - kErsteArt][stufe]);
}

QString formzeile(int art, int stufe)
{
    return QStringLiteral("Aufgaben der Form:     ") + stufenbeispiel(art, stufe);
}

} // namespace pm100
