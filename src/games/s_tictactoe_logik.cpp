#include "games/s_tictactoe_logik.h"

#include "platform/random.h"

#include <algorithm>
#include <functional>

namespace tictactoe {

namespace {

// Draws eleven values, each drawn again while it equals an earlier one.
std::array<int, 11> verschieden(const std::function<int()>& ziehen)
{
    std::array<int, 11> werte {};
    for (int i = 0; i <= 10; ++i) {
        int v;
        do
            v = ziehen();
        while (std::find(werte.begin(), werte.begin() + i, v) != werte.begin() + i);
        werte[i] = v;
    }
    return werte;
}

int operand(int stufe)
{
    int n;
    switch (stufe) {
    case 0:
        return Random(9) + 1;
    case 1:
        do
            n = Random(40) + 11;
        while (n % 10 == 0);
        return n;
    default:
        do
            n = Random(400) + 101;
        while (n % 10 == 0);
        return n;
    }
}

} // namespace

Brett zahlenwahl(int art)
{
    Brett b;
    if (art == 0) {
        for (int i = 0; i <= 10; ++i) {
            b.gezeigt[i] = i;
            b.antwort[i] = 10 - i;
        }
        b.titel = QStringLiteral("ergänze zur 10");
    } else if (art == 1 || art == 2) {
        const int ganz = art == 1 ? 100 : 1000;
        b.antwort = verschieden([art] {
            int a;
            do
                a = art == 1 ? Random(80) + 10 : Random(800) + 100;
            while (a % 10 == 0);
            return a;
        });
        for (int i = 0; i <= 10; ++i)
            b.gezeigt[i] = ganz - b.antwort[i];
        b.titel = QStringLiteral("ergänze zur %1").arg(ganz);
    } else if (art == 3 || art == 4) {
        b.gezeigt = verschieden([] { return Random(38) + 11; });
        for (int i = 0; i <= 10; ++i)
            b.antwort[i] = 2 * b.gezeigt[i];
        if (art == 4) std::swap(b.gezeigt, b.antwort);
        b.titel = art == 3 ? QStringLiteral("immer das Doppelte") : QStringLiteral("immer die Hälfte");
    } else if (art == 5) {
        b.gezeigt = verschieden([] { return (Random(8) + 2) * (Random(8) + 2); });
        b.antwort = b.gezeigt;
        b.titel = QStringLiteral("finde eine Malaufgabe aus dem kleinen 1 x 1");
    } else if (art >= 6 && art <= 11) {
        const int stufe = (art - 6) % 3;
        const int n = operand(stufe);
        b.n = n;
        b.gezeigt = verschieden([stufe, n] {
            return stufe == 0 ? Random(11) : stufe == 1 ? Random(89 - n) + 11 : Random(899 - n) + 101;
        });
        for (int i = 0; i <= 10; ++i)
            b.antwort[i] = n + b.gezeigt[i];
        if (art >= 9) {
            std::swap(b.gezeigt, b.antwort);
            b.titel = QStringLiteral("nimm %1 weg").arg(n);
        } else {
            b.titel = QStringLiteral("zähle %1 dazu").arg(n);
        }
    } else if (art >= 12 && art <= 17) {
        const int stufe = (art - 12) % 3;
        const int n = stufe == 0 ? Random(9) + 2 : stufe == 1 ? Random(9) + 11 : Random(79) + 21;
        b.n = n;
        for (int i = 0; i <= 10; ++i) {
            b.gezeigt[i] = i;
            b.antwort[i] = n * i;
        }
        if (art >= 15) {
            std::swap(b.gezeigt, b.antwort);
            b.titel = QStringLiteral("teile durch %1").arg(n);
        } else {
            b.titel = QStringLiteral("nimm mit %1 mal").arg(n);
        }
    }
    // The pairs are shuffled together, so a field's answer stays its own.
    for (int p = 10; p >= 0; --p) {
        const int j = Random(p);
        std::swap(b.gezeigt[p], b.gezeigt[j]);
        std::swap(b.antwort[p], b.antwort[j]);
    }
    return b;
}

int mitteX(int k)
{
    static const int x[] = { 196, 371, 546 };
    return x[(k - 1) % 3];
}

int mitteY(int k)
{
    static const int y[] = { 280, 530, 780 };
    return y[(k - 1) / 3];
}

Feld::Feld()
{
    for (auto& spalte : zellen)
        spalte.fill(QStringLiteral("xxx"));
}

int linientest(const Feld& feld, int spalte, int zeile)
{
    const int c = spalte + 1, r = zeile + 1;
    const QString& marke = feld.zellen[c][r];
    const auto gleich = [&](int c1, int r1) { return feld.zellen[c1][r1] == marke; };
    // Each direction as three windows of three cells that contain the mark; the border keeps every look
    // two cells beyond a field inside the array.
    const int richtung[4][2] = { { 0, 1 }, { 1, 0 }, { 1, 1 }, { 1, -1 } };
    for (int d = 0; d < 4; ++d) {
        const int dc = richtung[d][0], dr = richtung[d][1];
        for (int s = -2; s <= 0; ++s) {
            bool ganz = true;
            for (int t = s; t <= s + 2; ++t)
                if (t != 0 && !gleich(c + t * dc, r + t * dr)) ganz = false;
            if (ganz) return d + 1;
        }
    }
    return 0;
}

Linie gewinnlinie(int art, int spalte, int zeile)
{
    switch (art) {
    case 1:
        return { 175 * spalte + 21, 170, 175 * spalte + 21, 880 };
    case 2:
        return { 120, 250 * zeile + 30, 620, 250 * zeile + 30 };
    case 3:
        return { 119, 170, 617, 880 };
    default:
        return { 127, 880, 625, 170 };
    }
}

void freiesFeld(const Feld& feld, int& spalte, int& zeile)
{
    for (int c = 1; c <= 3; ++c)
        for (int r = 1; r <= 3; ++r)
            if (feld.an(c, r) == QLatin1String("xxx")) {
                spalte = c;
                zeile = r;
            }
}

bool letzteMarkeMoeglich(const Feld& feld)
{
    int c = 0, r = 0;
    freiesFeld(feld, c, r);
    if (c == 0) return false;
    // Every line through the free field: its two other fields, of one colour, can still be completed.
    const auto paar = [&](int c1, int r1, int c2, int r2) {
        const QString& a = feld.an(c1, r1);
        return a != QLatin1String("xxx") && a == feld.an(c2, r2);
    };
    const int spalteA = c == 1 ? 2 : 1, spalteB = c == 3 ? 2 : 3;
    const int zeileA = r == 1 ? 2 : 1, zeileB = r == 3 ? 2 : 3;
    if (paar(c, zeileA, c, zeileB) || paar(spalteA, r, spalteB, r)) return true;
    if (c == r && paar(spalteA, zeileA, spalteB, zeileB)) return true; // falling diagonal
    if (c + r == 4) {
        // rising diagonal: the two other fields (x, 4 - x)
        int gefunden[2][2], n = 0;
        for (int x = 1; x <= 3; ++x)
            if (x != c) {
                gefunden[n][0] = x;
                gefunden[n][1] = 4 - x;
                ++n;
            }
        if (paar(gefunden[0][0], gefunden[0][1], gefunden[1][0], gefunden[1][1])) return true;
    }
    return false;
}

QString eingabeText(int art, const QString& eingabe)
{
    if (art != 5) return eingabe;
    if (eingabe.isEmpty()) return QStringLiteral("? x ?");
    if (eingabe.size() == 1) return eingabe + QStringLiteral(" x ?");
    return eingabe.left(1) + QStringLiteral(" x ") + eingabe.mid(1, 1);
}

int eingabeWert(int art, const QString& eingabe)
{
    if (eingabe.isEmpty() || eingabe == QLatin1String("?")) return -1;
    if (art == 5) {
        if (eingabe.size() < 2) return -1;
        return eingabe.at(0).digitValue() * eingabe.at(1).digitValue();
    }
    return eingabe.toInt();
}

} // namespace tictactoe
