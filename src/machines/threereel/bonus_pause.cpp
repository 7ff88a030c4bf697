#include "machines/threereel/bonus_pause.h"

#include "shell/waiting.h"

void (*bonusPause)(Uint32 ms) = modalPause;
