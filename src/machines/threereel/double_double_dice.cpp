#include "machines/threereel/double_double_dice.h"

#include "machines/threereel/reel_checks.h"

DoubleDoubleDice::DoubleDoubleDice(float denomination) {
    configure(denomination);
    playOnce("newintr3.wav");
}

void DoubleDoubleDice::configure(float value) {
    setUpMachine("doubledoubledice", 3, true, value);
    wildChance = 20;
}

void DoubleDoubleDice::declareSymbols() {
    addSymbol("blank", 13);
    addSymbol("dice", 3);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("7", 2);
    addSymbol("wild", 2);
}

void DoubleDoubleDice::buildWildRules() { addWild(*this, "wild", 4, {"wild"}); }

void DoubleDoubleDice::buildPayTable() {
    SymbolList dice = symbolList({"dice"});
    addOneOfRule(dice, 3);
    addTwoOfRule(dice, 5);
    addThreeOfAKind(dice, 10, 0);
    addGroupRule(symbolList({"bar", "2bar", "3bar"}), 5);
    addThreeOfAKind(symbolList({"bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar"}), 20, 0);
    addThreeOfAKind(symbolList({"3bar"}), 30, 0);
    addThreeOfAKind(symbolList({"7"}), 50, 0);
    addNoWildRule(symbolList({"wild"}), 1000, 2, false);
}

// Three wilds for the whole bet at two and at three coins.
void DoubleDoubleDice::buildExtraRules() {
    addNoWildRule(symbolList({"wild"}), 5000, 2, true);
    addNoWildRule(symbolList({"wild"}), 20000, 3, true);
}

void DoubleDoubleDice::onReelStop(int) {}

void DoubleDoubleDice::playWinSound() {
    if (win > 250) playOnce("newjack3.wav");
}
