#pragma once
// Calculating in tables without a window: what each table code is (operation, cell size, sign), the table
// size, the margins (fixed, drawn, shuffled so that no number keeps its place), the askable cells as a pool
// of cell descriptors, the choice of the next cell, the check of a typed answer with its message, and the
// protocol lines. Everything works on the shared variables the hub leaves and the protocol reads.

#include <QPoint>
#include <QString>
#include <QVector>

namespace tab1 {

// ---- Tables by code ----

enum class Rechenart { plus, minus, mal, durch };

struct Tabellenart {
    Rechenart rechenart = Rechenart::plus;
    int zellbreite = 62; // design units
    int zellhoehe = 88;
    QString zeichen; // in the corner
    QPoint zeichenPlatz; // design units inside the table box
    int randschrift = 47; // font height of the margin numbers
    bool achtMalAcht = false; // 65..69 and 610: fixed 8 x 8 tables with drawn tens
};

// Codes 61..69 and 610.
bool istTabellencode(int code);
// Only for a table code.
Tabellenart tabellenart(int code);

// The cell's result: sum, difference, product, or for division the whole quotient.
int ergebnis(Rechenart art, int zeile, int spalte);
// Whether a cell is asked at all under the task kind `variante` (the others show "---").
bool wirdGefragt(Rechenart art, int variante, int zeile, int spalte);

// ---- Set-up ----

// The table size of the code into tabzeilenzahl, tabspaltenzahl, zellbreite and zellhoehe; the 8 x 8
// tables force variante := 1, division gets as many rows as divisors (at most 5).
void tabellengroesse(int code);

// Entries 1..anzahl of a list in a random cycle: every entry leaves its place. Fewer than two stay.
template <typename Feld> void zyklischMischen(Feld& feld, int anzahl);

// Margins into auswahl1 (rows) and auswahl2 (columns) as the code makes them: the 8 x 8 tables from a
// cyclic shuffle of 2..9 in auswahl3, subtraction in the space of 20 with 10 added to each row, division
// with drawn two-digit dividends; then shuffled when wahl4 = 1.
void raenderBilden(int code);

// A cell of the table: 0-based row and column, its row and column number.
struct Zelle {
    int zeile = 0;
    int spalte = 0;
    int a = 0;
    int b = 0;
};
// "v" row "h" column "a" row number "b" column number.
QString deskriptor(const Zelle& zelle);
Zelle zerlegen(const QString& deskriptor);

// The table as drawn: margins in their order and which cells are asked, row by row.
struct Tabelle {
    int code = 0;
    Tabellenart art;
    int zeilen = 0;
    int spalten = 0;
    QVector<int> zeilenzahlen; // row numbers, top to bottom
    QVector<int> spaltenzahlen; // column numbers, left to right
    QVector<bool> gefragt; // row-major
    bool zelleGefragt(int zeile, int spalte) const { return gefragt.value(zeile * spalten + spalte); }
    int askbar() const { return int(gefragt.count(true)); }
};

// The table of the margins in auswahl1/auswahl2. Also fills the pool: the askable cells' descriptors in
// aufgabenliste 1..n, vorratsgroesse and mindestaufgaben := n (the run's task goal), and nummer := the first
// cell asked (random when wahl3 <> 0).
Tabelle zellenBilden(int code);

// ---- Asking and checking ----

// The number expected for a cell: the result; for division by entry step 1 the largest multiple of the
// column number that fits, 2 the quotient, 3 the remainder.
int schrittziel(Rechenart art, int zeile, int spalte, int sollwert);

enum class Urteil { geloest, naechsterSchritt, falsch };
struct Pruefung {
    Urteil urteil = Urteil::falsch;
    QString meldung; // for a wrong answer
    bool zahlendreher = false;
};
// The typed digits against the cell at entry step sollwert (3 = the last).
Pruefung pruefen(Rechenart art, int zeile, int spalte, int sollwert, const QString& eingabe);

// Right inputs of a solved cell: the digits and Enter; for division the multiple, the quotient, the
// remainder and three Enters.
int richtigeEingaben(Rechenart art, int zeile, int spalte, const QString& eingabe);

// After a solved cell: in jumping order it leaves the pool and another is drawn; in order the next one
// follows. False when no cell is left (vorratsgroesse is then 0).
bool naechsteZelle(bool springend);
// After a wrong answer: in jumping order another cell than the failed one, while there is another.
void andereZelle(bool springend);

// ---- Protocol ----

// Line 2 after "Programm:".
QString programmtitel(int code, int variante);
QString zeile4(int code, int variante, const QString& wahltext);
QString zeile5(int wahl4, int wahl3);

// ---- Messages and titles ----

// The title lines in the message box: (text, design y) pairs.
struct Titelzeile {
    QString text;
    int y = 0;
    int hoehe = 45;
};
QVector<Titelzeile> titel(int code, int variante);

} // namespace tab1

#include "platform/random.h"
#include <utility>

template <typename Feld> void tab1::zyklischMischen(Feld& feld, int anzahl)
{
    for (int k = anzahl; k >= 2; --k) {
        const int j = Random(k - 1) + 1;
        std::swap(feld[k], feld[j]);
    }
}
