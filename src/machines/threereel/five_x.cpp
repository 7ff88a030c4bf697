#include "machines/threereel/five_x.h"

#include "machines/threereel/reel_checks.h"
#include "shell/sound.h"

FiveX::FiveX(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("5xintro.wav", false);
}

void FiveX::configure(float value) {
    setUpMachine("5x", 3, true, value);
    wildChance = 10;
}

void FiveX::declareSymbols() {
    addSymbol("blank", 9);
    addSymbol("v", 2);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("5bar", 2);
    addSymbol("wild", 2);
}

void FiveX::buildWildRules() {
    addWild(*this, "wild", 5, {"wild"});
}

void FiveX::buildPayTable() {
    SymbolList single = symbolList({"v"});
    addOneOfRule(single, 2);
    addTwoOfRule(single, 5);
    addThreeOfAKind(single, 10, 0);
    addGroupRule(symbolList({"bar", "2bar", "3bar", "5bar"}), 5);
    addThreeOfAKind(symbolList({"bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar"}), 25, 0);
    addThreeOfAKind(symbolList({"3bar"}), 40, 0);
    addThreeOfAKind(symbolList({"5bar"}), 80, 0);
    addNoWildRule(symbolList({"wild"}), 800, 3, false);
}

// Three wilds at three coins win the car: the settle plays the car jackpot
// movie; the 3000 only sizes the rule's share of the draw.
void FiveX::buildExtraRules() { addJackpotMovieRule(symbolList({"wild"}), 3000, 3); }

void FiveX::onReelStop(int reel) {
    Symbol* s = result.chosenSymbol(reel);
    if (s && s->name == "wild" && soundPlayer) soundPlayer->play("shimmer.wav", false);
}

void FiveX::playWinSound() {
    if (result.payKind == payWholeBet && soundPlayer) soundPlayer->play("5xintro.wav", false);
}
