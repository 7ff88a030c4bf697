// Zora Vav Odiderevi: the deep-sea video slot. Four small creatures and the
// marlin (for which the mermaid stands in) pay on the lines; a shark,
// swordfish or fish on three reels in a row opens the fishing bonus.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "machine/video_slot.h"

class AnimatedSprite;

// One prize of the fishing bonus.
struct DeepSeaBonusRecord {
    int multiplier;
    std::string prizePicture;  // "3x" ... "100x"
    std::string fishSuffix;    // appended to the fish's colour: the catch animation
};

class DeepSea : public VideoSlotMachine {
public:
    int bonusStake;       // credits per unit of the bonus multiplier
    bool bonusTriggered;  // the bonus is due when this spin settles

    explicit DeepSea(float denomination);
    ~DeepSea() override;
    void configure(float denomination);

    int drawnPrize = -1;  // the prize the due bonus pays (an index of the six), -1 before it is drawn
    bool hasBonusGame() const override { return true; }
    long long playBonus() override;
    void clearBonus() override;
    void drawBonus() override;
    long long drawnBonusWin() const override;
    // The prize of the bonus: the one drawn with the pull, else drawn now.
    int takeBonusPrize();
    void afterEvaluate(const std::vector<ReelGraphic*>& chosen) override;

    // The fishing bonus: the player clicks a fish; returns the multiplier.
    int runDeepSeaBonus();
    static std::vector<DeepSeaBonusRecord> buildBonusPrizes();
    // The bonus screen's five ripples, each moved on by its own number of
    // frames (not drawn yet).
    static std::vector<std::unique_ptr<AnimatedSprite>> buildRipples();
};
