#include "floor/floor_fixture.h"

#include <sge.h>

#include "floor/cashier.h"
#include "machine/denomination.h"
#include "player/player.h"
#include "player/config.h"
#include "shell/display.h"
#include "shell/ini.h"
#include "shell/sound.h"
#include "support/runtime.h"

namespace floortest {

const char* const twoPlayers = "[global]\nfirsttimeever=0\nplayers=Ann_Lee,Bob_Ray\nlastplayer=Ann_Lee\n";

int StandIn::built = 0;
int StandIn::alive = 0;

StandIn::StandIn(const std::string& id, float v) : value(v) {
    name = id;
    Screen::init();
    ++built;
    ++alive;
}

StandIn::~StandIn() { --alive; }

namespace {
// One creator per id would need a lambda per id; the stand-in looks the id
// up from the line that is being built instead.
std::string pendingId;
Screen* makeStandIn(float value) { return new StandIn(pendingId, value); }
}  // namespace

StandInLine::StandInLine(const std::string& machineId) : id(machineId) {
    pendingId = machineId;
    before = replaceMachineCreator(id, makeStandIn);
}

StandInLine::~StandInLine() { replaceMachineCreator(id, before); }

namespace {
// A modal loop waiting for input that never comes would hang the test; the
// watchdog closes the window instead, which ends every modal part.
SDL_TimerID watchdog = nullptr;
volatile bool watchdogFired = false;
Uint32 fireWatchdog(Uint32, void*) {
    watchdogFired = true;
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
    return 0;
}
}  // namespace

void startWatchdog() {
    watchdogFired = false;
    watchdog = SDL_AddTimer(60000, fireWatchdog, nullptr);
}

bool stopWatchdog() {
    SDL_RemoveTimer(watchdog);
    watchdog = nullptr;
    return watchdogFired;
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

void writeSave(const std::string& name, const std::string& gender, double money, bool firstLobby) {
    testrt::writeFile(testrt::root() + "/save/" + name + ".save",
                      "[" + name + "]\ngender=" + gender + "\nmoney=" + std::to_string(money) +
                          "\nfirsttimelobby=" + (firstLobby ? "1" : "0") + "\n");
}

std::string readSave(const std::string& name) { return testrt::readFile(testrt::root() + "/save/" + name + ".save"); }

void pushKey(SDLKey key, Uint16 unicode) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    e.key.keysym.unicode = unicode;
    SDL_PushEvent(&e);
    e.type = SDL_KEYUP;
    e.key.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    SDL_PushEvent(&e);
}

void typeText(const std::string& text) {
    for (char c : text) {
        SDLKey sym = (c >= 'A' && c <= 'Z') ? static_cast<SDLKey>(c - 'A' + 'a') : static_cast<SDLKey>(c);
        pushKey(sym, static_cast<Uint16>(static_cast<unsigned char>(c)));
    }
}

static void pushButton(Uint8 type, int x, int y, Uint8 button) {
    SDL_Event e{};
    e.type = type;
    e.button.type = type;
    e.button.button = button;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}

void pushPress(int x, int y, Uint8 button) { pushButton(SDL_MOUSEBUTTONDOWN, x, y, button); }
void pushRelease(int x, int y, Uint8 button) { pushButton(SDL_MOUSEBUTTONUP, x, y, button); }

void pushMotion(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}

void pushQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

void pushClick(const SDL_Rect& r, Uint8 button) {
    pushPress(r.x + r.w / 2, r.y + r.h / 2, button);
    pushRelease(r.x + r.w / 2, r.y + r.h / 2, button);
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

int pendingEvents() {
    SDL_PumpEvents();
    SDL_Event peek[64];
    return SDL_PeepEvents(peek, 64, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

void dropEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
}

std::vector<Uint16> screenPixels() {
    SDL_Surface* s = display->screen;
    std::vector<Uint16> out(static_cast<size_t>(s->w) * s->h);
    SDL_LockSurface(s);
    for (int y = 0; y < s->h; ++y)
        for (int x = 0; x < s->w; ++x) out[y * s->w + x] = static_cast<Uint16*>(s->pixels)[y * s->pitch / 2 + x];
    SDL_UnlockSurface(s);
    return out;
}

Uint16 pixelAt(int x, int y) {
    SDL_Surface* s = display->screen;
    SDL_LockSurface(s);
    Uint16 p = static_cast<Uint16*>(s->pixels)[y * s->pitch / 2 + x];
    SDL_UnlockSurface(s);
    return p;
}

}  // namespace floortest
