#pragma once
// What the partner games share: who begins, whose turn it is, the scores and the result line of a game.

#include <QString>

namespace partner {

// Toggles the mover: "rot" becomes "blau", anything else "rot".
QString farbwechsel(const QString& amzug);

// Who begins: scores to 0; a new draw of `beginner` (1 = blue begins, 2 = red begins) when `ziehen` (the
// games differ: some draw only while nobody has won a tic-tac-toe game yet); the mover follows `beginner`.
struct Beginn {
    int beginner = 0;
    QString amzug;
};
Beginn werbeginnt(int beginner, bool ziehen);

// The two lines of a finished game: the winner's name + " gewinnt gegen " + the loser's, "mit  " + score;
// a draw: "Bravo!" and "UNENTSCHIEDEN". `sieger` 0 for a draw, else 1 or 2.
struct Ergebnis {
    int sieger = 0;
    QString zeile1, zeile2;
};
Ergebnis spielergebnis(const QString& name1, const QString& name2, int punkte1, int punkte2);

} // namespace partner
