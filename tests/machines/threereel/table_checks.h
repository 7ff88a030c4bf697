// The one fixture of the single-line machines' tests: a headless session
// whose bonus screens, wheels and re-spins never pause, machines opened as
// the floor opens them (by class or by id), the exact return of a table
// (several wilds included) and what a spin's shown symbols multiply by.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "game/machine_factory.h"
#include "machine/prize_wheel.h"
#include "machine/three_reel.h"
#include "machines/threereel/bonus_pause.h"
#include "machines/threereel/dragon_spin.h"
#include "shell/asset_log.h"
#include "three_reel_session.h"

namespace tablecheck {

using reelsession::fastClock;
using reelsession::heard;
using reelsession::pushKey;
using reelsession::pushMouse;
using reelsession::Simulated;
using reelsession::simulate;
using reelsession::typeDollars;
using testrt::pushQuit;

inline bool loadedPicture(const std::string& path) { return loadedAssets().count(path) > 0; }

inline void noDelay(Uint32) {}

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

class MachineFixture : public reelsession::ThreeReelSession {
protected:
    void SetUp() override {
        startSession({"Reel_Tester", 1000.0, 4321, true, true});
        bonusPause = noDelay;
        wheelDelay = noDelay;
        DragonSpin::pauseMs = 0;
    }

    using reelsession::ThreeReelSession::open;

    // Opens the machine with that id as the floor does, paying `dollars` in.
    static ThreeReelMachine* openId(const std::string& id, float value = 1.0f, const std::string& dollars = "20") {
        typeDollars(dollars);
        return dynamic_cast<ThreeReelMachine*>(createMachine(id, value));
    }

    static void finishSpin(ThreeReelMachine& m) { reelsession::finishSpin(m); }

    // The product of the multipliers of the wilds the result shows.
    static long long wildFactor(const ThreeReelMachine& m) {
        long long f = 1;
        for (int reel = 0; reel < 3; ++reel)
            for (const WildSymbol* w : m.wilds)
                if (m.result.chosenSymbol(reel) == w) f *= w->multiplier;
        return f;
    }
};

}  // namespace tablecheck
