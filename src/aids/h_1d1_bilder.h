#pragma once
// Plays the drawing steps of the small 1:1 on a canvas: design units scaled by the screen's factors (x by sx,
// y and font heights by sy), pen widths in pixels or scaled as each step says, texts opaque on the brush.

#include "aids/h_1d1_logik.h"

class Canvas;

namespace kl1d1 {

void zugZeichnen(Canvas& c, const Zug& zug, float sx, float sy);
// Every drawing of one step.
void schrittZeichnen(Canvas& c, const Schritt& schritt, float sx, float sy);

} // namespace kl1d1
