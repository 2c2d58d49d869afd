#pragma once
// The neighbours game without its window: the cursor shapes of 2, 3 and 4 neighbours in the hundred field,
// where the cursor may move, the choice of direction, the task generator with its unsolvable offset, and the
// sum of the covered numbers.

#include <QPoint>
#include <QString>
#include <vector>

namespace s_2nachbar {

enum Lage { waagerecht = 0, senkrecht = 1, nordost = 2, suedost = 3 };

// The cells of the cursor (x: column offset, y: row offset from the anchor), in the order of the addends.
std::vector<QPoint> zellen(int spiel, int lage);
// Whether the cursor with its anchor in row r, column c (0..9) moved by (dr, dc) stays inside the field.
bool bewegbar(int spiel, int lage, int r, int c, int dr, int dc);
// The numbers under the cursor (a cell in row r, column c holds 10 r + c + 1).
std::vector<int> zahlen(int spiel, int lage, int r, int c);
// "45 + 46 = 91"; for four numbers the sum goes in `zweite`.
QString summentext(const std::vector<int>& zahlen, QString* zweite = nullptr);

// The direction of the next task: an allowed one (`erlaubt`[d] == d), other than `letzte` when at least two
// are allowed. `letzte` becomes it.
int richtungWaehlen(const int erlaubt[4], int gewaehlt, int& letzte);

struct Aufgabe {
    int zeile = 0, spalte = 0; // the anchor number 10 x zeile + spalte, spalte 1..10
    int ziel = 0; // the target shown
    int abzug = 0; // taken off the true sum for an unsolvable task
};
Aufgabe aufgabe(int spiel, int lage, bool unloesbarErlaubt);

} // namespace s_2nachbar
