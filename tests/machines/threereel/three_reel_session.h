// The headless session every three-reel machine test runs in: display,
// sound player, denominations, progressive meters and a player with money,
// key presses for the money popup, machines opened as the floor opens them,
// and spins run to their end.
#pragma once

#include <gtest/gtest.h>
#include <sge.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "machine/denomination.h"
#include "machine/progressive.h"
#include "machine/three_reel.h"
#include "player/player.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/sound.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace reelsession {

// A clock that runs 40 ms a call, so timed steps end without waiting.
inline Uint32 fastClock() {
    static Uint32 now = 1000;
    return now += 40;
}

using testrt::pushKey;
using testrt::typeMoney;
inline void typeDollars(const std::string& amount) { typeMoney(amount); }
inline void pushMouse(Uint8 type, int x, int y) { testrt::pushClick(x, y, type); }

inline bool heard(const std::string& sound) { return loadedAssets().count("../sounds/" + sound) > 0; }

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

    // Opens a machine as the floor does, paying `dollars` in and clicking
    // through `helpClicks` help pages.
    template <class M>
    static M* open(float value = 1.0f, const std::string& dollars = "20", int helpClicks = 0) {
        typeDollars(dollars);
        for (int i = 0; i < helpClicks; ++i) pushMouse(SDL_MOUSEBUTTONDOWN, 10, 300);
        return new M(value);
    }
};

}  // namespace reelsession
