// Revevud Ivevi ("balloonmania"): circus balloons. The yellow balloon comes
// only as arrow symbols that float up the reel once it has stopped; three
// wilds pay 500 a coin, or 5000 for the bet at three coins.
#pragma once

#include "machine/three_reel.h"

class BalloonMania : public ArrowThreeReelMachine {
public:
    explicit BalloonMania(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
    void playArrowSound() override;
};
