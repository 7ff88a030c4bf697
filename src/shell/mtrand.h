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

// For development only: a fixed seed that every cabinet starts from (see
// openingDraws), taken from the environment variable CORVALO_SEED at
// start-up; 0 (the default, and what a player always has): none. The tour
// script uses it to bring a bonus game up on a known play.
extern uint32_t developmentSeed;

// Called as a cabinet opens: with a development seed, the generator starts
// again from it, so the cabinet's plays are the same on every run.
void openingDraws();
