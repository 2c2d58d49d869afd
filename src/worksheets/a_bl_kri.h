#pragma once
// The circle fields of the blank templates ("Kringelfelder"), drawn on the printer's canvas.

class Canvas;

namespace kringel {

enum class Feld {
    Zehner7, // "7  10er"
    Zwanziger4, // "4  20er"
    Hunderter1, // "1  100er"
    Hunderter2, // "2  100er"
    Vierhunderter2, // "2  400er"
    Tausender2reihig, // "3  1000er  (2-reihig)"
    Tausender1reihig, // "3  1000er (1-reihig)"
};

void draw(Canvas& canvas, Feld feld);

} // namespace kringel
