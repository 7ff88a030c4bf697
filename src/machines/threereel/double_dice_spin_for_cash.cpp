#include "machines/threereel/double_dice_spin_for_cash.h"

#include <climits>

#include "machines/threereel/gamble_wheel.h"
#include "machines/threereel/reel_checks.h"
#include "shell/mtrand.h"
#include "shell/sound.h"

DoubleDiceSpinForCash::DoubleDiceSpinForCash(float denomination) : bonusPending(false) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("doubint.wav", false);
}

void DoubleDiceSpinForCash::configure(float value) {
    setUpMachine("doubledicespinforcash", 3, true, value);
    bonusPending = false;
}

void DoubleDiceSpinForCash::declareSymbols() {
    addSymbol("blank", 12);
    addSymbol("gold", 2);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("7", 2);
    addSymbol("wild", 2);
    addSymbol("spin", 1);
}

// The doubling wild, and "spin" as a wild that stands in for nothing: that
// keeps it out of every drawn outcome, so it comes only through the spin hook.
void DoubleDiceSpinForCash::buildWildRules() {
    addWild(*this, "wild", 2, {"wild", "spin"});
    addInertWild(*this, "spin");
}

void DoubleDiceSpinForCash::buildPayTable() {
    const SymbolList gold = symbolList({"gold"});
    addOneOfRule(gold, 2);
    addTwoOfRule(gold, 5);
    addThreeOfAKind(gold, 10, 0);
    addGroupRule(symbolList({"bar", "2bar", "3bar"}), 5);
    addThreeOfAKind(symbolList({"bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar"}), 20, 0);
    addThreeOfAKind(symbolList({"3bar"}), 30, 0);
    addThreeOfAKind(symbolList({"7"}), 50, 0);
    addNoWildRule(symbolList({"wild"}), 500, -1, false);
}

void DoubleDiceSpinForCash::buildExtraRules() {}

void DoubleDiceSpinForCash::spin() {
    ThreeReelMachine::spin();
    if (genrand() % 50 == 0) {
        placeOnReel("spin", 2);
        if (coins == maxCoins) {
            win = 0;
            bonusPending = true;
        }
    }
    // At full bet a line pays two coins' worth.
    payTwoCoinsWorthAtFullBet();
}

void DoubleDiceSpinForCash::payoutTest() {
    ThreeReelMachine::payoutTest();
    bonusPending = false;
}

void DoubleDiceSpinForCash::settle() {
    stopSpinSound();
    if (bonusPending) {
        const long long total = static_cast<long long>(win) + runWheelBonus();
        win = total > INT_MAX ? INT_MAX : static_cast<int>(total);
        bonusPending = false;
    }
    drawnSpin = OpeningSpin();
    ThreeReelMachine::settle();
}

int DoubleDiceSpinForCash::runWheelBonus() {
    // The play's whole win is the line's (nothing, at full bet) and the bank,
    // kept each time a spin decides the bank. The settle still holds the bet.
    return runGambleWheelBonus(
        diceWheel(), diceGamble(),
        [this](Animation& wheel, int& prize, std::string& colour, const WheelDrawn& drawn) {
            spinWheel(wheel, prize, colour, drawn);
        },
        [this](int bank) { keepWinWith(bank); },
        &drawnSpin);
}

void DoubleDiceSpinForCash::drawBonus() { drawnSpin = bonusPending ? drawOpeningSpin(diceWheel()) : OpeningSpin(); }

long long DoubleDiceSpinForCash::drawnBonusWin() const { return drawnSpin.drawn ? drawnSpin.prize : 0; }

void DoubleDiceSpinForCash::spinWheel(Animation& wheel, int& prize, std::string& colour, const WheelDrawn& drawn) {
    spinPrizeWheel(diceWheel(), wheel, prize, colour, drawn);
}

void DoubleDiceSpinForCash::onReelStop(int reel) {
    Symbol* s = result.chosenSymbol(reel);
    if (s && s->name == "spin" && soundPlayer) soundPlayer->play("holeinone.wav", false);
}

void DoubleDiceSpinForCash::playWinSound() {
    if (win > 200 && soundPlayer) soundPlayer->play("doubjack.wav", false);
}
