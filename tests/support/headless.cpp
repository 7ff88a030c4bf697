#include "support/headless.h"

#include <sge.h>

#include "derby/demo_derby.h"
#include "floor/cashier.h"
#include "machine/denomination.h"
#include "machine/prize_wheel.h"
#include "machine/progressive.h"
#include "machine/reel_machine.h"
#include "machine/three_reel.h"
#include "machine/video_slot.h"
#include "machines/threereel/bonus_pause.h"
#include "machines/threereel/dragon_spin.h"
#include "machines/video/bonus_prize.h"
#include "player/config.h"
#include "player/player.h"
#include "poker/video_poker.h"
#include "shell/sound.h"

namespace testrt {

void pushKey(SDLKey key, Uint16 unicode, Uint8 type) {
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    e.key.keysym.unicode = unicode;
    SDL_PushEvent(&e);
}

void pushClick(int x, int y, Uint8 type) {
    SDL_Event e{};
    e.type = type;
    e.button.type = type;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}

void pushMotion(int x, int y) {
    SDL_Event e{};
    e.type = e.motion.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}

void pushQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

void tapKey(SDLKey key, Uint16 unicode) {
    pushKey(key, unicode, SDL_KEYDOWN);
    pushKey(key, unicode, SDL_KEYUP);
}

void tapClick(int x, int y) {
    pushClick(x, y, SDL_MOUSEBUTTONDOWN);
    pushClick(x, y, SDL_MOUSEBUTTONUP);
}

void tapClick(const SDL_Rect& r) { tapClick(r.x + r.w / 2, r.y + r.h / 2); }

void typeText(const std::string& text) {
    for (char c : text)
        tapKey(static_cast<SDLKey>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c),
               static_cast<Uint16>(static_cast<unsigned char>(c)));
}

void typeMoney(const std::string& amount) {
    for (char c : amount) pushKey(static_cast<SDLKey>(c), static_cast<Uint16>(c));
    pushKey(SDLK_RETURN, '\r');
}

void drainEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
}

int pendingEvents() {
    SDL_PumpEvents();
    SDL_Event all[64];
    return SDL_PeepEvents(all, 64, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

namespace {

void noDelay(Uint32) {}

SDL_TimerID watchdog = nullptr;
volatile bool watchdogFired = false;

Uint32 fireWatchdog(Uint32, void*) {
    watchdogFired = true;
    pushQuit();
    return 0;
}

bool startServices(bool withAudio) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | (withAudio ? SDL_INIT_AUDIO : 0)) != 0) return false;
    watchdogFired = false;
    watchdog = SDL_AddTimer(60000, fireWatchdog, nullptr);
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

}  // namespace

void noPauses() {
    bonusPause = videoBonusPause = wheelDelay = derbyDelay = pokerDelay = noDelay;
    ThreeReelMachine::countUpDelay = ReelMachine::countUpDelay = VideoSlotMachine::flashDelay = DragonSpin::pauseMs = 0;
    Cashier::firstRunDelayMs = 0;
}

Uint32 fastClock() {
    static Uint32 now = 1000;
    return now += 40;
}

Uint32 clockNow = 1000;
std::vector<Uint32> pauses;

Uint32 movingClock() { return clockNow += 3; }

void recordPause(Uint32 ms) {
    pauses.push_back(ms);
    clockNow += ms;
}

int countPauses(Uint32 ms) {
    int n = 0;
    for (Uint32 p : pauses) n += p == ms;
    return n;
}

void press(Screen& s, const std::string& control) {
    Widget* w = s.buttonNamed(control);
    ASSERT_NE(w, nullptr) << control;
    s.handleButton(w);
}

void finishSpin(Machine& m) {
    for (int i = 0; i < 2000 && m.spinning; ++i) {
        for (int& d : m.reelStopDelays) d = 0;
        m.tick();  // the clock moves on by itself
    }
    EXPECT_FALSE(m.spinning) << m.name;
}

bool assetTried(const std::string& path) { return loadedAssets().count(path) > 0; }

std::vector<Uint8> screenPixels() {
    const SDL_Surface* s = display->screen;
    const Uint8* p = static_cast<const Uint8*>(s->pixels);
    return std::vector<Uint8>(p, p + s->pitch * s->h);
}

bool startHeadless(const std::string& player, double money, bool withAudio) {
    if (!startServices(withAudio)) return false;
    currentPlayer = new Player();
    currentPlayer->name = player;
    currentPlayer->money = money;
    currentPlayer->firsttime = currentPlayer->firsttimelobby = currentPlayer->firsttimeslot = false;
    currentPlayer->firsttimenickle = currentPlayer->firsttimepoker = false;
    return true;
}

bool startFromSettings(bool withAudio) {
    if (!startServices(withAudio)) return false;
    config = new Config();
    return true;
}

void stopHeadless() {
    SDL_RemoveTimer(watchdog);
    watchdog = nullptr;
    EXPECT_FALSE(watchdogFired) << "a modal loop waited for input that never came";
    drainEvents();
    clearProgressiveMeters();
    delete config;  // writes the settings and saves the current player
    config = nullptr;
    delete currentPlayer;
    currentPlayer = nullptr;
    freeDenominationTable();
    delete soundPlayer;
    soundPlayer = nullptr;
    delete display;
    display = nullptr;
    SDL_Quit();
}

}  // namespace testrt
