#pragma once
// What every partner game draws alike: the score in the layout of its window, and the turn box of
// tic-tac-toe and four in a row in the hundred field.

#include <QColor>
#include <QString>

class Canvas;

namespace partner {

enum class Standlayout { Kasten, Ziel, Spielversion, FuenfzehnGewinnt, Abraeumen };

// Draws `punkte1` and `punkte2` with the names of the players on the window's canvas, on the design grid.
void spielstand(Canvas& c, Standlayout layout);

// The white box with a green frame at (750, 600)-(950, 880) and three lines: size `groesse` at y 630 and
// 690, size `groesse2` at `y3`.
struct Kastenzeilen {
    QColor farbe;
    QString zeile1, zeile2, zeile3;
    int groesse = 30, groesse2 = 55, y2 = 690, y3 = 760;
};
void kasten(Canvas& c, const Kastenzeilen& z, int rahmen = 5);

// The mover's name and colour: player 1 red unless `amzug` is "blau".
QString zugname();
QColor zugfarbe();

// Text centred on (x, y) of the design grid with its top there, in "arial" of `groesse` (scaled) and colour.
void text(Canvas& c, int x, int y, int groesse, const QColor& farbe, const QString& t);

} // namespace partner
