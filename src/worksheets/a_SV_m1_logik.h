#pragma once
// Written multiplication of a three-digit by a one-digit number (HZE x E): the seven task types by their
// carries, and the page.

#include <vector>

class Canvas;

namespace sv_m1 {

constexpr int aufgabenzahl = 21;

struct Aufgabe {
    int typ = 0;
    int faktor1 = 0; // 100 H1 + 10 Z1 + E1
    int faktor2 = 0; // E2
    int produkt = 0; // always four digits
};

// One task of type 1..7, or of the fill type 8 (one of 1, 2, 3, 5, 6, 7 at random).
Aufgabe stellenwurf(int typ);

struct Blatt {
    std::vector<Aufgabe> aufgaben;
};

Blatt aufgabenbau(const std::vector<int>& arten);

void zeichnen(Canvas& canvas, const Blatt& blatt, int kaestchenwahl, bool loesungsdruck);

} // namespace sv_m1
