#pragma once
// What the written methods (SV1, SV2, SV3, SV4) share: the levels the hub offers, where levels 0, 1, 2, 4,
// 5 and 6 are the generators of the same number, level 3 draws 1 or 2 and level 7 any of the six; the
// digits drawn in a range; the texts the multiplications write on no ground.

#include "aids/schriftrahmen_logik.h"

namespace schriftverfahren {

// The generator of a level 0..7; -1 for any other level, which keeps the last task's digits.
int generatorVonStufe(int stufe);
// A number lo..hi, drawn as Random(hi - lo + 1) + lo.
int zufall(int lo, int hi);

// A text of the sheet on no ground.
schrift::Schrift text(int x, int y, const QString& text, const QColor& farbe, int hoehe,
    schrift::Ausrichtung ausrichtung = schrift::Ausrichtung::mitte);
// A message of the multiplications: one green line in meldebox.
schrift::Bild meldungsbild(const QString& text);
// The squared paper of the multiplications: a green frame down to `unten` with a pen of `rahmenbreite`
// pixels, nine teal columns 72 units wide and `zeilen` teal lines 103 units apart.
schrift::Bild rechenpapier(int unten, int rahmenbreite, int zeilen);

} // namespace schriftverfahren
