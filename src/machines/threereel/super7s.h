// Vuduv 7'a: no wilds, and every pay is for the whole bet at one exact coin
// count; the sevens pay only at two and three coins.
#pragma once

#include "machine/three_reel.h"

class Super7s : public ThreeReelMachine {
public:
    explicit Super7s(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
};
