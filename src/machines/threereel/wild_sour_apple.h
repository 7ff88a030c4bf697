// Vozo Rizi Zedod: apples and bars, with two wilds of multiplier one that
// show often; three spent wilds pay 500 a coin, three wilds 1000 a coin or,
// at three coins, the car.
#pragma once

#include "machine/three_reel.h"

class WildSourApple : public ThreeReelMachine {
public:
    explicit WildSourApple(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
};
