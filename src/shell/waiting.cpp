#include "shell/clock.h"
#include "shell/waiting.h"

#include "shell/display.h"

namespace {

bool wakeTold = false;
Uint32 wakeAt = 0;

}  // namespace

void wakeBy(Uint32 when) {
    if (!wakeTold || static_cast<Sint32>(when - wakeAt) < 0) wakeAt = when;
    wakeTold = true;
}

Uint32 restUntilDue() {
    Uint32 ms = longestRestMs;
    if (wakeTold) {
        const Sint32 left = static_cast<Sint32>(wakeAt - mediaTicks());
        ms = left < 1 ? 1 : static_cast<Uint32>(left) < longestRestMs ? static_cast<Uint32>(left) : longestRestMs;
    }
    wakeTold = false;
    const Uint32 before = mediaTicks();
    gameClock().rest(ms);
    const Uint32 took = mediaTicks() - before;
    return took > 0 ? took : 1;
}

void restBriefly() { gameClock().rest(1); }

bool waitModalEvent(SDL_Event& event) {
    if (pollModalEvent(event)) return true;
    restUntilDue();
    return false;
}

void modalPause(Uint32 ms) {
    const Uint32 start = mediaTicks();
    for (;;) {
        if (quitRequestedOrQueued()) return;
        const Uint32 passed = mediaTicks() - start;
        if (passed >= ms) return;
        // Short steps, so that a window close or a stop signal is seen soon.
        const Uint32 left = ms - passed;
        gameClock().rest(left < 10 ? left : 10);
    }
}
