#include "worksheets/a_zerl_logik.h"

#include "platform/canvas.h"
#include "platform/random.h"
#include "worksheets/blattdruck.h"
#include "worksheets/blattrahmen_logik.h"

#include <algorithm>

namespace zerlegen {

std::vector<int> teilmengen(const std::vector<int>& typzahlen, bool nullErlaubt, int hoechstens)
{
    std::vector<int> teile;
    for (size_t k = 0; k < typzahlen.size(); ++k) {
        const int m = int(k) + 4;
        const size_t moeglich = size_t(nullErlaubt ? m + 1 : m - 1);
        std::vector<int> benutzt;
        for (int t = 0; t < typzahlen[k]; ++t) {
            if (int(teile.size()) >= hoechstens) return teile;
            int p = 0;
            do
                p = nullErlaubt ? Random(m + 1) : Random(m - 1) + 1;
            while (std::find(benutzt.begin(), benutzt.end(), p) != benutzt.end());
            benutzt.push_back(p);
            teile.push_back(p);
            if (benutzt.size() == moeglich) benutzt.clear();
        }
    }
    return teile;
}

Blatt blatt(int form, const std::vector<int>& typzahlen, bool nullErlaubt)
{
    Blatt b;
    b.form = form;
    const std::vector<int> arten = blattrahmen::zeilenarten(typzahlen, 10);
    const std::vector<int> teile = form == 3 ? teilmengen(typzahlen, nullErlaubt) : std::vector<int>();
    for (size_t n = 0; n < arten.size(); ++n) {
        Aufgabe a;
        a.menge = arten[n] + 3;
        if (n < teile.size()) {
            a.teil = teile[n];
            a.rest = a.menge - a.teil;
        }
        b.aufgaben.push_back(a);
    }
    return b;
}

int zeileY(int n)
{
    return -230 * n - (n / 6) * 60;
}

int punktX(int X, int i, int m)
{
    return X + 200 + 70 * i + 20 * (i / 6) + (7 - (m - 3)) * 35;
}

namespace {

void linie(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

void schaubild(Canvas& c, const Blatt& b, int n, const Aufgabe& a)
{
    const int X = n % 2 == 1 ? 0 : 875;
    const int Y = ((n - 1) / 2) * 480;
    c.pen.width = 2;
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.rectangle(X + 558, -390 - Y, X + 658, -490 - Y);
    c.rectangle(X + 458, -560 - Y, X + 558, -660 - Y);
    c.rectangle(X + 658, -560 - Y, X + 758, -660 - Y);
    linie(c, X + 583, -490 - Y, X + 508, -560 - Y);
    linie(c, X + 633, -490 - Y, X + 708, -560 - Y);
    c.textOut(X + 608, -400 - Y, QString::number(a.menge));
    if (b.form == 3) c.textOut(X + 508, -570 - Y, QString::number(a.teil));
    c.pen.width = 4;
    for (int i = 1; i <= a.menge; ++i) {
        const int x = punktX(X, i, a.menge);
        c.ellipse(x, -300 - Y, x + 45, -345 - Y);
    }
}

void punktreihe(Canvas& c, const Blatt& b, int n, const Aufgabe& a)
{
    const int d = zeileY(n);
    c.setTextAlign(TextAlign::Right | TextAlign::Top);
    c.textOut(800, d - 100, QString::number(a.menge) + QStringLiteral(" = ___ + ___"));
    c.pen.width = 4;
    for (int i = 1; i <= a.menge; ++i) {
        if (b.form == 1) {
            const int x = 785 + 100 * i + 30 * (i / 6);
            c.ellipse(x, d - 100, x + 65, d - 165);
        } else if (i % 2 == 1)
            c.ellipse(885 + 45 * i, d - 85, 930 + 45 * i, d - 130);
        else
            c.ellipse(840 + 45 * i, d - 165, 885 + 45 * i, d - 210);
    }
}

} // namespace

void zeichnen(Canvas& c, const Blatt& b)
{
    blattdruck::titelzeile(
        c, 200, -70, QStringLiteral("Zahlen zerlegen") + QString(21, u' ') + QStringLiteral("Name: _______________"));
    const bool schaubilder = b.form == 2 || b.form == 3;
    if (schaubilder) {
        c.pen.width = 1;
        linie(c, 1075, -250, 1075, -2650);
        for (int j = 0; j <= 5; ++j)
            linie(c, 200, -250 - 480 * j, 1950, -250 - 480 * j);
    }
    for (size_t k = 0; k < b.aufgaben.size(); ++k) {
        const int n = int(k) + 1;
        if (schaubilder)
            schaubild(c, b, n, b.aufgaben[k]);
        else
            punktreihe(c, b, n, b.aufgaben[k]);
    }
    if (b.form == 3) {
        std::vector<int> reste;
        for (const Aufgabe& a : b.aufgaben)
            reste.push_back(a.rest);
        reste = blattrahmen::aufsteigend(reste);
        c.font.height = 50;
        c.setTextAlign(TextAlign::Center | TextAlign::Top);
        c.textOut(350, -2690, QStringLiteral("Ergebnisse:"));
        for (size_t i = 0; i < reste.size(); ++i)
            c.textOut(600 + 100 * int(i), -2700, QString::number(reste[i]));
    }
}

void drucken(const Blatt& b, int kopien)
{
    blattdruck::drucken(QStringLiteral("Mengen zerlegen"), kopien, [&](Canvas& c) { zeichnen(c, b); });
}

} // namespace zerlegen
