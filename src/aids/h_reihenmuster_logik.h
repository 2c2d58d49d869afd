#pragma once
// Rows and patterns in the 100 field without a window: the series the pupil continues (six start cases from
// step width, direction and number kind), the cell of a number in the field, the pattern of all numbers
// with the series' remainder, and the protocol lines of the options.

#include <QList>
#include <QPoint>
#include <QString>

namespace reihenmuster {

// The hub's options: wahl7 = step-width item (step 2 + item), wahl1 = direction (0 forwards, 1 backwards),
// wahl5 = number kind (0 small table, 1 table numbers beyond it, 2 no table numbers).
struct Optionen {
    int wahl7 = 0, wahl1 = 0, wahl5 = 0;
    int schrittweite() const { return wahl7 + 2; }
    bool rueckwaerts() const { return wahl1 != 0; }
    // The generator's case 1..6.
    int fall() const { return wahl5 + 1 + 3 * (wahl1 != 0 ? 1 : 0); }
};

// Members in a series: the start and nine more the pupil types.
constexpr int kGlieder = 10;

struct Reihe {
    int start = 0;
    int schritt = 0; // +s forwards, -s backwards
    // Member i = 1..10.
    int glied(int i) const { return start + (i - 1) * schritt; }
};
// A new series for the options, drawn with the program's generator.
Reihe reiheZiehen(const Optionen& o);

// Column 1..10 (x) and row 0..9 (y) of a number 1..100 in the field.
QPoint zelle(int n);
// Every number 1..100 with the remainder of n modulo s, rising.
QList<int> muster(int n, int s);

// "+" forwards, "-" backwards.
QString zeichen(const Optionen& o);
// Lines 4 and 5 of the protocol.
QString zeile4(const Optionen& o);
QString zeile5(const Optionen& o);

} // namespace reihenmuster
