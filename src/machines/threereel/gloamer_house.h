// Gloamer House: no wilds, every pay for the whole bet at its coin count,
// blanks included; three gloamers at three coins win the progressive.
#pragma once

#include "machine/three_reel.h"
#include "machines/threereel/progressive_display.h"

class GloamerHouse : public ThreeReelMachine {
public:
    ProgressiveDisplay progressive;  // the jackpot amount above the reels

    explicit GloamerHouse(float denomination);

    void configure(float denomination);
    void tick() override;

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
};
