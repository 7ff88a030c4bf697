#include "machines/threereel/crazy8s.h"

#include "machines/threereel/reel_checks.h"

Crazy8s::Crazy8s(float denomination) {
    configure(denomination);
    playOnce("crazyint.wav");
}

void Crazy8s::configure(float value) {
    setUpMachine("crazy8s", 3, true, value);
}

void Crazy8s::declareSymbols() {
    addSymbol("blank", 9);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("yellow", 2);
    addSymbol("green", 2);
    addSymbol("blue", 2);
}

// Each eight is a wild of multiplier one: it changes what a winning reel
// shows, not what it pays.
void Crazy8s::buildWildRules() {
    for (const char* eight : {"yellow", "green", "blue"}) addWild(*this, eight, 1, {"yellow", "green", "blue"});
}

void Crazy8s::buildPayTable() {
    SymbolList eights = symbolList({"yellow", "green", "blue"});
    addOneWithBlanksRule(eights, 2, -1, false);
    addTwoWithBlankRule(eights, 5, -1, false);
    addGroupRule(symbolList({"bar", "2bar", "3bar"}), 5);
    addThreeOfAKind(symbolList({"bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar"}), 20, 0);
    addThreeOfAKind(symbolList({"3bar"}), 30, 0);
    // A mixture of eights, with no wild shown.
    addNoWildGroupRule(eights, 250);
    addThreeOfAKind(symbolList({"yellow"}), 1000, 0);
    addThreeOfAKind(symbolList({"green"}), 1000, 0);
    addThreeOfAKind(symbolList({"blue"}), 1000, 0);
}

void Crazy8s::buildExtraRules() {
    addCoinThreeOfAKind(symbolList({"yellow"}), 3000, 3);
    addCoinThreeOfAKind(symbolList({"green"}), 4000, 3);
    addCoinThreeOfAKind(symbolList({"blue"}), 5000, 3);
}

void Crazy8s::onReelStop(int) {}

void Crazy8s::playWinSound() {
    if (result.payKind == payWholeBet) playOnce("crazy8.wav");
    else if (allReelsShow(*this, "yellow")) playOnce("horn1.wav");
    else if (allReelsShow(*this, "green")) playOnce("horn2.wav");
    else if (allReelsShow(*this, "blue")) playOnce("horn3.wav");
}
