#pragma once
// Sums up to 20 without a window: the exercises by activity code, the task types with their answers and help
// lengths, the "Mischung" draws, the draw from the pool, the check of the typed digits (tens first) and the
// protocol lines that the aid writes from the hub's description of the chosen numbers.

#include <QPoint>
#include <QString>
#include <array>

namespace raum20 {

// ---- Exercises and task types ----

// Codes 12, 13, 21..29 and 31..38; every other code is no exercise of this aid.
bool codeBekannt(int code);
// The text after "Programm:" in the protocol.
QString programmtitel(int code);
// The task type of the next task: the code itself, or for a "Mischung" code (24, 29, 34, 38) one of its
// types, drawn with the program's generator.
int typZiehen(int code);

// The types a task can have: 12, 13, 21, 22, 23, 25..28, 31, 32, 33, 35, 36, 37.
bool typBekannt(int variante);

// Which number of the task a + b = c the pupil has to find.
enum class Gesucht { a, b, c };
struct Typangaben {
    Gesucht gesucht = Gesucht::c;
    int wieoft = 5; // help steps until the task is over
    QPoint antwortplatz; // centre x and top y of the answer box's number, design units
    std::array<QPoint, 3> haken; // the tick: two strokes from the middle point to the outer two
};
// Only for a known type.
Typangaben typangaben(int variante);
int sollwertVon(int variante, int a, int b);
// Digits of a number 0..99: the necessary inputs of its task.
int stellenzahl(int n);

// The three lines of the title panel; the title names the type of the task shown.
struct Titel {
    QString zeile1, zeile2, zeile3;
};
Titel titelzeilen(int variante);

// ---- The pool ----

// Draws one task code from aufgabencodes 1..vorratsgroesse without repeats (nummer counts the entries not
// yet drawn in this pass; a new pass begins when it reaches 0) and sets einer1, einer2 and zielzahl.
// False, and nothing changed, for an empty pool.
bool ziehung();

// ---- Checking the digits ----

enum class Pruefung {
    geloest, // the answer is complete and right
    falsch, // one more help step
    zehnerZuerst, // the units digit of a two-digit answer came first: "Zehner zuerst!" and one more help step
    zehnerRichtig // the right tens digit, waiting for the units digit
};
struct Pruefergebnis {
    Pruefung art = Pruefung::falsch;
    QString antwort; // what stays typed afterwards
};
// Checks the digits typed so far against the answer (0..99).
Pruefergebnis ziffernpruefung(int sollwert, const QString& antwort);

// ---- Protocol ----

struct Zeilen45 {
    QString zeile4, zeile5;
};
// Lines 4 and 5 from the hub's description of the choice ("1 2 + 3 4 = 5 6 "), in the form of the type of
// the task shown last: the numbers to decompose and their parts, or the summands and the sums.
Zeilen45 protokollzeilen45(int variante, const QString& wahltext);

// Where the hub's focus goes when the aid closes: back to the button that started the exercise (not for
// 31..38), and whether the group box "gbRaum20" has to be shown for it.
struct Hubfokus {
    bool knopf = false;
    bool gbRaum20Zeigen = false;
};
Hubfokus hubfokus(int code);

} // namespace raum20
