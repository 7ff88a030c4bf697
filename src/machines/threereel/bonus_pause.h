// The pauses of the blocking bonus sequences (dice, climb, golf shots):
// modalPause in the game (it ends early on a quit); tests point it at a
// function that returns at once.
#pragma once

#include <SDL.h>

extern void (*bonusPause)(Uint32 ms);
