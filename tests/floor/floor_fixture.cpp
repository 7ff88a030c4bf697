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

}  // namespace

void standInFor(const std::string& id) {
    standInId = id;
    replaceMachineCreator(id, makeStandIn);
}

std::string FloorTest::configText() {
    return "[global]\nfirsttimeever=0\nplayers=Ann_Lee,Bob_Ray\nlastplayer=Ann_Lee\n";
}

void FloorTest::SetUp() {
    testrt::resetFiles(configText());
    writeSave("Ann_Lee", "female", 500.0);
    writeSave("Bob_Ray", "male", 30.0);
    ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER));
    watchdogFired = false;
    watchdog = SDL_AddTimer(60000, fireWatchdog, nullptr);
    display = new Display(SDL_SWSURFACE);
    ASSERT_TRUE(display->hasSurface());
    ASSERT_EQ(0, sge_TTF_Init());
    SDL_EnableUNICODE(1);
    soundPlayer = new SoundPlayer();
    buildDenominationTable();
    config = new Config();
    Cashier::firstRunDelayMs = 0;
    StandIn::built = 0;
    testrt::drainEvents();
}

void FloorTest::TearDown() {
    SDL_RemoveTimer(watchdog);
    EXPECT_FALSE(watchdogFired) << "a modal loop waited for input that never came";
    testrt::drainEvents();
    delete config;  // writes the settings and saves the current player
    config = nullptr;
    currentPlayer = nullptr;
    testrt::stopHeadless();
}

void writeSave(const std::string& name, const std::string& gender, double money) {
    testrt::writeFile(testrt::root() + "/save/" + name + ".save",
                      "[" + name + "]\ngender=" + gender + "\nmoney=" + std::to_string(money) + "\nfirsttimelobby=0\n");
}

std::unique_ptr<Screen> takeNext(Screen& screen) {
    std::unique_ptr<Screen> next(screen.next);
    screen.next = nullptr;
    return next;
}

std::string nextName(Screen& screen) {
    std::unique_ptr<Screen> next = takeNext(screen);
    return next ? next->name : "";
}

void pushKey(SDLKey key, Uint16 unicode) {
    testrt::pushKey(key, unicode, SDL_KEYDOWN);
    testrt::pushKey(key, unicode, SDL_KEYUP);
}

void typeText(const std::string& text) {
    for (char c : text)
        pushKey(static_cast<SDLKey>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c),
                static_cast<Uint16>(static_cast<unsigned char>(c)));
}

void pushMotion(int x, int y) {
    SDL_Event e{};
    e.type = e.motion.type = SDL_MOUSEMOTION;
    e.motion.x = static_cast<Uint16>(x);
    e.motion.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}

void pushClick(const SDL_Rect& r) {
    pushPress(r.x + r.w / 2, r.y + r.h / 2);
    pushRelease(r.x + r.w / 2, r.y + r.h / 2);
}

void moveMouse(int x, int y) {
    SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
    testrt::drainEvents();
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
    const Uint16* p = static_cast<const Uint16*>(display->screen->pixels);
    return std::vector<Uint16>(p, p + display->screen->h * display->screen->pitch / 2);
}

}  // namespace floortest
