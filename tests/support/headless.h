// What the game tests share: input events queued for the game to read, pauses
// that take no time, clocks that move on by themselves, a headless game
// (display, TrueType, sound on the dummy driver, coin values and a player)
// with a machine opened as the floor opens it and played as the player plays,
// and the whole game as the program starts it.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>
#include <sge.h>

#include <cstdint>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "derby/demo_derby.h"
#include "floor/cashier.h"
#include "game/machine_factory.h"
#include "machine/denomination.h"
#include "machine/machine.h"
#include "machine/prize_wheel.h"
#include "machine/progressive.h"
#include "machine/reel_machine.h"
#include "machine/three_reel.h"
#include "machine/video_slot.h"
#include "machines/threereel/dragon_spin.h"
#include "machines/video/bonus_prize.h"
#include "player/config.h"
#include "player/player.h"
#include "poker/video_poker.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/screen.h"
#include "shell/sound.h"
#include "support/test_clock.h"

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
inline void pushKey(SDLKey key, Uint16 unicode = 0, Uint8 type = SDL_KEYDOWN) {
    SDL_Event e{};
    e.type = e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    e.key.keysym.unicode = unicode;
    SDL_PushEvent(&e);
}

inline void pushClick(int x, int y, Uint8 type = SDL_MOUSEBUTTONDOWN) {
    SDL_Event e{};
    e.type = e.button.type = type;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}

inline void pushMotion(int x, int y) {
    SDL_Event e{};
    e.type = e.motion.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}

inline void pushQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

// A key pressed and released.
inline void tapKey(SDLKey key, Uint16 unicode = 0) {
    pushKey(key, unicode, SDL_KEYDOWN);
    pushKey(key, unicode, SDL_KEYUP);
}

// A left press and release at a point, or in the middle of a rectangle.
inline void tapClick(int x, int y) {
    pushClick(x, y, SDL_MOUSEBUTTONDOWN);
    pushClick(x, y, SDL_MOUSEBUTTONUP);
}

inline void tapClick(const SDL_Rect& r) { tapClick(r.x + r.w / 2, r.y + r.h / 2); }

// A press and release whose events say one point while the pointer, as the
// game looks at it when it takes the press, stands at another (the test
// input, scripted).
inline void pressWithPointerAt(int pointerX, int pointerY, int eventX, int eventY) {
    testInput.scripted = true;
    testInput.points.push_back({pointerX, pointerY});
    tapClick(eventX, eventY);
}

// Text typed key by key, letters as their lower-case keys.
inline void typeText(const std::string& text) {
    for (char c : text)
        tapKey(static_cast<SDLKey>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c),
               static_cast<Uint16>(static_cast<unsigned char>(c)));
}

// Dollars typed into the money prompt that opens next, then Return.
inline void typeMoney(const std::string& amount) {
    for (char c : amount) pushKey(static_cast<SDLKey>(c), static_cast<Uint16>(c));
    pushKey(SDLK_RETURN, '\r');
}

inline void drainEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
}

inline int pendingEvents() {
    SDL_PumpEvents();
    SDL_Event all[64];
    return SDL_PeepEvents(all, 64, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

// Every pause of the machines' own timing and the cashier's over at once
// (the clock's timed pauses never wait in tests).
inline void noPauses() {
    ThreeReelMachine::countUpDelay = ReelMachine::countUpDelay = VideoSlotMachine::flashDelay = DragonSpin::pauseMs = 0;
    Cashier::firstRunDelayMs = 0;
}

// Whether the game asked for the file (a path as the game names it) or the
// sound clip since the game started.
inline bool assetTried(const std::string& path) { return loadedAssets().count(path) > 0; }
inline bool heard(const std::string& clip) { return assetTried("../sounds/" + clip); }

// The whole screen's pixels, to compare before and after.
inline std::vector<Uint8> screenPixels() {
    const SDL_Surface* s = display->screen;
    const Uint8* p = static_cast<const Uint8*>(s->pixels);
    return std::vector<Uint8>(p, p + s->pitch * s->h);
}

// Hands the screen's control of that name to it, as a click on it would.
inline void press(Screen& s, const std::string& control) {
    Widget* w = s.buttonNamed(control);
    ASSERT_NE(w, nullptr) << control;
    s.handleButton(w);
}

// A press of a control by the mouse, as the player makes it: the mouse moved
// to a point of the control that no control listed before it covers, the
// press handed to the screen (after `beforePress`, which may queue what the
// player answers what it opens). Fails when the control cannot be reached.
inline void clickControl(Screen& s, const std::string& control, const std::function<void()>& beforePress = {}) {
    Widget* w = s.buttonNamed(control);
    ASSERT_NE(w, nullptr) << control;
    for (int y = w->y + 1; y < w->y + w->height(); y += 3)
        for (int x = w->x + 1; x < w->x + w->width(); x += 3)
            if (s.buttonAt(x, y) == w) {
                SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
                drainEvents();
                if (beforePress) beforePress();
                SDL_Event e{};
                e.type = e.button.type = SDL_MOUSEBUTTONDOWN;
                e.button.button = SDL_BUTTON_LEFT;
                e.button.x = static_cast<Uint16>(x), e.button.y = static_cast<Uint16>(y);
                return s.handleEvent(e);
            }
    ADD_FAILURE() << control << " lies under other controls";
}

// Lets the reels stop at once and runs the machine's frames until the spin has settled.
inline void finishSpin(Machine& m) {
    for (int i = 0; i < 2000 && m.spinning; ++i) {
        for (int& d : m.reelStopDelays) d = 0;
        m.tick();  // the clock moves on by itself
    }
    EXPECT_FALSE(m.spinning) << m.name;
}

// A watchdog closes the window after 60 s (five minutes in the sanitizer
// build, whose long runs take several times as long on a busy machine), which
// ends every modal part, and fails the test: one waited for input that never
// came.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr Uint32 watchdogMs = 300000;
#else
inline constexpr Uint32 watchdogMs = 60000;
#endif
inline SDL_TimerID watchdog = nullptr;
inline volatile bool watchdogFired = false;

inline Uint32 fireWatchdog(Uint32, void*) {
    watchdogFired = true;
    pushQuit();
    return 0;
}

// Starts the services (audio too when `withAudio`) with the watchdog and
// every pause over; false when SDL or the display cannot start.
inline bool startServices(bool withAudio) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | (withAudio ? SDL_INIT_AUDIO : 0)) != 0) return false;
    watchdogFired = false;
    watchdog = SDL_AddTimer(watchdogMs, fireWatchdog, nullptr);
    if (sge_TTF_Init() != 0) return false;
    display = new Display(SDL_SWSURFACE);
    if (!display->hasSurface()) return false;
    SDL_EnableUNICODE(1);
    soundPlayer = new SoundPlayer();
    buildDenominationTable();
    noPauses();
    clearLoadedAssets();
    drainEvents();
    return true;
}

// The services with a new player whose first visits are behind him.
inline bool startHeadless(const std::string& player, double money, bool withAudio = true) {
    if (!startServices(withAudio)) return false;
    currentPlayer = std::make_unique<Player>();
    currentPlayer->name = player;
    currentPlayer->money = money;
    currentPlayer->firsttime = currentPlayer->firsttimelobby = currentPlayer->firsttimeslot = false;
    currentPlayer->firsttimenickle = currentPlayer->firsttimepoker = false;
    return true;
}

// The services with the settings (config.ini) and its last player, read
// from his save file as at start-up.
inline bool startFromSettings(bool withAudio = true) {
    if (!startServices(withAudio)) return false;
    config = std::make_unique<Config>();
    return true;
}

// Undoes either; the settings are written and the player saved.
inline void stopHeadless() {
    SDL_RemoveTimer(watchdog);
    watchdog = nullptr;
    EXPECT_FALSE(watchdogFired) << "a modal loop waited for input that never came";
    drainEvents();
    clearProgressiveMeters();
    config.reset();  // writes the settings and saves the current player
    currentPlayer.reset();
    freeDenominationTable();
    delete soundPlayer;
    soundPlayer = nullptr;
    delete display;
    display = nullptr;
    SDL_Quit();
}

// A left press at a point, the pointer moved there before it: the game finds
// the pointer on the point of the last such press it has taken.
inline void pressAt(int x, int y) {
    testInput.presses.push_back({x, y});
    pushClick(x, y);
}

// One full-bet play of a machine of any family the way the player makes it,
// run to its end. Whenever a part it opens (a bonus game, a gamble, a
// double-up) waits for input, the player moves the pointer to the next point
// of a grid over the whole screen, 40 pixels apart, and presses there, round
// after round until a part answers: with `walk` 0 row by row from the top
// left, otherwise in an order of that walk's own (the same every round and
// every time with that walk), so that different walks answer a part's
// choices differently. When the play has had every point twenty times over,
// or a part rests on and on without taking the press, the window closes.
// Returns true when the play needed that close. A reel machine's frames are
// run by `runReels` once it is pulled.
inline bool playOnce(Screen& s, const std::function<void(Machine&)>& runReels = finishSpin, uint32_t walk = 0) {
    constexpr int columns = 19, rows = 14, gridStep = 40;
    constexpr int pressesBeforeClosing = 20 * columns * rows;
    // Far more rests than any timed part takes on a fast clock.
    constexpr int restsBeforeClosing = 3000;
    std::vector<int> order(columns * rows);
    for (int i = 0; i < columns * rows; ++i) order[i] = i;
    if (walk != 0) {
        // Fisher-Yates on the standard's Mersenne Twister: the same order on
        // every platform.
        std::mt19937 shuffle(walk);
        for (int i = columns * rows - 1; i > 0; --i) std::swap(order[i], order[shuffle() % (i + 1)]);
    }
    int nextPoint = 0;
    drainEvents();
    testInput.presses.clear();
    int pressed = 0, restsPressWaiting = 0;
    bool closed = false;
    const std::function<void(Uint32)> wasAtRest = testClock.atRest;
    testClock.atRest = [&](Uint32 ms) {
        if (wasAtRest) wasAtRest(ms);
        if (closed) return;
        if (pressesWaiting() > 0) {
            closed = ++restsPressWaiting == restsBeforeClosing;
        } else if (pressed == pressesBeforeClosing) {
            closed = true;
        } else {
            restsPressWaiting = 0;
            ++pressed;
            const int i = order[nextPoint++ % (columns * rows)];
            pressAt(gridStep * (1 + i % columns), gridStep * (1 + i / columns));
        }
        if (closed) pushQuit();
    };
    if (auto* m = dynamic_cast<Machine*>(&s)) {
        s.handleEvent(keyEvent(SDLK_m));
        runReels(*m);
    } else if (auto* p = dynamic_cast<VideoPoker*>(&s)) {
        s.handleEvent(keyEvent(SDLK_m));
        if (p->handOut) s.handleEvent(keyEvent(SDLK_RETURN));
    } else if (auto* d = dynamic_cast<DemoDerby*>(&s)) {
        for (const char* control : {"betmax", "start", "respin"})
            if (Widget* w = d->buttonNamed(control)) d->handleButton(w);
    }
    testClock.atRest = wasAtRest;
    clearQuitRequest();
    drainEvents();
    testInput.presses.clear();
    return closed;
}

// The game as the program starts it: the App (with sound) over the settings
// file, the cashier's first-run pause over. stopGame deletes it, which saves
// the player.
inline void startGame() {
    Cashier::firstRunDelayMs = 0;
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO);
    theApp = new App(SDL_ANYFORMAT);
    drainEvents();
}

inline void stopGame() {
    delete theApp;
    theApp = nullptr;
    SDL_Quit();
}

// A machine from the floor's factory with `dollars` typed into its money prompt.
template <class T = Screen>
T* openMachine(const std::string& id, const std::string& dollars = "20", float value = 1.0f) {
    typeMoney(dollars);
    std::unique_ptr<Screen> made = createMachine(id, value);
    T* m = dynamic_cast<T*>(made.get());
    EXPECT_NE(m, nullptr) << id;
    if (m) made.release();  // the caller deletes it
    return m;
}

}  // namespace testrt
