#include "aids/h_1d1_logik.h"

#include "aids/h_haupt_logik.h"
#include "platform/colors.h"
#include "platform/random.h"

#include <algorithm>
#include <functional>

namespace kl1d1 {

// ---- The task ----

bool restMoeglich(int divisor, int quotient)
{
    return divisor > 1 && divisor * quotient < 100;
}

Aufgabe aufgabe(int divisor, int quotient, bool mitRest)
{
    Aufgabe a;
    a.divisor = divisor;
    a.quotient = quotient;
    if (mitRest && restMoeglich(divisor, quotient)) a.rest = Random(divisor - 1) + 1;
    a.dividend = divisor * quotient + a.rest;
    return a;
}

std::optional<Aufgabe> ziehung(bool mitRest)
{
    const QString eintrag = h_haupt::ziehungText();
    int divisor = 0;
    int quotient = 0;
    if (!h_haupt::axbTeilen(eintrag, divisor, quotient) || divisor < 1 || quotient < 1) return std::nullopt;
    return aufgabe(divisor, quotient, mitRest);
}

Urteil pruefen(const Aufgabe& a, int phase, int zahl)
{
    if (!a.mitRest()) return zahl == a.quotient ? Urteil::geloest : Urteil::falsch;
    if (phase == kRestPhase) return zahl == a.rest ? Urteil::geloest : Urteil::falsch;
    return zahl == a.quotient ? Urteil::quotientRichtig : Urteil::falsch;
}

int noetigeEingaben(const Aufgabe& a)
{
    const int quotient = int(QString::number(a.quotient).size()) + 1;
    return a.mitRest() ? quotient + 2 : quotient;
}

QString ergebnistext(const Aufgabe& a)
{
    QString s = QString::number(a.quotient);
    if (a.mitRest()) s += QStringLiteral("  Rest ") + QString::number(a.rest);
    return s;
}

// ---- Protocol ----

hilfenrahmen::Protokollangaben protokollangaben(
    int restoption, const QString& wahltext, int hilfetasten, int zeigetasten)
{
    hilfenrahmen::Protokollangaben p;
    p.titel = QStringLiteral("Hilfen beim kleinen 1:1")
        + (restoption != 0 ? QStringLiteral(" (mit Rest)") : QStringLiteral(" (ohne Rest)"));
    const QString trenner = QStringLiteral("// ");
    const int t = int(wahltext.indexOf(trenner));
    // The divisors stand before the separator, each followed by a blank; the last blank goes.
    const QString divisoren = t >= 0 ? wahltext.left(t) : wahltext;
    p.zeile4 = QStringLiteral("Divisoren:             ") + divisoren.left(std::max(0, int(divisoren.size()) - 1));
    const QString quotienten = t >= 0 ? wahltext.mid(t + trenner.size()) : QString();
    p.zeile5 = QStringLiteral("Quotienten:            ") + quotienten.left(60);
    p.zeile10 = hilfenrahmen::Protokollangaben::Falsch::ohneHilfeUndZeigetasten;
    p.zeile11 = hilfenrahmen::hilfetastezeile(hilfetasten);
    p.zeile12 = hilfenrahmen::zeigetastezeile(QString::number(zeigetasten));
    return p;
}

// ---- Steps ----

bool pausiert(Pause pause, int phase)
{
    return pause == Pause::immer || (pause == Pause::frage && phase == kQuotientPhase);
}

int pausen(const Bild& bild, int phase)
{
    int n = 0;
    for (const Schritt& s : bild)
        if (pausiert(s.pause, phase)) ++n;
    return n;
}

QStringList texte(const Bild& bild)
{
    QStringList t;
    for (const Schritt& s : bild)
        for (const Zug& z : s.zuege)
            if (z.art == Zug::Art::text) t << z.text;
    return t;
}

void Skizze::neuerSchritt(Box box)
{
    Schritt s;
    s.box = box;
    m_bild << s;
}

void Skizze::stift(const QColor& farbe, int breite, Skala skala)
{
    m_zug.stiftfarbe = farbe;
    m_zug.stiftbreite = breite;
    m_zug.stiftskala = skala;
}

void Skizze::schrift(int hoehe, const QColor& farbe, Ausrichtung ausrichtung)
{
    m_zug.schrifthoehe = hoehe;
    m_zug.schriftfarbe = farbe;
    m_zug.ausrichtung = ausrichtung;
}

void Skizze::zug(Zug::Art art, const QVector<QPoint>& punkte, const QString& text)
{
    // What is drawn after a pause belongs to the next step.
    if (m_bild.last().pause != Pause::keine) neuerSchritt(m_bild.last().box);
    Zug z = m_zug;
    z.art = art;
    z.punkte = punkte;
    z.text = text;
    m_bild.last().zuege << z;
}

void Skizze::rechteck(int l, int t, int r, int b)
{
    zug(Zug::Art::rechteck, { { l, t }, { r, b } });
}

void Skizze::punkt(int l, int t, int r, int b)
{
    zug(Zug::Art::punkt, { { l, t }, { r, b } });
}

void Skizze::pfad(const QVector<QPoint>& punkte)
{
    zug(Zug::Art::linie, punkte);
}

void Skizze::text(int x, int y, const QString& text)
{
    zug(Zug::Art::text, { { x, y } }, text);
}

void Skizze::pause(Pause pause)
{
    if (m_bild.last().pause != Pause::keine) neuerSchritt(m_bild.last().box);
    m_bild.last().pause = pause;
}

// ---- Grounds shared with the small 1x1 ----

void zahlenstrahl(Skizze& s)
{
    s.stift(clGreen, 2, Skala::x);
    s.pinsel(clWhite);
    s.rechteck(5, 5, 725, 180);
    s.stift(clTeal, 3);
    s.linie(15, 125, 715, 125);
    // Every number, every fifth, every tenth: the longer the tick, the rounder the number.
    struct Stufe {
        int breite, schritt, bis;
    };
    for (const Stufe st : { Stufe { 1, 1, 100 }, Stufe { 2, 5, 90 }, Stufe { 3, 10, 70 } }) {
        s.stift(clTeal, st.breite);
        for (int n = 0; n <= 100; n += st.schritt)
            s.linie(15 + 7 * n, 120, 15 + 7 * n, st.bis);
    }
    s.linie(15, 120, 15, 40);
    s.linie(715, 120, 715, 40);
    s.schrift(30, clTeal);
    s.text(15, 20, QStringLiteral("0"));
    for (int k = 1; k <= 9; ++k)
        s.text(15 + 70 * k, 20, QString::number(10 * k));
    // "100" stands a little left of its tick, so that it stays inside the box.
    s.text(706, 20, QStringLiteral("100"));
}

void gitter(Skizze& s, const Gitter& gi, int versatz)
{
    s.stift(clTeal, 2);
    for (int k = 0; k <= 10; ++k)
        s.linie(gi.links + k * gi.breite, gi.oben, gi.links + k * gi.breite, gi.unten);
    for (int k = 0; k <= 10; ++k)
        s.linie(gi.x0, gi.hoch + k * gi.hoehe, gi.x1, gi.hoch + k * gi.hoehe);
    s.stift(clTeal, 5, Skala::y);
    const QLine quer = gi.quer.translated(0, versatz);
    const QLine laengs = gi.laengs.translated(versatz, 0);
    s.linie(quer.x1(), quer.y1(), quer.x2(), quer.y2());
    s.linie(laengs.x1(), laengs.y1(), laengs.x2(), laengs.y2());
}

// ---- The task on the screen ----

namespace {

QString zahl(int n)
{
    return QString::number(n);
}

// Red when row and column lie in the same half of the field, blue otherwise.
QColor viertelfarbe(int zeile, int spalte)
{
    return (zeile < 6) == (spalte < 6) ? clRed : clBlue;
}

QColor gruppenfarbe(int k)
{
    return k % 2 == 0 ? clRed : clBlue;
}

void hakenZeichnen(Skizze& s, int x, int breite)
{
    s.stift(clRed, breite, Skala::x);
    s.pfad({ { x, 100 }, { x + 15, 135 }, { x + 75, 15 } });
}

} // namespace

Bild aufgabenbild(const Aufgabe& a)
{
    Skizze s(Box::titel);
    s.stift(clGreen, 2);
    s.pinsel(clWhite);
    s.rechteck(1, 1, 199, 179);
    s.schrift(45, clBlue);
    s.text(100, 25, QStringLiteral("kleines  1 : 1"));
    s.box(Box::aufgabe);
    s.stift(clGreen, 2, Skala::x);
    s.rechteck(5, 5, 725, 155);
    s.schrift(120, clBlue, Ausrichtung::rechts);
    s.text(510, 20, zahl(a.dividend) + QStringLiteral(" : ") + zahl(a.divisor) + QStringLiteral(" =  ?"));
    return s.bild();
}

Bild hinweisLoeschen()
{
    Skizze s(Box::titel);
    s.stift(clWhite, 1);
    s.pinsel(clWhite);
    s.rechteck(3, 65, 196, 175);
    return s.bild();
}

Bild eingabebild(int phase, const QString& antwort)
{
    Skizze s(Box::aufgabe);
    s.stift(clWhite, 1);
    s.pinsel(clWhite);
    s.rechteck(430 + 150 * phase, 20, 530 + 150 * phase, 140);
    s.schrift(120 - 30 * phase, clBlue);
    s.text(490 + 120 * phase, 20 + 15 * phase, antwort);
    return s.bild();
}

Bild haken(int phase)
{
    Skizze s(Box::aufgabe);
    hakenZeichnen(s, 535 + 100 * phase, 5);
    return s.bild();
}

Bild restfrage(const Aufgabe& a)
{
    Skizze s(Box::aufgabe);
    s.stift(clGreen, 2, Skala::x);
    s.pinsel(clWhite);
    s.rechteck(5, 5, 725, 155);
    s.schrift(90, clBlue, Ausrichtung::rechts);
    s.text(
        360, 35, zahl(a.dividend) + QStringLiteral(" : ") + zahl(a.divisor) + QStringLiteral(" = ") + zahl(a.quotient));
    hakenZeichnen(s, 370, 3);
    s.schrift(80, clBlue, Ausrichtung::links);
    s.text(460, 40, QStringLiteral("Rest  ?"));
    return s.bild();
}

Bild hinweis()
{
    Skizze s(Box::titel);
    s.pinsel(clWhite);
    s.schrift(30, clRed);
    s.text(100, 90, QStringLiteral("hole Hilfe,"));
    s.text(100, 130, QStringLiteral("lösche & rechne neu"));
    return s.bild();
}

// ---- Help pictures ----

Bild strahlbild(const Aufgabe& a, int phase)
{
    const int d = a.dividend;
    Skizze s(Box::strahl);
    zahlenstrahl(s);
    s.pause(Pause::frage);
    s.stift(clGreen, 1);
    s.pinsel(clGreen);
    s.rechteck(15, 117, 15 + 7 * d, 129);
    s.pause(Pause::frage);
    // Ten jumps whatever the quotient, alternating between two rows.
    for (int k = 1; k <= 10; ++k) {
        const QColor farbe = k % 2 == 1 ? clRed : clBlue;
        const int y1 = k % 2 == 1 ? 135 : 150;
        s.stift(farbe, 1);
        s.pinsel(farbe);
        s.rechteck(15 + 7 * a.divisor * (k - 1), y1, 15 + 7 * a.divisor * k, y1 + 10);
    }
    s.pause(Pause::frage);
    s.stift(clBlack, 3);
    s.linie(15 + 7 * d, 50, 15 + 7 * d, 170);
    if (phase == kRestPhase) {
        s.pause(Pause::immer);
        s.stift(clBlack, 1);
        s.pinsel(clBlack);
        const int ab = a.divisor * a.quotient;
        for (int j = 0; j < a.rest; ++j)
            s.punkt(16 + 7 * ab + 7 * j, 160, 21 + 7 * ab + 7 * j, 168);
    }
    return s.bild();
}

Bild feldbild(const Aufgabe& a, int phase)
{
    const int b = a.quotient;
    Skizze s(Box::feld);
    s.stift(clGreen, 2);
    s.pinsel(clWhite);
    s.rechteck(0, 0, 248, 300);
    s.schrift(20, clBlack, Ausrichtung::rechts);
    gitter(s, kPunktfeld);
    s.stift(clGreen, 1);
    for (int i = 1; i <= b; ++i) {
        for (int c = 1; c <= a.divisor; ++c) {
            s.stiftfarbe(viertelfarbe(i, c));
            s.pinsel(viertelfarbe(i, c));
            s.punkt(18 * c - 4, 25 * i + 4, 18 * c + 6, 25 * i + 18);
        }
        s.pinsel(clWhite);
        s.pause(Pause::frage);
        const QString ergebnis = i < b ? zahl(i) : QStringLiteral("?");
        s.text(243, 25 * i + 2,
            zahl(a.divisor * i) + QStringLiteral(" : ") + zahl(a.divisor) + QStringLiteral(" = ") + ergebnis);
        s.pause(Pause::frage);
    }
    if (phase == kRestPhase) {
        s.pause(Pause::immer);
        s.text(243, 25 * b + 2,
            zahl(a.divisor * b) + QStringLiteral(" : ") + zahl(a.divisor) + QStringLiteral(" = ") + zahl(b));
        for (int j = 1; j <= a.rest; ++j) {
            s.stiftfarbe(viertelfarbe(b, j));
            s.pinsel(viertelfarbe(b, j));
            s.punkt(18 * j - 4, 25 * b + 29, 18 * j + 6, 25 * b + 43);
        }
        s.pause(Pause::immer);
        s.pinsel(clWhite);
        s.text(240, 25 * b + 27, QStringLiteral("Rest ?"));
    }
    return s.bild();
}

Bild hunderterbild(const Aufgabe& a, int phase)
{
    const int d = a.dividend;
    Skizze s(Box::hund);
    s.stift(clGreen, 2);
    s.pinsel(clWhite);
    s.rechteck(0, 0, 223, 300);
    gitter(s, kHunderterfeld, -1);
    s.pause(Pause::frage);
    // "100" in the numbers' size is wider than its cell: a smaller one, on the others' middle, keeps it
    // between the cell's lines.
    const auto zahlSchreiben = [&s](int x, int y, int n, const QColor& farbe) {
        s.schrift(n == 100 ? 15 : 18, farbe);
        s.text(x, n == 100 ? y + 2 : y, zahl(n));
    };
    for (int i = 0; i <= 9; ++i)
        for (int j = 1; j <= 10; ++j) {
            const int n = 10 * i + j;
            s.pinsel(n % a.divisor == 0 && n <= 10 * a.divisor ? clYellow : clWhite);
            zahlSchreiben(20 * j, 27 * i + 19, n, clBlack);
        }
    s.pause(Pause::frage);
    s.stift(clRed, 6, Skala::y);
    if (d % 10 == 0) {
        const int t = d / 10;
        s.pfad({ { 190, 27 * t - 12 }, { 210, 27 * t - 12 }, { 210, 27 * t + 15 }, { 190, 27 * t + 15 },
            { 190, 27 * t - 12 } });
    } else {
        const int t = d / 10;
        const int u = d % 10;
        s.pfad({ { 20 * u - 10, 27 * t + 15 }, { 20 * u + 10, 27 * t + 15 }, { 20 * u + 10, 27 * t + 42 },
            { 20 * u - 10, 27 * t + 42 }, { 20 * u - 10, 27 * t + 15 } });
    }
    if (phase == kRestPhase) {
        s.pause(Pause::immer);
        s.pinsel(kRestfarbe);
        for (int n = a.divisor * a.quotient + 1; n <= d; ++n) {
            if (n % 10 == 0)
                zahlSchreiben(200, 27 * (n / 10) - 8, n, clBlack);
            else
                zahlSchreiben(20 * (n % 10), 27 * (n / 10) + 19, n, clBlack);
        }
    }
    return s.bild();
}

namespace {

// The dividend as silver dots, ten to a row, on the hundred board's grid.
void dividendenfeld(Skizze& s, int d)
{
    s.box(Box::avhund);
    s.stift(clGreen, 2);
    s.pinsel(clWhite);
    s.rechteck(0, 0, 223, 300);
    gitter(s, kHunderterfeld);
    s.stift(clGreen, 1);
    s.pinsel(clSilver);
    for (int t = 1; t <= d / 10; ++t)
        for (int c = 1; c <= 10; ++c)
            s.punkt(20 * c - 4, 27 * t - 6, 20 * c + 6, 27 * t + 8);
    const int t = d / 10 + 1;
    for (int c = 1; c <= d % 10; ++c)
        s.punkt(20 * c - 4, 27 * t - 6, 20 * c + 6, 27 * t + 8);
}

// Where the next stroke through a dividend dot goes.
struct Strichstelle {
    int spalte = 0;
    int zeile = 1;
};

// Crosses out the next `anzahl` dots of the dividend field in the group's colour.
void durchstreichen(Skizze& s, Strichstelle& st, int anzahl, const QColor& farbe, Box zurueck)
{
    s.box(Box::avhund);
    s.stift(farbe, 2, Skala::x);
    s.pinsel(clWhite);
    for (int i = 0; i < anzahl; ++i) {
        st.spalte += 1;
        s.linie(20 * st.spalte - 5, 27 * st.zeile + 8, 20 * st.spalte + 6, 27 * st.zeile - 8);
        if (st.spalte >= 10) {
            st.zeile += 1;
            st.spalte = 0;
        }
    }
    s.box(zurueck);
}

// The remainder: a small black mark on each dividend dot that no stroke has crossed out.
void restpunkte(Skizze& s, const Aufgabe& a)
{
    s.box(Box::avhund);
    s.stift(clBlack, 1);
    s.pinsel(clBlack);
    const int p = a.divisor * a.quotient;
    const int reihe = p / 10;
    for (int k = 1; k <= a.rest; ++k) {
        s.pause(Pause::immer);
        const int m = p % 10 + k;
        if (m <= 10)
            s.punkt(20 * m - 1, 27 * reihe + 25, 20 * m + 3, 27 * reihe + 30);
        else
            s.punkt(20 * (m - 10) - 1, 27 * reihe + 52, 20 * (m - 10) + 3, 27 * reihe + 57);
    }
}

void becherZeichnen(Skizze& s, int x0, int breite)
{
    s.pfad({ { x0, 100 }, { x0, 200 }, { x0 + breite, 200 }, { x0 + breite, 100 } });
}

// What differs between grouping the dividend into groups of the divisor and sharing it among the divisor.
struct Teilart {
    Box box = Box::aufteil;
    int rechts = 0; // the frame's right end; the texts stand centred at half of it
    int loeschrechts = 0; // right end of the answer line erased for the next group
    int becher = 0;
    std::function<int(int)> becherlinks;
    int becherbreite = 0;
    // A group puts one dot into every cup (sharing among), or all its dots into a cup of its own.
    bool jederBecher = false;
    int einzug = 0; // of the dots in their cup
    // The task line: the dividend, `wie`, the divisor and `einheit`.
    QString wie, einheit;
    // The answer line: after n groups, while the last group is asked, and with the remainder ("   stamm n   ").
    std::function<QString(int)> zwischenstand;
    QString offen, stamm;
};

// The frame, the cups and the task; then group by group its count, its dots in the cups, the strokes through
// the dividend and the answer line.
Bild teilbild(const Aufgabe& a, int phase, const Teilart& t)
{
    const int d = a.dividend;
    const int b = a.quotient;
    const int mitte = t.rechts / 2;
    Skizze s(t.box);
    dividendenfeld(s, d);
    Strichstelle st;
    s.box(t.box);
    s.stift(clGreen, 2);
    s.pinsel(clWhite);
    s.rechteck(1, 1, t.rechts, 279);
    s.schrift(45, clGreen);
    s.stiftfarbe(clTeal);
    for (int i = 0; i < t.becher; ++i)
        becherZeichnen(s, t.becherlinks(i), t.becherbreite);
    s.text(mitte, 30, zahl(d) + t.wie + zahl(a.divisor) + t.einheit);
    s.pause(Pause::frage);
    for (int k = 0; k < b; ++k) {
        const QColor farbe = gruppenfarbe(k);
        s.stift(farbe, 2, Skala::x);
        s.schriftfarbe(farbe);
        s.pinsel(clWhite);
        s.text(mitte, 30,
            QStringLiteral("  ") + zahl(a.divisor * (k + 1)) + t.wie + zahl(a.divisor) + t.einheit
                + QStringLiteral("  "));
        s.pause(Pause::frage);
        s.pinsel(clSilver);
        for (int j = 0; j < a.divisor; ++j) {
            const int becher = t.jederBecher ? j : k;
            const int platz = t.jederBecher ? k : j;
            const int x0 = t.becherlinks(becher) + t.einzug + 14 * (platz % 2);
            s.punkt(x0, 183 - 21 * (platz / 2), x0 + 10, 197 - 21 * (platz / 2));
        }
        durchstreichen(s, st, a.divisor, farbe, t.box);
        s.stift(farbe, 2, Skala::x);
        s.pinsel(clWhite);
        s.text(mitte, 215, k < b - 1 ? t.zwischenstand(k + 1) : t.offen);
        s.pause(Pause::frage);
        s.pause(Pause::frage);
        s.stiftfarbe(clWhite);
        if (k < b - 1) s.rechteck(5, 210, t.loeschrechts, 270);
    }
    if (phase == kRestPhase) {
        s.text(mitte, 215, QStringLiteral("   ") + t.stamm + QStringLiteral(" ") + zahl(b) + QStringLiteral("   "));
        restpunkte(s, a);
    }
    return s.bild();
}

} // namespace

Bild aufteilbild(const Aufgabe& a, int phase)
{
    Teilart t;
    t.box = Box::aufteil;
    t.rechts = 369;
    t.loeschrechts = 360;
    t.becher = 10;
    t.becherlinks = [](int k) { return 10 + 35 * k + 5 * (k / 5); };
    t.becherbreite = 30;
    t.einzug = 3;
    t.wie = QStringLiteral("  aufgeteilt in  ");
    t.einheit = QStringLiteral(" er");
    t.zwischenstand = [](int n) { return QStringLiteral("  das reicht für ") + zahl(n) + QStringLiteral("  "); };
    t.offen = QStringLiteral("  das reicht für ???");
    t.stamm = QStringLiteral("das reicht für");
    return teilbild(a, phase, t);
}

Bild verteilbild(const Aufgabe& a, int phase)
{
    Teilart t;
    t.box = Box::verteil;
    t.rechts = 349;
    t.loeschrechts = 345;
    // One cup for each receiver, the row centred in the box.
    t.becher = a.divisor;
    t.becherlinks = [&a](int j) { return 10 + 17 * (10 - a.divisor) + 33 * j + 5 * (j / 5); };
    t.becherbreite = 28;
    t.jederBecher = true;
    t.einzug = 2;
    t.wie = QStringLiteral("  verteilt an  ");
    t.zwischenstand = [](int n) { return QStringLiteral("jeder bekommt ") + zahl(n) + QStringLiteral(" "); };
    t.offen = QStringLiteral("jeder bekommt  ???");
    t.stamm = QStringLiteral("jeder bekommt");
    return teilbild(a, phase, t);
}

} // namespace kl1d1
