#pragma once
// The squared fields of the blank templates ("Gitterfelder"), drawn on the printer's canvas.

class Canvas;

namespace gitter {

enum class Feld {
    Zehner5, // "5    10er   (Steckwürfelgröße)"
    Zwanziger4, // "4    20er   (Steckwürfelgröße)"
    Hunderter1, // "1  100er  (Steckwürfelgröße)"
    Hunderter2, // "2  100er  (10 cm x 10 cm)"
    Hunderter4, // "4  100er   (8 cm x 8 cm)"
    Hunderter8, // "8  100er   (4 cm x 4 cm)"
    Tausender, // "1  1000er  (Querdruck)"
};

void draw(Canvas& canvas, Feld feld);

// A field of spalten x zeilen square cells from its top-left corner (x0, y0). The line between the fifth
// and sixth cell (the middle of an even count) is drawn twice, `halb` to either side, so that the five-
// blocks stand out.
void feld(Canvas& canvas, int x0, int y0, int spalten, int zeilen, int zelle, int halb);

} // namespace gitter
