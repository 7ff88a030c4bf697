// A headless derby for the machine tests: the shared headless game, pauses
// that take no time (but are recorded) and a clock that moves on by itself.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "derby/demo_derby.h"
#include "game/machine_factory.h"
#include "machine/denomination.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/text_label.h"
#include "support/headless.h"

namespace derbytest {

inline Uint32 clockNow = 1000;
inline Uint32 movingClock() { return clockNow += 3; }

inline std::vector<Uint32> pauses;
inline void recordPause(Uint32 ms) {
    pauses.push_back(ms);
    clockNow += ms;
}

inline int countPauses(Uint32 ms) {
    int n = 0;
    for (Uint32 p : pauses) n += p == ms;
    return n;
}

// The whole screen's pixels (to compare before and after).
inline std::vector<Uint8> screenPixels() {
    const SDL_Surface* s = display->screen;
    const Uint8* p = static_cast<const Uint8*>(s->pixels);
    return std::vector<Uint8>(p, p + s->pitch * s->h);
}

inline bool assetTried(const std::string& path) { return loadedAssets().count(path) > 0; }

class DerbyTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A test that waits for input that never comes fails instead of hanging.
        alarm(60);
        sgenrand(4357);
        ASSERT_TRUE(testrt::startHeadless("Dana_Derby", 1000.0)) << SDL_GetError();
        mediaTicks = movingClock;
        derbyDelay = recordPause;
        pauses.clear();
    }
    void TearDown() override {
        testrt::stopHeadless();
        alarm(0);
    }

    // The derby from the floor's factory with `money` dollars typed into its popup.
    DemoDerby* open(const std::string& money = "20", float value = 1.0f) {
        testrt::typeMoney(money);
        DemoDerby* d = dynamic_cast<DemoDerby*>(createMachine("demoderby", value));
        EXPECT_NE(d, nullptr);
        testrt::drainEvents();
        return d;
    }

    static void press(DemoDerby& d, const std::string& control) {
        Widget* w = d.buttonNamed(control);
        ASSERT_NE(w, nullptr) << control;
        d.handleButton(w);
    }

    static MachineStats& stats() { return *currentPlayer->findStats("demoderby"); }
};

}  // namespace derbytest
