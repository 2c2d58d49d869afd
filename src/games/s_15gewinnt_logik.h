#pragma once
// Fifteen wins: the line of 15 a stone completes and the stone that is set on the last field by itself.

#include <array>

namespace fuenfzehn {

// The values of fields 1..9 (index 0..8); an empty field counts 20, so no line with it reaches 15.
using Werte = std::array<int, 9>;
inline constexpr int kLeer = 20;

// The first line (1..8: columns 1-4-7, 2-5-8, 3-6-9, rows 1-2-3, 4-5-6, 7-8-9, diagonals 1-5-9, 3-5-7) whose
// values add up to exactly 15; 0 for none.
int summentest(const Werte& werte);
// The stone missing after eight: 65 minus the sum of all nine values.
int letzterStein(const Werte& werte);
// The line drawn through a line of 15, on the design grid.
struct Linie {
    int x1, y1, x2, y2;
};
Linie linie(int gewonnen);

} // namespace fuenfzehn
