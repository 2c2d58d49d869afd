#pragma once
// The levels the hub offers for the written methods (SV1, SV2, SV4): levels 0, 1, 2, 4, 5 and 6 are the
// generators of the same number, level 3 draws 1 or 2 and level 7 any of the six.

namespace schriftstufe {

// The generator of a level 0..7; -1 for any other level, which keeps the last task's digits.
int generatorVonStufe(int stufe);

} // namespace schriftstufe
