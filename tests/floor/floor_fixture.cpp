#include "floor/floor_fixture.h"

#include "floor/registration_form.h"
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

}  // namespace

void standInFor(const std::string& id) {
    standInId = id;
    replaceMachineCreator(id, makeStandIn);
}

std::string FloorTest::configText() {
    return "[global]\nfirsttimeever=0\nplayers=Ann_Lee,Bob_Ray\nlastplayer=Ann_Lee\n";
}

void FloorTest::SetUp() {
    resetFiles(configText());
    writeSave("Ann_Lee", "female", 500.0);
    writeSave("Bob_Ray", "male", 30.0);
    ASSERT_TRUE(startFromSettings(false)) << SDL_GetError();
    StandIn::built = 0;
}

void FloorTest::TearDown() { stopHeadless(); }

void writeSave(const std::string& name, const std::string& gender, double money) {
    writeFile(root() + "/save/" + name + ".save",
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

void moveMouse(int x, int y) {
    SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
    drainEvents();
}

void clickAt(Screen& screen, int x, int y) {
    moveMouse(x, y);
    pushClick(x, y);
    SDL_Event e;
    ASSERT_TRUE(SDL_PollEvent(&e));
    screen.handleEvent(e);
}

void enterName(const std::string& first, const std::string& last, int title) {
    typeText(first);
    tapKey(SDLK_TAB);
    typeText(last);
    tapClick(formlayout::titleButton(title));
}

}  // namespace floortest
