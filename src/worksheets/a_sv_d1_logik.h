#pragma once
// Written (long) division: a four-digit dividend by a one-digit divisor (variant 0) or a four- or
// five-digit dividend by a two-digit divisor (variant 1), with or without a remainder; the seven task types
// per variant, the steps of the working and the page.

#include <vector>

class Canvas;

namespace sv_d1 {

constexpr int aufgabenzahl = 8;

// D = q d + r, and the numbers the working writes under the dividend.
struct Aufgabe {
    int typ = 0;
    int quotient = 0; // q, three digits h z e
    int divisor = 0; // d
    int dividend = 0; // D
    int divisionsrest = 0; // r
    int teilprodukt1 = 0; // d h
    int teilprodukt3 = 0; // d z
    int teilprodukt5 = 0; // d e
    int zwischenrest1 = 0; // D div 100 - d h
    int zehnerziffer = 0; // (D div 10) mod 10
    int zwischenrest2 = 0; // 10 zwischenrest1 + zehnerziffer - d z
    int einerziffer = 0; // D mod 10
    int fuenfstellig = 0; // 1 when D > 9999
};

// The task and its steps from quotient, divisor and remainder.
Aufgabe aufgabe(int quotient, int divisor, int rest);
// One task of type 1..7 of the variant, or of the fill type 8 (variant 0: one of 1, 2, 3, 5, 6, 7; variant
// 1: one of 1..7). With `mitRest` the remainder is 1..d-1, else 0.
Aufgabe stellenwurf(int typ, int variante, bool mitRest);

struct Blatt {
    int variante = 0;
    bool mitRest = false;
    std::vector<Aufgabe> aufgaben;
};

Blatt aufgabenbau(const std::vector<int>& arten, int variante, bool mitRest);

void zeichnen(Canvas& canvas, const Blatt& blatt, int kaestchenwahl, bool loesungsdruck);

} // namespace sv_d1
