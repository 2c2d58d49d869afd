#pragma once
// "Überschlag": sixty tasks of one operation whose results fall into the range of a colour drawn for each
// task (gelb, blau, grün), the range table and the solution lists at the foot. No window needed.

#include <QString>
#include <array>
#include <vector>

class Canvas;

namespace ueberschlag {

// The operations as the sheet numbers them.
enum Rechenart { Addition = 1, Subtraktion = 2, Multiplikation = 3, Division = 4 };

struct Aufgabe {
    int operand1 = 0; // addition: first summand; subtraction: the difference; multiplication: first factor;
                      // division: the quotient
    int operand2 = 0; // the other number printed: summand, subtrahend, factor or divisor
    int resultat = 0; // sum (the minuend of a subtraction), product or dividend
    int klasse = 0; // 1 gelb, 2 blau, 3 grün
};

struct Blatt {
    int rechenart = Addition;
    // Addition and subtraction: 0 three digits side by side, 1 under each other, 2 four digits side by side,
    // 3 four digits under each other. 0 for multiplication and division.
    int variante = 0;
    std::array<Aufgabe, 60> aufgaben {};
    // Per class (0 gelb, 1 blau, 2 grün) its task numbers in ascending order.
    std::array<std::vector<int>, 3> farblisten {};
};

// Chosen task forms: 0..4 the multiplication forms "  E x HZE", "HZE x E", " ZE x HZE", "HZE x ZE",
// " ZE x ZE"; 5 and 6 the division forms "   T H Z E :   E", "ZT T H Z E : Z E".
using Formen = std::array<bool, 7>;

// Class of a task: 1 or 2 of seven gelb, 3 to 5 blau, 6 or 7 grün.
int klasseZiehen();

// One task of the class. Plus and minus tasks are drawn for variante's digit count; multiplication and
// division draw their form among the chosen ones, which must hold at least one for the operation.
Aufgabe additionSubtraktion(int klasse, bool minus, bool vierstellig);
Aufgabe multiplikation(int klasse, const Formen& formen);
Aufgabe division(int klasse, const Formen& formen);

// Whether the operation has something to draw: plus and minus a layout, the others a chosen form.
bool druckbar(int rechenart, int variante, const Formen& formen);

// The whole sheet. Only for a druckbar() choice.
Blatt erzeugen(int rechenart, int variante, const Formen& formen);

// The range texts of the table: gelb, blau, grün.
std::array<QString, 3> bereiche(int rechenart, int variante);

// The page on the printer's canvas (0.1 mm, y downward negative).
void draw(Canvas& canvas, const Blatt& blatt);

} // namespace ueberschlag
