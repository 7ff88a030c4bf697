// Vazived Irud ovu Vize ("patriotspinforcash"): the patriot symbols with a
// plain wild. One spin in fifty a "spin" symbol takes the third reel; at
// three coins it replaces the spin's pay with the stars-and-stripes prize
// wheel and its red/black gamble. At three coins every line pays two coins'
// worth, so the third coin buys only the chance at the wheel.
#pragma once

#include <string>

#include "machine/prize_wheel.h"
#include "machine/three_reel.h"

class Animation;
struct PrizeWheelSpec;
struct GambleLayout;

class PatriotSpinForCash : public ThreeReelMachine {
public:
    bool bonusPending;  // the wheel turns at this spin's settle
    OpeningSpin drawnSpin;  // the wheel's first spin, drawn with the pull that won it

    explicit PatriotSpinForCash(float denomination);
    ~PatriotSpinForCash() override;

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void spin() override;
    void settle() override;
    // The hidden pay-out test spins at full bet without settling: a wheel
    // it arms must not turn at the player's next real pull.
    void payoutTest() override;
    // The wheel's first spin (the prize before any gamble) is drawn with the
    // full-bet pull that wins the wheel, so the save file holds the prize
    // from then on; the screen shows that spin. The gambles stay the
    // player's choice and draw on the screen; a close before the choice
    // declines them. A bonus armed without a pull draws on its screen.
    void drawBonus() override;
    long long drawnBonusWin() const override;
    void onReelStop(int reel) override;
    void playWinSound() override;

    void addMixedPays();

    // The wheel screen with the gamble; returns the prize in credits.
    int runWheelBonus();
    // One turn of the wheel from where it stands: prize and colour of the stop
    // (told to `drawn` as soon as they are drawn; the gamble screen turns the
    // wheel through it).
    virtual void spinWheel(Animation& wheel, int& prize, std::string& colour, const WheelDrawn& drawn = nullptr);
};

// The stars-and-stripes wheel: 24 frames at (217, 81) in
// "../gfx/bonus/patriotspinforcash/", ten fields alternately black and red.
const PrizeWheelSpec& patriotWheel();

// Its gamble's buttons, a little right of the dice machine's.
const GambleLayout& patriotGamble();
