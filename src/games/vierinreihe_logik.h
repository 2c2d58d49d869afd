#pragma once
// Four in a row, in the hundred field and in the game version: one board with a border of three empty
// cells, the line test through a new stone over each game's table of windows, and the drop into a slot.

#include <QString>
#include <array>

namespace vierinreihe {

// [a][b] with a border: cell (a, b) of the game is element [a + 2][b + 2]; 0 empty, 1 red, 2 the other.
struct Brett {
    std::array<std::array<int, 16>, 16> zellen {};
    int& an(int a, int b) { return zellen[std::size_t(a + 2)][std::size_t(b + 2)]; }
    // Outside the array counts as empty: the line test of the hundred field looks up to three rows above the
    // top row.
    int an(int a, int b) const
    {
        const int i = a + 2, j = b + 2;
        return i < 0 || j < 0 || i > 15 || j > 15 ? 0 : zellen[std::size_t(i)][std::size_t(j)];
    }
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

// The line of a finished game: " " + winner + " gewinnt gegen " + loser + " mit  " + points + " : " + points +
// " "; player 1 wins only with more points.
QString ergebniszeile(const QString& name1, const QString& name2, int punkte1, int punkte2);

} // namespace vierinreihe
