#pragma once
// The sheets of the plus-task family in the space up to 20 ("Bereich bis 10", "zwischen 10 und 20",
// "Zehnerübergang"): ten tasks a + b = c drawn from a pool, each shown in one of the forms of its family,
// a picture of the number space beside every row, and the sorted solutions at the foot. The three differ
// only in what `Familie` holds.

#include <QString>
#include <vector>

class Canvas;

namespace familienblatt {

struct Streifen {
    int labelX = 150;
    int y = -2690;
    int erstesX = 400; // the first (smallest) value; each further one 100 to the right
};

struct Familie {
    QString titel; // the title line, name blank included
    // Names the printout: the menu's button the sheet was chosen by, in words a file name can hold ("+ / -"
    // has a slash).
    QString drucktitel;
    int titelX = 200;
    int faktor = 10; // code = a * faktor + b
    int arten = 7; // task forms
    // b in two places and a two-character gap (every text 12 characters), else b plain and "_" (11).
    bool zweistellig = false;
    bool zwanzig = false; // pictures of the space up to 20
    bool beinchen = false; // legs under the second number for splitting it at the ten
    bool paare = false; // the second choice is pairs (else two half pages)
    int schnittstift = 1; // pen width of the cut line between half pages
    Streifen ganz; // strip of a whole page
    Streifen oben { 150, -1430, 450 }; // strips of two half pages
    Streifen unten { 150, -2750, 450 };
};

const Familie& bereich10();
const Familie& zwischen10und20();
const Familie& zehneruebergang();

// The text of task form `art` (from 1) of a + b = c, and its solution.
QString aufgabentext(const Familie& f, int art, int a, int b, int c);
int loesung(int art, int a, int b, int c);

struct Zeile {
    int nummer = 0; // printed as "n)"
    int nummerY = 0;
    QString text;
    int textY = 0;
    int loesung = 0;
};

struct Blatt {
    const Familie* familie = nullptr;
    int grafik = 0; // 0 small line and field, 1 large line, 2 large field
    bool geteilt = false; // two half pages, or pairs
    std::vector<int> bildY; // base of each picture (the legs too)
    std::vector<Zeile> zeilen; // the rows in print order
    std::vector<int> ergebnisliste; // the solutions, row by row (pairs: five upper, then five lower)
};

// Row base y(r) of ten rows; rows 6 to 10 lie `abstand` further down.
int zeileY(int r, int abstand);

// The sheet of the drawn codes: rows by task forms in order (typzahlen[0] is form 1) up to ten tasks, or
// five pairs, each a task up to 10 above its analogue between 10 and 20.
Blatt blatt(
    const Familie& f, const std::vector<int>& codes, const std::vector<int>& typzahlen, int grafik, bool geteilt);

// The pictures of the number space: picture `wahl` with its base at yb; `zweiteLinie` is the distance of
// the large line's second stroke below the base.
void bild(Canvas& canvas, int wahl, bool zwanzig, int yb, int zweiteLinie = 201);

void zeichnen(Canvas& canvas, const Blatt& blatt);
// Prints one job with wieoft copies.
void drucken(const Blatt& blatt, int kopien);

} // namespace familienblatt
