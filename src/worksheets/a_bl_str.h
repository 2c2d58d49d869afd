#pragma once
// The number lines of the blank templates ("Zahlenstrahle"), drawn on the printer's canvas.

#include <vector>

class Canvas;

namespace strahl {

enum class Art {
    Zehner5, // "5  10er"
    Zwanziger5, // "5  20er"
    Hunderter5, // "5  100er"
    Zwanziger3quer, // "3  20er (Querdruck)"
    Hunderter3quer, // "3  100er  (Querdruck)"
};

void draw(Canvas& canvas, Art art);

// A set of ticks: how many, their spacing, and how far they stand off the line.
struct Striche {
    int anzahl;
    int abstand;
    int laenge;
};

// A lying line from x 200 to 1800: the base line at y, a second one `doppel` below it, the ticks rising
// from y.
void liegenderStrahl(Canvas& canvas, int y, int doppel, const std::vector<Striche>& striche);

} // namespace strahl
