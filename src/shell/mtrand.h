// The game's random-number generator: a 32-bit Mersenne Twister (MT19937).
//
// Every game outcome is drawn from it; a choice among n is genrand() % n
// (see randomBelow in shell/util.h). Seeded once from the clock at start-up;
// tests seed it with a fixed value to replay a game exactly.
//
// The runtime library's rand() is the game's other generator: it only picks
// what the reels of a three-reel outcome show (which of the symbols the
// outcome allows, and which picture of a symbol), never an outcome. It is
// seeded from the clock at start-up too; seedGenerators seeds both, so that
// one seed replays the outcomes and the pictures.
#pragma once

#include <cstdint>

// Seeds the generator (the standard MT19937 initialisation).
void sgenrand(uint32_t seed);

// The next 32-bit output. Before any sgenrand the generator behaves as if
// seeded with 5489.
uint32_t genrand();

// Seeds both generators with one value: sgenrand(seed), then srand(seed).
void seedGenerators(uint32_t seed);

// For development only: a fixed seed that every cabinet starts from (see
// openingDraws), taken from the environment variable CORVALO_SEED at
// start-up; 0 (the default, and what a player always has): none. The tour
// script uses it to bring a bonus game up on a known play.
extern uint32_t developmentSeed;

// Called as a cabinet opens: with a development seed, both generators start
// again from it, so the cabinet's plays and the pictures its reels show are
// the same on every run.
void openingDraws();
