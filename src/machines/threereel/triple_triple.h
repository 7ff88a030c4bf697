// Dedova Zirodu Dari: dice-theme machine whose wild multiplies a win by
// nine; three wilds pay 1000, 5000 or 20000 a coin below three coins.
#pragma once

#include "machine/three_reel.h"

class TripleTriple : public ThreeReelMachine {
public:
    explicit TripleTriple(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
};
