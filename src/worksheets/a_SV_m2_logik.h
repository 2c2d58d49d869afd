#pragma once
// Written multiplication of a three-digit by a two-digit number, in the order "HZE x ZE" (form 0) or
// "ZE x HZE" (form 1): the seven task types, the partial products and the page.

#include <array>
#include <vector>

class Canvas;

namespace sv_m2 {

constexpr int aufgabenzahl = 18;

struct Aufgabe {
    int typ = 0;
    int operand1 = 0; // the first factor as printed
    int operand2 = 0;
    int produkt = 0;
    // teilprodukt[1..5]: the first printed factor times E1, Z1, H1, Z2, E2.
    std::array<int, 6> teilprodukt {};
};

// The task of the digits H1 Z1 E1 (the long factor) and Z2 E2 in the order of `form`.
Aufgabe aufgabe(int h1, int z1, int e1, int z2, int e2, int form);
// One task of type 1..7, or of the fill type 8 (one of 1..7 at random).
Aufgabe stellenwurf(int typ, int form);

struct Blatt {
    int form = 0;
    std::vector<Aufgabe> aufgaben;
};

Blatt aufgabenbau(const std::vector<int>& arten, int form);

void zeichnen(Canvas& canvas, const Blatt& blatt, int kaestchenwahl, bool loesungsdruck);

} // namespace sv_m2
