#include "machines/threereel/triple_triple.h"

#include "machines/threereel/reel_checks.h"

TripleTriple::TripleTriple(float denomination) {
    configure(denomination);
    playOnce("newintr3.wav");
}

void TripleTriple::configure(float value) {
    setUpMachine("tripletriple", 3, true, value);
    wildChance = 20;
}

void TripleTriple::declareSymbols() {
    addSymbol("blank", 11);
    addSymbol("dice", 3);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("7", 3);
    addSymbol("wild", 2);
}

void TripleTriple::buildWildRules() { addWild(*this, "wild", 9, {"wild"}); }

void TripleTriple::buildPayTable() {
    SymbolList dice = symbolList({"dice"});
    addOneOfRule(dice, 2);
    addTwoOfRule(dice, 5);
    addThreeOfAKind(dice, 10, 0);
    addGroupRule(symbolList({"bar", "2bar", "3bar"}), 5);
    addThreeOfAKind(symbolList({"bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar"}), 20, 0);
    addThreeOfAKind(symbolList({"3bar"}), 30, 0);
    addThreeOfAKind(symbolList({"7"}), 50, 0);
    addNoWildRule(symbolList({"wild"}), 1000, 2, false);
}

// Three wilds: 5000 a coin below two coins, 20000 a coin below three; at
// three coins no rule pays them.
void TripleTriple::buildExtraRules() {
    addNoWildRule(symbolList({"wild"}), 5000, 2, false);
    addNoWildRule(symbolList({"wild"}), 20000, 3, false);
}

void TripleTriple::onReelStop(int) {}

void TripleTriple::playWinSound() {
    if (win > 250) playOnce("newjack3.wav");
}
