// Magic: five-line video slot of the magic show. The rabbit stands in for
// flowers and stars and doubles every line it takes part in; three hanky
// reels in a row from the left open the magic-hat bonus, whose multiplier
// pays on a stake set by the bet.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "machine/video_slot.h"

// One prize of the hat bonus: its multiplier, picture and where it shows
// over each of the five hats.
class MagicPrize {
public:
    std::vector<std::pair<int, int>> positions;  // per hat "1" to "5", as (y, x)
    int frameCount;
    int multiplier;
    std::string text;     // "3x" ... "100x": the multiplier picture's name
    std::string picture;  // the prize animation

    MagicPrize(const std::vector<std::pair<int, int>>& positions, int multiplier);
};

class Magic : public VideoSlotMachine {
public:
    int bonusStake;       // credits the hat's multiplier multiplies
    bool bonusTriggered;  // the hat bonus is due when this spin settles

    explicit Magic(float denomination);
    ~Magic() override;
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

    // The hat bonus: the player picks one of five hats; returns the multiplier.
    int runHatBonus();
    static std::vector<MagicPrize> buildBonusPrizes();

    // Reels with a hanky in a row from the left, as the bonus counts them.
    static int hankyCount(const std::vector<ReelGraphic*>& chosen);
};
