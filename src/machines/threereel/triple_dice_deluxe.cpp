#include "machines/threereel/triple_dice_deluxe.h"

#include "machines/threereel/reel_checks.h"
#include "shell/sound.h"

TripleDiceDeluxe::TripleDiceDeluxe(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("newintr1.wav", false);
}

void TripleDiceDeluxe::configure(float value) {
    setUpMachine("tripledicedeluxe", 3, true, value);
}

// There is no arrow-down double bar.
void TripleDiceDeluxe::declareSymbols() {
    addSymbol("blank", 8);
    addSymbol("bar", 1);
    addSymbol("2bar", 1);
    addSymbol("3bar", 1);
    addSymbol("7", 1);
    addSymbol("wild", 1);
    addArrowSymbol("arrowdown_3bar", 1, symbolArrowDown);
    addArrowSymbol("arrowdown_bar", 1, symbolArrowDown);
    addArrowSymbol("arrowup_2bar", 1, symbolArrowUp);
    addArrowSymbol("arrowup_3bar", 1, symbolArrowUp);
    addArrowSymbol("arrowup_bar", 1, symbolArrowUp);
}

void TripleDiceDeluxe::buildWildRules() {
    addWild(*this, "wild", 3, {"wild"});
}

void TripleDiceDeluxe::buildPayTable() {
    const SymbolList wild = symbolList({"wild"});
    addOneWithBlanksRule(wild, 2, -1, false);
    addTwoWithBlankRule(wild, 5, -1, false);
    addGroupRule(symbolList({"bar", "2bar", "3bar", "arrowdown_bar", "arrowdown_3bar", "arrowup_bar", "arrowup_2bar",
                             "arrowup_3bar"}), 5);
    addThreeOfAKind(symbolList({"bar", "arrowup_bar", "arrowdown_bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar", "arrowup_2bar"}), 25, 0);
    addThreeOfAKind(symbolList({"3bar", "arrowup_3bar", "arrowdown_3bar"}), 40, 0);
    addThreeOfAKind(symbolList({"7"}), 80, 0);
    addNoWildRule(wild, 800, 3, false);
}

void TripleDiceDeluxe::buildExtraRules() { addNoWildRule(symbolList({"wild"}), 5000, 3, true); }

void TripleDiceDeluxe::onReelStop(int) {}

void TripleDiceDeluxe::playWinSound() {
    if (!soundPlayer) return;
    if (result.payKind == payWholeBet)
        soundPlayer->play("newjack5.wav", false);
    else if (win > 200)
        soundPlayer->play("newintr1.wav", false);
}

void TripleDiceDeluxe::playArrowSound() {
    if (soundPlayer) soundPlayer->play("slothit1.wav", false);
}
