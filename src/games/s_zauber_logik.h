#pragma once
// The magic squares without their window: the base square of the positions 0..8 of an arithmetic sequence,
// its eight arrangements, the tables of given cells, the sum line and the check of a filled square.

#include <QString>
#include <QStringList>
#include <array>

namespace s_zauber {

using Feld = std::array<int, 9>; // reading order

// The base square in arrangement 0..7 (unchanged, mirrored left-right, top-bottom, at the rising and the
// falling diagonal, turned a quarter clockwise, by 180 degrees, a quarter anticlockwise).
Feld anordnung(int art);
// The square's values: step x position + start.
Feld werte(const Feld& positionen, int schritt, int start);

// The table entry of given cells drawn for a difficulty (0 computing suffices, 1 puzzling needed), and the
// three cells it names (its hundreds, tens and units digit).
int vorgabeZiehen(int schwierigkeit);
std::array<int, 3> vorgaben(int eintrag);

// "immer " and three times the centre, or "immer die gleiche Summe" when the sum is not named.
QString summentext(int schritt, int start, bool nennen);

// True when every cell holds exactly the decimal text of its value (a leading zero counts as different).
bool richtig(const QStringList& texte, const Feld& werte);

} // namespace s_zauber
