// Shared set-up for the casino-floor tests: the shared headless game started
// from a settings file with two players, and a stand-in machine.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "floor/registration_form.h"
#include "game/machine_factory.h"
#include "player/machine_table.h"
#include "shell/screen.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace floortest {

using namespace testrt;

// A machine screen that only remembers the coin value it was built at.
class StandIn : public BareScreen {
public:
    StandIn(const std::string& id, float v) : value(v) {
        name = id;
        Screen::init();
        ++built;
    }

    float value;
    static inline int built = 0;
};

// Puts a stand-in on the floor under a machine id (the test's global-state
// keeper puts the real machine back).
inline void standInFor(const std::string& id) {
    static std::string standInId;
    standInId = id;
    replaceMachineCreator(id, [](float value) -> std::unique_ptr<Screen> { return std::make_unique<StandIn>(standInId, value); });
}

inline void writeSave(const std::string& name, const std::string& gender, double money) {
    writeFile(root() + "/save/" + name + ".save",
              "[" + name + "]\ngender=" + gender + "\nmoney=" + std::to_string(money) + "\nfirsttimelobby=0\n");
}

// Ann_Lee (current, $500) and Bob_Ray ($30), both with save files, in the
// shared headless game (without sound).
class FloorTest : public ::testing::Test {
protected:
    // The settings file the test starts from; override before SetUp runs.
    virtual std::string configText() {
        return "[global]\nfirsttimeever=0\nplayers=Ann_Lee,Bob_Ray\nlastplayer=Ann_Lee\n";
    }
    void SetUp() override {
        resetFiles(configText());
        writeSave("Ann_Lee", "female", 500.0);
        writeSave("Bob_Ray", "male", 30.0);
        ASSERT_TRUE(startFromSettings(false)) << SDL_GetError();
        StandIn::built = 0;
    }
    void TearDown() override { stopHeadless(); }
};

// Takes the screen a screen named to follow it: the test owns it now.
inline std::unique_ptr<Screen> takeNext(Screen& screen) {
    return std::move(screen.next);
}

// The name of that screen ("" when none was named), which is then deleted.
inline std::string nextName(Screen& screen) {
    std::unique_ptr<Screen> next = takeNext(screen);
    return next ? next->name : "";
}

// Moves the mouse there and empties the queue of the motion that causes.
inline void moveMouse(int x, int y) {
    SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
    drainEvents();
}

// A left press at a point, handed straight to the screen.
inline void clickAt(Screen& screen, int x, int y) {
    moveMouse(x, y);
    pushClick(x, y);
    SDL_Event e;
    ASSERT_TRUE(SDL_PollEvent(&e));
    screen.handleEvent(e);
}

// Types a name into the registration form and picks a title (0 Mr, 1 Mrs, 2 Ms).
inline void enterName(const std::string& first, const std::string& last, int title) {
    typeText(first);
    tapKey(SDLK_TAB);
    typeText(last);
    tapClick(formlayout::titleButton(title));
}

}  // namespace floortest
