// Rerod Ozid ("crazydice"): cherries, bars, 7s and pigs. At three coins a
// line pays two coins' worth, three pigs pay 500 for the bet, and one
// winning spin in twenty puts a die on the third reel and throws two dice
// whose sum multiplies the win.
#pragma once

#include "machine/three_reel.h"

class CrazyDice : public ThreeReelMachine {
public:
    bool bonusPending;  // the dice are thrown in this settle

    explicit CrazyDice(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void spin() override;
    void settle() override;
    void onReelStop(int reel) override;
    void playWinSound() override;

    // The dice screen: two dice roll, slow down and stop; returns the sum
    // of their faces (2 to 12). Reads no input. A close while it runs
    // throws the dice as drawn, unseen.
    int runDiceBonus();
    // The spin's win multiplied by the dice (never past the most a win holds).
    int multipliedWin(int multiplier) const;
    // The spin's win multiplied by the dice goes to the save file the
    // moment they are thrown (nothing when no play is under way).
    void keepDiceWin(int multiplier);
};
