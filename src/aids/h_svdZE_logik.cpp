#include "aids/h_svdZE_logik.h"

#include "platform/colors.h"
#include "platform/random.h"

using langdivision::gross;
using langdivision::ohneNull;
using schrift::Bild;
using schrift::Linienzug;
using schrift::Schrift;
using schrift::Stiftmass;

namespace svdZE {

namespace {

constexpr int kSchrittX[19]
    = { 555, 128, 67, 128, 67, 189, 616, 189, 128, 67, 189, 128, 250, 677, 250, 189, 128, 250, 189 };
constexpr int kSchrittY[19]
    = { 23, 110, 110, 197, 197, 197, 23, 284, 284, 284, 371, 371, 371, 23, 458, 458, 458, 545, 545 };

QChar ziffer(int v)
{
    return QChar(u'0' + v);
}

int wert(QChar c)
{
    return c.isDigit() ? c.unicode() - u'0' : 0;
}

// A zero product is written as one "0" in the units column, one to the right of its tens.
bool nullproduktSchritt(const Aufgabe& a, int s)
{
    return (s == 9 && a.Z == 0) || (s == 16 && a.E == 0);
}

Linienzug linie(int x1, int y1, int x2, int y2, const QColor& farbe, int breite, bool xorStift = false)
{
    return Linienzug { { { x1, y1 }, { x2, y2 } }, farbe, breite, xorStift, Stiftmass::x };
}

// The arrow in meldebox that points up at the divisor in the first help line.
Bild teilerpfeil(int versatz)
{
    const int x = 473 - versatz;
    return schrift::pfeil(
        { { x, 190 }, { x, 110 } }, { 466 - versatz, 145 }, { 480 - versatz, 145 }, clRed, 2, Stiftmass::x);
}

// The small "1" borrowed for a difference, above the step.
Bild borgen(QPoint p)
{
    Schrift s;
    s.x = p.x() + 21;
    s.y = p.y() - 40;
    s.text = QStringLiteral("1");
    s.farbe = clGreen;
    s.hoehe = 50;
    s.grund = std::nullopt;
    s.fett = true;
    Bild b;
    b << s;
    return b;
}

} // namespace

std::array<QChar, 22> Aufgabe::wegzeichen() const
{
    const int d = teiler();
    const int n = zahl();
    const int a = E * d + r;
    const int b = Z * d + a / 10;
    const int rest1 = b / 10, rest2 = a / 10;
    const int werte[22] = { n / 1000, n / 100 % 10, n / 10 % 10, H, H * d % 10, H * d / 10 % 10, rest1 % 10, rest1 / 10,
        n / 10 % 10, Z, Z * d % 10, Z * d / 10 % 10, Z * d / 100, rest2 % 10, rest2 / 10, n % 10, E, E * d % 10,
        E * d / 10 % 10, E * d / 100, r % 10, r / 10 };
    std::array<QChar, 22> w;
    for (int i = 0; i < 22; ++i)
        w[std::size_t(i)] = ziffer(werte[i]);
    return w;
}

Aufgabe generator(int stufe, bool mitRest)
{
    if (stufe == 7) stufe = Random(7);
    Aufgabe a;
    int obere = 9900;
    switch (stufe) {
    case 0:
        a.zehner2 = Random(8) + 2;
        a.einer2 = 0;
        obere = 9899;
        break;
    case 1:
        a.zehner2 = 1;
        a.einer2 = Random(2);
        if (a.einer2 == 0) a.einer2 = 9;
        obere = 9979;
        break;
    case 2:
        a.zehner2 = 1;
        a.einer2 = Random(9) + 1;
        obere = 9979;
        break;
    case 3:
        a.zehner2 = Random(8) + 2;
        a.einer2 = Random(9) + 1;
        break;
    case 4: {
        a.zehner2 = Random(8) + 2;
        const int e = Random(4) + 1;
        a.einer2 = e == 3 ? 8 : e == 4 ? 9 : e;
        break;
    }
    case 5:
        a.zehner2 = Random(8) + 2;
        a.einer2 = Random(5) + 3;
        break;
    default:
        break;
    }
    const auto imBereich = [&a, obere] {
        const int p = a.quotient() * a.teiler();
        return p >= 1000 && p <= obere;
    };
    if (stufe == 6) {
        // A zero in the tens or the units of the quotient; the divisor is drawn anew with the digits.
        do {
            a.zehner2 = Random(9) + 1;
            a.einer2 = Random(9) + 1;
            if (Random(2) != 0) {
                a.Z = Random(10);
                a.E = 0;
            } else {
                a.E = Random(10);
                a.Z = 0;
            }
            a.H = Random(10);
        } while (!imBereich());
    } else {
        do {
            a.E = Random(10);
            a.Z = Random(10);
            a.H = Random(10);
        } while (!imBereich());
    }
    a.r = mitRest ? Random(a.teiler() - 1) + 1 : 0;
    return a;
}

QPoint platz(const Aufgabe& a, int s)
{
    if (s < 1 || s > 19) return {};
    const bool aufgabenzeile = s == 1 || s == 7 || s == 14;
    return { kSchrittX[s - 1], kSchrittY[s - 1] - (aufgabenzeile ? 0 : a.verschiebung()) };
}

langdivision::Schrittplan schrittplan(const Aufgabe& a)
{
    langdivision::Schrittplan p;
    const std::array<QChar, 22> w = a.wegzeichen();
    for (int k = 3; k <= 21; ++k)
        p.zeichen += w[std::size_t(k)];
    for (int s = 1; s <= 19; ++s)
        p.plaetze.push_back(platz(a, s) + QPoint(nullproduktSchritt(a, s) ? 61 : 0, 0));
    // Leading zeros of differences, of three-digit products and of the remainder are not typed; nor the
    // units "0" of a zero product, which is written as one 0.
    p.nullWeg = { 5, 10, 12, 17, 19 };
    if (a.Z == 0) p.nullWeg.insert(8);
    if (a.E == 0) p.nullWeg.insert(15);
    p.start = a.H == 0 ? 7 : 1;
    return p;
}

Bild papier()
{
    Bild b;
    b << schrift::Rechteck { 20, 2, 720, 662, clGreen, 1, clWhite };
    for (int i = 1; i <= 12; ++i)
        b << Linienzug { { { 61 * i - 26, 15 }, { 61 * i - 26, 647 } }, clTeal, 1 };
    for (int i = 1; i <= 8; ++i)
        b << Linienzug { { { 27, 87 * i - 61 }, { 714, 87 * i - 61 } }, clTeal, 1 };
    return b;
}

Bild aufgabenzeile(const Aufgabe& a)
{
    const std::array<QChar, 22> w = a.wegzeichen();
    const QString zeile[8] = { QString(w[0]), QString(w[1]), QString(w[2]), QString(w[15]), QStringLiteral(":"),
        QString(ziffer(a.zehner2)), QString(ziffer(a.einer2)), QStringLiteral("=") };
    Bild b;
    for (int i = 0; i < 8; ++i)
        b << gross({ 66 + 61 * i, 23 }, zeile[i], clBlue);
    if (a.H == 0) b << gross(platz(a, 1), QStringLiteral("0"), clAqua);
    return b;
}

Bild linien(const Aufgabe& a, int s)
{
    Bild b;
    const int v = a.verschiebung();
    if (s == 4) b << linie(40, 200, 153, 200, clBlue, 4);
    if (s == 11) b << linie(40, 374 - v, 214, 374 - v, clBlue, 4);
    if (s == 18) b << linie(101, 548 - v, 275, 548 - v, clBlue, 4);
    return b;
}

Bild markierlinie(const Aufgabe& a)
{
    Bild b;
    b << (a.H == 0 ? linie(40, 108, 211, 108, clRed, 3, true) : linie(43, 108, 150, 108, clRed, 3, true));
    return b;
}

Bild haken()
{
    Bild b;
    b << Linienzug { { { 375, 582 }, { 391, 622 }, { 615, 215 } }, clRed, 5, false, Stiftmass::y };
    return b;
}

Bild hellblaueNull(QPoint p)
{
    Bild b;
    b << gross(p, QStringLiteral("0"), clAqua);
    return b;
}

Fehler meldung(const Aufgabe& a, int s, QChar eingabe)
{
    const std::array<QChar, 22> w = a.wegzeichen();
    const auto W = [&w](int k) { return wert(w[std::size_t(k)]); };
    const auto Wz = [&w](int k) { return w[std::size_t(k)]; };
    const int e = wert(eingabe);
    const bool null = eingabe == u'0';
    const QString uebertrag = QStringLiteral("Es gab einen Übertrag!");
    const QString einerZuerst = QStringLiteral("Tippe erst die Einer und danach die Zehner!");
    Fehler f;
    const auto text = [&f](const QString& t, bool gezaehlt) {
        f.meldung = { t, gezaehlt };
        return f;
    };
    const auto unnoetig = [&]() {
        QPoint p = platz(a, s - 1);
        if ((s == 11 && a.Z == 0) || (s == 18 && a.E == 0)) p.rx() += 61;
        if (s == 13 && Wz(14) != u'0') p.rx() -= 61;
        f.nullPlatz = p;
        return text(QStringLiteral("unnötige Null"), false);
    };
    if (s == 6 && eingabe == u'1' && W(0) > W(5)) return text(uebertrag, true);
    if (s == 13 && eingabe == u'1' && W(6) < W(11)) return text(uebertrag, true);
    if (s == 5 && W(1) < W(4) && e - 1 == W(7)) return text(uebertrag, true);
    if (s == 12 && W(8) < W(10) && e - 1 == W(14)) return text(uebertrag, true);
    if (s == 19 && W(15) < W(17) && e - 1 == W(21)) return text(uebertrag, true);
    if (s == 3 || s == 9 || s == 16) {
        const int q = s == 3 ? a.H : s == 9 ? a.Z : a.E;
        if (e == a.zehner2 * q % 10) return text(QStringLiteral("Es gab %1 zu merken!").arg(a.einer2 * q / 10), true);
    }
    if (s == 7 && a.H == 0 && null) return text(QStringLiteral("Die Null steht schon da."), false);
    if (s == 1 && null) return text(QStringLiteral("Lass' die Null am Anfang weg!"), false);
    if ((s == 6 || s == 10 || s == 11 || s == 13 || s == 18) && null && Wz(s + 1) == u'0') return unnoetig();
    if (s == 13 && null) return unnoetig();
    if (s == 2 && eingabe == Wz(5)) return text(einerZuerst, false);
    if (s == 8 && Wz(12) == u'0' && eingabe == Wz(11)) return text(einerZuerst, false);
    if (s == 15 && Wz(19) == u'0' && eingabe == Wz(18)) return text(einerZuerst, false);
    if ((s == 9 || s == 16) && eingabe == Wz(s + 3) && Wz(s + 3) != u'0')
        return text(QStringLiteral("Tippe erst die Zehner und danach die Hunderter!"), false);
    return f;
}

Hilfe hilfe(const Aufgabe& a, int s)
{
    const std::array<QChar, 22> w = a.wegzeichen();
    const auto W = [&w](int k) { return QString(w[std::size_t(k)]); };
    const auto W0 = [&w](int k) { return ohneNull(w[std::size_t(k)]); };
    // A cell of a step already passed that held a leading "0" is left out.
    const auto Wleer = [&w](int k) { return w[std::size_t(k)] == u'0' ? QString() : QString(w[std::size_t(k)]); };
    const auto zahlwert = [&w](int k) { return wert(w[std::size_t(k)]); };
    const QString d = QString::number(a.teiler());
    // The dividend's digits as the task row shows them.
    const QString S11 = W(0), S10 = W(1), S9 = W(2);
    const QString teilen = QStringLiteral("Teilen!  ");
    const QString ergaenze = QStringLiteral("Ergänze:   ");
    const QString gleich = QStringLiteral("  +  ?  =  ");
    Hilfe h;
    switch (s) {
    case 1:
        h.zeilen = { teilen + S11 + S10 + QStringLiteral(" : ") + d + QStringLiteral(" = ?"),
            W(5) + W(4) + QStringLiteral("  lässt sich teilen.") };
        h.markierlinie = true;
        break;
    case 2:
    case 8:
    case 15:
        h.zeilen
            = { QStringLiteral("Malnehmen!    ") + W(s + 1) + QStringLiteral("  x  ") + d + QStringLiteral("  =  ? ") };
        h.meldebild = teilerpfeil(0);
        break;
    case 3:
    case 9:
    case 16: {
        const bool nullprodukt = nullproduktSchritt(a, s);
        h.zeilen = { QStringLiteral("Malnehmen!    ") + W(s) + QStringLiteral("  x  ") + d + QStringLiteral("  =  ? "),
            QString(),
            s == 3 || !nullprodukt ? QStringLiteral("Wenn es Gemerkte gab, dann zähle sie hinzu!") : QString() };
        h.meldebild << teilerpfeil(nullprodukt ? 0 : 17) << teilerpfeil(17);
        break;
    }
    case 4:
        if (W(7) != QStringLiteral("0"))
            h.zeilen
                = { ergaenze + W(4) + gleich + (zahlwert(4) > zahlwert(1) ? QStringLiteral("1") : QString()) + S10 };
        else
            h.zeilen = { ergaenze + W(5) + W(4) + gleich + S11 + S10 };
        break;
    case 5:
        if (zahlwert(4) <= zahlwert(1)) {
            h.zeilen = { ergaenze + W(5) + gleich + S11 };
        } else {
            h.zeilen = { QStringLiteral("Ergänze:    1  +  ") + W(5) + gleich + S11 };
            h.feldbild = borgen(platz(a, s));
        }
        break;
    case 6:
    case 13:
        h.zeilen = { QStringLiteral("die nächste Zahl 'herunterholen'!") };
        h.feldbild = langdivision::herunterholen(platz(a, s));
        break;
    case 7:
        if (a.H != 0) {
            h.zeilen = { teilen + W0(7) + W(6) + W(8) + QStringLiteral(" : ") + d + QStringLiteral(" = ?") };
        } else {
            h.zeilen = { teilen + S11 + S10 + S9 + QStringLiteral(" : ") + d + QStringLiteral(" = ?") };
            h.markierlinie = true;
        }
        h.zeilen << W0(12) + W(11) + W(10) + QStringLiteral("  lässt sich teilen.");
        break;
    case 10:
    case 17:
        h.zeilen = { QStringLiteral("Die Gemerkten fehlen noch.") };
        break;
    case 11:
        h.zeilen
            = { ergaenze + W(10) + gleich + (zahlwert(10) > zahlwert(8) ? QStringLiteral("1") : QString()) + W(8) };
        break;
    case 12:
        if (zahlwert(10) <= zahlwert(8)) {
            h.zeilen = { ergaenze + Wleer(12) + W(11) + gleich + Wleer(7) + W(6) };
        } else {
            h.zeilen = { QStringLiteral("Ergänze:    ") + Wleer(12) + W(11) + QStringLiteral("  +  1   +  ?  =  ")
                + Wleer(7) + W(6) };
            h.feldbild = borgen(platz(a, s));
        }
        break;
    case 14:
        h.zeilen = { teilen + W0(14) + W(13) + W(15) + QStringLiteral(" : ") + d + QStringLiteral(" = ?"),
            W0(19) + W(18) + W(17) + QStringLiteral("  lässt sich teilen.") };
        break;
    case 18:
        h.zeilen
            = { ergaenze + W(17) + gleich + (zahlwert(17) > zahlwert(15) ? QStringLiteral("1") : QString()) + W(15) };
        break;
    case 19:
        if (zahlwert(17) <= zahlwert(15)) {
            h.zeilen = { ergaenze + Wleer(19) + W(18) + gleich + Wleer(14) + W(13) };
        } else {
            h.zeilen = { QStringLiteral("Ergänze:    ") + Wleer(19) + W(18) + QStringLiteral("  +  1   +  ?  =  ")
                + Wleer(14) + W(13) };
            h.feldbild = borgen(platz(a, s));
        }
        break;
    default:
        break;
    }
    return h;
}

} // namespace svdZE
