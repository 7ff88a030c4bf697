// Vozer 8'e: three coloured eights that pay with blanks, mixed and matched,
// and stand in for bars and blanks on a winning reel.
#pragma once

#include "machine/three_reel.h"

class Crazy8s : public ThreeReelMachine {
public:
    explicit Crazy8s(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
};
