// Rerod Ozid ("crazydice"): cherries, bars, 7s and pigs. At three coins a
// line pays two coins' worth, three pigs pay 500 for the bet, and one
// winning spin in twenty puts a die on the third reel and throws two dice
// whose sum multiplies the win.
#pragma once

#include "machine/three_reel.h"

#include <utility>

class CrazyDice : public ThreeReelMachine {
public:
    bool bonusPending;  // the dice are thrown in this settle
    // The settle's draws made with the pull: whether the die comes (a win at
    // full bet, one settle in twenty) and, when it does, the two faces
    // thrown (1 to 6 each; 0 while not thrown).
    bool settleDrawn;
    bool diceDue;
    int thrownLeft, thrownRight;

    explicit CrazyDice(float denomination);

    void configure(float denomination);

    void declareSymbols() override;
    void buildWildRules() override;
    void buildPayTable() override;
    void buildExtraRules() override;
    void spin() override;
    void settle() override;
    // The dice a pull wins are thrown with the pull, so the save file holds
    // the multiplied win from then on; the dice screen shows that throw. A
    // settle without a pull draws as it goes.
    void drawBonus() override;
    long long drawnBonusWin() const override;
    // The settle's chance of the die: one draw, true one time in twenty for
    // a win at full bet.
    bool drawDiceChance();
    // The throw of the two dice: the draws the dice screen's roll makes,
    // played on the idealised clock of a roll nobody waits for (each pass of
    // the roll 1 ms, each pause its length), so the faces are a function of
    // the draws alone. Returns the left and right faces (1 to 6).
    static std::pair<int, int> throwDice();
    void onReelStop(int reel) override;
    void playWinSound() override;

    // The dice screen: two dice roll, slow down and stop on the faces
    // thrown (throwDice, with the pull, or here when nothing was thrown
    // yet); returns the sum of their faces (2 to 12). Reads no input. A
    // close while it runs ends the roll at once; the faces stand as thrown.
    int runDiceBonus();
    // The spin's win multiplied by the dice (never past the most a win holds).
    int multipliedWin(int multiplier) const;
    // The spin's win multiplied by the dice goes to the save file the
    // moment they are thrown (nothing when no play is under way).
    void keepDiceWin(int multiplier);
};
