// Zoredud Ozovu ("patriotgames"): red, white and blue bars and sevens with
// no wild. At two coins the red, white and blue sevens in that order pay
// 1000 for the bet.
#pragma once

#include "machine/three_reel.h"

class PatriotGames : public ThreeReelMachine {
public:
    explicit PatriotGames(float denomination);
    ~PatriotGames() override;

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;

    void addMixedPays();
};
