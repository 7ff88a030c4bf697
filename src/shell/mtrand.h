// The game's random-number generator: a 32-bit Mersenne Twister (MT19937).
//
// Every game outcome is drawn from it; a choice among n is genrand() % n
// (see randomBelow in shell/util.h). Seeded once from the clock at start-up;
// tests seed it with a fixed value to replay a game exactly.
//
// The one seed drives two streams of the generator: the outcomes (genrand)
// and which of the symbols an outcome allows a reel shows (shownBelow). The
// pictures a stopped reel shows thus never move the draws of later spins, and
// a seed replays both.
#pragma once

#include <cstdint>

// Seeds the generator, both streams (the standard MT19937 initialisation;
// the outcome stream exactly as seeded).
void sgenrand(uint32_t seed);

// The next 32-bit output. Before any sgenrand the generator behaves as if
// seeded with 5489.
uint32_t genrand();

// A choice among n (at least 1) from the stream of shown symbols.
uint32_t shownBelow(uint32_t n);

// For development only: a fixed seed that every cabinet starts from (see
// openingDraws), taken from the environment variable CORVALO_SEED at
// start-up; 0 (the default, and what a player always has): none. The tour
// script uses it to bring a bonus game up on a known play.
extern uint32_t developmentSeed;

// Called as a cabinet opens: with a development seed, the generator starts
// again from it, so the cabinet's plays are the same on every run.
void openingDraws();
