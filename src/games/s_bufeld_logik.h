#pragma once
// The coloured operation table without its window: the edge numbers, ordered or shuffled, the value of a
// cell and the number a row shows, and the cursor's moves inside the table.

#include <QString>
#include <array>

namespace s_bufeld {

enum Rechenart { plus = 0, minus = 1, mal = 2 };

// The eleven numbers 0 .. 10 of one edge; shuffled, none keeps its place.
using Rand = std::array<int, 11>;
Rand randzahlen(bool gemischt);

// The number the row of `a` shows: a + 10 in the minus table, so that no value falls below 0.
int zeilenzahl(int rechenart, int a);
// The value of the cell of row number `a` and column number `b`.
int wert(int rechenart, int a, int b);
QString zeichen(int rechenart);

// A row or column 1 .. 11 moved by d; a move over the edge keeps it.
int bewegt(int stelle, int d);

} // namespace s_bufeld
