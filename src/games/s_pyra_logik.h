#pragma once
// The number pyramid without its window: the pyramid from its base, the task in a range of targets, the
// hidden start number of a task, and the trial pyramid a typed start number would give.

#include <array>

namespace s_pyra {

// z0..z3 the base, z4..z6, z7 and z8, z9 the rows above; a base of three uses z0..z2, z4, z5 and z7.
using Zellen = std::array<int, 10>;

Zellen pyramide(int z0, int z1, int z2, int z3);
// The top: z9 for a base of four, z7 for a base of three.
int ziel(const Zellen& z, bool vier);
bool imBereich(int ziel, int bereich);

// A task: a base drawn (z1 never 0) until the target lies in `bereich` and differs from `vorindex`, which
// then holds the new target.
Zellen pyramidenaufgabe(bool vier, int bereich, int& vorindex);

// The start number hidden in `modus` 1 (middle), 2 (outer) or 3 (either, drawn per task); `wahl5` 0 or 1 picks
// the left or right outer cell. -1 in the target mode.
int versteckteZelle(int modus, bool vier, int wahl5);

// The upper cells 5..10 of the trial pyramid with `wert` in place of start number h (a base of three
// uses cells 5, 6 and 8 only).
std::array<int, 6> probepyramide(const Zellen& z, int h, int wert);

} // namespace s_pyra
