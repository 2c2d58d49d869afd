#include "aids/h_sv1_logik.h"

#include "platform/colors.h"
#include "platform/random.h"

using schrift::Ausrichtung;
using schrift::Bild;
using schrift::Linienzug;
using schrift::Rechteck;
using schrift::Schrift;
using schriftverfahren::zufall;

namespace sv1 {

namespace {

const QChar kUe { u'ü' };
const QChar kLeer { u' ' };

// Column centres on the sheet and the left and right edge of a column's cell.
constexpr int kMitte[3] = { 335, 407, 479 };
constexpr int kLinks[3] = { 303, 375, 447 };
constexpr int kRechts[3] = { 365, 437, 509 };

// a 1..n, b 1..(n + 1 - a): a column whose digits add up to at most n + 1.
void klein(Ziffern& z, int s, int n)
{
    z.a[s] = zufall(1, n);
    z.b[s] = zufall(1, n + 1 - z.a[s]);
}

// a, b 0..amax / 0..9, drawn again until they add up to at least `mindestens`.
void mitUebertrag(Ziffern& z, int s, int amax, int mindestens)
{
    do {
        z.a[s] = zufall(0, amax);
        z.b[s] = zufall(0, 9);
    } while (z.a[s] + z.b[s] < mindestens);
}

Ziffern g0()
{
    Ziffern z;
    for (int s : { H, Z, E }) {
        klein(z, s, 8);
        z.c[s] = z.a[s] + z.b[s];
    }
    return z;
}

Ziffern g1()
{
    Ziffern z;
    klein(z, H, 7);
    mitUebertrag(z, Z, 9, 10);
    z.a[E] = zufall(0, 8);
    z.b[E] = zufall(0, 8 - z.a[E]);
    z.c[E] = z.a[E] + z.b[E];
    z.c[Z] = z.a[Z] + z.b[Z] - 10;
    z.c[H] = z.a[H] + z.b[H] + 1;
    z.merkhunderter = kUe;
    z.uebertraege = 1;
    return z;
}

Ziffern g2()
{
    Ziffern z;
    klein(z, H, 8);
    klein(z, Z, 7);
    mitUebertrag(z, E, 9, 10);
    z.c[E] = z.a[E] + z.b[E] - 10;
    z.c[Z] = z.a[Z] + z.b[Z] + 1;
    z.c[H] = z.a[H] + z.b[H];
    z.merkzehner = kUe;
    z.uebertraege = 1;
    return z;
}

Ziffern g4()
{
    Ziffern z;
    klein(z, H, 7);
    mitUebertrag(z, Z, 8, 11);
    mitUebertrag(z, E, 9, 11);
    z.c[E] = z.a[E] + z.b[E] - 10;
    z.c[Z] = z.a[Z] + z.b[Z] - 9;
    z.c[H] = z.a[H] + z.b[H] + 1;
    z.merkzehner = kUe;
    z.merkhunderter = kUe;
    z.uebertraege = 2;
    return z;
}

Ziffern g5(int code)
{
    Ziffern z;
    klein(z, H, 7);
    if (code == 83 || code == 84) {
        // The minuend's tens equal the subtrahend's.
        z.a[Z] = 9;
        z.b[Z] = zufall(0, 9);
        z.c[Z] = z.b[Z];
    } else {
        // The carry makes the tens 9 + 1: a sum with tens 0.
        z.a[Z] = zufall(0, 9);
        z.b[Z] = 9 - z.a[Z];
        z.c[Z] = 0;
    }
    mitUebertrag(z, E, 9, 10);
    z.c[E] = z.a[E] + z.b[E] - 10;
    z.c[H] = z.a[H] + z.b[H] + 1;
    z.merkzehner = kUe;
    z.merkhunderter = kUe;
    z.uebertraege = 2;
    return z;
}

// Results with zeros: H00, H0E or HZ0.
Ziffern g6()
{
    Ziffern z;
    switch (zufall(1, 3)) {
    case 1:
        z.a[E] = zufall(1, 9);
        z.b[E] = 10 - z.a[E];
        z.a[Z] = zufall(1, 8);
        z.b[Z] = 9 - z.a[Z];
        klein(z, H, 7);
        z.c = { z.a[H] + z.b[H] + 1, 0, 0 };
        z.merkzehner = kUe;
        z.merkhunderter = kUe;
        z.uebertraege = 2;
        break;
    case 2:
        z.c[E] = zufall(1, 9);
        do
            z.a[E] = zufall(1, 9);
        while (z.a[E] > z.c[E]);
        z.b[E] = z.c[E] - z.a[E];
        z.a[Z] = zufall(1, 9);
        z.b[Z] = 10 - z.a[Z];
        z.c[Z] = 0;
        klein(z, H, 7);
        z.c[H] = z.a[H] + z.b[H] + 1;
        z.merkhunderter = kUe;
        z.uebertraege = 1;
        break;
    default:
        z.c[Z] = zufall(2, 9);
        z.c[E] = 0;
        do
            z.a[Z] = zufall(1, 9);
        while (z.a[Z] + 1 > z.c[Z]);
        z.b[Z] = z.c[Z] - z.a[Z] - 1;
        z.a[E] = zufall(1, 9);
        z.b[E] = 10 - z.a[E];
        klein(z, H, 7);
        z.c[H] = z.a[H] + z.b[H];
        z.merkzehner = kUe;
        z.uebertraege = 1;
        break;
    }
    return z;
}

QString ziffer(int d)
{
    return QString::number(d);
}

Schrift text(int x, int y, const QString& t, const QColor& farbe, int hoehe, Ausrichtung a = Ausrichtung::mitte)
{
    Schrift s;
    s.x = x;
    s.y = y;
    s.text = t;
    s.farbe = farbe;
    s.hoehe = hoehe;
    s.ausrichtung = a;
    return s;
}

Schrift hilfetext(int x, const QString& t, Ausrichtung a = Ausrichtung::rechts)
{
    return text(x, 60, t, clGreen, 70, a);
}

Linienzug strich(int x1, int y1, int x2, int y2)
{
    return Linienzug { { { x1, y1 }, { x2, y2 } }, clBlack, 3 };
}

// The gap row's y on the sheet: rows 103 apart, the result row one further below the line.
int zeilenY(int zeile, int oben)
{
    return oben + 103 * zeile + (zeile == 2 ? 103 : 0);
}

// "tippe" and "merke" with their arrows; "merke" only when the column carries.
Bild zeiger1(int zwbyte4)
{
    Bild b;
    b << text(610, 200, QStringLiteral("tippe"), clRed, 50, Ausrichtung::rechts);
    b << schrift::pfeil({ { 528, 230 }, { 478, 230 }, { 478, 142 } }, { 485, 167 }, { 471, 167 }, clRed, 3);
    if (zwbyte4 > 0) {
        b << text(390, 200, QStringLiteral("merke"), clSilver, 50, Ausrichtung::rechts);
        b << schrift::pfeil({ { 405, 230 }, { 455, 230 }, { 455, 142 } }, { 448, 167 }, { 462, 167 }, clSilver, 3);
    }
    return b;
}

Bild zeiger2(int zeile, int schritt, int zwbyte4)
{
    Bild b;
    b << text(440, 240, QStringLiteral("tippe"), clRed, 50, Ausrichtung::rechts);
    b << schrift::pfeil({ { 406, 230 }, { 406, 145 } }, { 413, 170 }, { 399, 170 }, clRed, 3);
    if (zwbyte4 > 0 && (schritt == 3 || schritt == 5)) {
        const auto merke
            = [&b](int x, int y) { b << text(x, y, QStringLiteral("merke"), clSilver, 50, Ausrichtung::rechts); };
        if (zeile == 0) {
            merke(613, 170);
            b << schrift::pfeil({ { 516, 210 }, { 516, 135 } }, { 509, 160 }, { 523, 160 }, clSilver, 3);
        } else if (zeile == 1) {
            merke(640, 200);
            b << schrift::pfeil({ { 598, 200 }, { 598, 135 } }, { 591, 160 }, { 605, 160 }, clSilver, 3);
        } else {
            merke(363, 170);
            b << schrift::pfeil({ { 377, 210 }, { 377, 135 } }, { 370, 160 }, { 384, 160 }, clSilver, 3);
        }
    }
    return b;
}

Bild zeiger3(int zwbyte4)
{
    Bild b;
    b << text(390, 200, QStringLiteral("tippe"), clRed, 50, Ausrichtung::rechts);
    b << schrift::pfeil({ { 405, 230 }, { 478, 230 }, { 478, 145 } }, { 485, 170 }, { 471, 170 }, clRed, 3);
    if (zwbyte4 > 0) {
        b << text(645, 200, QStringLiteral("merke"), clSilver, 50, Ausrichtung::rechts);
        b << schrift::pfeil({ { 603, 200 }, { 603, 135 } }, { 596, 160 }, { 610, 160 }, clSilver, 3);
    }
    return b;
}

Rechteck roterRahmen(int l, int t, int r, int u, int breite)
{
    return Rechteck { l, t, r, u, clRed, breite, std::nullopt };
}

} // namespace

// ---- Generators ----

Ziffern stellenwurf(int generator, int code)
{
    switch (generator) {
    case 1:
        return g1();
    case 2:
        return g2();
    case 4:
        return g4();
    case 5:
        return g5(code);
    case 6:
        return g6();
    default:
        return g0();
    }
}

Aufgabe aufgabeBilden(int code, const Ziffern& z)
{
    Aufgabe a;
    a.z = z;
    a.code = code;
    const auto zeile = [](const std::array<int, 3>& d) {
        return std::array<QString, 3> { ziffer(d[H]), ziffer(d[Z]), ziffer(d[E]) };
    };
    const bool minus = code == 83 || code == 84;
    a.zeichen = minus ? QChar(u'-') : QChar(u'+');
    a.zeilen = { zeile(minus ? z.c : z.a), zeile(z.b), zeile(minus ? z.a : z.c) };
    if (code == 82) {
        const int u = Random(3);
        int t;
        do
            t = Random(3);
        while (t == u);
        int h;
        do
            h = Random(3);
        while (h == u || h == t);
        a.luecken = { h, t, u };
    } else {
        a.luecken = { 2, 2, 2 };
    }
    a.wahltext = a.zeilen[a.luecken[H]][H] + z.merkhunderter + a.zeilen[a.luecken[Z]][Z] + z.merkzehner
        + a.zeilen[a.luecken[E]][E];
    if (code == 82)
        for (int s : { H, Z, E })
            a.zeilen[a.luecken[s]][s] = QStringLiteral("?");
    else
        a.luecken = { -1, -1, -1 };
    return a;
}

int spalteVonSchritt(int schritt)
{
    return schritt >= 5 ? E : schritt >= 3 ? Z : H;
}

bool ziffernschritt(int schritt)
{
    return schritt % 2 == 1;
}

// ---- Drawing ----

Bild aufgabenbild(const Aufgabe& a, int schritt)
{
    Bild b;
    int oben = 124, zeichenY = 227;
    if (a.code == 84) {
        // Room above the minuend for the exchange notes.
        oben = 226;
        zeichenY = 330;
    } else if (a.code == 82) {
        oben = 123;
    }
    const int zeilen = a.code == 82 ? 3 : 2;
    for (int r = 0; r < zeilen; ++r)
        for (int s : { H, Z, E })
            b << text(kMitte[s], r == 2 ? 432 : oben + 103 * r, a.zeilen[r][s], clBlue, 95);
    b << text(263, zeichenY, QString(a.zeichen), clBlue, 95);
    // The result line after the rows, so that no digit's background cuts it.
    b << Linienzug { { { 300, 426 }, { 512, 426 } }, clBlue, 6 };
    b << lueckenmarke(a, schritt);
    return b;
}

Bild lueckenmarke(const Aufgabe& a, int schritt)
{
    Bild b;
    if (a.code != 82 || !ziffernschritt(schritt) || schritt < 1 || schritt > 5) return b;
    const int s = spalteVonSchritt(schritt);
    const int r = a.luecken[s];
    b << Rechteck { kLinks[s], zeilenY(r, 126), kRechts[s], zeilenY(r, 215), clYellow, 0, clYellow };
    return b;
}

Bild eintrag(const Aufgabe& a, int schritt, QChar zeichen)
{
    Bild b;
    const int x = 72 * schritt + 263 - 72 * (schritt / 2);
    if (!ziffernschritt(schritt)) {
        if (zeichen == kUe) b << text(x, 343, QStringLiteral("1"), clBlue, 55);
        return b;
    }
    if (a.code == 82) {
        Schrift t = text(x, zeilenY(a.luecken[spalteVonSchritt(schritt)], 124), QString(zeichen), clBlue, 95);
        t.grund = clYellow;
        b << t;
    } else {
        b << text(x, 433, QString(zeichen), clBlue, 95);
    }
    return b;
}

Bild spaltenrahmen(int spalte)
{
    Bild b;
    b << Rechteck { kLinks[spalte], 126, kRechts[spalte], 415, clGreen, 6, std::nullopt, true };
    return b;
}

// ---- Wrong characters ----

Meldung meldung(QChar getippt, int schritt, const QString& wahltext, QChar zuletzt)
{
    const QChar erwartet = schritt >= 1 && schritt <= wahltext.size() ? wahltext.at(schritt - 1) : QChar();
    const QChar danach = schritt >= 2 && schritt - 1 <= wahltext.size() ? wahltext.at(schritt - 2) : QChar();
    if (getippt == u'1' && erwartet == kUe)
        return { QStringLiteral("für den Übertrag:  tippe 'Ü' oder drücke 'Ü 1'"), true };
    if (getippt == kUe && schritt == 5) return { QStringLiteral("zu Beginn gibt es keinen Übertrag") };
    if (getippt == kUe && zuletzt == kUe) return { QStringLiteral("der Übertrag steht schon da") };
    if (getippt == kUe && (schritt == 3 || schritt == 1)) return { QStringLiteral("es gab keinen Übertrag") };
    if (erwartet == kUe && getippt == danach) return { QStringLiteral("tippe vorher noch den Übertrag ein"), true };
    if (erwartet == kUe) return { QStringLiteral("es gab einen Übertrag, tippe ihn ein"), true };
    return { QStringLiteral("Die ") + getippt + QStringLiteral(" war falsch. Rechne neu oder hole Hilfe.") };
}

Bild meldungsbild(const QString& t)
{
    Bild b;
    b << text(370, 150, t, clGreen, 50);
    return b;
}

// ---- Help and show ----

Hilfe hilfe(const Aufgabe& a, int schritt)
{
    Hilfe h;
    if (!ziffernschritt(schritt)) {
        if (a.code != 84) {
            h.meldung = meldungsbild(QStringLiteral("für den Übertrag:  tippe 'Ü' oder drücke 'Ü 1'"));
            h.button10Fokus = true;
        }
        return h;
    }
    const int s = spalteVonSchritt(schritt);
    const int d1 = a.z.a[s], d2 = a.z.b[s], d3 = a.z.c[s];
    const bool k = a.z.merk(s) == kUe;
    const QString n1 = ziffer(d1), n2 = ziffer(d2);
    switch (a.code) {
    case 81: {
        const int t = int(k) + d1 + d2;
        h.spalteMarkieren = true;
        h.zwbyte4 = t / 10;
        h.meldung << hilfetext(490,
            k ? QStringLiteral("sprich:  ... 1 ... ") + ziffer(d2 + 1) + QStringLiteral(" ... ") + ziffer(t)
              : QStringLiteral("sprich:  ... ") + n2 + QStringLiteral(" ... ") + ziffer(t));
        h.meldung << zeiger1(h.zwbyte4);
        break;
    }
    case 82: {
        const int t = int(k) + d1 + d2;
        const int r = a.luecken[s];
        const QString vorne = k ? QStringLiteral("1  +  ") : QString();
        h.zwbyte4 = t / 10;
        if (r == 0) {
            h.meldung << hilfetext(417, vorne + n2 + QStringLiteral("  +   ?"));
            h.meldung << hilfetext(454, QStringLiteral("=  ") + ziffer(t), Ausrichtung::links);
        } else if (r == 1) {
            if (k) h.meldung << hilfetext(393, vorne);
            h.meldung << hilfetext(
                393, QStringLiteral("?  +  ") + n1 + QStringLiteral("  =  ") + ziffer(t), Ausrichtung::links);
        } else {
            h.meldung << hilfetext(417,
                vorne + n2 + QStringLiteral("  +  ") + n1
                    + (s == E ? QStringLiteral("  =    ?") : QStringLiteral("  =  ?")));
        }
        h.meldung << roterRahmen(390, 55, 422, 140, 4);
        h.zeigenFrei = true;
        break;
    }
    case 83: {
        const int summe = d2 + int(k);
        const bool zehnMehr = s == E ? d3 < d2 : summe > d3;
        const int g = d3 + (zehnMehr ? 10 : 0);
        h.spalteMarkieren = true;
        h.zwbyte4 = g / 10;
        h.meldung << hilfetext(490,
            k ? QStringLiteral("sprich:  ... 1 ... ") + ziffer(d2 + 1) + QStringLiteral("  +    ?")
              : QStringLiteral("sprich:  ... ") + n2 + QStringLiteral("  +    ?"));
        h.meldung << hilfetext(s == H ? 627 : 637, QStringLiteral("=  ") + ziffer(g));
        h.meldung << roterRahmen(447, 55, 509, 140, 5);
        h.meldung << zeiger3(h.zwbyte4);
        h.zeigenFrei = true;
        break;
    }
    case 84: {
        h.spalteMarkieren = true;
        h.meldung << hilfetext(490, ziffer(d3) + QStringLiteral("  -  ") + n2 + QStringLiteral("  =   ?"));
        if (d3 >= d2) {
            h.meldung << roterRahmen(447, 55, 509, 140, 5);
            h.zwbyte4 = 0;
            h.meldung << zeiger1(0);
            h.zeigenFrei = true;
        } else {
            h.tauschenFrei = true;
            h.meldung << text(360, 180, QStringLiteral("... das geht nicht,   drücke 'tauschen'"), clGreen, 50);
        }
        break;
    }
    default:
        break;
    }
    return h;
}

Bild zeigen(const Aufgabe& a, int schritt, int zwbyte4)
{
    Bild b;
    if (schritt < 1 || schritt > a.wahltext.size()) return b;
    const QString soll(a.wahltext.at(schritt - 1));
    if (a.code != 82) {
        b << text(490, 60, soll, clRed, 70, Ausrichtung::rechts);
        return b;
    }
    const int r = ziffernschritt(schritt) ? a.luecken[spalteVonSchritt(schritt)] : -1;
    b << text(418, 60, soll, clRed, 70, Ausrichtung::rechts);
    if ((schritt == 5 || schritt == 3) && r == 2 && zwbyte4 == 1)
        b << text(387, 60, QStringLiteral("1"), clRed, 70, Ausrichtung::rechts);
    b << zeiger2(r, schritt, zwbyte4);
    return b;
}

// ---- Exchanges ----

Bild zehnerTauschen(Ziffern& z, int& tauschstand)
{
    Bild b;
    tauschstand = 44;
    z.c[Z] -= 1;
    z.c[E] += 10;
    b << text(kMitte[Z], 165, ziffer(z.c[Z]), clGreen, 60);
    b << text(kMitte[E], 165, ziffer(z.c[E]), clGreen, 60);
    b << strich(387, 315, 427, 230) << strich(459, 315, 499, 230);
    return b;
}

Bild hunderterTauschen(Ziffern& z, int tauschstand)
{
    Bild b;
    z.c[H] -= 1;
    z.c[Z] += 10;
    b << text(kMitte[H], 165 - tauschstand, ziffer(z.c[H]), clGreen, 57);
    b << text(kMitte[Z], 165 - tauschstand, ziffer(z.c[Z]), clGreen, 57);
    b << strich(315, 315, 355, 230);
    // The tens shown so far: the minuend's digit, or the note of an earlier exchange.
    if (tauschstand == 44)
        b << strich(394, 215, 420, 173);
    else if (tauschstand == 45)
        b << strich(385, 170, 429, 125);
    else
        b << strich(387, 315, 427, 230);
    return b;
}

Bild tauschVorEintrag(Ziffern& z, int& tauschstand, int schritt)
{
    Bild b;
    if (schritt == 5 && z.c[E] < z.b[E]) {
        if (z.c[Z] > 0) return zehnerTauschen(z, tauschstand);
        tauschstand = 45;
        b << hunderterTauschen(z, tauschstand);
        b << zehnerTauschen(z, tauschstand);
    } else if (schritt == 3 && z.c[Z] < z.b[Z]) {
        b << hunderterTauschen(z, tauschstand);
    }
    return b;
}

Tauschknopf tauschen(Ziffern& z, int& tauschstand, int schritt)
{
    Tauschknopf t;
    const auto zeile = [&t](int y, const QString& s) { t.meldung << text(370, y, s, clGreen, 50); };
    if (schritt == 3) {
        zeile(150, QStringLiteral("Ich tausche einen Hunderter in 10 Zehner um."));
        t.feld = hunderterTauschen(z, tauschstand);
    } else if (schritt == 5 && z.c[Z] < 1) {
        zeile(70, QStringLiteral("Ich habe keinen Zehner, um ihn zu tauschen."));
        zeile(150, QStringLiteral("Ich tausche einen Hunderter in 10 Zehner um."));
        zeile(230, QStringLiteral("Danach tausche ich einen Zehner in 10 Einer."));
        tauschstand = 45;
        t.feld << hunderterTauschen(z, tauschstand);
        t.feld << zehnerTauschen(z, tauschstand);
    } else if (schritt == 5) {
        zeile(150, QStringLiteral("Ich tausche einen Zehner in 10 Einer um."));
        t.feld = zehnerTauschen(z, tauschstand);
    }
    return t;
}

} // namespace sv1
