#pragma once
// Tic-tac-toe and bingo: the numbers of a board for each of the 18 kinds of task, the line test through a
// mark, whether the last mark can still make a winner, and the input shown in the turn box.

#include <QString>
#include <array>

namespace tictactoe {

// Entries 1..9 are shown in fields 1..9; entries 0 and 10 are drawn but never shown.
struct Brett {
    std::array<int, 11> gezeigt {};
    std::array<int, 11> antwort {};
    int n = 0; // the operand of kinds 6..17
    QString titel;
};

// The eleven pairs of a kind (0..17), shuffled together as the board shows them.
Brett zahlenwahl(int art);
// Kind 5 asks for two factors 2..9: digits 0 and 1 are off.
inline bool nullUndEinsAus(int art) { return art == 5; }

// Field k = 1..9: column (k - 1) mod 3 + 1, row (k - 1) div 3 + 1; centres on the design grid.
int mitteX(int k);
int mitteY(int k);

// The board's 3 x 3 fields with a two-wide border, [column][row]; empty "xxx", taken "rot" or "blau".
struct Feld {
    std::array<std::array<QString, 7>, 7> zellen;
    Feld();
    QString& an(int spalte, int zeile) { return zellen[spalte + 1][zeile + 1]; }
    const QString& an(int spalte, int zeile) const { return zellen[spalte + 1][zeile + 1]; }
};

// Three in a line through the mark just placed at (c, r): 1 column, 2 row, 3 falling, 4 rising diagonal, 0 none.
int linientest(const Feld& feld, int spalte, int zeile);
// The line drawn for a win, on the design grid.
struct Linie {
    int x1, y1, x2, y2;
};
Linie gewinnlinie(int art, int spalte, int zeile);

// After the eighth mark: true when a line through the one free field has its two other fields of one
// colour, so that the game goes on; false gives the neutral mark and a draw.
bool letzteMarkeMoeglich(const Feld& feld);
// The free field of a board with eight marks, as column and row (1..3).
void freiesFeld(const Feld& feld, int& spalte, int& zeile);

// The input as the turn box shows it; kind 5 shows its two factors.
QString eingabeText(int art, const QString& eingabe);
// What "Enter" evaluates: kinds other than 5 the input; kind 5 the product of its first two digits, or -1
// while fewer than two are typed. -1 for an empty input or "?".
int eingabeWert(int art, const QString& eingabe);

} // namespace tictactoe
