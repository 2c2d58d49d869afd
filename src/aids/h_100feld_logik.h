#pragma once
// What the hundred-field aids decide without a window: the placing aid's task and its least number of steps,
// the moves of its cursor; the numbers the naming, assigning and snake exercises ask for, the snakes, the
// judging of typed digits with the tens-first check, and the neighbour numbers that help in naming.

#include <QPoint>
#include <QString>
#include <QVector>
#include <optional>

namespace h100feld {

// ---- Placing a number (code 17) ----

// Row and column (from 0) of the cell that holds a number 1 .. 100, and the number of a cell.
inline int zeileVon(int zahl)
{
    return (zahl - 1) / 10;
}
inline int spalteVon(int zahl)
{
    return (zahl - 1) % 10;
}
inline int zahlVon(int zeile, int spalte)
{
    return zeile * 10 + spalte + 1;
}

// The least number of moves of the cursor from the start cell (index 0 .. 99) to the cell of the target
// (1 .. 100): rows apart plus columns apart.
int kuerzesterWeg(int zielzahl, int vorindex);

struct Platzaufgabe {
    int zielzahl = 0; // 1 .. 100
    int vorindex = 0; // start cell 0 .. 99, never the target's
    int mindestschritte = 0;
};
// A new task: the generator seeded from the clock, a target and a different start cell.
Platzaufgabe platzaufgabe();

enum class Zug { hoch, links, runter, rechts };
// Moves the cursor one cell; a move against the border changes nothing and gives false.
bool ziehen(Zug zug, int& zeile, int& spalte);

// ---- Naming (18), assigning (19) and snakes (110) ----

// The bag of the numbers 1 .. 99 (zahlenbeutel, vorratsgroesse) filled anew at the start of a run.
void beutelFuellen();
// Whether the exercise asks for a number: assigning never below 11 nor a multiple of 10 (the blue cells
// would fill whole rows), naming every number.
bool zielzahlErlaubt(int code, int zahl);
// Draws from the bag without repeats until the number suits the exercise; an empty bag is refilled.
int zielzahlZiehen(int code);

// ---- Tens first ----

enum class Zehnerpruefung {
    ersteZiffer, // a digit typed first: the units digit of a two-digit number in place of its tens
    ganzeZahl, // a whole answer: the digits of the number in the wrong order
};
// "Zehner zuerst!": the pupil wrote the units before the tens.
bool zehnerzuerst(int zahl, const QString& eingabe, Zehnerpruefung art);

// The judgement of the digits typed so far when naming or assigning (each digit is judged as it is typed).
enum class Urteil {
    keins, // nothing typed
    zehnerRichtig, // the tens digit of a two-digit number
    richtig, // the whole number
    zehnerZuerst, // the units digit typed first: wrong, with the hint
    falsch, // a wrong first digit, or a wrong one-digit answer
    einerFalsch, // the right tens, a wrong units digit
};
Urteil ziffernurteil(int zielzahl, const QString& eingabe);

// ---- Help when naming (18) ----

// One neighbour of the red cell: its text and where it is written (design units, centred, top), or nothing
// for step 1 of a number in the first row, which has no neighbour above.
struct Hilfetext {
    QString text;
    QPoint ort;
};
// Steps 1 .. 4: the number above, below, to the left, to the right. A neighbour that lies outside the field
// (below 100, beyond a row's end) stands in brackets; the blanks keep its digits near its cell.
std::optional<Hilfetext> hilfetext18(int zielzahl, int stufe);

// ---- Snakes (110) ----

// The lengths allowed in the hub: wahlbytes entries 0 .. 4 hold 3 .. 7 when chosen, 255 when not.
QVector<int> erlaubteLaengen();
// A snake of cells: it starts inside the border ring (11 .. 90, units digit 2 or more), has one of the
// allowed lengths (3 .. 7), goes in the chosen directions (0 straight, 1 diagonal, 2 all), stays in 1 .. 99
// without leaving the field at a side and never touches itself. Nothing when no length is allowed (the
// generator would look for one for ever).
std::optional<QVector<int>> schlange(int variante, const QVector<int>& laengen);
// Writes a snake into the shared state: auswahl1 the cells, auswahl2 their columns 1 .. 10, auswahl3 their
// tens, sollwert the length minus 1.
void schlangeMerken(const QVector<int>& zellen);

} // namespace h100feld
