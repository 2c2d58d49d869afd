#pragma once
// The divisor search without a window: the pool of numbers drawn without repeats, the one-digit divisors a
// number has here, the message for a digit that is none, and the two protocol lines of the numbers done.

#include "platform/bounded.h"

#include <QString>

namespace teilersuche {

// The numbers the pupil is asked about; 64 stands twice, so it comes twice as often.
constexpr int kPoolgroesse = 35;

struct Pool {
    BoundedArray<int, 1, kPoolgroesse> ziehzahlen;
    int zaehler = 0; // entries not yet drawn in this cycle
};
// All 35 entries in their first order, none drawn yet.
void poolFuellen(Pool& pool);
// Draws one number without repeats; after the last entry of a cycle a new cycle over the same entries begins.
int ziehung(Pool& pool);

// The digits t = 2..9 with t < z that divide z, in rising order ("2346" for 12). A number is not its own
// divisor here.
QString teiler(int z);
// "5  ist kein Teiler von 12."
QString keinTeilerText(int t, int z);
// The question's first line, by the number of divisors.
QString frage(int teilerzahl);

// Lines 4 and 5 of the protocol from the numbers done, each followed by a blank: the list is cut at the
// last blank among its characters 31 to 33, so that no number is split between the lines.
struct Zeilen45 {
    QString zeile4, zeile5;
};
Zeilen45 protokollzeilen45(const QString& bearbeitetezahlen);

} // namespace teilersuche
