#include "machines/threereel/wheel_of_cash.h"

#include "machine/prize_wheel.h"
#include "machines/threereel/reel_checks.h"
#include "shell/mtrand.h"
#include "shell/sound.h"

WheelOfCash::WheelOfCash(float denomination) : bonusPending(false) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("whelintr.wav", false);
}

void WheelOfCash::configure(float value) {
    setUpMachine("wheelofcash", 3, false, value);
    bonusPending = false;
}

void WheelOfCash::declareSymbols() {
    addSymbol("blank", 10);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("coins", 2);
    addSymbol("money", 2);
    addSymbol("spin", 1);
}

// "spin" is named as a wild that stands in for nothing, so no drawn outcome
// ever shows it: it comes only through the spin hook.
void WheelOfCash::buildWildRules() {
    addInertWild(*this, "spin");
}

// Every line pays its award for the whole bet, at the coin counts listed.
void WheelOfCash::buildPayTable() {
    const SymbolList blank = symbolList({"blank"});
    const SymbolList bars = symbolList({"bar", "2bar", "3bar"});
    for (int c = 1; c <= 3; ++c) addCoinThreeOfAKind(blank, 2, c);
    for (int c = 1; c <= 3; ++c) addCoinGroupRule(bars, 5, c);
    static const struct {
        const char* symbol;
        int award;
    } kBarLines[] = {{"bar", 20}, {"2bar", 40}, {"3bar", 60}};
    for (const auto& line : kBarLines) {
        const SymbolList one = symbolList({line.symbol});
        for (int c = 1; c <= 3; ++c) addCoinThreeOfAKind(one, line.award, c);
    }
}

void WheelOfCash::buildExtraRules() {
    const SymbolList cash = symbolList({"coins", "money"});
    for (int c = 2; c <= 3; ++c) addCoinGroupRule(cash, 100, c);
    const SymbolList coinsSymbol = symbolList({"coins"});
    for (int c = 2; c <= 3; ++c) addCoinThreeOfAKind(coinsSymbol, 150, c);
    const SymbolList money = symbolList({"money"});
    for (int c = 2; c <= 3; ++c) addCoinThreeOfAKind(money, 500, c);
}

void WheelOfCash::spin() {
    ThreeReelMachine::spin();
    if (genrand() % 40 == 0) {
        placeOnReel("spin", 2);
        if (coins == maxCoins) bonusPending = true;
    }
    // Every rule here pays for the whole bet, so this never changes a win;
    // it is the family's three-coin step that the wheel machines share.
    payTwoCoinsWorthAtFullBet();
}

void WheelOfCash::payoutTest() {
    ThreeReelMachine::payoutTest();
    bonusPending = false;
}

void WheelOfCash::drawBonus() { drawnSpin = bonusPending ? drawOpeningSpin(cashWheel()) : OpeningSpin(); }

long long WheelOfCash::drawnBonusWin() const { return drawnSpin.drawn ? drawnSpin.prize : 0; }

void WheelOfCash::settle() {
    stopSpinSound();
    if (bonusPending) {
        win += runWheelBonus();
        bonusPending = false;
    }
    drawnSpin = OpeningSpin();
    ThreeReelMachine::settle();
}

int WheelOfCash::runWheelBonus() {
    // The line's pay and the prize are the play's whole win, kept the moment
    // the wheel draws the prize (with the pull, when it won the wheel). The
    // settle still holds the bet.
    return runCashWheelBonus(
        [this](int prize) { keepWinWith(prize); },
        &drawnSpin);
}

void WheelOfCash::onReelStop(int reel) {
    Symbol* s = result.chosenSymbol(reel);
    if (s && s->name == "spin" && soundPlayer) soundPlayer->play("fanfare.wav", false);
}

void WheelOfCash::playWinSound() {
    if (win > 99 && soundPlayer) soundPlayer->play("wheeljack.wav", false);
}
