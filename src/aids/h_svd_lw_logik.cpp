#include "aids/h_svd_lw_logik.h"

#include "platform/colors.h"
#include "platform/random.h"

using langdivision::ohneNull;
using schrift::Bild;
using schrift::Linienzug;
using schrift::Stiftmass;

namespace svd_lw {

namespace {

constexpr int kSchrittX[14] = { 538, 136, 69, 136, 203, 605, 203, 136, 203, 270, 672, 270, 203, 270 };
constexpr int kSchrittY[14] = { 27, 123, 123, 219, 219, 27, 315, 315, 411, 411, 27, 507, 507, 603 };

QChar ziffer(int v)
{
    return QChar(u'0' + v);
}

int rest(int d, bool mitRest)
{
    return mitRest ? Random(d - 1) + 1 : 0;
}

// A digit whose product with the divisor of G4 stays in the range of the level.
int g4ziffer(int d)
{
    return d == 2 ? Random(9) + 1 : d == 3 ? Random(8) + 1 : Random(6) + 1;
}

// The quotient's units and the remainder of G0 and G1: their sum E x d + r below 10.
void kleineEiner(Aufgabe& a, bool mitRest)
{
    do {
        a.E = Random(4) + 1;
        a.r = rest(a.d, mitRest);
    } while (a.E * a.d + a.r >= 10);
}

Linienzug linie(int x1, int y1, int x2, int y2, const QColor& farbe, int breite, Stiftmass mass, bool xorStift = false)
{
    return Linienzug { { { x1, y1 }, { x2, y2 } }, farbe, breite, xorStift, mass };
}

} // namespace

std::array<int, 4> Aufgabe::ziffern() const
{
    const int n = dividend();
    return { n / 1000, n / 100 % 10, n / 10 % 10, n % 10 };
}

QString Aufgabe::wahltext() const
{
    const int s = E * d + r;
    const int m3 = s / 10;
    const int m2 = (m3 + Z * d) / 10;
    const std::array<int, 4> z = ziffern();
    const int folge[14]
        = { H, H * d % 10, H * d / 10, m2, z[2], Z, Z * d % 10, Z * d / 10, m3, z[3], E, E * d % 10, E * d / 10, r };
    QString t;
    for (int v : folge)
        t += ziffer(v);
    return t;
}

QChar Aufgabe::wegzeichen(int k) const
{
    if (k == 1 || k == 2) return ziffer(ziffern()[std::size_t(k - 1)]);
    const QString w = wahltext();
    return k >= 3 && k <= 16 ? w.at(k - 3) : QChar(u' ');
}

Aufgabe generator(int g, bool mitRest)
{
    Aufgabe a;
    switch (g) {
    case 0:
    case 1:
        // With a remainder no units digit would keep 9 x E + r below 10: 9 is left out.
        a.d = Random(8 - int(mitRest)) + 2;
        kleineEiner(a, mitRest);
        if (g == 0) {
            do
                a.Z = Random(4) + 1;
            while (a.Z * a.d >= 10);
            do
                a.H = Random(7) + 3;
            while (a.H * a.d <= 9);
        } else {
            do
                a.Z = Random(9) + 1;
            while (a.Z * a.d <= 9);
            do
                a.H = Random(8) + 2;
            while (a.H * a.d <= 9);
        }
        break;
    case 2: {
        int s = 0;
        do {
            a.d = Random(8) + 2;
            a.E = Random(9) + 1;
            a.r = rest(a.d, mitRest);
            s = a.E * a.d + a.r;
            a.Z = Random(4) + 1;
        } while (!(s > 10 && s / 10 + a.Z * a.d < 10));
        do
            a.H = Random(6) + 4;
        while (a.H * a.d <= 9);
        break;
    }
    case 4:
        a.d = Random(4) + 2;
        do
            a.E = g4ziffer(a.d);
        while (a.E * a.d <= 9);
        a.r = rest(a.d, mitRest);
        do
            a.Z = g4ziffer(a.d);
        while (a.Z * a.d <= 9);
        do
            a.H = g4ziffer(a.d);
        while (a.H * a.d <= 9);
        break;
    case 5:
        a.d = Random(4) + 6;
        a.E = Random(4) + 6;
        a.r = rest(a.d, mitRest);
        a.Z = Random(4) + 6;
        a.H = Random(4) + 6;
        break;
    case 6:
        a.d = Random(8) + 2;
        if (Random(2) == 0) {
            a.Z = 0;
            a.E = Random(9) + 1;
        } else {
            a.Z = Random(9) + 1;
            a.E = 0;
        }
        a.r = rest(a.d, mitRest);
        do
            a.H = Random(9) + 1;
        while (a.H * a.d <= 9);
        break;
    default:
        break;
    }
    return a;
}

langdivision::Schrittplan schrittplan(const Aufgabe& a)
{
    langdivision::Schrittplan p;
    p.zeichen = a.wahltext();
    for (int i = 0; i < 14; ++i)
        p.plaetze.emplace_back(kSchrittX[i], kSchrittY[i]);
    // A product below 10 is written without a leading zero.
    p.nullWeg = { 8, 13 };
    return p;
}

Bild papier()
{
    Bild b;
    b << schrift::Rechteck { 20, 2, 720, 725, clGreen, 1, clWhite };
    for (int i = 1; i <= 11; ++i)
        b << Linienzug { { { 67 * i - 32, 15 }, { 67 * i - 32, 709 } }, clTeal, 1 };
    for (int i = 1; i <= 8; ++i)
        b << Linienzug { { { 27, 96 * i - 70 }, { 714, 96 * i - 70 } }, clTeal, 1 };
    return b;
}

Bild aufgabenzeile(const Aufgabe& a)
{
    const std::array<int, 4> z = a.ziffern();
    const QString zeile[7] = { QString(ziffer(z[0])), QString(ziffer(z[1])), QString(ziffer(z[2])),
        QString(ziffer(z[3])), QStringLiteral(":"), QString::number(a.d), QStringLiteral("=") };
    Bild b;
    for (int i = 0; i < 7; ++i) {
        schrift::Schrift s;
        s.x = 69 + 67 * i;
        s.y = 27;
        s.text = zeile[i];
        s.farbe = clBlue;
        s.hoehe = 95;
        s.grund = std::nullopt;
        b << s;
    }
    return b;
}

Bild linien(const Aufgabe& a, int schritt)
{
    const QString w = a.wahltext();
    Bild b;
    const auto unter = [&b](int x1, int x2, int y) { b << linie(x1, y, x2, y, clBlue, 6, Stiftmass::x); };
    if (schritt == 3) unter(42, 164, 218);
    if (schritt == 8 || (schritt == 7 && w.at(7) == u'0')) unter(109, 231, 410);
    if (schritt == 13 || (schritt == 12 && w.at(12) == u'0')) unter(176, 298, 602);
    return b;
}

Bild markierlinie()
{
    Bild b;
    b << linie(45, 113, 162, 113, clRed, 4, Stiftmass::x, true);
    return b;
}

Bild haken()
{
    Bild b;
    b << Linienzug { { { 385, 594 }, { 401, 634 }, { 625, 227 } }, clRed, 5, false, Stiftmass::y };
    return b;
}

langdivision::Meldung meldung(const Aufgabe& a, int s, QChar eingabe)
{
    const QString w = a.wahltext();
    const auto zeichen = [&w](int k) { return k >= 1 && k <= w.size() ? w.at(k - 1) : QChar(); };
    const QString teilen = QStringLiteral("Bitte zuerst teilen und das Ergebnis eintippen!");
    if (s == 1 && eingabe == u'0') return { QStringLiteral("Lass' die Null am Anfang weg!"), false };
    if (s == 1 && (eingabe == zeichen(2) || eingabe == zeichen(3))) return { teilen, false };
    if ((s == 6 || s == 11) && (eingabe == zeichen(s + 1) || eingabe == zeichen(s + 2))) return { teilen, false };
    if ((s == 2 || s == 7 || s == 12) && eingabe == zeichen(s + 1))
        return { QStringLiteral("Tippe erst die Einer und danach die Zehner!"), false };
    if ((s == 5 || s == 10) && eingabe == u'0') return { QStringLiteral("Die Null am Anfang darf wegbleiben."), false };
    return {};
}

QStringList hilfetexte(const Aufgabe& a, int s)
{
    const auto W = [&a](int k) { return QString(a.wegzeichen(k)); };
    const auto W0 = [&a](int k) { return ohneNull(a.wegzeichen(k)); };
    const QString d = QString::number(a.d);
    switch (s) {
    case 1:
    case 6:
    case 11:
        return { QStringLiteral("Teilen!  ") + W0(s) + W(s + 1) + QStringLiteral(" : ") + d + QStringLiteral(" = ?"),
            W0(s + 4) + W(s + 3) + QStringLiteral("  lässt sich teilen.") };
    case 2:
    case 7:
    case 12:
        return { QStringLiteral("Malnehmen!   ") + W(s + 1) + QStringLiteral("  x  ") + d + QStringLiteral("  =  _ ?"),
            a.wahltext().at(s) != u'0' ? QStringLiteral("Beginne bei den Einern!") : QString() };
    case 3:
    case 8:
    case 13:
        return { QStringLiteral("Malnehmen!    ") + W(s) + QStringLiteral("  x  ") + d + QStringLiteral("  =  ? ")
            + W(s + 1) };
    case 4:
    case 9:
    case 14:
        return { QStringLiteral("Rest ???    ") + W0(s + 1) + W(s) + QStringLiteral(" + ? = ") + W0(s - 3) + W(s - 2) };
    case 5:
    case 10:
        return { QStringLiteral("die nächste Zahl 'herunterholen'!") };
    default:
        return {};
    }
}

} // namespace svd_lw
