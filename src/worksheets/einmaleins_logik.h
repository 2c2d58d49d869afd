#pragma once
// The sheets of the small multiplication table from two factor lists 2..10 (the "1x1felder" choice): the
// chosen factors, the pool of factor pairs, the 1x1-field sheet (dot fields of a rows by b columns filling
// two columns of the page) and the sheet of twenty hundred-fields.

#include <vector>

class Canvas;

namespace blattrahmen {
class Aufgabenvorrat;
}

namespace einmaleins {

// The factors whose flag is set (> 0), in list order.
std::vector<int> wahlliste(const std::vector<int>& flags);

// Every pair a x b as the code a * 100 + b, first factors first; with `quadrate` and no second factor,
// the squares a x a instead.
std::vector<int> paare(const std::vector<int>& faktoren1, const std::vector<int>& faktoren2, bool quadrate);

struct Feld {
    int a = 0; // rows
    int b = 0; // columns
};

struct Felderblatt {
    std::vector<Feld> links, rechts;
    std::vector<int> ergebnisliste; // the products, field by field
};

// Draws from the pool (which keeps its state between sheets) until a column is full: a field takes 45
// units per row plus the gap, a column 2450 at most.
Felderblatt felderblatt(blattrahmen::Aufgabenvorrat& vorrat, int feldabstand = 100);
void zeichnen(Canvas& canvas, const Felderblatt& blatt, int feldabstand = 100);
void drucken(const Felderblatt& blatt, int kopien);

// Twenty pairs drawn from the pool, which keeps its state between sheets.
struct Hunderterblatt {
    std::vector<Feld> aufgaben;
    std::vector<int> ergebnisliste;
};
Hunderterblatt hunderterblatt(blattrahmen::Aufgabenvorrat& vorrat);
void zeichnen(Canvas& canvas, const Hunderterblatt& blatt);
void drucken(const Hunderterblatt& blatt, int kopien);

} // namespace einmaleins
