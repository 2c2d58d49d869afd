#pragma once
// The common steps of printing a worksheet on the printer's canvas (0.1 mm, y negative downward): the
// pen and font every sheet starts with, the title line, task texts set character by character on a fixed
// pitch, and the sorted result strip.

#include <QString>
#include <functional>
#include <vector>

class Canvas;

namespace blattdruck {

// Pen black width 2, "arial" height 75 without style, alignment left/top, metric mapping.
void anfangen(Canvas& canvas);
// The title line (title, blanks and the name blank in one text) left-aligned at (x, y); the body that
// follows is right-aligned.
void titelzeile(Canvas& canvas, int x, int y, const QString& text);
// Character i (from 1) of the text ends at x0 + abstand * i, each by its own output, so that the digits of
// all rows stand in columns although the font is proportional; blanks take a full step.
void festerAbstand(Canvas& canvas, int x0, int y, int abstand, const QString& text);
// Alignment left, height 45: "Ergebnisse:" at (labelX, y), then the values sorted ascending, the first at
// erstesX and each further one `abstand` to the right.
void ergebnisstreifen(Canvas& canvas, const std::vector<int>& werte, int labelX, int y, int erstesX, int abstand = 100);

// One print job of one page on the default printer with the given copies (the printer makes them).
void drucken(const QString& titel, int kopien, const std::function<void(Canvas&)>& zeichnen);

} // namespace blattdruck
