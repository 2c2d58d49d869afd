#pragma once
// What the keypad games share of their window: the design grid of the current scale, and the places of the
// exit button and the main action button that belong to the keypad block.

#include "platform/designgrid.h"

#include <QString>

class Button;
class Canvas;

DesignGrid spielraster();
// The exit button at 750, 930 (200 x 40, size 14) and the main button at 300, 870 (400 x 100, size 26).
void blockknoepfeAnordnen(const DesignGrid& g, Button* ende, Button* haupt);
// A text on the canvas centred on a design point, in the canvas's font.
void textMittig(Canvas& c, const DesignGrid& g, double x, double y, const QString& text);
