#include "machines/threereel/wild_apple.h"

#include "machines/threereel/reel_checks.h"
#include "player/jackpot_movies.h"

WildApple::WildApple(float denomination) {
    configure(denomination);
    playOnce("waintro.wav");
}

void WildApple::configure(float value) {
    setUpMachine("wildapple", 3, true, value);
    progressive.create(denomination);
    wildChance = 3;
}

void WildApple::tick() {
    progressive.update(denomination);
    ThreeReelMachine::tick();
}

void WildApple::declareSymbols() {
    addSymbol("blank", 10);
    addSymbol("apple", 3);
    addSymbol("bar", 3);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("7", 2);
    addSymbol("wild", 2);
    addSymbol("wildoff", 4);
}

// "wild" doubles a win; "wildoff" shows in its place and leaves the win alone.
void WildApple::buildWildRules() {
    addWild(*this, "wild", 2, {"wild", "wildoff"});
    addWild(*this, "wildoff", 1, {"wild", "wildoff"});
}

void WildApple::buildPayTable() {
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
    addProgressiveRule(symbolList({"wild"}), 5000, 3);
}

void WildApple::buildExtraRules() {}

void WildApple::onReelStop(int reel) { playAppleStopSound(*this, reel); }

void WildApple::playWinSound() {
    if (result.payKind == payProgressive) {
        playJackpotMovie(this);
        playOnce("wajackpt.wav");
    }
    playAppleLineSound(*this);
}
