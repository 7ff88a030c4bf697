#include "machines/threereel/blackjack.h"

#include "machines/threereel/reel_checks.h"
#include "player/jackpot_movies.h"

Blackjack::Blackjack(float denomination) {
    configure(denomination);
    playOnce("bjdrumsht.wav");
}

void Blackjack::configure(float value) {
    setUpMachine("blackjack", 3, true, value);
    progressive.create(denomination);
    wildChance = 3;
}

void Blackjack::tick() {
    progressive.update(denomination);
    ThreeReelMachine::tick();
}

void Blackjack::declareSymbols() {
    addSymbol("blank", 9);
    addSymbol("chips", 5);
    addSymbol("17", 2);
    addSymbol("18", 2);
    addSymbol("19", 2);
    addSymbol("20", 2);
    addSymbol("wild", 2);
}

void Blackjack::buildWildRules() { addWild(*this, "wild", 1, {"wild"}); }

void Blackjack::buildPayTable() {
    SymbolList chips = symbolList({"chips"});
    addOneOfRule(chips, 2);
    addTwoOfRule(chips, 5);
    addThreeOfAKind(chips, 10, 0);
    addThreeOfAKind(symbolList({"17"}), 5, 0);
    addThreeOfAKind(symbolList({"18"}), 10, 0);
    addThreeOfAKind(symbolList({"19"}), 20, 0);
    addThreeOfAKind(symbolList({"20"}), 30, 0);
    addNoWildRule(symbolList({"wild"}), 500, 3, false);
}

void Blackjack::buildExtraRules() { addProgressiveRule(symbolList({"wild"}), 5000, 3); }

void Blackjack::onReelStop(int) {}

void Blackjack::playWinSound() {
    if (result.payKind == payProgressive) {
        playJackpotMovie(this);
        playOnce("bjdrum.wav");
    } else if (allReelsShow(*this, "20")) {
        playOnce("bjdrumsht.wav");
    }
}
