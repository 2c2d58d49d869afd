#pragma once
// What the keypad games share of their window: the design grid of the current scale, and the places of the
// exit button and the main action button that belong to the keypad block.

#include "platform/designgrid.h"

#include <QString>

#include <functional>

class Button;
class Canvas;
class QWidget;
class TScrollBoxEx;

DesignGrid spielraster();
// The exit button at 750, 930 (200 x 40, size 14) and the main button at 300, 870 (400 x 100, size 26).
void blockknoepfeAnordnen(const DesignGrid& g, Button* ende, Button* haupt);
// Covers a rectangle of design points in white; pen and brush stay white for what is drawn on it.
void weissDecken(Canvas& c, const DesignGrid& g, double l, double t, double r, double b);
// A text on the canvas centred on a design point, in the canvas's font.
void textMittig(Canvas& c, const DesignGrid& g, double x, double y, const QString& text);

// The tiny box that holds the focus of a board worked with the cursor and turns the arrow keys into its
// steps: `bewegen(zeilen, spalten)`, up and left negative.
TScrollBoxEx* pfeilkasten(QWidget* fenster, std::function<void(int, int)> bewegen);
// Keeps the mouse right of the board, from x 696 to `rechts` of the design grid, and notes the area in
// `mausbereich`; the trap wants screen points, the grid counts from the client area.
void mausRechtsFangen(QWidget* fenster, double rechts);
