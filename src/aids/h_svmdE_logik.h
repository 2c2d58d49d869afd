#pragma once
// "SV2" without a window: a three-digit factor f times a one-digit d, typed from the units (code 85), or the
// product shown as a dividend and f typed as the quotient from the hundreds (code 87, the short way). The
// carries of the multiplication are the remainders of the division: both are the "Gemerkte" the pupil keeps
// in mind. Here: the level generators, the columns, the drawings, the messages, the help, the two-stage
// show and the caption of "Gemerkte?".
//
// The multiplication of a row by a digit with its carries is shared with "SV3" (reiheMal).

#include "aids/schriftrahmen_logik.h"
#include "aids/schriftverfahren_logik.h"

#include <QChar>
#include <QString>
#include <array>

namespace svmdE {

// A row H Z E times a digit: the one-digit products, the carries out of each column and the four digits.
struct Reihe {
    int h = 0, z = 0, e = 0, d = 0;
    // The plain products h x d, z x d, e x d.
    int produktH = 0, produktZ = 0, produktE = 0;
    // The carry out of the units, of the tens and of the hundreds (the last one is the thousands digit).
    int merkE = 0, merkZ = 0, merkH = 0;
    // Units, tens, hundreds, thousands of the product.
    std::array<int, 4> stellen {};
    int wert() const { return stellen[3] * 1000 + stellen[2] * 100 + stellen[1] * 10 + stellen[0]; }
};
Reihe reiheMal(int h, int z, int e, int d);

struct Faktoren {
    int h = 0, z = 0, e = 0, d = 0;
};
// The generators M0, M1, M2, M4, M5, M6; M4 and M5 differ for the division (code 87).
Faktoren stellenwurf(int generator, int code);
using schriftverfahren::generatorVonStufe;

struct Aufgabe {
    int code = 85;
    Reihe r;
    // Entries 1..4: the thousands digit, the carry out of the tens, out of the units, and "0".
    std::array<QString, 5> merkziffern;
    // Entries 2..4: the plain products of the hundreds, the tens, the units.
    std::array<int, 5> zwfeld1 {};
    // Cells 1..10: the digits of f, " ", d, ":" (code 87), the product from the units to the thousands.
    std::array<QChar, 11> spaltenanzeige {};
    // Code 85 the product from the thousands (the units typed first); code 87 f from its units (the
    // hundreds typed first).
    QString wahltext;
};
Aufgabe aufgabeBilden(int code, const Faktoren& f);

// ---- Drawing ----

// The smaller squared paper: three rows.
schrift::Bild papier();
schrift::Bild aufgabenbild(const Aufgabe& a);
// A right digit at its place.
schrift::Bild eintrag(const Aufgabe& a, int schritt, QChar zeichen);
schrift::Bild haken(int code);

// ---- Wrong digits ----

struct Meldung {
    QString text;
    // The press is taken back (a slip of order, not a mistake).
    bool zaehlt = true;
    bool hilfeFrei = false;
    // Drawn on the sheet with the message.
    schrift::Bild feld;
};
Meldung meldung(const Aufgabe& a, int schritt, QChar getippt);
using schriftverfahren::meldungsbild;

// ---- Help, show and the remembered digits ----

// The help texts of a step.
schrift::Bild hilfe(const Aufgabe& a, int schritt);
// The highlight on the sheet (not-XOR: drawn again, it is gone); empty where a step has none.
schrift::Bild markierung(const Aufgabe& a, int schritt);
// Show press `stufe` (1 or 2) at a step; empty for a press the step does not answer.
schrift::Bild zeigen(const Aufgabe& a, int schritt, int stufe);
// Whether press `stufe` is the last one the step answers.
bool letzteZeigestufe(const Aufgabe& a, int schritt, int stufe);
// What "Gemerkte?" shows at a step; empty where it keeps its caption.
QString merkeText(const Aufgabe& a, int schritt);

} // namespace svmdE
