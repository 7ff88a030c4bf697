#include "machines/threereel/double_dice.h"

#include "machines/threereel/reel_checks.h"

DoubleDice::DoubleDice(float denomination) {
    configure(denomination);
    playOnce("doubint.wav");
}

void DoubleDice::configure(float value) {
    setUpMachine("doubledice", 2, true, value);
}

void DoubleDice::declareSymbols() {
    addSymbol("blank", 13);
    addSymbol("gold", 3);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("7", 2);
    addSymbol("wild", 2);
}

void DoubleDice::buildWildRules() { addWild(*this, "wild", 2, {"wild"}); }

void DoubleDice::buildPayTable() {
    SymbolList gold = symbolList({"gold"});
    addOneOfRule(gold, 2);
    addTwoOfRule(gold, 5);
    addThreeOfAKind(gold, 10, 0);
    addGroupRule(symbolList({"bar", "2bar", "3bar"}), 5);
    addThreeOfAKind(symbolList({"bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar"}), 25, 0);
    addThreeOfAKind(symbolList({"3bar"}), 40, 0);
    addThreeOfAKind(symbolList({"7"}), 80, 0);
    addNoWildRule(symbolList({"wild"}), 800, 2, false);
}

// Three wilds at two coins: the car.
void DoubleDice::buildExtraRules() { addJackpotMovieRule(symbolList({"wild"}), 3000, 2); }

void DoubleDice::onReelStop(int) {}

void DoubleDice::playWinSound() {
    if (win > 200) playOnce("doubjack.wav");
}
