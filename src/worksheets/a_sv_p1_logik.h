#pragma once
// Column addition, subtraction and completion of two three-digit numbers: the seven task types, the gap
// texts of the "Lücken" variants and the page.

#include <QString>
#include <vector>

class Canvas;

namespace sv_p1 {

constexpr int aufgabenzahl = 21;

// first + second = result, all three 100..999. The marks: "1" over the hundreds when the tens carry, "1"
// over the tens when the units carry, a blank for no carry; the third place always blank.
struct Aufgabe {
    int typ = 0; // the type that drew it (1..7; a fill task names the type it used)
    int operand1 = 0;
    int operand2 = 0;
    int resultat = 0;
    QString uebertragsmarken { QStringLiteral("   ") };
};

// The three numbers as texts with one digit each replaced by "." (a hundreds, a tens and a units digit,
// each in another number), and the removed digits in the order first, second, result.
struct Luecken {
    QString lueckentext1;
    QString lueckentext2;
    QString lueckentext3;
    QString lueckenziffern;
};

// Variant 1 "Addition", 2 "Subtraktion", 3 "Ergänzen (1)", 4 "Ergänzen (2)", 5 "Addition (Lücken)",
// 6 "Subtraktion (Lücken)".
QString blatttitel(int variante);

// One task of type 1..7, or of the fill type 8 (one of 1, 2, 3, 5, 6, 7 at random).
Aufgabe stellenwurf(int typ, int variante);
// The gaps of one task: places p1, p2, p3 drawn as a random permutation of 1, 2, 3.
Luecken lueckenbau(const Aufgabe& aufgabe);
// The gaps with the places given (tests).
Luecken luecken(const Aufgabe& aufgabe, int p1, int p2, int p3);

struct Blatt {
    int variante = 1;
    std::vector<Aufgabe> aufgaben;
    std::vector<Luecken> luecken;
};

// The tasks of the kinds given (8 = fill), then the gaps of every task.
Blatt aufgabenbau(const std::vector<int>& arten, int variante);

// The number of task k (from 0) in the results strip: the asked number, in the gap variants the missing
// digits read top to bottom.
int streifenwert(const Blatt& blatt, size_t k);

// One page: a worksheet, or with loesungsdruck the solution sheet; kaestchenwahl 0 none, 1 grey, 2 black.
void zeichnen(Canvas& canvas, const Blatt& blatt, int kaestchenwahl, bool loesungsdruck);

} // namespace sv_p1
