// A three-reel machine for the family's tests: its tables are whatever the
// test adds, and it is never put on the screen (no set-up, no popup), so the
// rules, the draw and the settle can be driven directly.
#pragma once

#include "machine/three_reel.h"

class TableMachine : public ThreeReelMachine {
public:
    long long forcedStop = -1;  // when 0 or more, the draw number of every spin

    TableMachine() {
        name = "10x";  // a machine id the player's statistics know
        reelCount = 3;
        lines = 1;
        maxCoins = 3;
        multiplyByCoins = true;
    }

    void declareSymbols() override {}
    void buildWildRules() override {}
    void buildPayTable() override {}
    void buildExtraRules() override {}
    void onReelStop(int) override {}
    void playWinSound() override {}

    Uint32 drawStop() override {
        return forcedStop >= 0 ? static_cast<Uint32>(forcedStop) : ThreeReelMachine::drawStop();
    }

    // One wild named "wild" standing in for every symbol but the declared "wild".
    void addPlainWild(int multiplier) {
        WildSymbol* w = addWildSymbol();
        w->setMultiplier(multiplier);
        w->name = "wild";
        w->addSubstitutesExcept(symbols, symbolList({"wild"}));
    }
};
