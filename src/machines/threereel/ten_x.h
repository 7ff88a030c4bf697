// 10X: a single-line three-reel machine whose wild multiplies a win by ten.
// Three wilds pay 800 a coin at one or two coins and 5000 at once at three.
#pragma once

#include "machine/three_reel.h"

class TenX : public ThreeReelMachine {
public:
    explicit TenX(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
};
