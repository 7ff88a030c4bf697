// Where the game gets its time and the pointer from. Everything timed reads
// the one clock, every rest and every timed pause of a modal part goes
// through it, and the modal parts that look where the mouse stands ask the
// one input source. The game runs on the real ones (SDL's millisecond
// clock and mouse); the test program installs its own once, which lets a
// test stop time, move it on as it likes and place the pointer.
#pragma once

#include <SDL.h>

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since some start; wraps like SDL_GetTicks.
    virtual Uint32 ticks() = 0;
    // Yields the processor for about `ms` milliseconds.
    virtual void rest(Uint32 ms) = 0;
    // A modal part's timed pause (a bonus step, a wheel's hold, a count-up's
    // click): modalPause (shell/waiting.h) on the real clock.
    virtual void pause(Uint32 ms) = 0;
};

// SDL_GetTicks, SDL_Delay and modalPause.
class RealClock : public Clock {
public:
    Uint32 ticks() override;
    void rest(Uint32 ms) override;
    void pause(Uint32 ms) override;
};

class InputSource {
public:
    virtual ~InputSource() = default;
    // Where the pointer stands, in screen pixels.
    virtual void mousePosition(int& x, int& y) = 0;
};

// SDL_GetMouseState.
class RealInput : public InputSource {
public:
    void mousePosition(int& x, int& y) override;
};

// The clock and input source in use: the real ones unless another was installed.
Clock& gameClock();
InputSource& gameInput();

// Puts `clock` (or `input`) in use; null goes back to the real one. The
// caller keeps it alive while it is installed. Returns the one it replaces.
Clock* installClock(Clock* clock);
InputSource* installInput(InputSource* input);

// Shorthands for the game's code.
inline Uint32 mediaTicks() { return gameClock().ticks(); }
inline void timedPause(Uint32 ms) { gameClock().pause(ms); }
inline void mousePosition(int& x, int& y) { gameInput().mousePosition(x, y); }
