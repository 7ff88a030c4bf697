// Vudozu Zuza Dadudu ("tripledicedeluxe"): bars plain and as arrows; a wild
// triples a win and pays on its own with blanks.
// Three wilds pay 800 a coin, or 5000 for the bet at three coins.
#pragma once

#include "machine/three_reel.h"

class TripleDiceDeluxe : public ArrowThreeReelMachine {
public:
    explicit TripleDiceDeluxe(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
    void playArrowSound() override;
};
