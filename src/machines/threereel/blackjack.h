// Blackjack: chips and hands of 17 to 20; three wilds pay 500 a coin below
// three coins and the progressive jackpot at three.
#pragma once

#include "machine/three_reel.h"
#include "machines/threereel/progressive_display.h"

class Blackjack : public ThreeReelMachine {
public:
    ProgressiveDisplay progressive;  // the jackpot amount above the reels

    explicit Blackjack(float denomination);

    void configure(float denomination);
    void tick() override;

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
};
