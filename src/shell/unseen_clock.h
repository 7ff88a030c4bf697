// Time that passes without being waited for. When the game is closing, a
// part whose draws depend on time (a die that rolls on, frame by frame,
// until it slows down) must still make them as a played-through part would;
// it runs on this clock meanwhile, unseen and at once: the time stands
// still between rests and moves on by exactly each rest and pause asked
// of it, as if every one had taken just its length.
#pragma once

#include <SDL.h>

#include "shell/clock.h"

class UnseenClock : public Clock {
public:
    // Puts itself in use, its time starting at `from` (a mediaTicks() value).
    explicit UnseenClock(Uint32 from);
    // Puts back the clock it replaced.
    ~UnseenClock() override;
    UnseenClock(const UnseenClock&) = delete;
    UnseenClock& operator=(const UnseenClock&) = delete;

    Uint32 ticks() override { return now; }
    void rest(Uint32 ms) override { now += ms; }
    void pause(Uint32 ms) override { now += ms; }

private:
    Uint32 now;
    Clock* replaced;
};
