#pragma once
// The domino page without numbers: the ring of twelve slots around the circular arrow, the cut-out grid
// and the solution strip; and the empty template, which is that page with an open rule line.

class Canvas;

namespace bldomi {

void seite(Canvas& canvas);
void leereVorlage(Canvas& canvas);

} // namespace bldomi
