#include "floor/floor_fixture.h"

#include <sge.h>

#include "floor/cashier.h"
#include "floor/registration_form.h"
#include "machine/denomination.h"
#include "player/config.h"
#include "player/player.h"
#include "shell/display.h"
#include "shell/sound.h"
#include "support/runtime.h"

namespace floortest {

int StandIn::built = 0;

StandIn::StandIn(const std::string& id, float v) : value(v) {
    name = id;
    Screen::init();
    ++built;
}

namespace {

std::string standInId;
Screen* makeStandIn(float value) { return new StandIn(standInId, value); }

SDL_TimerID watchdog = nullptr;
volatile bool watchdogFired = false;
Uint32 fireWatchdog(Uint32, void*) {
    watchdogFired = true;
    pushQuit();
    return 0;
}

void push(SDL_Event e) { SDL_PushEvent(&e); }

void pushButton(Uint8 type, int x, int y, Uint8 button) {
    SDL_Event e{};
    e.type = e.button.type = type;
    e.button.button = button;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    push(e);
}

}  // namespace

void standInFor(const std::string& id) {
    standInId = id;
    replaceMachineCreator(id, makeStandIn);
}

void startWatchdog() {
    watchdogFired = false;
    watchdog = SDL_AddTimer(60000, fireWatchdog, nullptr);
}

bool stopWatchdog() {
    SDL_RemoveTimer(watchdog);
    watchdog = nullptr;
    return watchdogFired;
}

std::string FloorTest::configText() {
    return "[global]\nfirsttimeever=0\nplayers=Ann_Lee,Bob_Ray\nlastplayer=Ann_Lee\n";
}

void FloorTest::SetUp() {
    testrt::resetFiles(configText());
    writeSave("Ann_Lee", "female", 500.0);
    writeSave("Bob_Ray", "male", 30.0);
    ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER));
    startWatchdog();
    display = new Display(SDL_SWSURFACE);
    ASSERT_TRUE(display->hasSurface());
    ASSERT_EQ(0, sge_TTF_Init());
    SDL_EnableUNICODE(1);
    soundPlayer = new SoundPlayer();
    buildDenominationTable();
    config = new Config();
    Cashier::firstRunDelayMs = 0;
    StandIn::built = 0;
    dropEvents();
}

void FloorTest::TearDown() {
    EXPECT_FALSE(stopWatchdog()) << "a modal loop waited for input that never came";
    dropEvents();
    delete config;  // writes the settings and saves the current player
    config = nullptr;
    currentPlayer = nullptr;
    freeDenominationTable();
    delete soundPlayer;
    soundPlayer = nullptr;
    delete display;
    display = nullptr;
    SDL_Quit();
}

void writeSave(const std::string& name, const std::string& gender, double money) {
    testrt::writeFile(testrt::root() + "/save/" + name + ".save",
                      "[" + name + "]\ngender=" + gender + "\nmoney=" + std::to_string(money) + "\nfirsttimelobby=0\n");
}

std::string readSave(const std::string& name) { return testrt::readFile(testrt::root() + "/save/" + name + ".save"); }

void pushKey(SDLKey key, Uint16 unicode) {
    SDL_Event e{};
    e.type = e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    e.key.keysym.unicode = unicode;
    push(e);
    e.type = e.key.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    push(e);
}

void typeText(const std::string& text) {
    for (char c : text)
        pushKey(static_cast<SDLKey>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c),
                static_cast<Uint16>(static_cast<unsigned char>(c)));
}

void pushPress(int x, int y, Uint8 button) { pushButton(SDL_MOUSEBUTTONDOWN, x, y, button); }
void pushRelease(int x, int y) { pushButton(SDL_MOUSEBUTTONUP, x, y, SDL_BUTTON_LEFT); }

void pushMotion(int x, int y) {
    SDL_Event e{};
    e.type = e.motion.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    push(e);
}

void pushClick(const SDL_Rect& r) {
    pushPress(r.x + r.w / 2, r.y + r.h / 2);
    pushRelease(r.x + r.w / 2, r.y + r.h / 2);
}

void moveMouse(int x, int y) {
    SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
    dropEvents();
}

void clickAt(Screen& screen, int x, int y) {
    moveMouse(x, y);
    pushPress(x, y);
    SDL_Event e;
    ASSERT_TRUE(SDL_PollEvent(&e));
    screen.handleEvent(e);
}

void enterName(const std::string& first, const std::string& last, int title) {
    typeText(first);
    pushKey(SDLK_TAB);
    typeText(last);
    pushClick(formlayout::titleButton(title));
}

std::vector<Uint16> screenPixels() {
    SDL_Surface* s = display->screen;
    std::vector<Uint16> out;
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y) {
        const Uint16* row = static_cast<const Uint16*>(s->pixels) + y * s->pitch / 2;
        out.insert(out.end(), row, row + s->w);
    }
    SDL_UnlockSurface(s);
    return out;
}

}  // namespace floortest
