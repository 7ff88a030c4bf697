#include "machines/threereel/ten_x.h"

#include "machines/threereel/reel_checks.h"
#include "shell/sound.h"

TenX::TenX(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("5xintro.wav", false);
}

void TenX::configure(float value) {
    setUpMachine("10x", 3, true, value);
    wildChance = 20;
}

void TenX::declareSymbols() {
    addSymbol("blank", 9);
    addSymbol("x", 2);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("10bar", 2);
    addSymbol("wild", 2);
}

void TenX::buildWildRules() {
    addWild(*this, "wild", 10, {"wild"});
}

void TenX::buildPayTable() {
    SymbolList single = symbolList({"x"});
    addOneOfRule(single, 2);
    addTwoOfRule(single, 5);
    addThreeOfAKind(single, 10, 0);
    addGroupRule(symbolList({"bar", "2bar", "3bar", "10bar"}), 5);
    addThreeOfAKind(symbolList({"bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar"}), 25, 0);
    addThreeOfAKind(symbolList({"3bar"}), 40, 0);
    addThreeOfAKind(symbolList({"10bar"}), 80, 0);
    addNoWildRule(symbolList({"wild"}), 800, 3, false);
}

void TenX::buildExtraRules() { addNoWildRule(symbolList({"wild"}), 5000, 3, true); }

void TenX::onReelStop(int reel) {
    Symbol* s = result.chosenSymbol(reel);
    if (s && s->name == "wild" && soundPlayer) soundPlayer->play("shimmer.wav", false);
}

void TenX::playWinSound() {
    if (result.payKind == payWholeBet && soundPlayer) soundPlayer->play("5xintro.wav", false);
}
