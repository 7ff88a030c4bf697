// What the tests of the arrow, wheel, dice, golf and climb machines share:
// a headless display and sound player, a player with money, machines opened
// as the floor opens them, spins run to the end, and the pay of a
// combination read from a machine's active rules.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <utility>
#include <string>
#include <vector>

#include "machine/prize_wheel.h"
#include "machine/three_reel.h"
#include "machines/threereel/bonus_pause.h"
#include "shell/asset_log.h"
#include "three_reel_session.h"

namespace bonustest {

using reelsession::fastClock;
using reelsession::heard;
using reelsession::pushKey;
using reelsession::pushMouse;
using reelsession::typeDollars;

inline void noDelay(Uint32) {}

using testrt::pushQuit;

inline bool loadedPicture(const std::string& path) { return loadedAssets().count(path) > 0; }

// Pointer positions the gamble screen reads, one per press; (0, 0) after.
inline std::deque<std::pair<int, int>> pointerAt;
inline void scriptedPointer(int* x, int* y) {
    *x = *y = 0;
    if (pointerAt.empty()) return;
    *x = pointerAt.front().first;
    *y = pointerAt.front().second;
    pointerAt.pop_front();
}

class MachineTest : public reelsession::ThreeReelSession {
public:
    void SetUp() override {
        startSession({"Bonus_Tester", 500.0, 4321, true, true});
        wheelDelay = noDelay;
    }

    using reelsession::ThreeReelSession::open;
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

// For the machines whose bonus screens pause between steps: no pauses.
class BonusScreenTest : public MachineTest {
public:
    void SetUp() override {
        MachineTest::SetUp();
        bonusPause = noDelay;
    }
};

}  // namespace bonustest
