#include "machines/threereel/super7s.h"

#include "machines/threereel/reel_checks.h"

Super7s::Super7s(float denomination) {
    configure(denomination);
    playOnce("newintr5.wav");
}

void Super7s::configure(float value) {
    setUpMachine("super7s", 3, false, value);
}

void Super7s::declareSymbols() {
    addSymbol("blank", 10);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("7", 2);
    addSymbol("super7", 2);
}

void Super7s::buildWildRules() {}

// Blanks and bars pay the same at one, two and three coins.
void Super7s::buildPayTable() {
    struct Row {
        const char* symbol;
        int award;
    };
    const Row threes[] = {{"blank", 2}, {"bar", 20}, {"2bar", 40}, {"3bar", 60}};
    for (int coinCount = 1; coinCount <= 3; ++coinCount)
        addCoinThreeOfAKind(symbolList({threes[0].symbol}), threes[0].award, coinCount);
    for (int coinCount = 1; coinCount <= 3; ++coinCount)
        addCoinGroupRule(symbolList({"bar", "2bar", "3bar"}), 5, coinCount);
    for (int row = 1; row < 4; ++row)
        for (int coinCount = 1; coinCount <= 3; ++coinCount)
            addCoinThreeOfAKind(symbolList({threes[row].symbol}), threes[row].award, coinCount);
}

// The sevens: nothing at one coin.
void Super7s::buildExtraRules() {
    SymbolList sevens = symbolList({"7", "super7"});
    addCoinGroupRule(sevens, 100, 2);
    addCoinGroupRule(sevens, 200, 3);
    addCoinThreeOfAKind(symbolList({"7"}), 150, 2);
    addCoinThreeOfAKind(symbolList({"7"}), 300, 3);
    addCoinThreeOfAKind(symbolList({"super7"}), 200, 2);
    addCoinThreeOfAKind(symbolList({"super7"}), 500, 3);
}

void Super7s::onReelStop(int reel) {
    if (reelShows(*this, reel, "super7")) playOnce("thwomp.wav");
}

void Super7s::playWinSound() {
    if (win > 99) playOnce("newintr5.wav");
}
