#include "machines/threereel/double_dice_deluxe.h"

#include "machines/threereel/reel_checks.h"
#include "shell/sound.h"

DoubleDiceDeluxe::DoubleDiceDeluxe(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("newintr1.wav", false);
}

void DoubleDiceDeluxe::configure(float value) {
    setUpMachine("doubledicedeluxe", 3, true, value);
}

// No blank: every losing spin shows three symbols no rule pays.
void DoubleDiceDeluxe::declareSymbols() {
    addSymbol("gold", 2);
    addSymbol("bar", 1);
    addSymbol("2bar", 1);
    addSymbol("3bar", 1);
    addSymbol("7", 1);
    addSymbol("wild", 1);
    addArrowSymbol("arrowdown_2bar", 1, symbolArrowDown);
    addArrowSymbol("arrowdown_3bar", 1, symbolArrowDown);
    addArrowSymbol("arrowdown_bar", 1, symbolArrowDown);
    addArrowSymbol("arrowup_2bar", 1, symbolArrowUp);
    addArrowSymbol("arrowup_3bar", 1, symbolArrowUp);
    addArrowSymbol("arrowup_bar", 1, symbolArrowUp);
}

void DoubleDiceDeluxe::buildWildRules() {
    addWild(*this, "wild", 2, {"wild"});
}

void DoubleDiceDeluxe::buildPayTable() {
    const SymbolList gold = symbolList({"gold"});
    addOneOfRule(gold, 2);
    addTwoOfRule(gold, 5);
    addThreeOfAKind(gold, 10, 0);
    addGroupRule(symbolList({"bar", "2bar", "3bar", "arrowdown_bar", "arrowdown_2bar", "arrowdown_3bar", "arrowup_bar",
                             "arrowup_2bar", "arrowup_3bar"}), 5);
    addThreeOfAKind(symbolList({"bar", "arrowup_bar", "arrowdown_bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar", "arrowup_2bar", "arrowdown_2bar"}), 25, 0);
    addThreeOfAKind(symbolList({"3bar", "arrowup_3bar", "arrowdown_3bar"}), 40, 0);
    addThreeOfAKind(symbolList({"7"}), 80, 0);
    addNoWildRule(symbolList({"wild"}), 800, 3, false);
}

void DoubleDiceDeluxe::buildExtraRules() { addNoWildRule(symbolList({"wild"}), 5000, 3, true); }

void DoubleDiceDeluxe::onReelStop(int) {}

void DoubleDiceDeluxe::playWinSound() {
    if (!soundPlayer) return;
    if (result.payKind == payWholeBet)
        soundPlayer->play("newjack3.wav", false);
    else if (win > 200)
        soundPlayer->play("newintr1.wav", false);
}

void DoubleDiceDeluxe::playArrowSound() {
    if (soundPlayer) soundPlayer->play("slothit1.wav", false);
}
