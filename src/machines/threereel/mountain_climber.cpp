#include "machines/threereel/mountain_climber.h"

#include <climits>

#include "shell/clock.h"
#include "machines/threereel/reel_checks.h"
#include "shell/controls.h"
#include "shell/mtrand.h"
#include "shell/sound.h"

MountainClimber::MountainClimber(float denomination)
    : bonusPending(false),
      climberFrame(0),
      height(0),
      spinCount(0),
      climbPoints(0),
      testPlaying(false),
      periodEndHeight(-1) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("mounintr.wav", false);
}

void MountainClimber::configure(float value) {
    setUpMachine("mountainclimber", 3, true, value);
    bonusPending = false;
    climberFrame = height = spinCount = climbPoints = 0;
    buildClimbPath();
    add<Button>("reset", graphicsDir, 688, 329, false, true, false, false, false);
}

void MountainClimber::declareSymbols() {
    addSymbol("blank", 8);
    addSymbol("cherry", 2);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("mbar", 2);
    addSymbol("mountain", 2);
    addSymbol("pic", 2);
    addSymbol("climb", 4);
    addSymbol("2climb", 2);
}

// The climb symbols are named as wilds that stand in for nothing, so no
// drawn outcome shows them: only the spin hook puts them on a losing reel.
void MountainClimber::buildWildRules() {
    for (const char* climbSymbol : {"climb", "2climb"}) addInertWild(*this, climbSymbol);
}

void MountainClimber::buildPayTable() {
    const SymbolList cherry = symbolList({"cherry"});
    addOneOfRule(cherry, 2);
    addTwoOfRule(cherry, 5);
    addThreeOfAKind(cherry, 10, 0);
    addGroupRule(symbolList({"bar", "2bar", "3bar", "mbar"}), 5);
    addThreeOfAKind(symbolList({"bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar"}), 20, 0);
    addThreeOfAKind(symbolList({"3bar"}), 30, 0);
    addThreeOfAKind(symbolList({"mbar"}), 50, 0);
    addThreeOfAKind(symbolList({"mountain"}), 100, 0);
    addThreeOfAKind(symbolList({"pic"}), 500, 3);
    addGroupRule(symbolList({"mbar", "mountain"}), 75);
}

void MountainClimber::buildExtraRules() { addCoinThreeOfAKind(symbolList({"pic"}), 2500, 3); }

void MountainClimber::handleButton(Widget* control) {
    ThreeReelMachine::handleButton(control);
    if (!menuEnabled || !control || control->name != "reset") return;
    control->setState(2);
    timedPause(100);
    control->setState(4);
    spinCount = height = climberFrame = 0;
    showMountain(height);
}

void MountainClimber::spin() {
    ThreeReelMachine::spin();
    if (testPlaying) return;  // test plays leave the climb alone

    periodEndHeight = -1;
    const int counted = spinCount++;
    if (counted == periodSpins) {
        spinCount = 1;
        long long bonus = 0;
        if (height > 97) {
            bonus = 50;
        } else if (height > 83) {
            bonus = 20;
        }
        // The mountain is shown once the spin is kept (keepPull).
        if (bonus) periodEndHeight = height;
        if (bonus) win = static_cast<int>(win + bonus > INT_MAX ? INT_MAX : win + bonus);
        height = 0;
        climberFrame = 0;
    }

    if (!result.matched) {
        Symbol* one = findSymbol("climb");
        Symbol* two = findSymbol("2climb");
        for (int reel = 0; reel < 3 && reel < static_cast<int>(result.chosen.size()); ++reel) {
            if (genrand() % 14 == 0) {
                if (one) result.chosen[reel] = one;
                climbPoints += 1;
                bonusPending = true;
            } else if (genrand() % 14 == 0) {
                if (two) result.chosen[reel] = two;
                climbPoints += 2;
                bonusPending = true;
            }
        }
    }
}

void MountainClimber::keepPull(int bet) {
    ThreeReelMachine::keepPull(bet);
    if (bonusPending) {
        const long long total = static_cast<long long>(win) + climbPay(heightAfter(6LL * climbPoints));
        keepDrawnWin(creditsPaid(total, static_cast<long long>(credits) - bet));
    }
    // A paying end of the climb period: the player sees the climber where
    // the period left him, then the reels stop.
    if (periodEndHeight >= 0) showMountain(periodEndHeight);
    periodEndHeight = -1;
}

void MountainClimber::payoutTest() {
    testPlaying = true;
    ThreeReelMachine::payoutTest();
    testPlaying = false;
}

void MountainClimber::settle() {
    stopSpinSound();
    if (bonusPending) {
        const long long total = static_cast<long long>(win) + runClimbBonus();
        win = total > INT_MAX ? INT_MAX : static_cast<int>(total);
        bonusPending = false;
    }
    ThreeReelMachine::settle();
}

void MountainClimber::onReelStop(int reel) {
    Symbol* s = result.chosenSymbol(reel);
    if (s && s->name == "pic" && soundPlayer) soundPlayer->play("pick.wav", false);
}

void MountainClimber::playWinSound() {
    if (result.payKind == payWholeBet && soundPlayer) soundPlayer->play("mounjack.wav", false);
}
