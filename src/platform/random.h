#pragma once
#include <cstdint>

// One generator for the whole program.
void Randomize(); // seeds from the clock, unless a test pinned the seed
int Random(int n); // 0..n-1; 0 when n <= 0
double RandomFloat(); // [0, 1)
void RandSeed(std::uint32_t seed);

// Tests: seed once and keep Randomize() from reseeding.
void PinRandomSeed(std::uint32_t seed);
void UnpinRandomSeed();
