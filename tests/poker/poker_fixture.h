// A headless poker cabinet for the machine tests: the shared headless game,
// pauses that take no time (but are recorded), a clock that moves on by
// itself, and a mouse whose clicks the test scripts.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game/machine_factory.h"
#include "machine/prize_wheel.h"
#include "player/player.h"
#include "poker/poker_machines.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/text_label.h"
#include "support/headless.h"

namespace pokertest {

inline Uint32 clockNow = 1000;
inline Uint32 movingClock() { return clockNow += 3; }

inline std::vector<Uint32> pauses;
inline void recordPause(Uint32 ms) {
    pauses.push_back(ms);
    clockNow += ms;
}

// Scripted mouse: each look takes the next point; the hook runs first so a
// test can see the machine at the moment of the click.
inline std::deque<std::pair<int, int>> mousePoints;
inline std::function<void()> onMouseLook;
inline void scriptedMouse(int* x, int* y) {
    if (onMouseLook) onMouseLook();
    if (mousePoints.empty()) {
        *x = *y = 0;
        return;
    }
    *x = mousePoints.front().first;
    *y = mousePoints.front().second;
    mousePoints.pop_front();
}

inline void pushClick(int x, int y) {
    mousePoints.push_back({x, y});
    testrt::pushClick(x, y);
}

inline bool assetTried(const std::string& path) { return loadedAssets().count(path) > 0; }

class PokerTest : public ::testing::Test {
protected:
    void SetUp() override {
        sgenrand(4357);
        ASSERT_TRUE(testrt::startHeadless("poker_probe", 1000.0, false)) << SDL_GetError();
        mediaTicks = movingClock;
        pokerDelay = recordPause;
        wheelDelay = recordPause;
        pokerMouseState = scriptedMouse;
        pauses.clear();
    }
    void TearDown() override {
        onMouseLook = nullptr;
        mousePoints.clear();
        testrt::stopHeadless();
    }

    // A machine from the floor's factory with `money` dollars put in.
    template <class T>
    T* open(const std::string& id, const std::string& money = "20", float value = 1.0f) {
        testrt::typeMoney(money);
        T* m = dynamic_cast<T*>(createMachine(id, value));
        EXPECT_NE(m, nullptr) << id;
        return m;
    }
};

// Puts the deck's cards of the given faces into the machine's hand, as a deal would.
inline void setHand(VideoPoker& m, const std::vector<std::pair<int, int>>& faces) {
    for (Card* c : m.deck) c->dealt = c->held = false;
    m.hand.clear();
    for (auto f : faces)  // (rank, suit)
        for (Card* c : m.deck)
            if (c->rank == f.first && c->suit == f.second) m.hand.push_back(c);
    ASSERT_EQ(m.hand.size(), 5u);
}

}  // namespace pokertest
