#include "worksheets/a_SV_m2_logik.h"

#include "platform/canvas.h"
#include "platform/random.h"
#include "worksheets/svrahmen_logik.h"

#include <QString>

namespace sv_m2 {

using svrahmen::wurf;

Aufgabe aufgabe(int h1, int z1, int e1, int z2, int e2, int form)
{
    const int lang = 100 * h1 + 10 * z1 + e1, kurz = 10 * z2 + e2;
    Aufgabe a;
    a.operand1 = form == 1 ? kurz : lang;
    a.operand2 = form == 1 ? lang : kurz;
    a.produkt = lang * kurz;
    const int f = a.operand1;
    a.teilprodukt = { 0, f * e1, f * z1, f * h1, f * z2, f * e2 };
    return a;
}

Aufgabe stellenwurf(int typ, int form)
{
    if (typ == 8) typ = Random(7) + 1;
    int h1 = 0, z1 = 0, e1 = 0, z2 = 0, e2 = 0;
    switch (typ) {
    case 1:
        h1 = wurf(2, 5), z1 = wurf(2, 5), e1 = wurf(2, 5), z2 = wurf(2, 5), e2 = wurf(2, 5);
        break;
    case 2:
        h1 = wurf(6, 9), z1 = wurf(6, 9), e1 = wurf(6, 9), z2 = wurf(5, 8), e2 = wurf(6, 9);
        break;
    case 3:
        h1 = wurf(2, 9), z1 = wurf(2, 9), e1 = wurf(2, 9), z2 = wurf(2, 9), e2 = wurf(2, 9);
        break;
    case 4:
        h1 = wurf(1, 9), z1 = wurf(1, 9), e1 = wurf(1, 9), z2 = wurf(2, 9), e2 = 0;
        break;
    case 5:
        h1 = wurf(1, 9), z1 = wurf(1, 9), e1 = 0, z2 = wurf(2, 9), e2 = 0;
        break;
    case 6: // exactly one digit 1 among the tens and units of each factor
        h1 = wurf(2, 9);
        switch (Random(4)) {
        case 0:
            z1 = 1, e1 = wurf(2, 9), z2 = 1, e2 = wurf(2, 9);
            break;
        case 1:
            z1 = wurf(2, 9), e1 = 1, z2 = wurf(2, 9), e2 = 1;
            break;
        case 2:
            z1 = 1, e1 = wurf(2, 9), z2 = wurf(2, 9), e2 = 1;
            break;
        default:
            z1 = wurf(2, 9), e1 = 1, z2 = 1, e2 = wurf(2, 9);
            break;
        }
        break;
    default: // 7: a zero in the long factor
        h1 = wurf(1, 9);
        if (Random(2) == 0)
            z1 = 0, e1 = wurf(1, 9);
        else
            z1 = wurf(1, 9), e1 = 0;
        z2 = wurf(2, 9), e2 = wurf(1, 9);
        break;
    }
    Aufgabe a = aufgabe(h1, z1, e1, z2, e2, form);
    a.typ = typ;
    return a;
}

Blatt aufgabenbau(const std::vector<int>& arten, int form)
{
    Blatt b;
    b.form = form;
    for (int art : arten)
        b.aufgaben.push_back(stellenwurf(art, form));
    return b;
}

void zeichnen(Canvas& canvas, const Blatt& blatt, int kaestchenwahl, bool loesungsdruck)
{
    const bool u = kaestchenwahl > 0;
    const int p = blatt.form;
    svrahmen::kopf(
        canvas, 135, -50, loesungsdruck ? QStringLiteral("Lösungsblatt") : QStringLiteral("Name: __________________"));
    canvas.pen.width = 4;
    const auto zahl = [&](int wert, int breite, int x0, int y) {
        svrahmen::stellen(canvas, x0, y, u ? 65 : 45, svrahmen::rechts(wert, breite));
    };
    for (size_t k = 0; k < blatt.aufgaben.size(); ++k) {
        const Aufgabe& a = blatt.aufgaben[k];
        const int r = int(k) / 3, c = int(k) % 3 + 1, dy = -390 * r;
        canvas.font.height = 35;
        if (u)
            canvas.textOut(585 * c - 270, -193 + dy, svrahmen::nummer(int(k) + 1));
        else
            canvas.textOut(555 * c - 300, -213 + dy, svrahmen::nummer(int(k) + 1));
        if (u) {
            svrahmen::stellen(canvas, 585 * c - 275, -197 + dy, 65, QString::number(a.operand1));
            svrahmen::stellen(canvas, 585 * c - 17 - 65 * p, -197 + dy, 65, QString::number(a.operand2));
        } else {
            svrahmen::stellen(canvas, 555 * c - 265, -200 + dy, 45,
                QString::number(a.operand1) + QLatin1Char(' ') + QString::number(a.operand2));
        }
        canvas.pen.width = 4;
        canvas.pen.color = Qt::black;
        if (u)
            canvas.ellipse(585 * c - 35 - 65 * p, -225 + dy, 585 * c - 30 - 65 * p, -220 + dy);
        else
            canvas.ellipse(555 * c - 105 - 45 * p, -230 + dy, 555 * c - 99 - 45 * p, -236 + dy);
        if (!loesungsdruck) continue;
        // The partial products, each one place further right than the one above, then the product.
        if (p == 0) {
            if (u) {
                zahl(a.teilprodukt[4], 5, 585 * c - 275, -262 + dy);
                zahl(a.teilprodukt[5], 5, 585 * c - 210, -327 + dy);
            } else {
                zahl(a.teilprodukt[4], 6, 555 * c - 310, -262 + dy);
                zahl(a.teilprodukt[5], 6, 555 * c - 265, -317 + dy);
            }
        } else {
            if (u) {
                zahl(a.teilprodukt[3], 4, 585 * c - 275, -262 + dy);
                zahl(a.teilprodukt[2], 4, 585 * c - 210, -327 + dy);
                zahl(a.teilprodukt[1], 4, 585 * c - 145, -392 + dy);
            } else {
                zahl(a.teilprodukt[3], 6, 555 * c - 355, -262 + dy);
                zahl(a.teilprodukt[2], 6, 555 * c - 310, -322 + dy);
                zahl(a.teilprodukt[1], 6, 555 * c - 265, -382 + dy);
            }
        }
        if (u)
            zahl(a.produkt, 5, 585 * c - 210, -392 + dy - 65 * p);
        else
            zahl(a.produkt, 6, 555 * c - 265, -380 + dy - 65 * p);
    }
    svrahmen::kaestchen(canvas, kaestchenwahl, 38, 1950, 30, -2535);
    for (size_t k = 0; k < blatt.aufgaben.size(); ++k) {
        const int r = int(k) / 3, c = int(k) % 3 + 1, dy = -390 * r;
        if (u) {
            svrahmen::linie(canvas, 585 * c - 260, 585 * c + 130, -260 + dy, kaestchenwahl + 2);
            svrahmen::linie(canvas, 585 * c - 260, 585 * c + 130, -390 + dy - 65 * p, kaestchenwahl + 2);
        } else {
            svrahmen::linie(canvas, 555 * c - 260, 555 * c + 10, -260 + dy, kaestchenwahl + 2);
            svrahmen::linie(canvas, 555 * c - 260, 555 * c + 10, -380 + dy - 65 * p, kaestchenwahl + 2);
        }
    }
    if (loesungsdruck) return;
    std::vector<int> werte;
    for (const Aufgabe& a : blatt.aufgaben)
        werte.push_back(a.produkt);
    svrahmen::ergebnisse(canvas, werte, 155, 9, -2600, -2680);
}

} // namespace sv_m2
