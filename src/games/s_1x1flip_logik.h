#pragma once
// "1 x 1 - Flipper": the twenty numbers of a turn, how an answer is judged and counted, the strokes an error
// draws, and the printed evaluation as a model of its lines apart from its drawing.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

class Canvas;

namespace s_1x1flip {

// Entries 1..10: the row N x 1 .. N x 10; entries 11..20: one number between two of them, never in the row
// (for N = 4, 6, 8 an even one). Entry 0 is unused.
std::array<int, 21> zahlen(int n);

// The counter an answer feeds: 0 "ja" to a row number, 1 "nein" to another, 2 "nein" to a row number, 3 "ja"
// to another; 4 is the missed time limit.
int zaehler(bool ja, bool inDerReihe);
inline bool richtig(int zaehler)
{
    return zaehler <= 1;
}
// Counts `nummer` for player p (1..5) in flipzaehler and its list in flipzahlen.
void zaehlen(int spieler, int zaehler, int nummer);

// The strokes one more error draws, from the strokes drawn so far: the figure is complete after eight errors.
std::vector<int> striche(int fehlerBisher);

// Time limit per number in 100 ms ticks (0: none).
int grenze(int zeitwahl);

// ---- The printed evaluation ----

struct Druckzeile {
    int x = 0;
    int y = 0; // 0.1 mm, y negative downward
    QString text;
    bool rechts = false;
    int hoehe = 40; // cell height in 0.1 mm
};
struct Auswertung {
    std::vector<Druckzeile> zeilen;
};
// From the names in listenzeilen, spielerstatus and the counters; `zeitText` is the time limit's item.
Auswertung auswertung(int variante, int zeitwahl, const QString& zeitText);
void draw(Canvas& c, const Auswertung& a);

} // namespace s_1x1flip
