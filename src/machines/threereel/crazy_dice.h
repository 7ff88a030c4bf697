// Rerod Ozid ("crazydice"): cherries, bars, 7s and pigs. At three coins a
// line pays two coins' worth, three pigs pay 500 for the bet, and one
// winning spin in twenty puts a die on the third reel and throws two dice
// whose sum multiplies the win.
#pragma once

#include "machine/three_reel.h"

#include <cstdint>
#include <vector>

// A throw of the two dice: the faces (1 to 6; 0 while not thrown) and how
// each die tumbles onto its face. A die rolls its six faces in a loop that
// starts on a drawn face and runs each later pass in a fresh order; its
// tumble is the choices that loop drew, in the order drawn: the face it
// starts on (a choice among 6), then five for each fresh order (among 2,
// 3, 4, 5 and 6, as the order is shuffled).
struct DiceThrow {
    int left = 0, right = 0;
    std::vector<uint32_t> leftTumble, rightTumble;
};

class CrazyDice : public ThreeReelMachine {
public:
    bool bonusPending;  // the dice are thrown in this settle
    // The settle's draws made with the pull: whether the die comes (a win at
    // full bet, one settle in twenty) and, when it does, the dice thrown.
    bool settleDrawn;
    bool diceDue;
    DiceThrow thrown;

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
    // the roll 1 ms, each pause its length), so the faces and the tumbles
    // are a function of the draws alone.
    static DiceThrow throwDice();
    void onReelStop(int reel) override;
    void playWinSound() override;

    // The dice screen: two dice roll as they tumbled in the throw, slow
    // down and stop on the faces thrown (throwDice, with the pull, or here
    // when nothing was thrown yet); returns the sum of their faces (2 to
    // 12). Draws nothing: the tumbles are the throw's. Reads no input. A
    // close while it runs ends the roll at once; the faces stand as thrown.
    int runDiceBonus();
    // The spin's win multiplied by the dice (never past the most a win holds).
    int multipliedWin(int multiplier) const;
    // The spin's win multiplied by the dice goes to the save file the
    // moment they are thrown (nothing when no play is under way).
    void keepDiceWin(int multiplier);
};
