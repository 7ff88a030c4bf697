#include "machines/threereel/wild_sour_apple.h"

#include "machines/threereel/reel_checks.h"

WildSourApple::WildSourApple(float denomination) {
    configure(denomination);
    playOnce("waintro.wav");
}

void WildSourApple::configure(float value) {
    setUpMachine("wildsourapple", 3, true, value);
    wildChance = 3;
}

void WildSourApple::declareSymbols() {
    addSymbol("blank", 7);
    addSymbol("apple", 2);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("7", 2);
    addSymbol("wild", 2);
    addSymbol("wildoff", 4);
}

void WildSourApple::buildWildRules() {
    addWild(*this, "wild", 1, {"wild", "wildoff"});
    addWild(*this, "wildoff", 1, {"wild", "wildoff"});
}

void WildSourApple::buildPayTable() {
    SymbolList apple = symbolList({"apple"});
    addOneOfRule(apple, 2);
    addTwoOfRule(apple, 5);
    addThreeOfAKind(apple, 10, 0);
    addGroupRule(symbolList({"bar", "2bar", "3bar"}), 5);
    addThreeOfAKind(symbolList({"bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar"}), 20, 0);
    addThreeOfAKind(symbolList({"3bar"}), 30, 0);
    addThreeOfAKind(symbolList({"7"}), 50, 0);
    addNoWildRule(symbolList({"wildoff"}), 500, -1, false);
    addNoWildRule(symbolList({"wild"}), 1000, 3, false);
}

// Three wilds at three coins: the car.
void WildSourApple::buildExtraRules() { addJackpotMovieRule(symbolList({"wild"}), 3000, 3); }

void WildSourApple::onReelStop(int reel) { playAppleStopSound(*this, reel); }

void WildSourApple::playWinSound() {
    playAppleLineSound(*this);
}
