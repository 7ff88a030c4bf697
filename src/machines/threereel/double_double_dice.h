// Zuzuvo Dazozo Zevi: dice-theme machine whose wild multiplies a win by
// four; three wilds pay 1000 a coin, 5000 at two coins and 20000 at three.
#pragma once

#include "machine/three_reel.h"

class DoubleDoubleDice : public ThreeReelMachine {
public:
    explicit DoubleDoubleDice(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
};
