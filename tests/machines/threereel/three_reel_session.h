// The headless session every three-reel machine test runs in: display,
// sound player, denominations, progressive meters and a player with money,
// key presses for the money popup, machines opened as the floor opens them
// (by class or by id), spins run to their end, the exact return of a table
// (several wilds included) and a seeded simulation of it.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "game/machine_factory.h"
#include "machine/prize_wheel.h"
#include "machine/progressive.h"
#include "machine/three_reel.h"
#include "machines/threereel/bonus_pause.h"
#include "machines/threereel/dragon_spin.h"
#include "player/player.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace reelsession {

// A clock that runs 40 ms a call, so timed steps end without waiting.
inline Uint32 fastClock() {
    static Uint32 now = 1000;
    return now += 40;
}

using testrt::pushKey;
using testrt::pushQuit;
inline void typeDollars(const std::string& amount) { testrt::typeMoney(amount); }
inline void pushMouse(Uint8 type, int x, int y) { testrt::pushClick(x, y, type); }

inline bool heard(const std::string& sound) { return loadedAssets().count("../sounds/" + sound) > 0; }
inline bool loadedPicture(const std::string& path) { return loadedAssets().count(path) > 0; }

inline void noDelay(Uint32) {}

// Lets the reels stop at once and runs the frames up to the settle.
inline void finishSpin(ThreeReelMachine& m) {
    for (int i = 0; i < 20 && m.spinning; ++i) {
        for (int& d : m.reelStopDelays) d = 0;
        m.tick();
    }
}

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

// Who plays in a session, and how.
struct SessionPlayer {
    const char* name;
    double money;
    unsigned long seed;
    bool helpSeen;   // the first-visit help pages are already behind the player
    bool fastClock;  // timed steps run on fastClock
};

class ThreeReelSession : public ::testing::Test {
protected:
    // Opens the session; call from SetUp.
    void startSession(const SessionPlayer& who) {
        testrt::resetFiles();
        ASSERT_TRUE(testrt::startHeadless(who.name, who.money)) << SDL_GetError();
        sgenrand(who.seed);
        seedProgressiveMeters();
        currentPlayer->firsttimeslot = !who.helpSeen;
        ThreeReelMachine::countUpDelay = 0;
        if (who.fastClock) mediaTicks = fastClock;
    }

    void TearDown() override {
        clearProgressiveMeters();
        testrt::stopHeadless();
    }

    // Opens a machine as the floor does, paying `dollars` in.
    template <class M>
    static M* open(float value = 1.0f, const std::string& dollars = "20") {
        typeDollars(dollars);
        return new M(value);
    }

    // The same, by machine id.
    static ThreeReelMachine* openId(const std::string& id, float value = 1.0f, const std::string& dollars = "20") {
        typeDollars(dollars);
        return dynamic_cast<ThreeReelMachine*>(createMachine(id, value));
    }
};

// The single-line machines' own tests: bonus screens, wheels and the dragon's
// re-spin never pause.
class MachineFixture : public ThreeReelSession {
protected:
    void SetUp() override {
        startSession({"Reel_Tester", 1000.0, 4321, true, true});
        bonusPause = noDelay;
        wheelDelay = noDelay;
        DragonSpin::pauseMs = 0;
    }
};

}  // namespace reelsession
