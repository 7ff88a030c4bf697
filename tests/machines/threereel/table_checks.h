// Shared checks for the single-line machines' tests: a headless fixture that
// opens a machine as the floor does, what a combination pays at a bet, the
// exact return of a table (several wilds included) and a seeded simulation.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iostream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "machine/three_reel.h"
#include "three_reel_session.h"

namespace tablecheck {

using reelsession::fastClock;
using reelsession::finishSpin;
using reelsession::heard;
using reelsession::Simulated;
using reelsession::simulate;
using reelsession::typeDollars;

inline void press(SDLKey key, Uint16 unicode) { reelsession::pushKey(key, unicode); }

// Special pays in paysFor's answer.
const int carPrize = -2;
const int progressivePrize = -3;

// What the active rules at `coins` pay for three symbols (before wilds):
// credits for the spin, or carPrize / progressivePrize; each distinct pay of
// the rules that accept the combination, sorted (a mixed group is accepted
// by several rules of one pay).
inline std::vector<int> paysFor(ThreeReelMachine& m, int coins, const std::vector<std::string>& names) {
    m.coins = coins;
    m.buildActiveRules();
    std::vector<Symbol*> shown;
    for (const std::string& n : names) shown.push_back(m.findSymbol(n));
    std::vector<int> out;
    for (const PayRule& r : m.activeRules) {
        if (r.rangeStart < 0) continue;
        bool all = true;
        for (int reel = 0; reel < 3; ++reel) all = all && r.accepts(reel, shown[reel]);
        if (!all) continue;
        if (r.payKind == payJackpotMovie) out.push_back(carPrize);
        else if (r.payKind == payProgressive) out.push_back(progressivePrize);
        else if (m.multiplyByCoins && r.payKind != payWholeBet) out.push_back(r.award * coins);
        else out.push_back(r.award);
    }
    std::sort(out.begin(), out.end());
    out.erase(std::unique(out.begin(), out.end()), out.end());
    return out;
}



// The expected win of one spin at `coins`, worked out from the active rules
// alone: each rule's slice of the draw numbers, the uniform pick of each
// reel's symbol, and the wild step (per eligible reel, one wild tried among
// those that take the symbol, chance 1 in wildChance, two at most).
inline double expectedWin(ThreeReelMachine& m, int coins) {
    m.coins = coins;
    m.buildActiveRules();
    const double range = static_cast<double>(m.drawRange());
    double total = 0;
    for (const PayRule& r : m.activeRules) {
        if (r.rangeStart < 0) continue;
        const double p = (r.rangeEnd - r.rangeStart + 1) / range;
        double weight[3] = {1, 0, 0};  // expected product of multipliers, by substitutions so far
        if (!r.noWild && !m.wilds.empty() && m.wildChance >= 1) {
            for (int reel = 0; reel < 3; ++reel) {
                if (!r.reelBit(reel)) continue;
                const SymbolList& list = r.accepted[reel];
                double q = 0, qm = 0;
                for (const Symbol* s : list) {
                    int takers = 0, sum = 0;
                    for (const WildSymbol* w : m.wilds)
                        if (w->substitutes(s)) ++takers, sum += w->multiplier;
                    if (!takers) continue;
                    q += 1.0 / list.size() / m.wildChance;
                    qm += static_cast<double>(sum) / takers / list.size() / m.wildChance;
                }
                double next[3] = {0, 0, weight[2]};
                for (int c = 0; c < 2; ++c) {
                    next[c] += weight[c] * (1 - q);
                    next[c + 1] += weight[c] * qm;
                }
                std::copy(next, next + 3, weight);
            }
        }
        double perSpin = r.award * (weight[0] + weight[1] + weight[2]);
        if (m.multiplyByCoins && r.payKind != payWholeBet) perSpin *= coins;
        total += p * perSpin;
    }
    return total;
}

// Pulls (draws only, no reels) until the outcome satisfies `pred`.
template <class Pred>
bool spinUntil(ThreeReelMachine& m, int coins, Pred pred, int maxPulls = 3000000) {
    m.coins = coins;
    for (int i = 0; i < maxPulls; ++i) {
        m.spin();
        if (pred(m)) return true;
    }
    return false;
}

inline bool shows(const ThreeReelMachine& m, const char* a, const char* b, const char* c) {
    const char* names[3] = {a, b, c};
    for (int reel = 0; reel < 3; ++reel) {
        const Symbol* s = m.result.chosenSymbol(reel);
        if (!s || s->name != names[reel]) return false;
    }
    return true;
}

class MachineFixture : public reelsession::ThreeReelSession {
protected:
    void SetUp() override { startSession({"Reel_Tester", 1000.0, 4321, true, true}); }
};

}  // namespace tablecheck
