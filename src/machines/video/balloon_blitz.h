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

    bool hasBonusGame() const override { return true; }
    long long playBonus() override;
    void clearBonus() override;
    void afterEvaluate(const std::vector<ReelGraphic*>& chosen) override;

    // Bullseye reels in a row from the left, as the bonus counts them.
    static int bullseyeCount(const std::vector<ReelGraphic*>& chosen);

    // ---- the balloon bonus ------------------------------------------------
    // Returns the cash popped, in credits.
    int runBalloonBonus();
    // The 32 balloons, row by row, with their shuffled values.
    std::vector<std::unique_ptr<Balloon>> createBalloons();
    int randomBalloonCash();
    // Pops it and adds its value to total; true on a bust.
    bool popBalloon(Balloon* balloon, int& total);
    void showCashTab(int amount);
    void drawBalloon(Balloon* balloon, Image* layer, bool whole);
};
