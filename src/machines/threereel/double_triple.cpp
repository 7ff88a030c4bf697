#include "machines/threereel/double_triple.h"

#include "machines/threereel/reel_checks.h"

DoubleTriple::DoubleTriple(float denomination) {
    configure(denomination);
    playOnce("jazzintr.wav");
}

void DoubleTriple::configure(float value) {
    setUpMachine("doubletriple", 3, true, value);
}

void DoubleTriple::declareSymbols() {
    addSymbol("blank", 13);
    addSymbol("bar", 3);
    addSymbol("2bar", 3);
    addSymbol("3bar", 3);
    addSymbol("doublewild", 2);
    addSymbol("triplewild", 2);
}

void DoubleTriple::buildWildRules() {
    addWild(*this, "doublewild", 2, {"doublewild", "triplewild"});
    addWild(*this, "triplewild", 3, {"doublewild", "triplewild"});
}

void DoubleTriple::buildPayTable() {
    SymbolList both = symbolList({"doublewild", "triplewild"});
    addOneWithBlanksRule(both, 3, -1, false);
    addTwoWithBlankRule(both, 10, -1, false);
    addNoWildRule(symbolList({"doublewild"}), 1000, 3, false);
    addNoWildRule(symbolList({"triplewild"}), 2000, 3, false);
    addGroupRule(symbolList({"bar", "2bar", "3bar"}), 6);
    addThreeOfAKind(symbolList({"bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar"}), 25, 0);
    addThreeOfAKind(symbolList({"3bar"}), 40, 0);
}

// At three coins three of a wild pay for the whole bet.
void DoubleTriple::buildExtraRules() {
    addNoWildRule(symbolList({"doublewild"}), 3500, 3, true);
    addNoWildRule(symbolList({"triplewild"}), 7500, 3, true);
}

void DoubleTriple::onReelStop(int) {}

void DoubleTriple::playWinSound() {
    if (result.payKind == payWholeBet) playOnce("jazzy.wav");
    else if (win > 200) playOnce("jazzintr.wav");
}
