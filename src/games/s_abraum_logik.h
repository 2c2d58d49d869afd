#pragma once
// Clearing the nines: which numbers a turn may still take, and who scores when the board is cleared.

#include <array>

namespace abraum {

// Cell of number n (1..9): column (n - 1) mod 3, row (n - 1) div 3.
inline int spalte(int n) { return (n - 1) % 3; }
inline int zeile(int n) { return (n - 1) / 3; }

// After taking n: the numbers outside its row and column, which the turn may no longer take.
std::array<bool, 10> gesperrt(int n);

// The player (1 or 2) who scores the set cleared by the mover: with "gewinnt" the clearer, with
// "verliert" the other.
int punktFuer(bool rotZieht, bool werAbraeumtVerliert);

} // namespace abraum
