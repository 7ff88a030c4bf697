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

inline void pushKey(SDLKey key, Uint16 unicode = 0, Uint8 type = SDL_KEYDOWN) {
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    e.key.keysym.unicode = unicode;
    SDL_PushEvent(&e);
}

inline void pushEventOfType(Uint8 type) {
    SDL_Event e{};
    e.type = type;
    if (type == SDL_MOUSEBUTTONDOWN || type == SDL_MOUSEBUTTONUP) {
        e.button.type = type;
        e.button.button = SDL_BUTTON_LEFT;
        e.button.x = e.button.y = 10;
    }
    SDL_PushEvent(&e);
}

// Types an amount into the money popup that opens next.
inline void typeMoney(const std::string& amount) {
    for (char c : amount) pushKey(static_cast<SDLKey>(c), static_cast<Uint16>(c));
    pushKey(SDLK_RETURN, '\r');
}

inline int pendingEvents() {
    SDL_PumpEvents();
    SDL_Event all[64];
    return SDL_PeepEvents(all, 64, SDL_PEEKEVENT, SDL_ALLEVENTS);
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

inline void drainEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {}
}

class DerbyTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A test that waits for input that never comes fails instead of hanging.
        alarm(60);
        sgenrand(4357);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO), 0) << SDL_GetError();
        ASSERT_EQ(sge_TTF_Init(), 0);
        display = new Display(SDL_SWSURFACE);
        ASSERT_TRUE(display->hasSurface());
        soundPlayer = new SoundPlayer();
        buildDenominationTable();
        currentPlayer = new Player();
        currentPlayer->name = "Dana_Derby";
        currentPlayer->money = 1000.0;
        currentPlayer->vippoints = 0.0;
        // A first visit would open the lobby's help pages, which wait for a press.
        currentPlayer->firsttime = false;
        currentPlayer->firsttimelobby = false;
        currentPlayer->firsttimeslot = false;
        mediaTicks = movingClock;
        derbyDelay = recordPause;
        pauses.clear();
        clearLoadedAssets();
        drainEvents();
    }
    void TearDown() override {
        drainEvents();
        delete currentPlayer;
        currentPlayer = nullptr;
        freeDenominationTable();
        delete soundPlayer;
        soundPlayer = nullptr;
        delete display;
        display = nullptr;
        mediaTicks = SDL_GetTicks;
        derbyDelay = SDL_Delay;
        SDL_Quit();
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
