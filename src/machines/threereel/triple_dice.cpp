#include "machines/threereel/triple_dice.h"

#include "machines/threereel/reel_checks.h"

TripleDice::TripleDice(float denomination) {
    configure(denomination);
    playOnce("3diceint.wav");
}

void TripleDice::configure(float value) {
    setUpMachine("tripledice", 3, true, value, 0.5f);
}

void TripleDice::declareSymbols() {
    addSymbol("blank", 11);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("7", 3);
    addSymbol("wild", 2);
}

void TripleDice::buildWildRules() { addWild(*this, "wild", 3, {"wild"}); }

void TripleDice::buildPayTable() {
    addGroupRule(symbolList({"bar", "2bar", "3bar"}), 5);
    addThreeOfAKind(symbolList({"bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar"}), 25, 0);
    addThreeOfAKind(symbolList({"3bar"}), 40, 0);
    addThreeOfAKind(symbolList({"7"}), 80, 0);
    SymbolList wild = symbolList({"wild"});
    addOneWithBlanksRule(wild, 2, -1, false);
    addTwoWithBlankRule(wild, 5, -1, false);
    addNoWildRule(wild, 800, 3, false);
}

// Three wilds at three coins: the car.
void TripleDice::buildExtraRules() { addJackpotMovieRule(symbolList({"wild"}), 3000, 3); }

void TripleDice::onReelStop(int) {}

void TripleDice::playWinSound() {
    if (win > 200) playOnce("3dicejack.wav");
}
