// Vedizi Vazade: two wilds, one doubling and one tripling a win, that
// also pay with blanks; three of either are the big pays.
#pragma once

#include "machine/three_reel.h"

class DoubleTriple : public ThreeReelMachine {
public:
    explicit DoubleTriple(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
};
