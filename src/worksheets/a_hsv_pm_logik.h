#pragma once
// Half-written sheets: twelve two-digit tasks, each with a separator and two step lines that split it into
// tens and ones; a pattern per task says how much of the steps is printed. The twelve-place page is shared
// with the completing sheet. No window needed.

#include <QString>
#include <array>
#include <vector>

class Canvas;

namespace halbschrift {

// The operations as the menu numbers them.
enum Rechenart { Addition = 1, Subtraktion = 2, Multiplikation = 3, Division = 4 };

// A task A op B = C.
struct Aufgabe {
    int a = 0, b = 0, c = 0;
};
using Aufgaben = std::array<Aufgabe, 12>;

// The operator text of the operation, three characters; multiplication leaves its middle blank for the dot.
QString rechenzeichen(int rechenart);

// Twelve tasks of the operation on level 1 (no carry or borrow; "mittleres 1x1") or 2 (always a carry or
// borrow; "großes 1x1").
Aufgaben erzeugen(int rechenart, int stufe);
// The task line and the two step lines of the task in pattern 1..4.
std::array<QString, 3> zeilen(int rechenart, int muster, const Aufgabe& aufgabe);

// Twelve completing tasks: a two-digit A plus a two-digit B makes a full ten from 50 to 90.
Aufgaben ergaenzungen();
// The task line of a completing task and its two step lines in pattern 1..5.
QString ergaenzungszeile(const Aufgabe& aufgabe);
std::array<QString, 2> ergaenzungsschritte(int muster, const Aufgabe& aufgabe);

// The twelve-place page: per place up to three lines of at most twelve characters, each character in its
// cell; a separator under each task line; the sorted strip.
struct Seite {
    QString titel;
    QString drucktitel; // names the printout: the menu's button the sheet was chosen by
    std::array<std::array<QString, 3>, 12> zeilen {}; // an empty line is left out
    std::vector<int> ergebnisse;
    int streifenX = 480; // x of the strip's first number
    bool malpunkte = false; // the dot of the multiplication in the title and in every line
};

// The page of the pattern sheet: place p holds task p+1 in the pattern its count gives.
Seite musterseite(int rechenart, const std::vector<int>& muster, const Aufgaben& aufgaben);
// The page of the completing sheet: every place its task line, the step lines by the patterns.
Seite ergaenzungsseite(const std::vector<int>& muster, const Aufgaben& aufgaben);

void draw(Canvas& canvas, const Seite& seite);

} // namespace halbschrift
