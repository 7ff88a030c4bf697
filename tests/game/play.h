// Plays a machine of any family the way the player does, for the tests that
// run whole sessions: full-bet plays run to their end, with presses queued
// for any bonus game or gamble they open.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>

#include "support/headless.h"
#include "derby/demo_derby.h"
#include "machine/machine.h"
#include "poker/video_poker.h"
#include "shell/app.h"

namespace gameplay {

inline void key(Screen& s, SDLKey sym) { s.handleEvent(testrt::keyEvent(sym)); }

// What a bonus game or gamble may wait for: presses all over the screen,
// then a window close in case none of them was the one it wanted.
inline void queuePressesForBonuses() {
    testrt::drainEvents();
    for (int y = 100; y <= 550; y += 75)
        for (int x = 60; x <= 740; x += 85) testrt::pushClick(x, y);
    testrt::pushQuit();
}

// One full-bet play the way the player makes it, run to its end.
inline void playOnce(Screen& s) {
    queuePressesForBonuses();
    if (auto* m = dynamic_cast<Machine*>(&s)) {
        key(s, SDLK_m);
        testrt::finishSpin(*m);
    } else if (auto* p = dynamic_cast<VideoPoker*>(&s)) {
        key(s, SDLK_m);
        if (p->handOut) key(s, SDLK_RETURN);
    } else if (auto* d = dynamic_cast<DemoDerby*>(&s)) {
        for (const char* control : {"betmax", "start", "respin"})
            if (Widget* w = d->buttonNamed(control)) d->handleButton(w);
    }
    clearQuitRequest();
    testrt::drainEvents();
}

}  // namespace gameplay
