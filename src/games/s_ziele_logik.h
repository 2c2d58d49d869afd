#pragma once
// Jump into the target: the largest allowed jump of a game and the computers' jumps.

namespace ziele {

// m = 3..9, drawn again while m + 1 divides the distance, so that the beginner can always force a win.
int sprungweite(int start, int ziel);

// The jump of the computer at distance d with largest jump m: the smart one leaves a multiple of m + 1
// whenever it can, the dumb one only once the distance is below 16; otherwise a random jump 1..m.
int computerSprung(bool schlau, int d, int m);

} // namespace ziele
