// The tests' clock and pointer, installed once by the test main and put back
// as they were after every test (global_state.cpp).
#pragma once

#include <SDL.h>

#include <algorithm>
#include <deque>
#include <functional>
#include <utility>
#include <vector>

#include "shell/clock.h"
#include "shell/waiting.h"

namespace testrt {

// Runs on SDL's time, with rests that take none, until a test stops it;
// from then on time moves only as told: by `perLook` at each look, and by
// the length of each rest and each pause. A timed pause is recorded and
// does not wait (on a stopped clock it moves the time on by its length),
// unless `pausesWait`: then it waits as the game's does, resting on this clock.
class TestClock : public Clock {
public:
    bool stopped = false;
    bool pausesWait = false;
    Uint32 now = 1000;
    Uint32 perLook = 0;
    std::vector<Uint32> pauses;             // every timed pause, in order
    std::function<void(Uint32 ms)> atRest;   // seen at each rest, before the time moves on
    std::function<void(Uint32 ms)> atPause;  // seen at each timed pause, likewise

    Uint32 ticks() override { return stopped ? now += perLook : SDL_GetTicks(); }
    void rest(Uint32 ms) override {
        if (atRest) atRest(ms);
        if (stopped) now += ms;
    }
    void pause(Uint32 ms) override {
        pauses.push_back(ms);
        if (atPause) atPause(ms);
        if (pausesWait) modalPause(ms);
        else if (stopped) now += ms;
    }

    // Stops the clock at `at`, moving on `step` ms at each look.
    void stop(Uint32 at = 1000, Uint32 step = 0) {
        stopped = true;
        now = at;
        perLook = step;
    }
};

// Mouse-button presses still waiting in the event queue.
inline int pressesWaiting() {
    SDL_Event waiting[128];
    return std::max(SDL_PeepEvents(waiting, 128, SDL_PEEKEVENT, SDL_MOUSEBUTTONDOWNMASK), 0);
}

// The pointer where SDL has it, until a test scripts it: then each look
// takes the next scripted point, (0, 0) once they run out. Or it follows
// the presses queued with their points in `presses` (pressAt, headless.h):
// it stands where the last of them the game has taken from the queue was
// made, at (0, 0) before the first, however often the game looks. `atLook`
// runs first, so a test can see the game at the moment of the look.
class TestInput : public InputSource {
public:
    bool scripted = false;
    std::deque<std::pair<int, int>> points;
    std::vector<std::pair<int, int>> presses;
    std::function<void()> atLook;

    void mousePosition(int& x, int& y) override {
        if (atLook) atLook();
        if (!presses.empty()) {
            const size_t taken = presses.size() - std::min(presses.size(), static_cast<size_t>(pressesWaiting()));
            x = taken ? presses[taken - 1].first : 0;
            y = taken ? presses[taken - 1].second : 0;
            return;
        }
        if (!scripted) {
            SDL_GetMouseState(&x, &y);
            return;
        }
        x = y = 0;
        if (points.empty()) return;
        x = points.front().first;
        y = points.front().second;
        points.pop_front();
    }
};

inline TestClock testClock;
inline TestInput testInput;

// Timed steps end without waiting: a stopped clock that runs 40 ms a look.
inline void runFast() { testClock.stop(1000, 40); }
// A stopped clock that runs 3 ms a look.
inline void runSlowly() { testClock.stop(1000, 3); }

inline int countPauses(Uint32 ms) {
    int n = 0;
    for (Uint32 p : testClock.pauses) n += p == ms;
    return n;
}

}  // namespace testrt
