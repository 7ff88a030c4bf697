// Vevuri Zero: the first time a spin wins with a three-reel combination, the
// third reel lands on a blank, stands still a second and spins once more
// before it shows the win. That happens once while the machine is open.
#pragma once

#include "machine/three_reel.h"

class DragonSpin : public ThreeReelMachine {
public:
    bool dragonSpun;  // the third reel has spun again on this visit

    explicit DragonSpin(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
    void spinStep() override;

    // How long the whole program stands still before the re-spin.
    static int pauseMs;
};
