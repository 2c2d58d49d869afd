#include "aids/h_hsv_logik.h"

#include "platform/colors.h"
#include "platform/random.h"

#include <algorithm>
#include <initializer_list>

namespace hsv {

using namespace schrift;

namespace {

QString zahl(int n)
{
    return QString::number(n);
}

bool eins(int schritt, std::initializer_list<int> schritte)
{
    return std::find(schritte.begin(), schritte.end(), schritt) != schritte.end();
}

// Top of the three rows of text, and the x of a squared-paper column's centre.
constexpr int kAufgabenzeile = 123;
constexpr int kTeilzeile1 = 329;
constexpr int kTeilzeile2 = 535;
constexpr int spalte(int i)
{
    return 72 * i + 48;
}

// The multiplication dot of a row (0 task line, 1 and 2 the partial lines) of code 74.
Ellipse malpunkt(const Aufgabe& a, int zeile, const QColor& farbe)
{
    const int x = a.wahl1 == 0 ? 187 : 259;
    const int y = 165 + 206 * zeile;
    return Ellipse { x, y, x + 6, y + 9, farbe, 8, Stiftmass::y };
}

Schrift text(int x, int y, const QString& t, const QColor& farbe, int hoehe = 95, bool weiss = true)
{
    Schrift s;
    s.x = x;
    s.y = y;
    s.text = t;
    s.farbe = farbe;
    s.hoehe = hoehe;
    if (!weiss) s.grund.reset();
    return s;
}

// Characters `von`..`bis` (1-based) of a line of text, each in its column.
void zeichenReihe(QVector<QPair<int, QChar>>& z, const QString& t, int von, int bis)
{
    for (int i = von; i <= bis && i <= t.size(); ++i)
        z << qMakePair(spalte(i), t.at(i - 1));
}

Bild dreiZeilen(const QString& z1, int y1, const QString& z2, int y2, const QString& z3, int y3)
{
    Bild b;
    // Centred in the message frame.
    b << text(110, y1, z1, clRed, 45, false) << text(110, y2, z2, clRed, 45, false)
      << text(110, y3, z3, clRed, 45, false);
    return b;
}

struct Rahmentabelle {
    std::array<int, 11> x;
    std::array<int, 11> y;
    int laenge;
};

const Rahmentabelle& rahmentabelle(const Aufgabe& a)
{
    static const Rahmentabelle plusMinus { { 302, 302, 518, 518, 86, 86, 302, 518, 518, 518, 518 },
        { 328, 328, 328, 328, 534, 534, 534, 534, 534, 122, 122 }, 11 };
    static const Rahmentabelle ergaenzen { { 302, 518, 518, 86, 86, 302, 302, 302, 302 },
        { 328, 328, 328, 534, 534, 534, 534, 122, 122 }, 9 };
    static const Rahmentabelle malEZE { { 230, 230, 446, 446, 446, 230, 446, 446, 446, 446, 446 },
        { 328, 328, 328, 328, 328, 534, 534, 534, 122, 122, 122 }, 11 };
    static const Rahmentabelle malZEE { { 86, 86, 446, 446, 446, 86, 446, 446, 446, 446, 446 },
        { 328, 328, 328, 328, 328, 534, 534, 534, 122, 122, 122 }, 11 };
    static const Rahmentabelle geteilt { { 158, 158, 158, 518, 518, 158, 158, 518, 518, 518 },
        { 328, 328, 328, 328, 328, 534, 534, 534, 122, 122 }, 10 };
    switch (a.code) {
    case 73:
        return ergaenzen;
    case 74:
        return a.wahl1 == 0 ? malEZE : malZEE;
    case 75:
        return geteilt;
    default:
        return plusMinus;
    }
}

// The frame index of a step: code 74 skips the places of a tens product's and an answer's missing hundreds,
// code 75 the place of the missing hundreds of a two-digit dividend.
int rahmenindex(const Aufgabe& a, int schritt)
{
    int i = schritt;
    if (a.code == 74) {
        if (a.T() < 100 && schritt > 2) ++i;
        if (a.zielzahl < 100 && schritt >= 9) ++i;
    } else if (a.code == 75 && a.zielzahl < 100 && schritt == 2) {
        ++i;
    }
    return std::clamp(i, 1, rahmentabelle(a).laenge);
}

QPoint tabellenplatz(const Aufgabe& a, int index)
{
    const Rahmentabelle& t = rahmentabelle(a);
    const int i = std::clamp(index, 1, t.laenge) - 1;
    return { t.x[size_t(i)], t.y[size_t(i)] };
}

int versatz(const Aufgabe& a, int s)
{
    switch (a.code) {
    case 71:
    case 72:
        return eins(s, { 2, 4, 6, 7, 9, 11 }) ? 72 : 0;
    case 73:
        return eins(s, { 1, 3, 5, 7, 9 }) ? 72 : 0;
    case 74:
        if (a.T() >= 100) return eins(s, { 2, 4, 6, 7, 10 }) ? 72 : eins(s, { 5, 8, 11 }) ? 144 : 0;
        return (eins(s, { 2, 4, 5, 7, 9 }) ? 72
                       : s == 10           ? 144
                                           : 0)
            + (a.zielzahl > 99 && eins(s, { 3, 4, 6, 7 }) ? 72 : 0);
    case 75:
        if (a.zielzahl <= 99) return eins(s, { 1, 3, 5, 7, 8, 10 }) ? 72 : 0;
        return eins(s, { 3, 5, 7, 8, 10 }) ? 72 : s == 1 ? -72 : 0;
    default:
        return 0;
    }
}

// The parts of a partial line a help step writes: the calculation without its result, and the result.
void teilzeileOhneErgebnis(const Aufgabe& a, const QString& t, Schreibschritt& s)
{
    if (a.code == 73) {
        zeichenReihe(s.zeichen, t, 1, 3);
        zeichenReihe(s.zeichen, t, 6, 8);
    } else if (a.code == 74) {
        zeichenReihe(s.zeichen, t, 1, 5);
        s.punkt = true;
    } else {
        zeichenReihe(s.zeichen, t, 1, 6);
    }
}

void teilergebnis(const Aufgabe& a, const QString& t, Schreibschritt& s)
{
    if (a.code == 73)
        zeichenReihe(s.zeichen, t, 4, 5);
    else if (a.code == 74)
        zeichenReihe(s.zeichen, t, 6, 8);
    else
        zeichenReihe(s.zeichen, t, 7, 8);
}

} // namespace

Aufgabe bilden(int code, int wahl1, int zehner1, int einer1, int zehner2, int einer2)
{
    Aufgabe g;
    g.code = code;
    g.wahl1 = wahl1;
    g.zehner1 = code >= 74 ? 0 : zehner1;
    g.einer1 = einer1;
    g.zehner2 = zehner2;
    g.einer2 = code == 73 ? 10 - einer1 : einer2;
    const int a = g.a(), b = g.b(), T = g.T(), U = g.U();
    const int zehner = 10 * g.zehner2;
    QStringList w, z4;
    auto& t = g.aufgabentexte;
    switch (code) {
    case 71:
    case 72: {
        g.zielzahl = 10 * (g.zehner1 + g.zehner2) + g.einer1 + g.einer2;
        const bool plus = code == 71;
        g.zeichen = plus ? u'+' : u'-';
        g.sollwert = plus ? g.zielzahl : a;
        const int links = plus ? a : g.zielzahl;
        const int zwischen = plus ? a + zehner : g.zielzahl - zehner;
        const int ende = plus ? g.zielzahl : a;
        t[0] = zahl(links) + g.zeichen + zahl(b) + QStringLiteral("=  ");
        t[1] = zahl(links) + g.zeichen + zahl(zehner) + u'=' + zahl(zwischen);
        t[2] = zahl(zwischen) + g.zeichen + u' ' + zahl(g.einer2) + u'=' + zahl(ende);
        w << zahl(zehner) << zahl(zwischen) << zahl(zwischen) << zahl(g.einer2) << zahl(ende) << zahl(ende);
        z4 << zahl(ende) << zahl(zwischen) << zahl(ende);
        break;
    }
    case 73: {
        g.zeichen = u'+';
        g.zielzahl = 10 * (g.zehner1 + g.zehner2) + 10;
        g.sollwert = b;
        const int zehnerzahl = 10 * g.zehner1 + 10;
        t[0] = zahl(a) + QStringLiteral("+  =") + zahl(g.zielzahl);
        t[1] = zahl(a) + QStringLiteral("+ ") + zahl(g.einer2) + u'=' + zahl(zehnerzahl);
        t[2] = zahl(zehnerzahl) + u'+' + zahl(zehner) + u'=' + zahl(g.zielzahl);
        w << zahl(g.einer2) << zahl(zehnerzahl) << zahl(zehnerzahl) << zahl(zehner) << zahl(b);
        z4 << zahl(b) << zahl(g.einer2) << zahl(zehner);
        break;
    }
    case 74: {
        g.zielzahl = b * g.einer1;
        g.sollwert = g.zielzahl;
        const QString p = g.zielzahl >= 100 && T < 100 ? QStringLiteral(" ") : QString();
        const QString q = g.zielzahl >= 100 ? QStringLiteral(" ") : QString();
        if (wahl1 == 0) {
            t[0] = zahl(g.einer1) + u' ' + zahl(b) + QStringLiteral("=   ");
            t[1] = zahl(g.einer1) + u' ' + zahl(zehner) + u'=' + p + zahl(T);
            t[2] = zahl(g.einer1) + QStringLiteral("  ") + zahl(g.einer2) + u'=' + q + zahl(U);
        } else {
            t[0] = zahl(b) + u' ' + zahl(g.einer1) + QStringLiteral("=   ");
            t[1] = zahl(zehner) + u' ' + zahl(g.einer1) + u'=' + p + zahl(T);
            t[2] = u' ' + zahl(g.einer2) + u' ' + zahl(g.einer1) + u'=' + q + zahl(U);
        }
        w << zahl(zehner) << zahl(T) << zahl(g.einer2) << zahl(U) << zahl(g.zielzahl);
        z4 << zahl(g.zielzahl) << zahl(T) << zahl(U);
        break;
    }
    case 75: {
        g.zielzahl = b * g.einer1;
        g.sollwert = b;
        g.zeichen = u':';
        const QString p = g.zielzahl > 99 && T < 100 ? QStringLiteral(" ") : QString();
        const QString q = g.zielzahl > 99 ? QStringLiteral(" ") : QString();
        // A two-digit dividend stands one column further right, under the places of a three-digit one.
        const QString vorn = g.zielzahl < 100 ? QStringLiteral(" ") : QString();
        t[0] = vorn + zahl(g.zielzahl) + u':' + zahl(g.einer1) + QStringLiteral("=  ");
        t[1] = vorn + p + zahl(T) + u':' + zahl(g.einer1) + u'=' + zahl(zehner);
        t[2] = vorn + q + zahl(U) + u':' + zahl(g.einer1) + QStringLiteral("= ") + zahl(g.einer2);
        w << zahl(T) << zahl(zehner) << zahl(U) << zahl(g.einer2) << zahl(b);
        z4 << zahl(b) << zahl(zehner) << zahl(g.einer2);
        break;
    }
    default:
        break;
    }
    g.wahltext = w.join(QString());
    g.zwtext4 = z4.join(QString());
    return g;
}

Aufgabe wuerfeln(int code, int wahl5, int wahl1, int wahl6, int vorindex)
{
    Aufgabe g;
    do {
        int z1 = 0, e1 = 0, z2 = 0, e2 = 0;
        switch (code) {
        case 71:
        case 72: {
            const bool mit = wahl5 == 1;
            do {
                z1 = Random(7) + 2;
                z2 = Random(7) + 2;
            } while (z1 + z2 >= (mit ? 9 : 10));
            do {
                e1 = Random(8) + (mit ? 2 : 1);
                e2 = Random(8) + (mit ? 2 : 1);
            } while (mit ? e1 + e2 < 11 : e1 + e2 >= 10);
            break;
        }
        case 73:
            do {
                z1 = Random(6) + 2;
                z2 = Random(6) + 2;
            } while (z1 + z2 >= 9);
            e1 = Random(9) + 1;
            break;
        case 74:
            for (;;) {
                do {
                    e1 = Random(8) + 2;
                    e2 = Random(8) + 2;
                } while (e1 * e2 <= 9);
                if (wahl6 == 0) {
                    z2 = 1;
                    break;
                }
                z2 = Random(8) + 2;
                if (10 * z2 * e1 >= 100) break;
            }
            break;
        case 75:
            do {
                e1 = Random(8) + 2;
                e2 = Random(8) + 2;
            } while (e1 * e2 <= 9);
            z2 = wahl6 == 1 ? Random(8) + 2 : 1;
            break;
        default:
            // No kind of this window: a task of code 71 rather than none.
            return bilden(71, 0, 3, 4, 2, 5);
        }
        g = bilden(code, wahl1, z1, e1, z2, e2);
    } while (g.einer1 == vorindex);
    return g;
}

// ---- Long way ----

bool markeNoetig(const Aufgabe& a)
{
    return a.code == 75 && a.T() < 100;
}

QRect rahmen(const Aufgabe& a, int schritt)
{
    const int index = rahmenindex(a, schritt);
    const QPoint p = tabellenplatz(a, index);
    int links = p.x(), rechts = p.x() + 138;
    if (a.code == 74 && a.zielzahl > 99 && ((index >= 3 && index <= 5) || index >= 7)) rechts = p.x() + 210;
    if (a.code == 75 && a.zielzahl > 99 && index <= 3) links = p.x() - 72;
    return QRect(QPoint(links, p.y()), QPoint(rechts, p.y() + 95));
}

QPoint ziffernplatz(const Aufgabe& a, int schritt)
{
    const QPoint p = tabellenplatz(a, a.code == 74 ? rahmenindex(a, schritt) : schritt);
    return { p.x() + versatz(a, schritt) + 35, p.y() };
}

Hinweis hinweis(const Aufgabe& a, const QString& wahltext, int schritt, QChar getippt)
{
    // The digit after the expected one typed first: the pupil began with the units.
    const bool naechste = schritt >= 1 && schritt < wahltext.size() && wahltext.at(schritt) == getippt;
    const Hinweis sonst = naechste ? Hinweis::zehnerZuerst : Hinweis::keiner;
    const int s = schritt;
    switch (a.code) {
    case 71:
    case 72:
        if (s == 1) return Hinweis::zehner;
        if (s == 2) return Hinweis::null;
        if (eins(s, { 3, 8, 10 })) return sonst;
        if (s == 5) return Hinweis::pfeil;
        if (s == 7) return Hinweis::einer;
        return Hinweis::keiner;
    case 73:
        if (s == 1) return Hinweis::fehlt;
        if (s == 2) return Hinweis::naechsterZehner;
        if (eins(s, { 3, 5, 7 })) return Hinweis::null;
        if (s == 4) return Hinweis::pfeil;
        if (s == 8) return sonst;
        return Hinweis::keiner;
    case 74:
        if (a.T() >= 100) {
            if (s == 1) return Hinweis::zehner;
            if (eins(s, { 2, 5 })) return Hinweis::null;
            if (eins(s, { 3, 7 })) return naechste ? Hinweis::zehnerZuerst : Hinweis::vielfache;
            if (s == 6) return Hinweis::einer;
            if (s == 10) return sonst;
            return Hinweis::keiner;
        }
        if (s == 1) return Hinweis::zehner;
        if (eins(s, { 2, 4 })) return Hinweis::null;
        if (s == 5) return Hinweis::einer;
        if (s == 6) return naechste ? Hinweis::zehnerZuerst : Hinweis::vielfache;
        if (s == 8) return sonst;
        if (s == 9) return a.zielzahl > 99 ? sonst : Hinweis::keiner;
        return Hinweis::keiner;
    case 75:
        if (eins(s, { 1, 2, 4, 5, 8 })) return Hinweis::vielfache;
        if (s == 3) return Hinweis::null;
        if (s == 6) return naechste ? Hinweis::zehnerZuerst : Hinweis::rest;
        if (s == 7) return Hinweis::einer;
        if (s == 9) return sonst;
        return Hinweis::keiner;
    default:
        return Hinweis::keiner;
    }
}

int vielfachesVon(const Aufgabe& a, int schritt)
{
    if (a.code == 74) return schritt < 6 ? 10 * a.zehner2 : a.einer2;
    return schritt < 6 ? 10 * a.einer1 : a.einer1;
}

// ---- Quick mode ----

bool zehnerZuerst(const Aufgabe& a, int schritt, QChar getippt)
{
    // Only the digit just typed at the answer's tens place is compared with the answer's units digit.
    const QString antwort = zahl(a.sollwert);
    const int zehnerstelle = antwort.size() - 1;
    return schritt == zehnerstelle && zehnerstelle >= 1 && getippt == antwort.back();
}

int antwortX(const Aufgabe& a, int schritt)
{
    return 72 * schritt + (a.code == 73 ? 263 : a.code == 74 ? 407 : 479);
}

Schreibschritt hilfeschritt(const Aufgabe& a, int stufe, int schrittzeiger)
{
    Schreibschritt s;
    const QString& t1 = a.aufgabentexte[1];
    const QString& t2 = a.aufgabentexte[2];
    switch (stufe) {
    case 1:
        s.farbe = clGreen;
        s.y = kTeilzeile1;
        teilzeileOhneErgebnis(a, t1, s);
        break;
    case 2:
        s.farbe = clGreen;
        s.hoehe = 25;
        s.y = 364;
        teilergebnis(a, t1, s);
        break;
    case 3:
        s.farbe = clRed;
        s.y = kTeilzeile2;
        s.weisserGrund = true;
        teilzeileOhneErgebnis(a, t2, s);
        break;
    case 4:
        s.farbe = clGreen;
        s.hoehe = 25;
        s.y = 570;
        teilergebnis(a, t2, s);
        break;
    case 5: {
        s.farbe = clBlack;
        s.y = 124;
        const QString antwort = zahl(a.sollwert);
        const int x0 = a.code == 73 ? 264 : a.code == 74 ? 408 : 480;
        for (int i = std::max(schrittzeiger, 1); i <= antwort.size(); ++i)
            s.zeichen << qMakePair(72 * i + x0, antwort.at(i - 1));
        break;
    }
    default:
        break;
    }
    return s;
}

// ---- Drawings ----

Bild papier()
{
    Bild b;
    b << Rechteck { 20, 20, 720, 680, clGreen, 2, clWhite };
    for (int i = 1; i <= 9; ++i)
        b << Linienzug { { { 72 * i + 10, 40 }, { 72 * i + 10, 650 } }, clTeal, 1 };
    for (int j = 1; j <= 6; ++j)
        b << Linienzug { { { 57, 103 * j + 15 }, { 685, 103 * j + 15 } }, clTeal, 1 };
    return b;
}

Bild aufgabenbild(const Aufgabe& a, bool langerWeg)
{
    Bild b;
    const QString& t0 = a.aufgabentexte[0];
    for (int i = 1; i <= 8 && i <= t0.size(); ++i)
        b << text(spalte(i), kAufgabenzeile, QString(t0.at(i - 1)), clBlue);
    const int f = a.f();
    const int links = a.code == 75 ? 77 + 72 * f : 77;
    const int rechts = a.code == 74 ? 665 - 72 * f : 665;
    b << Linienzug { { { links, 232 }, { rechts, 232 } }, clBlue, 5 };
    if (a.code == 74) b << malpunkt(a, 0, clBlue);
    if (!langerWeg) return b;
    const QString zeichen(a.zeichen);
    const QString gleich = QStringLiteral("=");
    for (int y : { kTeilzeile1, kTeilzeile2 }) {
        switch (a.code) {
        case 71:
        case 72:
        case 73:
            if (y == kTeilzeile1) {
                b << text(120, y, QString(t0.at(0)), clBlue) << text(192, y, QString(t0.at(1)), clBlue);
            } else if (a.code == 73) {
                b << text(552, y, QString(t0.at(6)), clBlue) << text(624, y, QString(t0.at(7)), clBlue);
            }
            b << text(264, y, zeichen, clBlue) << text(480, y, gleich, clBlue);
            break;
        case 74: {
            b << malpunkt(a, y == kTeilzeile1 ? 1 : 2, clBlue);
            b << text(a.wahl1 == 0 ? 120 : 336, y, zahl(a.einer1), clBlue) << text(408, y, gleich, clBlue);
            break;
        }
        case 75:
            b << text(336, y, zeichen, clBlue) << text(408, y, zahl(a.einer1), clBlue) << text(480, y, gleich, clBlue);
            break;
        default:
            break;
        }
    }
    return b;
}

Bild schrittrahmen(const Aufgabe& a, int schritt)
{
    const QRect r = rahmen(a, schritt);
    Bild b;
    b << Rechteck { r.left(), r.top(), r.right(), r.bottom(), clGreen, 6, std::nullopt, true, Stiftmass::y };
    return b;
}

Bild antwortrahmen(const Aufgabe& a)
{
    int links = 514, rechts = 658;
    if (a.code == 73) {
        links = 298;
        rechts = 442;
    } else if (a.code == 74) {
        links = 442;
        rechts = 658 - 72 * a.f();
    }
    Bild b;
    b << Rechteck { links, 118, rechts, 221, clGreen, 5, std::nullopt, false, Stiftmass::y };
    return b;
}

Bild anleitung(const Aufgabe& a, bool langerWeg)
{
    Bild b;
    b << Rechteck { 70, 770, 485, 970, clGreen, 1, clWhite };
    if (langerWeg) {
        b << text(277, 800, QStringLiteral("Rechne ausführlich."), clBlue, 45)
          << text(277, 870, QStringLiteral("(wie im Heft)"), clBlue, 45);
    } else {
        b << text(277, 790, QStringLiteral("Tippe das Endergebnis"), clBlue, 45)
          << text(190, 870, QStringLiteral("in den"), clBlue, 45);
        b << Rechteck { 244, 848, 460 - 72 * a.f(), 951, clGreen, 5, std::nullopt, false, Stiftmass::y };
    }
    return b;
}

Bild ziffer(const Aufgabe& a, int schritt, QChar z)
{
    const QPoint p = ziffernplatz(a, schritt);
    Bild b;
    b << text(p.x(), p.y(), QString(z), clBlue);
    return b;
}

Bild antwortziffer(const Aufgabe& a, int schritt, QChar z)
{
    Bild b;
    b << text(antwortX(a, schritt), 124, QString(z), clGreen);
    return b;
}

Bild meldung(const Aufgabe& a, Hinweis h, int schritt)
{
    const QString bitte = QStringLiteral("bitte:"), die = QStringLiteral("die");
    switch (h) {
    case Hinweis::zehnerZuerst:
        return dreiZeilen(QStringLiteral("Tippe:"), 150, QStringLiteral("erst die Zehner,"), 270,
            QStringLiteral("dann die Einer!"), 370);
    case Hinweis::null:
        return dreiZeilen(bitte, 150, die, 270, QStringLiteral("NULL !"), 370);
    case Hinweis::einer:
        return dreiZeilen(bitte, 150, die, 270, QStringLiteral("Einerzahl!"), 370);
    case Hinweis::zehner:
        return dreiZeilen(bitte, 150, die, 270, QStringLiteral("Zehnerzahl!"), 370);
    case Hinweis::rest:
        return dreiZeilen(
            QStringLiteral("Rest ???"), 150, QStringLiteral("Was ist noch"), 270, QStringLiteral("zu teilen?"), 370);
    case Hinweis::fehlt:
        return dreiZeilen(
            QStringLiteral("Was fehlt"), 170, QStringLiteral("zum nächsten"), 270, QStringLiteral("Zehner?"), 370);
    case Hinweis::naechsterZehner:
        return dreiZeilen(
            QStringLiteral("Wie heißt"), 170, QStringLiteral("der nächste"), 270, QStringLiteral("Zehner?"), 370);
    case Hinweis::vielfache: {
        Bild b;
        const int m = vielfachesVon(a, schritt);
        for (int k = 1; k <= 10; ++k) {
            Schrift s = text(120, 57 * k + (k >= 6 ? 20 : 0), zahl(k * m), clRed, 45, false);
            s.ausrichtung = Ausrichtung::rechts;
            b << s;
        }
        return b;
    }
    default:
        return {};
    }
}

Bild zehnerZuerstSchnell()
{
    return dreiZeilen(
        QStringLiteral("Tippe:"), 124, QStringLiteral("erst die Zehner,"), 224, QStringLiteral("dann die Einer!"), 300);
}

Bild kopierpfeil()
{
    Bild b;
    b << Linienzug { { { 548, 378 }, { 120, 584 }, { 140, 594 } }, clRed, 3, true };
    b << Linienzug { { { 120, 584 }, { 134, 560 } }, clRed, 3, true };
    return b;
}

Bild bild(const Aufgabe& a, const Schreibschritt& s)
{
    Bild b;
    for (const auto& [x, z] : s.zeichen)
        b << text(x, s.y, QString(z), s.farbe, s.hoehe, s.weisserGrund);
    if (s.punkt) b << malpunkt(a, s.y == kTeilzeile1 ? 1 : 2, s.farbe);
    return b;
}

Bild langerWeg(const Aufgabe& a)
{
    Bild b;
    const QColor farben[2] = { clGreen, clRed };
    for (int zeile = 1; zeile <= 2; ++zeile) {
        const QString& t = a.aufgabentexte[size_t(zeile)];
        const QColor& farbe = farben[zeile - 1];
        for (int i = 1; i <= 8 && i <= t.size(); ++i)
            b << text(spalte(i), zeile == 1 ? kTeilzeile1 : kTeilzeile2, QString(t.at(i - 1)), farbe);
        if (a.code == 74) b << malpunkt(a, zeile, farbe);
    }
    return b << haken(a);
}

Bild haken(const Aufgabe& a)
{
    Bild b;
    if (a.code == 73) {
        b << Linienzug { { { 428, 180 }, { 436, 194 }, { 493, 80 } }, clRed, 8, false, Stiftmass::y };
    } else {
        const int d = a.code == 74 ? -72 * a.f() : 0;
        b << Linienzug { { { 644 + d, 180 }, { 652 + d, 194 }, { 709 + d, 80 } }, clRed, 8, false, Stiftmass::y };
    }
    return b;
}

// ---- Protocol ----

QString programmtext(int wahl7)
{
    return QStringLiteral("halbschriftlich, ")
        + (wahl7 == 1 ? QStringLiteral("schnell (kurzer Weg)") : QStringLiteral("ausführlich"));
}

QString rechenart(int code, int wahl1)
{
    switch (code) {
    case 71:
        return QStringLiteral("ZE + ZE ");
    case 72:
        return QStringLiteral("ZE - ZE ");
    case 73:
        return QStringLiteral("ZE + __ = Z0 (Erg. zu Zehnerzahlen)");
    case 74:
        return wahl1 == 1 ? QStringLiteral("ZE x E") : QStringLiteral("E x ZE");
    case 75:
        return QStringLiteral("(H)ZE : E ");
    default:
        return {};
    }
}

QString schwierigkeit(int code, int wahl5, int wahl6)
{
    if (code == 71 || code == 72)
        return wahl5 == 1 ? QStringLiteral("mit Zehnerübergang") : QStringLiteral("ohne Zehnerübergang");
    if (code == 74 || code == 75)
        return wahl6 == 1 ? QStringLiteral("großes 1x1  (x 21..99)") : QStringLiteral("mittleres 1x1 ( x 12..19)");
    return QStringLiteral("---");
}

} // namespace hsv
