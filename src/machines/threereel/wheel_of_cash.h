// Diviz av Ezed ("wheelofcash"): every line pays its award for the whole
// bet. One spin in forty a "spin" symbol takes the third reel; at three
// coins that adds a turn of the cash wheel to the line's pay.
#pragma once

#include "machine/prize_wheel.h"
#include "machine/three_reel.h"

class WheelOfCash : public ThreeReelMachine {
public:
    bool bonusPending;  // the wheel turns at this spin's settle
    OpeningSpin drawnSpin;  // the wheel's spin, drawn with the pull that won it

    explicit WheelOfCash(float denomination);

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
    // The wheel a full-bet pull wins is spun (its step drawn) with the pull,
    // so the save file holds its prize from then on; the wheel's screen
    // shows that spin. A bonus armed without a pull draws on its screen.
    void drawBonus() override;
    long long drawnBonusWin() const override;
    void onReelStop(int reel) override;
    void playWinSound() override;

    // The cash wheel's screen; returns the prize in coins.
    int runWheelBonus();
};
