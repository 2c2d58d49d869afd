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

// nx x ny circles of the given size at the given pitch from the top-left corner (x0, y0); a wider gap of
// luecke5 after every fifth and of luecke10 after every tenth circle makes the counting blocks visible.
void kreise(
    Canvas& canvas, int x0, int y0, int nx, int ny, int abstand, int groesse, int luecke5 = 0, int luecke10 = 0);

} // namespace kringel
