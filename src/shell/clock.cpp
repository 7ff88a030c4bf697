#include "shell/clock.h"

#include "shell/waiting.h"

namespace {

RealClock realClock;
RealInput realInput;
Clock* clockInUse = &realClock;
InputSource* inputInUse = &realInput;

}  // namespace

Uint32 RealClock::ticks() { return SDL_GetTicks(); }
void RealClock::rest(Uint32 ms) { SDL_Delay(ms); }
void RealClock::pause(Uint32 ms) { modalPause(ms); }

void RealInput::mousePosition(int& x, int& y) { SDL_GetMouseState(&x, &y); }

Clock& gameClock() { return *clockInUse; }
InputSource& gameInput() { return *inputInUse; }

Clock* installClock(Clock* clock) {
    Clock* was = clockInUse;
    clockInUse = clock ? clock : &realClock;
    return was;
}

InputSource* installInput(InputSource* input) {
    InputSource* was = inputInUse;
    inputInUse = input ? input : &realInput;
    return was;
}
