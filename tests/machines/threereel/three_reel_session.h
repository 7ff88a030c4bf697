// The headless session every three-reel machine test runs in: the shared
// headless game with progressive meters, machines opened as the floor opens
// them, spins run to their end, the exact return of a table (several wilds
// included) and a seeded simulation of it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "machine/progressive.h"
#include "machine/three_reel.h"
#include "player/player.h"
#include "shell/mtrand.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace reelsession {

using namespace testrt;

// The mean win of `pulls` draws at `coins` (no reels), with its standard error.
struct Simulated {
    double mean, standardError;
};

inline Simulated simulate(ThreeReelMachine& m, int coins, int pulls) {
    m.coins = coins;
    double sum = 0, sumSq = 0;
    for (int i = 0; i < pulls; ++i) {
        m.spin();
        sum += m.win;
        sumSq += static_cast<double>(m.win) * m.win;
    }
    const double mean = sum / pulls;
    return {mean, std::sqrt(std::max(0.0, sumSq / pulls - mean * mean) / pulls)};
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

// The product of the multipliers of the wilds the result shows.
inline long long wildFactor(const ThreeReelMachine& m) {
    long long f = 1;
    for (int reel = 0; reel < 3; ++reel)
        for (const WildSymbol* w : m.wilds)
            if (m.result.chosenSymbol(reel) == w) f *= w->multiplier;
    return f;
}

// A player with $1000 (seed 4321) whose first visits are behind him; timed
// steps run on the fast clock and every pause is over at once.
class MachineFixture : public ::testing::Test {
protected:
    void SetUp() override { startSession(1000.0, 4321); }
    void TearDown() override { stopHeadless(); }

    void startSession(double money, unsigned long seed) {
        resetFiles();
        ASSERT_TRUE(startHeadless("Reel_Tester", money)) << SDL_GetError();
        seedGenerators(seed);
        seedProgressiveMeters();
        runFast();
    }

    // Opens a machine as the floor does, paying `dollars` in.
    template <class M>
    static M* open(float value = 1.0f, const std::string& dollars = "20") {
        typeMoney(dollars);
        return new M(value);
    }
};

}  // namespace reelsession
