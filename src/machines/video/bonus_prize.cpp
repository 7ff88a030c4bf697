#include "machines/video/bonus_prize.h"

#include "shell/mtrand.h"

int drawBonusMultiplier() {
    const unsigned r = genrand() % 101;
    if (r == 0) return 5;
    if (r <= 2) return 4;
    if (r <= 6) return 3;
    if (r <= 14) return 2;
    if (r <= 55) return 1;
    return 0;
}
