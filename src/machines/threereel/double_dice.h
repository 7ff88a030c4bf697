// Rodozu Vada: dice-theme machine of two coins whose wild doubles a win;
// three wilds pay 800 a coin at one coin and win the car at two.
#pragma once

#include "machine/three_reel.h"

class DoubleDice : public ThreeReelMachine {
public:
    explicit DoubleDice(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
};
