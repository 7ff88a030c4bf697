// Ziriruv Uvove: the circus video slot. A target in a line's combination
// doubles it and stands in for the register and the car; three bullseye
// reels in a row pay a scatter and open the balloon bonus.
#pragma once

#include <memory>
#include <vector>

#include "machine/video_slot.h"
#include "shell/controls.h"

class Image;

// One balloon of the bonus: a click rectangle with the cash it hides.
class Balloon : public Hotspot {
public:
    bool popped;
    int value;  // credits; 0 = bust; -1 until given
    Balloon(int x, int y);
    ~Balloon() override;
};

class BalloonBlitz : public VideoSlotMachine {
public:
    bool bonusPending;  // the balloon bonus is due when this spin settles

    explicit BalloonBlitz(float denomination);
    ~BalloonBlitz() override;
    void configure(float denomination);

    // The 32 values of the due bonus, drawn with the pull (empty before).
    std::vector<int> drawnValues;
    bool hasBonusGame() const override { return true; }
    long long playBonus() override;
    void clearBonus() override;
    void drawBonus() override;
    long long drawnBonusWin() const override;
    // The 32 balloon values, 26 with cash and 6 busts, in the order the
    // balloons stand (row by row from the top left).
    std::vector<int> drawBalloonValues();
    // What the balloons not yet popped pay when popped in the order they
    // stand until the first bust: the picks of a player who picks on no more.
    static long long restInOrder(const std::vector<int>& values, const std::vector<bool>& popped);
    void afterEvaluate(const std::vector<ReelGraphic*>& chosen) override;

    // Bullseye reels in a row from the left, as the bonus counts them.
    static int bullseyeCount(const std::vector<ReelGraphic*>& chosen);

    // ---- the balloon bonus ------------------------------------------------
    // Returns the cash popped, in credits.
    int runBalloonBonus();
    // The 32 balloons, row by row, with their shuffled values.
    // The balloons with the values drawn with the pull (drawn now when none were).
    std::vector<std::unique_ptr<Balloon>> createBalloons();
    int randomBalloonCash();
    // Pops it and adds its value to total; true on a bust.
    bool popBalloon(Balloon* balloon, int& total);
    void showCashTab(int amount);
    void drawBalloon(Balloon* balloon, Image* layer, bool whole);
};
