// The game's random-number generator: a 32-bit Mersenne Twister (MT19937).
//
// Every game outcome is drawn from it; a choice among n is genrand() % n
// (see randomBelow in shell/util.h). Seeded once from the clock at start-up;
// tests seed it with a fixed value to replay a game exactly.
#pragma once

#include <cstdint>

// Seeds the generator (the standard MT19937 initialisation).
void sgenrand(uint32_t seed);

// The next 32-bit output. Before any sgenrand the generator behaves as if
// seeded with 5489.
uint32_t genrand();
