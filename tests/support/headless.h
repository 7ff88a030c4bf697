// What the game tests share: input events queued for the game to read, pauses
// that take no time, clocks that move on by themselves, and a headless game
// (display, TrueType, sound on the dummy driver, coin values and a player)
// with a machine opened as the floor opens it.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/machine_factory.h"
#include "machine/machine.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/screen.h"

namespace testrt {

// A key press handed straight to a screen's handleEvent.
inline SDL_Event keyEvent(SDLKey key) {
    SDL_Event e{};
    e.type = e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    return e;
}

// A screen with nothing on it: the hooks every screen must have do nothing.
class BareScreen : public Screen {
public:
    void createButtons() override {}
    void tick() override {}
    void checkHover() override {}
    void handleButton(Widget*) override {}
    void setHovered(Widget*) override {}
    void redraw() override {}
};

// Single events as SDL delivers them.
void pushKey(SDLKey key, Uint16 unicode = 0, Uint8 type = SDL_KEYDOWN);
void pushClick(int x, int y, Uint8 type = SDL_MOUSEBUTTONDOWN);
void pushMotion(int x, int y);
void pushQuit();
// A key pressed and released; a left press and release at a point or in the
// middle of a rectangle; text typed key by key (letters as their lower-case keys).
void tapKey(SDLKey key, Uint16 unicode = 0);
void tapClick(int x, int y);
void tapClick(const SDL_Rect& r);
void typeText(const std::string& text);
// Dollars typed into the money prompt that opens next, then Return.
void typeMoney(const std::string& amount);
void drainEvents();
int pendingEvents();

// Every pause of the machines, their bonus games and the cashier over at once.
void noPauses();
// A clock that runs 40 ms a look, so timed steps end without waiting.
Uint32 fastClock();
// A clock that moves on 3 ms a look, and pauses that take no time but are
// recorded and move that clock on by their length.
extern Uint32 clockNow;
extern std::vector<Uint32> pauses;
Uint32 movingClock();
void recordPause(Uint32 ms);
int countPauses(Uint32 ms);

// Whether the game asked for the file (a path as the game names it) or the
// sound clip since the game started.
bool assetTried(const std::string& path);
inline bool heard(const std::string& clip) { return assetTried("../sounds/" + clip); }

// The whole screen's pixels, to compare before and after.
std::vector<Uint8> screenPixels();

// Starts the services (audio too when `withAudio`) with a new player whose
// first visits are behind him, every pause over; false when SDL or the
// display cannot start. A watchdog closes the window after 60 s, which ends
// every modal part, and fails the test: one waited for input that never came.
bool startHeadless(const std::string& player, double money, bool withAudio = true);
// The same with the settings (config.ini) and its last player, read from his
// save file as at start-up.
bool startFromSettings(bool withAudio = true);
// Undoes either; the settings are written and the player saved.
void stopHeadless();

// Hands the screen's control of that name to it, as a click on it would.
void press(Screen& s, const std::string& control);
// Lets the reels stop at once and runs the machine's frames until the spin has settled.
void finishSpin(Machine& m);

// A machine from the floor's factory with `dollars` typed into its money prompt.
template <class T = Screen>
T* openMachine(const std::string& id, const std::string& dollars = "20", float value = 1.0f) {
    typeMoney(dollars);
    T* m = dynamic_cast<T*>(createMachine(id, value));
    EXPECT_NE(m, nullptr) << id;
    return m;
}

}  // namespace testrt
