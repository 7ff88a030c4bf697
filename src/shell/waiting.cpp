#include "shell/waiting.h"

#include "shell/display.h"

void (*idleRest)(Uint32 ms) = SDL_Delay;

void restBriefly() { idleRest(1); }

bool waitModalEvent(SDL_Event& event) {
    if (pollModalEvent(event)) return true;
    restBriefly();
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
        idleRest(left < 10 ? left : 10);
    }
}
