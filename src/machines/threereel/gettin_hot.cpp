#include "machines/threereel/gettin_hot.h"

#include "machines/threereel/reel_checks.h"
#include "shell/sound.h"

GettinHot::GettinHot(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("getintr.wav", false);
}

void GettinHot::configure(float value) {
    setUpMachine("gettinhot", 3, true, value);
}

void GettinHot::declareSymbols() {
    addSymbol("blank", 6);
    addSymbol("bar", 1);
    addSymbol("2bar", 1);
    addSymbol("3bar", 1);
    addSymbol("7", 1);
    addSymbol("wild", 2);
    addArrowSymbol("arrowdown_3bar", 1, symbolArrowDown);
    addArrowSymbol("arrowdown_bar", 1, symbolArrowDown);
    addArrowSymbol("arrowup_2bar", 1, symbolArrowUp);
    addArrowSymbol("arrowup_3bar", 1, symbolArrowUp);
    addArrowSymbol("arrowup_bar", 1, symbolArrowUp);
}

void GettinHot::buildWildRules() {
    addWild(*this, "wild", 1, {"wild"});
}

void GettinHot::buildPayTable() {
    const SymbolList wild = symbolList({"wild"});
    addOneWithBlanksRule(wild, 2, -1, false);
    addTwoWithBlankRule(wild, 5, -1, false);
    addNoWildRule(wild, 1500, 3, false);
    addGroupRule(symbolList({"bar", "2bar", "3bar", "arrowdown_bar", "arrowdown_3bar", "arrowup_bar", "arrowup_2bar",
                             "arrowup_3bar"}), 5);
    addThreeOfAKind(symbolList({"bar", "arrowdown_bar", "arrowup_bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar", "arrowup_2bar"}), 25, 0);
    addThreeOfAKind(symbolList({"3bar", "arrowdown_3bar", "arrowup_3bar"}), 40, 0);
    addThreeOfAKind(symbolList({"7"}), 80, 3);
}

void GettinHot::buildExtraRules() {
    addNoWildRule(symbolList({"wild"}), 5000, 3, true);
    addCoinThreeOfAKind(symbolList({"7"}), 400, 3);
}

void GettinHot::onReelStop(int) {}

void GettinHot::playWinSound() {
    if (win > 200 && soundPlayer) soundPlayer->play("getintr.wav", false);
}

void GettinHot::playArrowSound() {
    if (soundPlayer) soundPlayer->play("flames.wav", false);
}
