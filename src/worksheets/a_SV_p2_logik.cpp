#include "worksheets/a_SV_p2_logik.h"

#include "platform/canvas.h"
#include "platform/random.h"
#include "worksheets/blattrahmen_logik.h"
#include "worksheets/svrahmen_logik.h"

#include <array>

namespace sv_p2 {

using svrahmen::wurf;

namespace {

struct Spalte {
    int a = 0, b = 0, c = 0;
    int summe() const { return a + b + c; }
    bool mitNull() const { return a == 0 || b == 0 || c == 0; }
};

// The three digits of one column, drawn together (each from its own range) until the rule holds.
template <typename Regel> Spalte spalte(int von1, int bis1, int von2, int bis2, int von3, int bis3, Regel regel)
{
    Spalte s;
    do {
        s.a = wurf(von1, bis1);
        s.b = wurf(von2, bis2);
        s.c = wurf(von3, bis3);
    } while (!regel(s));
    return s;
}

template <typename Regel> Spalte spalte(int von, int bis, Regel regel)
{
    return spalte(von, bis, von, bis, von, bis, regel);
}

QChar marke(int uebertrag)
{
    return uebertrag == 0 ? QChar(u' ') : QChar(u'0' + uebertrag);
}

Aufgabe ausSpalten(const Spalte& h, const Spalte& z, const Spalte& e)
{
    return aufgabe(100 * h.a + 10 * z.a + e.a, 100 * h.b + 10 * z.b + e.b, 100 * h.c + 10 * z.c + e.c);
}

const auto immer = [](const Spalte&) { return true; };

Aufgabe erzeugen(int typ)
{
    switch (typ) {
    case 1: {
        const Spalte e = spalte(1, 9, [](const Spalte& s) { return s.summe() <= 9; });
        const Spalte z = spalte(1, 9, [](const Spalte& s) { return s.summe() <= 9; });
        const Spalte h = spalte(1, 7, [](const Spalte& s) { return s.summe() <= 9; });
        return ausSpalten(h, z, e);
    }
    case 2: {
        // Zeros in the second or third number, in the units or tens; no carry.
        const auto ohneUebertrag = [](const Spalte& s) { return s.summe() >= 1 && s.summe() <= 9; };
        Spalte e, z;
        do {
            e = spalte(0, 9, ohneUebertrag);
            z = spalte(0, 9, ohneUebertrag);
        } while (!(e.b == 0 || e.c == 0 || z.b == 0 || z.c == 0));
        const Spalte h = spalte(1, 7, [](const Spalte& s) { return s.summe() <= 9; });
        return ausSpalten(h, z, e);
    }
    case 3: {
        const Spalte e = spalte(0, 9, [](const Spalte& s) { return s.summe() >= 4 && s.summe() <= 19; });
        const int c1 = e.summe() / 10;
        const Spalte z = spalte(0, 9, [c1](const Spalte& s) { return s.summe() >= 4 && s.summe() + c1 <= 19; });
        const int c2 = (z.summe() + c1) / 10;
        const Spalte h = spalte(1, 7, [c2](const Spalte& s) { return s.summe() + c2 <= 9; });
        return ausSpalten(h, z, e);
    }
    case 4: {
        const Spalte e = spalte(3, 9, 3, 9, 4, 9, immer);
        const Spalte z = spalte(1, 9, immer);
        const Spalte h = spalte(4, 9, 3, 9, 3, 9, immer);
        return ausSpalten(h, z, e);
    }
    default: { // 5: numbers of different length, zeros in every column, the tens and units carry 1
        Spalte e, z, h;
        Aufgabe a;
        do {
            e = spalte(0, 9, [](const Spalte& s) { return s.mitNull() && s.summe() >= 10; });
            z = spalte(0, 9, [](const Spalte& s) { return s.mitNull() && s.summe() >= 9; });
            h = spalte(1, 9, 0, 9, 0, 9, [](const Spalte& s) { return s.b == 0 || s.c == 0; });
            a = ausSpalten(h, z, e);
        } while (a.zahl2 == 0 || a.zahl3 == 0);
        return a;
    }
    }
}

} // namespace

Aufgabe aufgabe(int zahl1, int zahl2, int zahl3)
{
    Aufgabe a;
    a.zahl1 = zahl1;
    a.zahl2 = zahl2;
    a.zahl3 = zahl3;
    a.summe = zahl1 + zahl2 + zahl3;
    a.tausendermerker = a.summe > 999 ? 1 : 0;
    const int c1 = (zahl1 % 10 + zahl2 % 10 + zahl3 % 10) / 10;
    const int c2 = ((zahl1 / 10) % 10 + (zahl2 / 10) % 10 + (zahl3 / 10) % 10 + c1) / 10;
    const int c3 = (zahl1 / 100 + zahl2 / 100 + zahl3 / 100 + c2) / 10;
    a.uebertragsmarken = QString(marke(c3)) + marke(c2) + marke(c1) + QChar(u' ');
    return a;
}

QString blatttitel(int variante)
{
    return (variante == 2 ? QStringLiteral("Subtraktion") : QStringLiteral("Addition")).leftJustified(20, u' ');
}

Aufgabe stellenwurf(int typ)
{
    if (typ == 6) typ = Random(5) + 1;
    Aufgabe a = erzeugen(typ);
    a.typ = typ;
    return a;
}

Blatt aufgabenbau(const std::vector<int>& arten, int variante)
{
    Blatt b;
    b.variante = variante;
    for (int art : arten)
        b.aufgaben.push_back(stellenwurf(art));
    return b;
}

int streifenwert(const Blatt& blatt, size_t k)
{
    const Aufgabe& a = blatt.aufgaben[k];
    return blatt.variante == 2 ? a.zahl1 : a.summe;
}

void zeichnen(Canvas& canvas, const Blatt& blatt, int kaestchenwahl, bool loesungsdruck)
{
    const bool unterlegt = kaestchenwahl > 0;
    const bool subtraktion = blatt.variante == 2;
    const int abstand = unterlegt ? 65 : 45;

    svrahmen::kopf(canvas, 135, -50, blatttitel(blatt.variante));
    svrahmen::kopf(
        canvas, 1000, -50, loesungsdruck ? QStringLiteral("Lösungsblatt") : QStringLiteral("Name: ______________"));

    for (size_t k = 0; k < blatt.aufgaben.size(); ++k) {
        const Aufgabe& a = blatt.aufgaben[k];
        const int r = int(k) / 3, c = int(k) % 3 + 1, dy = -390 * r;
        // Place d (1 thousands .. 4 units) ends at x0 + abstand * d.
        const int x0 = unterlegt ? 520 * c - 145 : 555 * c - 245;
        canvas.font.height = 35;
        canvas.textOut(unterlegt ? 520 * c - 195 : 555 * c - 280, -213 + dy, svrahmen::nummer(int(k) + 1));
        const int oben = subtraktion ? a.summe : a.zahl1;
        const int antwort = subtraktion ? a.zahl1 : a.summe;
        svrahmen::stellen(canvas, x0, -197 + dy, abstand, svrahmen::rechts(oben, 4));
        svrahmen::stellen(canvas, x0, -262 + dy, abstand, svrahmen::rechts(a.zahl2, 4));
        svrahmen::stellen(canvas, x0, -327 + dy, abstand, svrahmen::rechts(a.zahl3, 4));
        if (loesungsdruck) {
            svrahmen::stellen(canvas, x0, -392 + dy, abstand, a.uebertragsmarken, 50);
            svrahmen::stellen(canvas, x0, -457 + dy, abstand, svrahmen::rechts(antwort, 4));
        }
    }
    // The signs stand in the thousands place; under a four-digit minuend they move one place further left.
    canvas.font.height = 65;
    for (size_t k = 0; k < blatt.aufgaben.size(); ++k) {
        const Aufgabe& a = blatt.aufgaben[k];
        const int r = int(k) / 3, c = int(k) % 3 + 1, dy = -390 * r;
        int x = unterlegt ? 520 * c - 80 : 555 * c - 200;
        if (subtraktion && a.tausendermerker == 1) x -= abstand;
        const QString zeichen = subtraktion ? QStringLiteral("-") : QStringLiteral("+");
        canvas.textOut(x, -257 + dy, zeichen);
        canvas.textOut(x, -322 + dy, zeichen);
    }
    if (!loesungsdruck) {
        std::vector<int> werte;
        for (size_t k = 0; k < blatt.aufgaben.size(); ++k)
            werte.push_back(streifenwert(blatt, k));
        werte = blattrahmen::aufsteigend(werte);
        svrahmen::fuss(canvas, 130, -2540, QStringLiteral("Ergebnisse:"));
        for (size_t i = 1; i <= werte.size(); ++i)
            svrahmen::fuss(canvas, 98 * int(i) + 45, -2640, QString::number(werte[i - 1]));
    }
    svrahmen::kaestchen(canvas, kaestchenwahl, 37, 1885, 29, -2470);
    for (size_t k = 0; k < blatt.aufgaben.size(); ++k) {
        const int r = int(k) / 3, c = int(k) % 3 + 1;
        if (unterlegt)
            svrahmen::linie(canvas, 520 * c - 130, 520 * c + 130, -448 - 390 * r, kaestchenwahl + 2);
        else
            svrahmen::linie(canvas, 555 * c - 230, 555 * c - 50, -458 - 390 * r, kaestchenwahl + 2);
    }
}

} // namespace sv_p2
