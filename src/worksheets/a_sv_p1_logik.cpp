#include "worksheets/a_sv_p1_logik.h"

#include "platform/canvas.h"
#include "platform/random.h"
#include "worksheets/blattrahmen_logik.h"
#include "worksheets/svrahmen_logik.h"

#include <algorithm>
#include <array>

namespace sv_p1 {

using svrahmen::wurf;

namespace {

Aufgabe ausZiffern(int h1, int z1, int e1, int h2, int z2, int e2, const QString& marken)
{
    Aufgabe a;
    a.operand1 = 100 * h1 + 10 * z1 + e1;
    a.operand2 = 100 * h2 + 10 * z2 + e2;
    a.resultat = a.operand1 + a.operand2;
    a.uebertragsmarken = marken;
    return a;
}

// Carry marks read off the columns of first + second.
QString spaltenmarken(int operand1, int operand2)
{
    const bool einer = operand1 % 10 + operand2 % 10 >= 10;
    const bool zehner = (operand1 / 10) % 10 + (operand2 / 10) % 10 + (einer ? 1 : 0) >= 10;
    return QString(zehner ? u'1' : u' ') + QChar(einer ? u'1' : u' ') + QChar(u' ');
}

Aufgabe typ2()
{
    const int h1 = wurf(1, 7), h2 = wurf(1, 8 - h1);
    int z1, z2;
    do {
        z1 = wurf(0, 9);
        z2 = wurf(0, 9);
    } while (z1 + z2 < 10);
    const int e1 = wurf(0, 8), e2 = wurf(0, 8 - e1);
    return ausZiffern(h1, z1, e1, h2, z2, e2, QStringLiteral("1  "));
}

Aufgabe typ3()
{
    const int h1 = wurf(1, 8), h2 = wurf(1, 9 - h1);
    const int z1 = wurf(1, 7), z2 = wurf(1, 8 - z1);
    int e1, e2;
    do {
        e1 = wurf(0, 9);
        e2 = wurf(0, 9);
    } while (e1 + e2 < 10);
    return ausZiffern(h1, z1, e1, h2, z2, e2, QStringLiteral(" 1 "));
}

Aufgabe erzeugen(int typ, int variante)
{
    switch (typ) {
    case 1: {
        const int h1 = wurf(1, 8), h2 = wurf(1, 9 - h1);
        const int z1 = wurf(0, 9), z2 = wurf(0, 9 - z1);
        const int e1 = wurf(0, 9), e2 = wurf(0, 9 - e1);
        return ausZiffern(h1, z1, e1, h2, z2, e2, QStringLiteral("   "));
    }
    case 2:
        return typ2();
    case 3:
        return typ3();
    case 4:
        return Random(2) == 0 ? typ2() : typ3();
    case 5: {
        const int h1 = wurf(1, 7), h2 = wurf(1, 8 - h1);
        int z1, z2, e1, e2;
        do {
            z1 = wurf(0, 8);
            z2 = wurf(0, 9);
        } while (z1 + z2 < 10);
        do {
            e1 = wurf(0, 9);
            e2 = wurf(0, 9);
        } while (e1 + e2 < 10);
        return ausZiffern(h1, z1, e1, h2, z2, e2, QStringLiteral("11 "));
    }
    case 6: {
        const bool addition = variante == 1 || variante == 5;
        if (addition) {
            const int h1 = wurf(1, 7), h2 = wurf(1, 8 - h1);
            const int z1 = wurf(0, 9), z2 = 9 - z1;
            const int e1 = wurf(0, 9);
            int e2;
            do
                e2 = wurf(1, 9);
            while (e2 == e1);
            return ausZiffern(h1, z1, e1, h2, z2, e2, e1 + e2 >= 10 ? QStringLiteral("11 ") : QStringLiteral("   "));
        }
        // Minuend and subtrahend with equal tens: a units borrow forces a tens borrow.
        const int h1 = wurf(3, 9), h2 = wurf(1, h1 - 2);
        const int z1 = wurf(0, 9), z2 = z1;
        const int e1 = wurf(0, 9);
        int e2;
        do
            e2 = wurf(1, 9);
        while (e2 == e1);
        Aufgabe a;
        a.resultat = 100 * h1 + 10 * z1 + e1;
        a.operand2 = 100 * h2 + 10 * z2 + e2;
        a.operand1 = a.resultat - a.operand2;
        a.uebertragsmarken = e2 > e1 ? QStringLiteral("11 ") : QStringLiteral("   ");
        return a;
    }
    default: { // 7: a result (or minuend, or target) with zeros
        const int h = wurf(3, 9);
        int z = 0, e = 0;
        switch (Random(3)) {
        case 1:
            e = wurf(1, 9);
            break;
        case 2:
            z = wurf(1, 9);
            break;
        default:
            break;
        }
        Aufgabe a;
        a.resultat = 100 * h + 10 * z + e;
        a.operand2 = 100 + Random(a.resultat - 200);
        a.operand1 = a.resultat - a.operand2;
        a.uebertragsmarken = spaltenmarken(a.operand1, a.operand2);
        return a;
    }
    }
}

} // namespace

QString blatttitel(int variante)
{
    static const std::array<const char*, 6> titel { "Addition", "Subtraktion", "Ergänzen (1)", "Ergänzen (2)",
        "Addition (Lücken)", "Subtraktion (Lücken)" };
    const int v = variante >= 1 && variante <= 6 ? variante : 1;
    return QString::fromUtf8(titel[size_t(v - 1)]).leftJustified(20, u' ');
}

Aufgabe stellenwurf(int typ, int variante)
{
    if (typ == 8) {
        static const std::array<int, 6> fuellung { 1, 2, 3, 5, 6, 7 };
        typ = fuellung[size_t(Random(6))];
    }
    Aufgabe a = erzeugen(typ, variante);
    a.typ = typ;
    return a;
}

Luecken luecken(const Aufgabe& aufgabe, int p1, int p2, int p3)
{
    Luecken l;
    l.lueckentext1 = QString::number(aufgabe.operand1);
    l.lueckentext2 = QString::number(aufgabe.operand2);
    l.lueckentext3 = QString::number(aufgabe.resultat);
    l.lueckenziffern = QString(l.lueckentext1[p1 - 1]) + l.lueckentext2[p2 - 1] + l.lueckentext3[p3 - 1];
    l.lueckentext1[p1 - 1] = u'.';
    l.lueckentext2[p2 - 1] = u'.';
    l.lueckentext3[p3 - 1] = u'.';
    return l;
}

Luecken lueckenbau(const Aufgabe& aufgabe)
{
    const int p1 = Random(3) + 1;
    int p2, p3;
    do
        p2 = Random(3) + 1;
    while (p2 == p1);
    do
        p3 = Random(3) + 1;
    while (p3 == p2 || p3 == p1);
    return luecken(aufgabe, p1, p2, p3);
}

Blatt aufgabenbau(const std::vector<int>& arten, int variante)
{
    Blatt b;
    b.variante = variante;
    for (int art : arten)
        b.aufgaben.push_back(stellenwurf(art, variante));
    for (const Aufgabe& a : b.aufgaben)
        b.luecken.push_back(lueckenbau(a));
    return b;
}

int streifenwert(const Blatt& blatt, size_t k)
{
    const Aufgabe& a = blatt.aufgaben[k];
    switch (blatt.variante) {
    case 2:
    case 4:
        return a.operand1;
    case 3:
        return a.operand2;
    case 5:
    case 6: {
        QString z = blatt.luecken[k].lueckenziffern;
        if (blatt.variante == 6) std::reverse(z.begin(), z.end());
        return z.toInt();
    }
    default:
        return a.resultat;
    }
}

void zeichnen(Canvas& canvas, const Blatt& blatt, int kaestchenwahl, bool loesungsdruck)
{
    const int v = blatt.variante;
    const bool unterlegt = kaestchenwahl > 0;
    const bool luecken = v == 5 || v == 6;
    const bool minuendOben = v == 2 || v == 4 || v == 6;
    const int abstand = unterlegt ? 65 : 45;

    svrahmen::kopf(canvas, 135, -50, blatttitel(v));
    svrahmen::kopf(
        canvas, 1000, -50, loesungsdruck ? QStringLiteral("Lösungsblatt") : QStringLiteral("Name: ______________"));

    for (size_t k = 0; k < blatt.aufgaben.size(); ++k) {
        const Aufgabe& a = blatt.aufgaben[k];
        const int r = int(k) / 3, c = int(k) % 3 + 1, dy = -325 * r;
        // Digit place d ends at x0 + abstand * d; the sign stands in place 0.
        const int x0 = unterlegt ? 520 * c - 80 : 555 * c - 180;
        canvas.font.height = 35;
        canvas.textOut(unterlegt ? 520 * c - 130 : 555 * c - 230, -213 + dy, svrahmen::nummer(int(k) + 1));
        canvas.font.height = 65;
        canvas.textOut(x0, -257 + dy, minuendOben && v != 4 ? QStringLiteral("-") : QStringLiteral("+"));

        const int yOben = -197 + dy;
        const int yMitte = (v == 6 && !unterlegt && loesungsdruck ? -272 : -262) + dy;
        const int yUnten = (v == 4 ? -397 : -392) + dy;
        const int yMarken = (unterlegt && v == 4 ? -332 : -327) + dy;
        const int yPunkte = (unterlegt ? (v == 4 ? -332 : -327) : -322) + dy;

        const QString ganz[3] = {
            QString::number(minuendOben ? a.resultat : a.operand1),
            QString::number(a.operand2),
            QString::number(minuendOben ? a.operand1 : a.resultat),
        };
        const int y[3] = { yOben, yMitte, yUnten };
        if (loesungsdruck) {
            for (int z = 0; z < 3; ++z)
                svrahmen::stellen(canvas, x0, y[z], abstand, ganz[z]);
            const bool gross = unterlegt || luecken;
            svrahmen::stellen(canvas, x0, yMarken, abstand, a.uebertragsmarken, gross ? 65 : 50);
            continue;
        }
        if (luecken) {
            const Luecken& l = blatt.luecken[k];
            const QString text[3] = { v == 6 ? l.lueckentext3 : l.lueckentext1, l.lueckentext2,
                v == 6 ? l.lueckentext1 : l.lueckentext3 };
            for (int z = 0; z < 3; ++z)
                svrahmen::stellen(canvas, x0, y[z], abstand, text[z]);
            if (!unterlegt) svrahmen::stellen(canvas, x0 - 9, yPunkte, abstand, QStringLiteral(".. "));
            continue;
        }
        const int gefragt = v == 3 ? 1 : 2;
        for (int z = 0; z < 3; ++z)
            if (z != gefragt) svrahmen::stellen(canvas, x0, y[z], abstand, ganz[z]);
        // Dots mark what the pupil writes: a little left of the digit places on plain paper, in the squares
        // where the completion variants have them.
        if (!unterlegt) {
            svrahmen::stellen(canvas, x0 - 9, y[gefragt], abstand, QStringLiteral("..."));
            svrahmen::stellen(canvas, x0 - 9, yPunkte, abstand, QStringLiteral(".. "));
        } else if (v == 3 || v == 4) {
            svrahmen::stellen(canvas, x0, y[gefragt], abstand, QStringLiteral("..."));
            svrahmen::stellen(canvas, x0, yPunkte, abstand, QStringLiteral(".. "));
        }
    }

    svrahmen::kaestchen(canvas, kaestchenwahl, 36, 1885, 29, -2405);
    for (size_t k = 0; k < blatt.aufgaben.size(); ++k) {
        const int r = int(k) / 3, c = int(k) % 3 + 1;
        const int y = (v == 4 ? -266 : -383) - 325 * r;
        if (unterlegt)
            svrahmen::linie(canvas, 520 * c - 65, 520 * c + 130, y, 3);
        else
            svrahmen::linie(canvas, 555 * c - 175, 555 * c - 40, y, 3);
    }
    if (loesungsdruck) return;

    std::vector<int> werte;
    for (size_t k = 0; k < blatt.aufgaben.size(); ++k)
        werte.push_back(streifenwert(blatt, k));
    werte = blattrahmen::aufsteigend(werte);
    if (!luecken) {
        svrahmen::fuss(canvas, 130, -2490, QStringLiteral("Ergebnisse:"));
        for (size_t i = 1; i <= werte.size(); ++i)
            svrahmen::fuss(canvas, 85 * int(i) + 45, -2590, QString::number(werte[i - 1]));
        return;
    }
    svrahmen::fuss(canvas, 130, -2490, QStringLiteral("Lösungszahlen"));
    svrahmen::fuss(canvas, 420, -2490, QStringLiteral("oben:"));
    svrahmen::fuss(canvas, 420, -2535, QStringLiteral("Mitte:"));
    svrahmen::fuss(canvas, 420, -2580, QStringLiteral("unten:"));
    for (size_t i = 1; i <= werte.size(); ++i) {
        const int w = werte[i - 1], x = 64 * int(i) + 520;
        svrahmen::fuss(canvas, x, -2490, QString::number(w / 100));
        svrahmen::fuss(canvas, x, -2535, QString::number((w % 100) / 10));
        svrahmen::fuss(canvas, x, -2580, QString::number(w % 10));
    }
}

} // namespace sv_p1
