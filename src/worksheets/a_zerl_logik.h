#pragma once
// "Mengen zerlegen": ten quantities of 4 to 10 dots to split into two parts, in one of four layouts. Only
// the layout with one part given has a generator for the parts and a result strip.

#include <vector>

class Canvas;

namespace zerlegen {

struct Aufgabe {
    int menge = 0;
    int teil = -1; // the given part (layout 3)
    int rest = -1; // the missing part, the solution
};

struct Blatt {
    int form = 1; // 1 a row of dots, 2 split diagram, 3 split diagram with a part given, 4 two rows of dots
    std::vector<Aufgabe> aufgaben; // at most ten, quantities ascending
};

// The given parts of the tasks, kinds in order (typzahlen[0] is the quantity 4): per quantity the parts are
// drawn without repeats until every possible part (1 .. m - 1, or 0 .. m with zeros) has been used once,
// then the next cycle begins. The counts are read, not consumed.
std::vector<int> teilmengen(const std::vector<int>& typzahlen, bool nullErlaubt, int hoechstens = 10);

Blatt blatt(int form, const std::vector<int>& typzahlen, bool nullErlaubt);

// Row base of the row layouts.
int zeileY(int n);
// Left end of dot i of a quantity m in the split diagrams of column X: the row is centred over the boxes.
int punktX(int X, int i, int m);

void zeichnen(Canvas& canvas, const Blatt& blatt);
void drucken(const Blatt& blatt, int kopien);

} // namespace zerlegen
