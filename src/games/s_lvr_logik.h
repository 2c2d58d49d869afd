#pragma once
// "links / vorwärts / rechts": the path generator (the command string, the heading after each command and
// the figure's places), the turns of a heading, and the command check.

#include <QChar>
#include <QPoint>
#include <QString>
#include <vector>

namespace s_lvr {

// A cell of the 10 x 10 grid: row 1..10 north to south, column 1..10 west to east; rows and columns 0 and 11
// are the start places just outside.
struct Feld {
    int zeile = 0;
    int spalte = 0;
    bool operator==(const Feld& o) const { return zeile == o.zeile && spalte == o.spalte; }
    bool operator!=(const Feld& o) const { return !(*this == o); }
};

// Headings "N", "O", "S", "W" of the main directions 0 south to north, 1 north to south, 2 west to east, 3 east
// to west.
QChar hauptrichtungBuchstabe(int hauptrichtung);
// A heading turned by a command: "L" 90 degrees left, "R" right, anything else unchanged.
QChar drehen(QChar richtung, QChar befehl);
// One cell on in a heading.
Feld weiter(const Feld& f, QChar richtung);

struct Pfad {
    int hauptrichtung = 0;
    QString befehle; // one "V", "L" or "R" per command
    QString richtungen; // the figure's heading after each command (same length)
    // Entry 0 the start place, entry k + 1 the place after k commands.
    std::vector<Feld> plaetze;
    // The cells the path goes through, from the first cell to the goal.
    std::vector<Feld> zellen;
};
// A new path for code 18 (a turn only turns) or 19 (a turn also moves), `schritte` steps in a main direction
// drawn among the allowed ones (`erlaubt`[i] for direction i; at least one).
Pfad erzeugen(int code, int schritte, const bool erlaubt[4]);

// The heading the figure shows after `befehlszaehler` commands (before the first: the first command's).
QChar richtungNach(const Pfad& p, int befehlszaehler);
// The right command as a word: "vorwärts", "links", "rechts".
QString befehlswort(QChar befehl);

// Where things are drawn (design units): the centre of a cell, the figure's corners in a heading, and the
// red arrow one cell on.
QPoint zellmitte(const Feld& f);
std::vector<QPoint> figur(const Feld& f, QChar richtung);
std::vector<QPoint> irrpfeil(const Feld& f, QChar richtung);
// "minutes:seconds" of a run, no leading zeros.
QString laufzeitText(int minuten, int sekunden);

} // namespace s_lvr
