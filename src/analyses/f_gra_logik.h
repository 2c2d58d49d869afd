#pragma once
// The basic-arithmetic analyses (codes 11 to 17) without their windows: which numbers each analysis offers,
// the task pool that the ticked numbers allow, the grids of a run, the "fw.ina" section of each analysis
// and the drawing of tasks during the run. The set-up window TForm37 and the runner TForm38 call these.

#include "platform/bounded.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace gra {

// What tells the seven analyses apart.
struct Analyse {
    int code;
    const char* stichwort; // section of "fw.ina"
    const char* praefix; // file-name prefix of the protocol
    const char* zeichen; // operator sign of the task and of the protocol grid
    int anzahl1, anzahl2; // items of the first and second number list
    int basis1, basis2; // value of item 0 of each list; item i stands for basis + i
    int varianten; // items of the task-choice radio group
    int standardwahl2; // task variant of the installation's settings
};

// The analysis of programmcode 11..17; nullptr for any other code.
const Analyse* analyse(int code);

// The ticks of one number list: entry i holds the value of item i when it is ticked, -1 when not.
using Zahlenwahl = BoundedArray<int, 0, 10>;

bool angekreuzt(const Zahlenwahl& wahl, int i, int basis);

// The tasks that the ticked numbers allow, in list order (first number outer, second inner).
struct Vorrat {
    QStringList eintraege; // "3 + 4 = 7", "13 - 9 = 4", "4 x 5" (code 17: divisor x quotient)
    int anzahl = 0; // entries
    int anzahlohne = 0; // without a ten crossing (codes 11, 12, 15)
    int anzahlmit = 0; // with a ten crossing (codes 11, 12, 15)
    int minimum = 0; // codes 16, 17: tasks when of two exchange tasks only one is asked
    int aufgabenanzahl = 0; // tasks of a run with this variant
};
Vorrat aufgabenvorrat(int code, int wahl2, const Zahlenwahl& wahl1, const Zahlenwahl& wahl2liste);

// Codes 11, 12 and 15: whether the task of the two list numbers crosses a ten.
bool mitZehnerUebergang(int code, int a, int b);
// Whether the pair of list numbers (a from the first list, b from the second) is asked in a run of the variant.
bool imLauf(int code, int wahl2, int a, int b);

// Hands the pool to the run: anzahl, anzahlohne, anzahlmit, aufgabenanzahl and aufgabenliste (1..anzahl;
// the other entries emptied).
void vorratUebernehmen(const Vorrat& vorrat);
// The grids of a run: tabelle, fehlerkennungen and aufgabentabelle all blank, then " ???  " in tabelle for
// every pair of the run. Rows and columns are the list positions (code 17: row = quotient, column = divisor).
void gitterFuellen(int code, int wahl2, const Zahlenwahl& wahl1, const Zahlenwahl& wahl2liste);

// The pool builder of the set-up window: the pool and the grids of programmcode from zahlenwahl1, zahlenwahl2
// and wahl2, handed to the run. Returns the pool for the count labels.
Vorrat aufgabenvorratBauen();

// ---- The "fw.ina" section of an analysis: the ticks of both lists on one line, the variant on the next ----

struct Abschnitt {
    Zahlenwahl wahl1;
    Zahlenwahl wahl2liste;
    int wahl2 = 0;
};
// The installation's choice: every number ticked, the installation's variant.
Abschnitt standardabschnitt(int code);

enum class Ladeergebnis {
    Gelesen,
    DateiFehlt, // the file does not open: nothing changed
    Standard, // the section is missing: the installation's choice
};
// Reads the section into `abschnitt`. A value that does not stand for its item reads as not ticked; a variant
// outside the radio group reads as the installation's. Throws IoError on a value that is not a number.
Ladeergebnis abschnittLaden(const QString& datei, int code, Abschnitt& abschnitt);
// The section's two value lines as the writer stores them.
std::vector<std::vector<int>> abschnittZeilen(int code, const Abschnitt& abschnitt);

// ---- The run ----

// The runner's start of a run: zeichen of programmcode, zaehler, laufzeit, dauer and the input emptied, every
// counter of the classification at 0.
void laufBeginnen();

// The task text drawn left of the input box and, for two forms of subtraction, right of it.
struct Aufgabenbild {
    QString links;
    QString rechts;
};

// The grid offsets of a code (row and column of the first list item): code 14 11 and 2, code 17 0 and 1.
void tabellenversatz(int code, int& zeile, int& spalte);

// Draws the next task of programmcode from the live pool (aufgabenliste 1..anzahl) without repeats and with the
// variant's acceptance (wahl2), and prepares it: zahl1, zahl2, zehneranteil, zahl, atext, btext, aufgabentext,
// the strategy values of the error classification, zaehler + 1, eingabe emptied, aufgabenstart. Every entry
// drawn leaves the live pool, accepted or not. False when no acceptable entry is left.
bool aufgabeErzeugen(Aufgabenbild& bild);

// The grid cell of the task on screen (from zahl1, zahl2, zehneranteil and the offsets).
void aufgabenzelle(int code, int& zeile, int& spalte);

} // namespace gra
