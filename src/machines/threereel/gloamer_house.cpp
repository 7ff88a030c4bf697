#include "machines/threereel/gloamer_house.h"

#include "machines/threereel/reel_checks.h"
#include "player/jackpot_movies.h"

GloamerHouse::GloamerHouse(float denomination) {
    configure(denomination);
    playOnce("gloamsnd.wav");
}

void GloamerHouse::configure(float value) {
    setUpMachine("gloamerhouse", 3, false, value);
    progressive.create(denomination);
}

void GloamerHouse::tick() {
    progressive.update(denomination);
    ThreeReelMachine::tick();
}

void GloamerHouse::declareSymbols() {
    addSymbol("blank", 10);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("7", 2);
    addSymbol("gloamer", 2);
}

void GloamerHouse::buildWildRules() {}

// Blanks and bars pay the same whole-bet amount at one, two and three coins.
void GloamerHouse::buildPayTable() {
    for (int coinCount = 1; coinCount <= 3; ++coinCount)
        addCoinThreeOfAKind(symbolList({"blank"}), 2, coinCount);
    for (int coinCount = 1; coinCount <= 3; ++coinCount)
        addCoinGroupRule(symbolList({"bar", "2bar", "3bar"}), 5, coinCount);
    const struct {
        const char* symbol;
        int award;
    } bars[] = {{"bar", 20}, {"2bar", 40}, {"3bar", 60}};
    for (const auto& row : bars)
        for (int coinCount = 1; coinCount <= 3; ++coinCount)
            addCoinThreeOfAKind(symbolList({row.symbol}), row.award, coinCount);
}

// Sevens and gloamers pay nothing at one coin.
void GloamerHouse::buildExtraRules() {
    SymbolList top = symbolList({"7", "gloamer"});
    addCoinGroupRule(top, 100, 2);
    addCoinGroupRule(top, 200, 3);
    addCoinThreeOfAKind(symbolList({"7"}), 150, 2);
    addCoinThreeOfAKind(symbolList({"7"}), 300, 3);
    addCoinThreeOfAKind(symbolList({"gloamer"}), 200, 2);
    addProgressiveRule(symbolList({"gloamer"}), 500, 3);
}

void GloamerHouse::onReelStop(int reel) {
    if (reelShows(*this, reel, "gloamer")) playOnce("gloamsnd.wav");
}

void GloamerHouse::playWinSound() {
    if (result.payKind == payProgressive) {
        playJackpotMovie(this);
        playOnce("techjack.wav");
    } else if (allReelsShow(*this, "7")) {
        playOnce("techintr.wav");
    }
}
