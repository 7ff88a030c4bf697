// A headless derby for the machine tests: display, fonts, sound on the dummy
// driver, coin values and a player; pauses that take no time (but are
// recorded) and a clock that moves on by itself.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>
#include <sge.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "derby/demo_derby.h"
#include "game/machine_factory.h"
#include "player/machine_table.h"
#include "machine/denomination.h"
#include "player/player.h"
#include "shell/asset_log.h"
#include "shell/controls.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/sound.h"
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

using testrt::drainEvents;
using testrt::pendingEvents;
using testrt::pushKey;
using testrt::typeMoney;

inline void pushEventOfType(Uint8 type) {
    if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) return testrt::pushClick(10, 10, type);
    SDL_Event e{};
    e.type = type;
    SDL_PushEvent(&e);
}

// The screen's pixels in an area, row by row (to compare before and after).
inline std::vector<Uint8> screenPixels(SDL_Rect area) {
    SDL_Surface* s = display->screen;
    std::vector<Uint8> pixels;
    SDL_LockSurface(s);
    for (int y = area.y; y < area.y + area.h; ++y) {
        const Uint8* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch + area.x * s->format->BytesPerPixel;
        pixels.insert(pixels.end(), row, row + area.w * s->format->BytesPerPixel);
    }
    SDL_UnlockSurface(s);
    return pixels;
}

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
        typeMoney(money);
        Screen* s = createMachine("demoderby", value);
        EXPECT_NE(s, nullptr);
        DemoDerby* d = dynamic_cast<DemoDerby*>(s);
        EXPECT_NE(d, nullptr);
        drainEvents();
        return d;
    }

    static void press(DemoDerby& d, const std::string& control) {
        Widget* w = d.buttonNamed(control);
        ASSERT_NE(w, nullptr) << control;
        d.handleButton(w);
    }

    static bool assetTried(const std::string& path) { return loadedAssets().count(path) > 0; }
    static MachineStats& stats() { return *currentPlayer->findStats("demoderby"); }
};

}  // namespace derbytest
