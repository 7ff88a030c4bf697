// Zezedor Ader ("patriotwild"): the patriot symbols with a wild that stands
// for every other symbol, blanks included, and doubles the win each time it
// does. Three wilds pay 500 a coin.
#pragma once

#include "machine/three_reel.h"

class PatriotWild : public ThreeReelMachine {
public:
    explicit PatriotWild(float denomination);
    ~PatriotWild() override;

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;

    void addMixedPays();
};
