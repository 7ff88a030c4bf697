// A headless poker cabinet for the machine tests: display, fonts, coin
// values and a player, pauses that take no time, a clock that moves on by
// itself, and a mouse whose clicks the test scripts.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>
#include <sge.h>

#include <deque>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "game/machine_factory.h"
#include "player/machine_table.h"
#include "machine/denomination.h"
#include "machine/prize_wheel.h"
#include "player/player.h"
#include "poker/poker_machines.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/sound.h"

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
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = SDL_PRESSED;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}

inline void pushKey(SDLKey key, Uint16 unicode = 0) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    e.key.keysym.unicode = unicode;
    SDL_PushEvent(&e);
}

inline SDL_Event keyEvent(SDLKey key) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.type = SDL_KEYDOWN;
    e.key.keysym.sym = key;
    return e;
}

// Types an amount into the money popup that opens with the machine.
inline void typeMoney(const std::string& amount) {
    for (char c : amount) pushKey(static_cast<SDLKey>(c), static_cast<Uint16>(c));
    pushKey(SDLK_RETURN, '\r');
}

inline void drainEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {}
    mousePoints.clear();
}

class PokerTest : public ::testing::Test {
protected:
    void SetUp() override {
        sgenrand(4357);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        ASSERT_EQ(sge_TTF_Init(), 0);
        display = new Display(SDL_SWSURFACE);
        ASSERT_TRUE(display->hasSurface());
        SDL_EnableUNICODE(1);
        soundPlayer = new SoundPlayer();
        buildDenominationTable();
        currentPlayer = new Player();
        currentPlayer->name = "poker_probe";
        currentPlayer->money = 1000.0;
        currentPlayer->firsttimepoker = false;
        currentPlayer->firsttimelobby = false;
        mediaTicks = movingClock;
        pokerDelay = recordPause;
        wheelDelay = recordPause;
        pokerMouseState = scriptedMouse;
        clearLoadedAssets();
    }
    void TearDown() override {
        drainEvents();
        onMouseLook = nullptr;
        delete currentPlayer;
        currentPlayer = nullptr;
        freeDenominationTable();
        delete soundPlayer;
        soundPlayer = nullptr;
        delete display;
        display = nullptr;
        SDL_Quit();
    }

    // A machine from the floor's factory with `money` dollars put in.
    template <class T>
    T* open(const std::string& id, const std::string& money = "20", float value = 1.0f) {
        typeMoney(money);
        Screen* s = createMachine(id, value);
        EXPECT_NE(s, nullptr) << id;
        T* m = dynamic_cast<T*>(s);
        EXPECT_NE(m, nullptr) << id;
        return m;
    }

    static bool assetTried(const std::string& path) { return loadedAssets().count(path) > 0; }
};

// Puts the deck's cards of the given faces into the machine's hand, as a deal would.
inline void setHand(VideoPoker& m, const std::vector<std::pair<int, int>>& faces) {
    for (Card* c : m.deck) c->dealt = c->held = false;
    m.hand.clear();
    std::vector<bool> used(m.deck.size(), false);
    for (auto f : faces) {  // (rank, suit)
        for (size_t i = 0; i < m.deck.size(); ++i) {
            if (!used[i] && m.deck[i]->rank == f.first && m.deck[i]->suit == f.second) {
                used[i] = true;
                m.deck[i]->dealt = true;
                m.hand.push_back(m.deck[i]);
                break;
            }
        }
    }
    ASSERT_EQ(m.hand.size(), 5u);
}

}  // namespace pokertest
