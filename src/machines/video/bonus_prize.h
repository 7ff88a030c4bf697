// What the pick-one bonus games of the video slots share: the prize draw of
// the six multipliers.
#pragma once

#include <SDL.h>

// The six multipliers of the bonus prizes, the commonest first.
constexpr int bonusMultipliers[6] = {3, 5, 10, 25, 50, 100};

// The index (0 to 5) of the prize won: 45, 41, 8, 4, 2 and 1 chances in 101
// for 3x, 5x, 10x, 25x, 50x and 100x.
int drawBonusMultiplier();
