// Revova Rove Ridovo ("doubledicedeluxe"): dice and bars without blanks; a
// wild doubles a win, bars come plain or as arrows that pay alike.
// Three wilds pay 800 a coin, or 5000 for the bet at three coins.
#pragma once

#include "machine/three_reel.h"

class DoubleDiceDeluxe : public ArrowThreeReelMachine {
public:
    explicit DoubleDiceDeluxe(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
    void playArrowSound() override;
};
