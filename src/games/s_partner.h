#pragma once
// What every partner game draws alike: the score in the layout of its window, and the turn box of
// tic-tac-toe and four in a row in the hundred field.

#include <QColor>
#include <QString>

#include <functional>
#include <memory>

class Button;
class Canvas;
class Form;
class Tastenfeld;

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
// The same with the size scaled horizontally and the alignment `ausrichtung` (TextAlign) given.
void textX(Canvas& c, int x, int y, int groesse, const QColor& farbe, const QString& t, int ausrichtung);

// A new game: who begins (drawn anew when `ziehen`), the mover after them, both scores 0.
void spielBeginnen(bool ziehen);

// The mover wins the set: `punkte` more for them, and the turn box says `was`, "für" and their name.
void punktFuerZieher(Canvas& c, int punkte, const QString& was);

// The window of a game typed on the keypad: white, maximised, keys to the window first. `abbrechen` is
// "Programm abbrechen" (Esc) at the bottom right; the keypad "GroupBox1" above the turn box types into
// `ziffer`, its Enter is the default button.
std::unique_ptr<Tastenfeld> tastenspiel(
    Form* f, const QString& name, const QString& titel, Button*& abbrechen, std::function<void(int)> ziffer);
// On activation: the exit button, the keypad and `weiter` in their places of the current scale, the window white.
void tastenspielAnordnen(Form* f, Button* abbrechen, const Tastenfeld& tasten, Button* weiter);

} // namespace partner
