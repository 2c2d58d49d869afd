#pragma once
// "SV3" without a window: a three-digit number times a two-digit one, written. The pupil types, right to
// left, the row times the tens (one column to the left), the row times the units, then their sum; carries
// are kept in mind. Here: the level generators, the columns with their carries, the expected input and the
// places skipped, the messages, the help with its arc and column arrow, the two-stage show and what
// "Gemerkte?" shows.
//
// Positions of the expected input: 1-5 the result (ten-thousands to units), 6-9 the row times the units,
// 10-13 the row times the tens (thousands to units each); the pointer runs from 13 down.

#include "aids/h_svmdE_logik.h"
#include "aids/schriftrahmen_logik.h"

#include <QChar>
#include <QString>
#include <array>

namespace svmZE {

struct Faktoren {
    int h = 0, z = 0, e = 0, z2 = 0, e2 = 0;
};
// Kind 0 times a multiple of ten, 1 times 11..19, 2 times 21..99, 3 a zero in the first factor.
Faktoren stellenwurf(int art);
// The kind of a level 0..4 (4 draws one); -1 for any other level, which keeps the last digits.
int artVonStufe(int stufe);

struct Aufgabe {
    int art = 0;
    Faktoren f;
    // The rows times Z2 and times E2.
    svmdE::Reihe zehnerreihe, einerreihe;
    // Entries 1..3: E·Z2, Z·Z2, H·Z2; 5..7: E·E2, Z·E2, H·E2.
    std::array<int, 8> zwfeld1 {};
    // S[1..19]: H, Z, E, " ", Z2, E2; the row times Z2, the row times E2 and the result, each from the units.
    std::array<QChar, 20> spaltenanzeige {};
    // M[1..12]: the carries of the two rows (1-3, 5-7) and of the sum (10-12); 4, 8 and 9 are empty.
    std::array<QString, 13> merkziffern;
    QString wahltext;
    int ergebnis() const;
};
Aufgabe aufgabeBilden(const Faktoren& f, int art);

// Where the pointer goes on from `zeiger`: a leading zero of the result or of a row is not typed, and of the
// all-zero row of kind 0 only its units digit.
int ueberspringen(const Aufgabe& a, int zeiger);
// Whether the step at `zeiger` adds a carry, so that "Gemerkte?" has something to show.
bool merkeFrei(int art, int zeiger);
// What "Gemerkte?" shows at a step; empty where it keeps its caption.
QString merkeText(const Aufgabe& a, int zeiger);

// ---- Drawing ----

schrift::Bild papier();
schrift::Bild aufgabenbild(const Aufgabe& a);
schrift::Bild eintrag(int position, QChar zeichen);
schrift::Bild haken();

// ---- Wrong digits ----

struct Meldung {
    QString text;
    bool zaehlt = true;
    bool hilfeFrei = false;
};
Meldung meldung(const Aufgabe& a, int position, QChar getippt);
using schriftverfahren::meldungsbild;

// ---- Help and show ----

// The arc from the multiplier digit to the multiplicand digit of a row step (not-XOR).
schrift::Bild bogen(int position);
// The arrow under the result column of a sum step (not-XOR).
schrift::Bild spaltenpfeil(int position);
schrift::Bild hilfe(const Aufgabe& a, int position);
// How far one show press moves at a step: the steps without a product to show go to the second stage at once.
int zeigeschritt(int position);
// Show stage `stufe` (1 or 2) at a step; empty for a stage the step does not have.
schrift::Bild zeigen(const Aufgabe& a, int position, int stufe);

} // namespace svmZE
