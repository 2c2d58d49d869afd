#include "worksheets/knobelkasten_logik.h"

#include "platform/canvas.h"
#include "platform/random.h"
#include "worksheets/blattdruck.h"
#include "worksheets/blattrahmen_logik.h"

#include <utility>

namespace knobel {

QStringList artentexte(int bereich)
{
    switch (bereich) {
    case 1:
        return { "zerlegen im Raum 10", "Einer + Einer im Raum 10", "Einer - Einer im Raum 10",
            "zwischen 10 und 20  plus", "zwischen 10 und 20  minus  ", "zerlegen im Raum 20", "Zehnerübergang vorwärts",
            "Zehnerübergang rückwärts" };
    case 2:
        return { "Zehnerzahl + Zehnerzahl", "Zehnerzahl - Zehnerzahl", "gem. Zehner + gem. Zehner = Zehnerzahl",
            "Zehnerzahl - gem. Zehnerzahl", "gem. Zehner + gem. Zehner ohne Zehnerübergang",
            "gem. Zehner - gem. Zehner ohne Zehnerübergang", "gem. Zehner + gem. Zehner mit Zehnerübergang",
            "gem. Zehner - gem. Zehner mit Zehnerübergang" };
    case 3:
        return { "HZ0 + HZ0  ohne 100er-Übergang", "HZ0 - HZ0  ohne 100er-Übergang", "HZ0 + HZ0  mit 100er-Übergang",
            "HZ0 - HZ0  mit 100er-Übergang", "HZE + HZE  ohne Übergänge", "HZE - HZE  ohne Übergänge",
            "HZE + HZE  mit Zehnerübergang", "HZE - HZE  mit Zehnerübergang" };
    default:
        return { "Einerzahl  x  Zehnerzahl", "___  :  Zehnerzahl = Einerzahl", "Zehnerzahl  x  Einerzahl",
            "___  :  Einerzahl = Zehnerzahl", "Einer  x  gem. Zehnerzahl  (12...19)",
            "___  :  Einer = gem. Zehnerzahl  (12...19)", "Einer  x  gem. Zehnerzahl  (21...99)",
            "___ :  Einer = gem. Zehnerzahl  (21...99)" };
    }
}

QStringList beispiele(int bereich)
{
    switch (bereich) {
    case 1:
        return { "7 = 3 + 4", "3 + 4 = 7", "7 - 3 = 4", "13 + 4 = 17", "17 - 3 = 14", "13 = 8 + 5", "8 + 5 = 13",
            "13 - 5 = 8" };
    case 2:
        return { "30 + 40 = 70", "70 - 40 = 30", "37 + 23 = 60", "60 - 23 = 37", "34 + 23 = 57", "57 - 23 = 34",
            "27 + 38 = 65", "65 - 38 = 27" };
    case 3:
        return { "430 + 240 = 670", "670 - 240 = 430", "480 + 240 = 720", "720 - 240 = 480", "624 + 245 = 869",
            "869 - 245 = 624", "628 + 245 = 873", "873 - 245 = 628" };
    default:
        return { "7 x 30 = 210", "210 : 30 = 7", "70 x 3 = 210", "210 : 3 = 70", "7 x 14 = 98", "98 : 7 = 14",
            "7 x 34 = 238", "238 : 7 = 34" };
    }
}

namespace {

// x in 1..m.
int eins(int m)
{
    return Random(m) + 1;
}

// A pool of values drawn without repeats; after `n` draws (one box) it is whole again in its first order.
class Ziehpool {
public:
    Ziehpool(int von, int bis)
        : m_von(von)
        , m_bis(bis)
    {
        auffuellen();
    }
    void auffuellen()
    {
        m_werte.clear();
        for (int v = m_von; v <= m_bis; ++v)
            m_werte.push_back(v);
        m_live = int(m_werte.size());
    }
    int live() const { return m_live; }
    int groesse() const { return int(m_werte.size()); }
    // Position j (from 1), then its value leaves the live part.
    int nehmen(int j)
    {
        const int wert = m_werte[size_t(j - 1)];
        std::swap(m_werte[size_t(j - 1)], m_werte[size_t(m_live - 1)]);
        --m_live;
        return wert;
    }

private:
    int m_von, m_bis;
    std::vector<int> m_werte;
    int m_live = 0;
};

struct Aufgabe {
    int links, mitte, rechts;
};

// The two operands of ranges 1 to 3 from the pool value p.
std::pair<int, int> operanden(int bereich, int art, int p)
{
    int t1 = 0, u1 = 0, t2 = 0, u2 = 0, h1 = 0, h2 = 0;
    const auto zehnerHunderterOhne = [&] {
        t1 = p == 9 ? 4 : p;
        t2 = eins(9 - t1);
        h1 = Random(7) + 2;
        h2 = eins(9 - h1);
    };
    switch (bereich) {
    case 1:
        u1 = p;
        if (art <= 4) {
            t1 = art >= 3 ? 1 : 0;
            do
                u2 = eins(9);
            while (u1 + u2 > 10);
        } else
            u2 = Random(p - 1) + 11 - p;
        break;
    case 2:
        if (art <= 1) {
            t1 = p;
            do
                t2 = eins(9);
            while (t1 + t2 > 10);
        } else if (art <= 3) {
            u1 = p;
            u2 = 10 - p;
            t1 = eins(8);
            t2 = Random(8 - t1) + 1;
        } else if (art <= 5) {
            u1 = p == 9 ? 4 : p;
            u2 = eins(9 - u1);
            t1 = Random(7) + 2;
            t2 = eins(9 - t1);
        } else {
            u1 = p < 3 ? 9 - p : p;
            u2 = Random(u1 - 1) + 11 - u1;
            t1 = eins(7);
            t2 = eins(8 - t1);
        }
        break;
    default:
        if (art <= 1)
            zehnerHunderterOhne();
        else if (art <= 3) {
            t1 = p < 3 ? 9 - p : p;
            t2 = Random(t1 - 1) + 11 - t1;
            h1 = eins(7);
            h2 = eins(8 - h1);
        } else if (art <= 5) {
            zehnerHunderterOhne();
            u1 = eins(8);
            do
                u2 = eins(8);
            while (u1 + u2 > 9);
        } else {
            do {
                u1 = eins(8);
                u2 = eins(8);
            } while (u1 + u2 < 11);
            t1 = p == 9 ? 4 : p;
            // With eight tens there is no room for more tens: only the units cross.
            t2 = t1 == 8 ? 0 : eins(8 - t1);
            h1 = eins(6);
            h2 = eins(9 - h1);
        }
        break;
    }
    return { 100 * h1 + 10 * t1 + u1, 100 * h2 + 10 * t2 + u2 };
}

void boxenSortieren(std::vector<int>& spalte, int n)
{
    for (size_t k = 0; k < 3; ++k) {
        std::vector<int> box(spalte.begin() + long(k) * n, spalte.begin() + long(k + 1) * n);
        box = blattrahmen::aufsteigend(box);
        std::copy(box.begin(), box.end(), spalte.begin() + long(k) * n);
    }
}

void ablegen(Kastenblatt& b, const Aufgabe& a)
{
    b.loesung[0].push_back(a.links);
    b.loesung[1].push_back(a.mitte);
    b.loesung[2].push_back(a.rechts);
}

} // namespace

Kastenblatt additionsblatt(int bereich, int art, int n)
{
    Kastenblatt b;
    b.n = n;
    b.titel = bereich == 5 ? QStringLiteral("Knobelkästen mittleres und großes 1 x 1")
                           : QStringLiteral("Knobelkästen + und - im Zahlbereich bis ")
            + QString::number(bereich == 1 ? 20
                    : bereich == 2         ? 100
                                           : 1000);
    const bool plus = bereich == 1 ? (art == 1 || art == 3 || art == 6) : art % 2 == 0;
    const bool zerlegen = bereich == 1 && (art == 0 || art == 5);
    if (bereich == 5) {
        const bool mal = art == 0 || art == 2 || art == 4 || art == 6;
        b.zeichen1 = mal ? "*" : ":";
        b.zeichen2 = "=";
    } else if (zerlegen) {
        b.zeichen1 = "=";
        b.zeichen2 = "+";
    } else {
        b.zeichen1 = plus ? "+" : "-";
        b.zeichen2 = "=";
    }
    Ziehpool ziffern(1, 9), faktoren1(3, 9), faktoren2(2, 9);
    for (int e = 0; e < 3 * n; ++e) {
        Aufgabe a {};
        if (bereich == 5) {
            if (faktoren1.live() == faktoren1.groesse() - n) {
                faktoren1.auffuellen();
                faktoren2.auffuellen();
            }
            const int j = Random(faktoren1.live()) + 1;
            const int j2 = Random(faktoren2.live()) + 1;
            int f = faktoren1.nehmen(j);
            const int g = faktoren2.nehmen(j2);
            int z = art <= 3 ? 10 * g : 10 + g;
            if (art >= 6) {
                // Drawn freely: the factors may repeat within a box.
                f = Random(7) + 3;
                z = 10 * (Random(8) + 2) + (Random(8) + 2);
            }
            switch (art) {
            case 1:
                a = { f * z, z, f };
                break;
            case 2:
                a = { z, f, f * z };
                break;
            case 3:
            case 5:
            case 7:
                a = { f * z, f, z };
                break;
            default:
                a = { f, z, f * z };
                break;
            }
        } else {
            if (ziffern.live() == 9 - n) ziffern.auffuellen();
            // Splitting and crossing up to 20 never draw pool position 1, which holds the 1 after a refill.
            const bool ohneEins = bereich == 1 && art >= 5;
            const int j = ohneEins ? Random(ziffern.live() - 1) + 2 : Random(ziffern.live()) + 1;
            const auto [x, y] = operanden(bereich, art, ziffern.nehmen(j));
            if (zerlegen)
                a = { x + y, y, x };
            else if (plus)
                a = { x, y, x + y };
            else
                a = { x + y, y, x };
        }
        ablegen(b, a);
    }
    b.spalten = b.loesung;
    for (auto& s : b.spalten)
        boxenSortieren(s, n);
    return b;
}

Kastenblatt einmaleinsblatt(const std::vector<int>& faktoren1, const std::vector<int>& faktoren2, int art, int n)
{
    Kastenblatt b;
    b.n = n;
    b.einmaleins = true;
    b.titel = QStringLiteral("Knobelkästen kleines 1 x 1");
    b.zeichen1 = art == 0 ? "*" : ":";
    b.zeichen2 = "=";
    b.rest = art == 2 ? Rest::zugeordnet : art == 3 ? Rest::segment : Rest::keiner;
    std::vector<int> liste1 = faktoren1, liste2 = faktoren2;
    const auto ziehen = [](std::vector<int>& liste, int& live) {
        if (liste.empty()) return 0;
        const int j = Random(live);
        const int wert = liste[size_t(j)];
        std::swap(liste[size_t(j)], liste[size_t(live - 1)]);
        if (--live == 0) live = int(liste.size());
        return wert;
    };
    for (int k = 0; k < 3; ++k) {
        std::vector<int> A, B;
        int live1 = int(liste1.size()), live2 = int(liste2.size());
        for (int i = 0; i < n; ++i)
            A.push_back(ziehen(liste1, live1));
        for (int i = 0; i < n; ++i)
            B.push_back(ziehen(liste2, live2));
        for (int i = 0; i < n; ++i) {
            Aufgabe a = art == 0 ? Aufgabe { A[size_t(i)], B[size_t(i)], A[size_t(i)] * B[size_t(i)] }
                                 : Aufgabe { A[size_t(i)] * B[size_t(i)], B[size_t(i)], A[size_t(i)] };
            int r = 0;
            if (b.rest != Rest::keiner) {
                r = Random(B[size_t(i)] - 1) + 1;
                a.links += r;
            }
            ablegen(b, a);
            b.loesungsreste.push_back(r);
        }
    }
    b.spalten = b.loesung;
    b.reste = b.loesungsreste;
    boxenSortieren(b.spalten[0], n);
    // The divisors stay unsorted unless each quotient keeps its own remainder beside it.
    if (b.rest == Rest::zugeordnet) boxenSortieren(b.spalten[1], n);
    boxenSortieren(b.spalten[2], n);
    boxenSortieren(b.reste, n);
    return b;
}

int zeileY(int k, int i, int n)
{
    return -250 - 750 * k - (i - 1) * ((6 - n) * 25 + 84);
}

namespace {

void linie(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

} // namespace

void zeichnen(Canvas& c, const Kastenblatt& b)
{
    c.pen.width = 1;
    c.font.height = 50;
    blattdruck::titelzeile(
        c, 200, -100, QStringLiteral("Verbinde farbig zu richtigen Aufgaben!") + QString(19, u' ') + "Name:");
    linie(c, 200, -160, 1900, -160);
    c.setTextAlign(TextAlign::Center | TextAlign::Top);
    c.font.height = 75;
    for (int k = 0; k < 3; ++k) {
        const int d = 750 * k;
        c.rectangle(200, -230 - d, 400, -780 - d);
        c.rectangle(700, -230 - d, 900, -780 - d);
        c.rectangle(1200, -230 - d, b.rest == Rest::zugeordnet ? 1500 : 1400, -780 - d);
        if (b.rest == Rest::segment) c.rectangle(1700, -230 - d, 1900, -780 - d);
        linie(c, 200, -880 - d, 1900, -880 - d);
        c.textOut(550, -470 - d, b.zeichen1);
        c.textOut(1050, -470 - d, b.zeichen2);
        if (b.rest == Rest::segment) c.textOut(1550, -470 - d, QStringLiteral("R "));
        for (int i = 1; i <= b.n; ++i) {
            const size_t e = size_t(k * b.n + i - 1);
            const int y = zeileY(k, i, b.n);
            c.textOut(300, y, QString::number(b.spalten[0][e]));
            c.textOut(800, y, QString::number(b.spalten[1][e]));
            if (b.rest == Rest::zugeordnet) {
                c.setTextAlign(TextAlign::Right | TextAlign::Top);
                c.textOut(1470, y,
                    QString::number(b.loesung[2][e]) + QStringLiteral(" R ") + QString::number(b.loesungsreste[e]));
                c.setTextAlign(TextAlign::Center | TextAlign::Top);
            } else
                c.textOut(1300, y, QString::number(b.spalten[2][e]));
            if (b.rest == Rest::segment) c.textOut(1800, y, QString::number(b.reste[e]));
        }
    }
    c.setTextAlign(TextAlign::Right | TextAlign::Top);
    c.font.height = 45;
    c.textOut(340, -2450, QStringLiteral("Lösung:"));
    const int abstand = b.einmaleins ? 590 : 550;
    const std::array<int, 4> enden
        = b.einmaleins ? std::array<int, 4> { 480, 580, 640, 720 } : std::array<int, 4> { 520, 640, 730, 0 };
    for (int k = 0; k < 3; ++k)
        for (int i = 1; i <= b.n; ++i) {
            const size_t e = size_t(k * b.n + i - 1);
            const int x = abstand * k, y = -2390 - 60 * i;
            c.textOut(enden[0] + x, y, QString::number(b.loesung[0][e]) + "  " + b.zeichen1);
            c.textOut(enden[1] + x, y, QString::number(b.loesung[1][e]) + "  " + b.zeichen2);
            c.textOut(enden[2] + x, y, QString::number(b.loesung[2][e]));
            if (b.rest != Rest::keiner)
                c.textOut(enden[3] + x, y, QStringLiteral(" R ") + QString::number(b.loesungsreste[e]));
        }
}

void drucken(const Kastenblatt& b, int kopien)
{
    blattdruck::drucken(b.titel, kopien, [&](Canvas& c) { zeichnen(c, b); });
}

} // namespace knobel
