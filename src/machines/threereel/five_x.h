// 5X: the twin of 10X whose wild multiplies a win by five. Three wilds pay
// 800 a coin at one or two coins and win the car at three.
#pragma once

#include "machine/three_reel.h"

class FiveX : public ThreeReelMachine {
public:
    explicit FiveX(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
};
