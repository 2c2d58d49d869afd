#pragma once
// Domino sheets: twelve dominoes that close a ring when every two neighbours follow one rule (the touching
// halves add up to a sum, or the right half plus, minus, times or divided by a number gives the next left
// half), the page with the ring, the cut-out grid and the solution strip. No window needed.

#include <QString>
#include <array>

class Canvas;

namespace domino {

// The kinds as the window numbers them.
enum Art { Summe = 1, Plus = 2, Minus = 3, Mal = 4, Geteilt = 5 };

struct Stein {
    int links = 0;
    int rechts = 0;
    bool operator==(const Stein& o) const { return links == o.links && rechts == o.rechts; }
};

using Steine = std::array<Stein, 12>;

struct Blatt {
    int art = Summe;
    int wert = 0; // the sum, summand, subtrahend, factor or divisor
    Steine steine {}; // in the order of the cut-out grid; the first is the ring's first
    Steine ring {}; // the solution, in ring order
};

// Whether the typed number suits the kind: sums 6..100, summands and subtrahends 1..9 (range 20) or 1..50
// (range 100), factors and divisors 2..9.
bool gueltig(int art, int wert, int bereich);

// The halves of a sum set: the fixed sets of the sums 6 to 10, drawn ones from 11 on (left halves all
// different from 12 on, no half T/2 from 13 on). The right halves are in the same places as their left.
Steine summensatz(int summe);
// Shuffles the halves of the set independently until they form a ring of neighbours with the sum, without
// doubles, dominoes of the sum itself or two equal dominoes. False when `versuche` shuffles find none
// (a set in which one value fills seven places has none). `steine` then holds the shuffled order, `ring`
// the ring.
bool summenring(const Steine& satz, int summe, int versuche, Steine& steine, Steine& ring);

// A whole sheet of the kind; `bereich` (20 or 100) only for plus and minus.
Blatt erzeugen(int art, int wert, int bereich);

// "2 Nachbarn ergeben: 12", "ringsherum immer + 9" ...
QString regeltext(int art, int wert);

// The name of a sheet's printout: its kind's button, without the signs a file name cannot hold.
QString drucktitel(int art);

// The page of a sheet: ring, cut-out grid, rule and solution strip.
void draw(Canvas& canvas, const Blatt& blatt);

} // namespace domino
