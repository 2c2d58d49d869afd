#include "worksheets/einmaleins_logik.h"

#include "platform/canvas.h"
#include "worksheets/blattdruck.h"
#include "worksheets/blattrahmen_logik.h"

namespace einmaleins {

std::vector<int> wahlliste(const std::vector<int>& flags)
{
    std::vector<int> l;
    for (int f : flags)
        if (f > 0) l.push_back(f);
    return l;
}

std::vector<int> paare(const std::vector<int>& faktoren1, const std::vector<int>& faktoren2, bool quadrate)
{
    std::vector<int> codes;
    for (int a : faktoren1)
        for (int b : faktoren2)
            codes.push_back(a * 100 + b);
    if (codes.empty() && quadrate)
        for (int a : faktoren1)
            codes.push_back(a * 100 + a);
    return codes;
}

namespace {

std::vector<Feld> spalte(blattrahmen::Aufgabenvorrat& vorrat, int feldabstand, std::vector<int>& ergebnisse)
{
    std::vector<Feld> felder;
    int h = 0;
    while (!vorrat.leer()) {
        // Looked at before it is taken: a field that no longer fits stays in the pool for the next sheet.
        blattrahmen::Aufgabenvorrat probe = vorrat;
        const int code = probe.ziehen();
        const Feld f { code / 100, code % 100 };
        h += 45 * f.a + feldabstand;
        if (h > 2450) break;
        vorrat = probe;
        felder.push_back(f);
        ergebnisse.push_back(f.a * f.b);
    }
    return felder;
}

void linie(Canvas& c, int x1, int y1, int x2, int y2)
{
    c.moveTo(x1, y1);
    c.lineTo(x2, y2);
}

} // namespace

Felderblatt felderblatt(blattrahmen::Aufgabenvorrat& vorrat, int feldabstand)
{
    Felderblatt b;
    b.links = spalte(vorrat, feldabstand, b.ergebnisliste);
    b.rechts = spalte(vorrat, feldabstand, b.ergebnisliste);
    return b;
}

void zeichnen(Canvas& c, const Felderblatt& b, int feldabstand)
{
    c.font.height = 65;
    blattdruck::titelzeile(
        c, 200, -130, QStringLiteral("1 x 1 - Felder") + QString(11, u' ') + QStringLiteral("Name: ________________"));
    c.font.height = 35;
    int t = 0;
    for (int seite = 0; seite < 2; ++seite) {
        const int dx = 900 * seite;
        int y = seite == 0 ? -250 : -245;
        for (const Feld& f : seite == 0 ? b.links : b.rechts) {
            ++t;
            c.setTextAlign(TextAlign::Right | TextAlign::Top);
            c.textOut(280 + dx, y - 20, QStringLiteral("%1) ").arg(t));
            for (int i = 1; i <= f.a; ++i)
                for (int j = 1; j <= f.b; ++j) {
                    const int x = 245 + dx + 45 * j + 10 * (j / 6);
                    const int yy = y - 45 * i - 10 * (i / 6);
                    c.ellipse(x, yy + 20, x + 20, yy);
                }
            linie(c, 295 + dx + 45 * f.b + 8 * (f.b / 6), y - 45 * f.a - 8 * (f.a / 6), 1000 + dx,
                y - 45 * f.a - 10 * (f.a / 6));
            y -= 45 * f.a + feldabstand;
        }
    }
    c.setTextAlign(TextAlign::Left | TextAlign::Top);
    c.textOut(200, -2690, QStringLiteral("Ergebnisse:"));
    const std::vector<int> sortiert = blattrahmen::aufsteigend(b.ergebnisliste);
    for (size_t i = 0; i < sortiert.size(); ++i)
        c.textOut(380 + 64 * int(i + 1), -2690, QString::number(sortiert[i]));
}

void drucken(const Felderblatt& b, int kopien)
{
    blattdruck::drucken(QStringLiteral("1 x 1 - Felder"), kopien, [&](Canvas& c) { zeichnen(c, b); });
}

Hunderterblatt hunderterblatt(blattrahmen::Aufgabenvorrat& vorrat)
{
    Hunderterblatt b;
    for (int t = 0; t < 20 && !vorrat.leer(); ++t) {
        const int code = vorrat.ziehen();
        b.aufgaben.push_back({ code / 100, code % 100 });
        b.ergebnisliste.push_back((code / 100) * (code % 100));
    }
    return b;
}

void zeichnen(Canvas& c, const Hunderterblatt& b)
{
    c.font.height = 60;
    blattdruck::titelzeile(c, 200, -100,
        QStringLiteral("1x1 - Felder im 100er") + QString(6, u' ') + QStringLiteral("Name: ________________"));
    for (int r = 0; r < 5; ++r)
        for (int k = 0; k < 4; ++k) {
            c.pen.width = 1;
            for (int i = 0; i < 10; ++i)
                for (int j = 0; j < 10; ++j) {
                    const int x = 200 + 470 * k + 25 * j + 9 * (j / 5);
                    const int y = -220 - 500 * r - 25 * i - 9 * (i / 5);
                    c.ellipse(x, y, x + 12, y - 12);
                }
            c.pen.width = 3;
            c.ellipse(255 + 470 * k, -530 - 500 * r, 259 + 470 * k, -534 - 500 * r);
            const size_t t = size_t(4 * r + k);
            if (t >= b.aufgaben.size()) continue;
            c.setTextAlign(TextAlign::Right | TextAlign::Top);
            c.textOut(230 + 470 * k, -500 - 500 * r, QString::number(b.aufgaben[t].a));
            c.setTextAlign(TextAlign::Left | TextAlign::Top);
            c.textOut(280 + 470 * k, -500 - 500 * r, QString::number(b.aufgaben[t].b) + QStringLiteral(" = __"));
        }
    c.font.height = 40;
    c.setTextAlign(TextAlign::Left | TextAlign::Top);
    c.textOut(200, -2690, QStringLiteral("Ergebnisse:"));
    const std::vector<int> sortiert = blattrahmen::aufsteigend(b.ergebnisliste);
    for (size_t i = 0; i < sortiert.size(); ++i)
        c.textOut(380 + 70 * int(i + 1), -2690, QString::number(sortiert[i]));
}

void drucken(const Hunderterblatt& b, int kopien)
{
    blattdruck::drucken(QStringLiteral("1 x 1 in 100er-Feldern"), kopien, [&](Canvas& c) { zeichnen(c, b); });
}

} // namespace einmaleins
