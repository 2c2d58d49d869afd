#pragma once
// Four in a row, in the hundred field and in the game version: one board with a border of three empty
// cells, the line test through a new stone over each game's table of windows, and the drop into a slot.

#include <array>

namespace vierinreihe {

// [a][b] with a border: cell (a, b) of the game is element [a + 2][b + 2]; 0 empty, 1 red, 2 the other.
struct Brett {
    std::array<std::array<int, 16>, 16> zellen {};
    int& an(int a, int b) { return zellen[std::size_t(a + 2)][std::size_t(b + 2)]; }
    int an(int a, int b) const { return zellen[std::size_t(a + 2)][std::size_t(b + 2)]; }
};

// One window of four cells through the new stone: the three other cells as offsets (da, db), and the value
// a hit gives.
struct Fenster {
    int wert;
    int d[3][2];
};
// The 16 windows in the hundred field's test order ([row, column]: column, row, falling, rising).
const std::array<Fenster, 16>& hunderterfeldFenster();
// The 16 windows in the game version's test order ([slot, row]: row, column, falling, rising).
const std::array<Fenster, 16>& spielversionFenster();

// The first window whose three other cells all hold the stone's colour; 0 for none.
int vierertest(const Brett& brett, int a, int b, const std::array<Fenster, 16>& fenster);
// The two end cells of the window `wert` through the new stone, as offsets from it (first end, last end).
void enden(int wert, bool spielversion, int& da1, int& db1, int& da2, int& db2);

// The number 1..100 of the hundred field: row z 0..9 and column e 1..10.
void zelle(int zahl, int& z, int& e);

// The lowest empty hole of a slot (rows 6 up to 1 of the game version), 0 when the slot is full.
int fallzeile(const Brett& brett, int slot);

} // namespace vierinreihe
