// Cursed: a haunted machine with arrow symbols; the cursed symbol is the
// wild, and three of them at three coins win the progressive jackpot.
#pragma once

#include "machine/three_reel.h"
#include "machines/threereel/progressive_display.h"

class Cursed : public ArrowThreeReelMachine {
public:
    ProgressiveDisplay progressive;  // the jackpot amount above the reels

    explicit Cursed(float denomination);

    void configure(float denomination);
    void tick() override;

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
    void playArrowSound() override;
};
