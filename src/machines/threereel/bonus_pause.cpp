#include "machines/threereel/bonus_pause.h"

void (*bonusPause)(Uint32 ms) = SDL_Delay;
