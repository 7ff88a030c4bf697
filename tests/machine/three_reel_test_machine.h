// A three-reel machine for the family's tests: its tables are whatever the
// test declares, and it is never put on the screen (no set-up, no popup),
// so the rules, the draw and the settle can be driven directly.
#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "machine/three_reel.h"

class TableMachine : public ThreeReelMachine {
public:
    std::function<void(TableMachine&)> symbolsHook, wildsHook, payHook, extraHook;
    std::vector<std::string> events;  // what the hooks saw, in order
    long long forcedStop = -1;        // when 0 or more, the draw number of every spin

    TableMachine() {
        name = "10x";  // a machine id the player's statistics know
        reelCount = 3;
        maxLines = 1;
        lines = 1;
        maxCoins = 3;
        payoutRatio = 0.95f;
        multiplyByCoins = true;
    }

    // Runs the definition hooks in the family's order.
    void define() {
        declareSymbols();
        buildWildRules();
        buildPayTable();
        buildExtraRules();
    }

    void declareSymbols() override {
        if (symbolsHook) symbolsHook(*this);
    }
    void buildWildRules() override {
        if (wildsHook) wildsHook(*this);
    }
    void buildPayTable() override {
        if (payHook) payHook(*this);
    }
    void buildExtraRules() override {
        if (extraHook) extraHook(*this);
    }
    void onReelStop(int reel) override { events.push_back("stop" + std::to_string(reel)); }
    void playWinSound() override {
        events.push_back("winsound credits=" + std::to_string(credits) + " win=" + std::to_string(win));
    }

    Uint32 drawStop() override {
        return forcedStop >= 0 ? static_cast<Uint32>(forcedStop) : ThreeReelMachine::drawStop();
    }

    // One wild named "wild" standing in for every symbol but the declared "wild".
    void addPlainWild(int multiplier) {
        WildSymbol* w = new WildSymbol();
        w->setMultiplier(multiplier);
        w->name = "wild";
        w->addSubstitutesExcept(symbols, symbolList({"wild"}));
        wilds.push_back(w);
    }
};

// The 10X table, written out as the machine writes it.
inline void defineTenXTable(TableMachine& m) {
    m.symbolsHook = [](TableMachine& t) {
        t.addSymbol("blank", 9);
        t.addSymbol("x", 2);
        t.addSymbol("bar", 2);
        t.addSymbol("2bar", 2);
        t.addSymbol("3bar", 2);
        t.addSymbol("10bar", 2);
        t.addSymbol("wild", 2);
    };
    m.wildsHook = [](TableMachine& t) { t.addPlainWild(10); };
    m.payHook = [](TableMachine& t) {
        SymbolList x = t.symbolList({"x"});
        t.addOneOfRule(x, 2, 0.05f);
        t.addTwoOfRule(x, 5, 0.25f);
        t.addThreeOfAKind(x, 10, 0.05f, 0);
        t.addGroupRule(t.symbolList({"bar", "2bar", "3bar", "10bar"}), 5, 0.2f);
        t.addThreeOfAKind(t.symbolList({"bar"}), 10, 0.05f, 0);
        t.addThreeOfAKind(t.symbolList({"2bar"}), 25, 0.1f, 0);
        t.addThreeOfAKind(t.symbolList({"3bar"}), 40, 0.1f, 0);
        t.addThreeOfAKind(t.symbolList({"10bar"}), 80, 0.15f, 0);
        t.addNoWildRule(t.symbolList({"wild"}), 800, 3, false);
    };
    m.extraHook = [](TableMachine& t) { t.addNoWildRule(t.symbolList({"wild"}), 5000, 3, true); };
    m.define();
    m.wildChance = 20;
}

// ---- an independent reckoning of what a table should do -------------------

struct Slice {
    int start, end;
    double probability;
    double expectedWin;  // coins, wild multipliers included
};

struct Reckoning {
    std::vector<Slice> slices;  // in draw order
    double winProbability = 0;
    double expectedWin = 0;     // coins per spin
};

// What the table of `m` returns at `coins`, from the rules alone.
inline Reckoning reckon(const ThreeReelMachine& m, int coins) {
    std::vector<const PayRule*> active;
    for (const PayRule& r : m.payRules)
        if (r.supersededFromCoins == -1 || r.supersededFromCoins > coins) active.push_back(&r);
    for (const CoinPayRule& r : m.coinRules)
        if (r.coins == coins) active.push_back(&r);
    std::stable_sort(active.begin(), active.end(),
                     [](const PayRule* a, const PayRule* b) { return a->award > b->award; });

    const double M = std::floor(10000000.0L / static_cast<long double>(m.payoutRatio));
    const int n = static_cast<int>(active.size());
    const int span = 10000000 / n;
    Reckoning out;
    int start = 0;
    for (const PayRule* r : active) {
        int width;
        if (r->payKind == payPerCoin) {
            width = span / r->award;
        } else {
            int q = r->award / coins;
            width = q >= 1 ? span / q : span;
        }
        Slice s;
        s.start = start;
        s.end = start + width;
        s.probability = (width + 1) / M;
        start = s.end + 1;

        // Wilds: each eligible reel in turn, at most two substitutions.
        double mult = 1.0;
        if (!r->noWild && !m.wilds.empty()) {
            const WildSymbol* w = m.wilds[0];
            double weight[3] = {1, 0, 0};  // E[product of multipliers; count]
            for (int reel = 0; reel < 3; ++reel) {
                if (!r->reelBit(reel)) continue;
                const SymbolList& list = r->accepted[reel];
                double subst = 0;
                for (Symbol* s2 : list) subst += w->substitutes(s2) ? 1 : 0;
                double q = subst / list.size() / m.wildChance;
                double next[3] = {0, 0, weight[2]};
                for (int c = 0; c < 2; ++c) {
                    next[c] += weight[c] * (1 - q);
                    next[c + 1] += weight[c] * q * w->multiplier;
                }
                std::copy(next, next + 3, weight);
            }
            mult = weight[0] + weight[1] + weight[2];
        }
        double perSpin = r->award * mult;
        if (m.multiplyByCoins && r->payKind != payWholeBet) perSpin *= coins;
        s.expectedWin = perSpin;
        out.winProbability += s.probability;
        out.expectedWin += s.probability * perSpin;
        out.slices.push_back(s);
    }
    return out;
}

