#pragma once
// Column addition of three numbers and subtraction of two numbers from one: the five task types and the
// page.

#include <QString>
#include <vector>

class Canvas;

namespace sv_p2 {

constexpr int aufgabenzahl = 18;

// Three numbers and their sum. The marks hold one character per place of the sum (thousands, hundreds,
// tens, units): the carry into that place as "1" or "2", a blank for none; the units place always blank.
struct Aufgabe {
    int typ = 0;
    int zahl1 = 0;
    int zahl2 = 0;
    int zahl3 = 0;
    int summe = 0;
    int tausendermerker = 0; // 1 when the sum has four digits
    QString uebertragsmarken { QStringLiteral("    ") };
};

// The task of three numbers: their sum, the thousands flag and the carry marks of the columns.
Aufgabe aufgabe(int zahl1, int zahl2, int zahl3);

// Variant 1 "Addition", 2 "Subtraktion" (the sum is the minuend, the first number is asked).
QString blatttitel(int variante);

// One task of type 1..5, or of the fill type 6 (one of 1..5 at random).
Aufgabe stellenwurf(int typ);

struct Blatt {
    int variante = 1;
    std::vector<Aufgabe> aufgaben;
};

Blatt aufgabenbau(const std::vector<int>& arten, int variante);
// The asked number of task k (from 0): the sum, in the subtraction the first number.
int streifenwert(const Blatt& blatt, size_t k);

void zeichnen(Canvas& canvas, const Blatt& blatt, int kaestchenwahl, bool loesungsdruck);

} // namespace sv_p2
