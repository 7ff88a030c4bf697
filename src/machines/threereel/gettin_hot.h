// Rareraz Ure ("gettinhot"): bars that come plain or as flaming arrows and
// pay alike, wilds that pay on their own with blanks, and whole-bet awards
// for three wilds (5000) and three 7s (400) at three coins.
#pragma once

#include "machine/three_reel.h"

class GettinHot : public ArrowThreeReelMachine {
public:
    explicit GettinHot(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
    void playArrowSound() override;
};
