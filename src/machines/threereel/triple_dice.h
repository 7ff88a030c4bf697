// Zivivo Vezo: a wild that triples a win and pays with blanks; three
// wilds at three coins win the car. Plays at half the usual hit rate.
#pragma once

#include "machine/three_reel.h"

class TripleDice : public ThreeReelMachine {
public:
    explicit TripleDice(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
};
