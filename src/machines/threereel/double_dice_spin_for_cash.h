// Vuzeda Zeva Zari raz Ezoz ("doubledicespinforcash"): a dice machine whose
// wild doubles a win. One spin in fifty a "spin" symbol takes the third
// reel; at three coins it replaces the line's pay with the dice wheel and
// its red/black gamble. At three coins every line pays two coins' worth.
#pragma once

#include <string>

#include "machine/prize_wheel.h"
#include "machine/three_reel.h"

class Animation;

class DoubleDiceSpinForCash : public ThreeReelMachine {
public:
    bool bonusPending;  // the wheel turns at this spin's settle
    OpeningSpin drawnSpin;  // the wheel's first spin, drawn with the pull that won it

    explicit DoubleDiceSpinForCash(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void spin() override;
    void settle() override;
    // The hidden pay-out test spins without settling: a bonus it arms is
    // dropped afterwards, so the next real spin does not inherit it.
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

    // The wheel screen with the gamble; returns the bank in coins.
    int runWheelBonus();
    // One turn of the dice wheel from where it stands: prize and colour of the
    // stop, told to `drawn` as soon as they are drawn (the gamble screen turns
    // the wheel through it).
    virtual void spinWheel(Animation& wheel, int& prize, std::string& colour, const WheelDrawn& drawn = nullptr);
};
