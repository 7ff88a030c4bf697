// Ravo Zodar: apples and a doubling wild that shows often; three spent
// wilds pay 500 a coin, three wilds at three coins the progressive jackpot.
#pragma once

#include "machine/three_reel.h"
#include "machines/threereel/progressive_display.h"

class WildApple : public ThreeReelMachine {
public:
    ProgressiveDisplay progressive;  // the jackpot amount above the reels

    explicit WildApple(float denomination);

    void configure(float denomination);
    void tick() override;

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
};
