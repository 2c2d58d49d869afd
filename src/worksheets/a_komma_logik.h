#pragma once
// "Komma": eight tasks of three quantities of one kind given in mixed units, converted into the larger unit
// and added; the task sheet and the solution sheet with digits, carries, sums and commas. No window needed.

#include <QString>
#include <array>
#include <vector>

class Canvas;

namespace komma {

// The kinds: 0 Geld, 1 m dm cm, 2 km m, 3 cm mm, 4 t dz kg, 5 kg g, 6 alte Gewichtsmaße.
constexpr int artenzahl = 7;
// How many forms each kind offers.
int formzahl(int art);
// Places after the comma in the larger unit (0 for the old weights, which end in kg).
int nachkommastellen(int art);
QString titeltext(int art);
// The unit behind sums and results; for money by the currency choice (0 "EUR", 1 "Eur", 2 the euro sign).
QString einheittext(int art, int eurowahl);
// The shift of the printed comma on the solution sheet.
int kommaversatz(int art);

struct Menge {
    int wert = 0; // in the kind's smallest unit
    int form = 0; // 1..formzahl
    QString text; // as given on the task sheet
};

// Draws one quantity of the form. `zaehler` is the cycle of the forms that alternate a large and a small
// range: every fourth of their draws is small. It runs on across sheets.
Menge menge(int art, int form, int eurowahl, int& zaehler);

// The value in the smallest unit as digits: at least one digit before the comma, right-aligned in 5.
QString kommaziffern(int art, int wert);
// A task's sum as digits (the old weights with at least two), right-aligned in at least 5.
QString summenziffern(int art, int summe);
// The carries of the thousands, hundreds, tens and units columns of three numbers, blank when 0, then a blank.
QString merkziffern(int a, int b, int c);
// A sum as a comma number with its unit.
QString ergebnistext(int art, int summe, const QString& einheit);

struct Blatt {
    int art = 0;
    int eurowahl = 0;
    std::array<Menge, 24> mengen {}; // task n holds slots 3n-3 .. 3n-1
    std::array<int, 8> summen {}; // per task, in task order
    std::array<QString, 8> summenziffern {};
    std::array<QString, 8> merkziffern {};
    std::array<QString, 8> ergebnistexte {}; // the sums ascending
};

// The sheet of the kind from the chosen forms (1-based form numbers; at least one). Two or more chosen
// forms never give the same form to neighbouring slots.
Blatt erzeugen(int art, const std::vector<int>& formen, int eurowahl, int& zaehler);

// One page: the task sheet, or with `loesung` the solution sheet.
void draw(Canvas& canvas, const Blatt& blatt, bool loesung);

} // namespace komma
