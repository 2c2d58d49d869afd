#pragma once
// Long division of a four-digit number by a one-digit divisor, without a window: the level generators,
// the 14 characters of the long way, the messages, the help texts and the drawings of the sheet.

#include "aids/langdivision_logik.h"
#include "aids/schriftverfahren_logik.h"

#include <QString>
#include <array>

namespace svd_lw {

// A task: divisor d, quotient digits H, Z, E and remainder r; the dividend follows from them.
struct Aufgabe {
    int d = 2, H = 1, Z = 0, E = 0, r = 0;

    int quotient() const { return 100 * H + 10 * Z + E; }
    int dividend() const { return quotient() * d + r; }
    // The dividend's digits, thousands first.
    std::array<int, 4> ziffern() const;
    // The 14 characters typed: quotient digit, product units and tens, difference, digit brought down
    // (twice), then the last quotient digit, its product and the remainder.
    QString wahltext() const;
    // The cells of the written layout: [1], [2] the first two dividend digits, [3]..[16] the characters.
    QChar wegzeichen(int k) const;
};

// The generators G0, G1, G2, G4, G5, G6; `mitRest` draws a remainder 1..d-1.
Aufgabe generator(int g, bool mitRest);
using schriftverfahren::generatorVonStufe;

// The steps: characters, places, and the zero products under 10 that fall away (steps 8 and 13).
langdivision::Schrittplan schrittplan(const Aufgabe& a);

// ---- Sheet ----

schrift::Bild papier();
schrift::Bild aufgabenzeile(const Aufgabe& a);
// The subtraction lines a right character at `schritt` completes.
schrift::Bild linien(const Aufgabe& a, int schritt);
// The marker line under the first two dividend digits (not-XOR: drawn again, it is gone).
schrift::Bild markierlinie();
schrift::Bild haken();

// ---- Messages and help ----

langdivision::Meldung meldung(const Aufgabe& a, int schritt, QChar eingabe);
// The help lines of a step.
QStringList hilfetexte(const Aufgabe& a, int schritt);

} // namespace svd_lw
