// Vevovev Ozov Ovevir ("patriotwilddeluxe"): the patriot symbols with arrow
// bars, which count as their bar and flip their arrows once the reels have
// stopped, and a wild that shows one time in three where it may.
#pragma once

#include "machine/three_reel.h"

class PatriotWildDeluxe : public ArrowThreeReelMachine {
public:
    explicit PatriotWildDeluxe(float denomination);
    ~PatriotWildDeluxe() override;

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void onReelStop(int reel) override;
    void playWinSound() override;
    void playArrowSound() override;

    void addMixedPays();
};
