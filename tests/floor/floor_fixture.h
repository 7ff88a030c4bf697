// Shared set-up for the casino-floor tests: a headless display, the sound
// player (silent), the denomination table and the settings file with two
// players; the events a player makes; and a stand-in machine.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "game/machine_factory.h"
#include "player/machine_table.h"
#include "shell/screen.h"
#include "support/headless.h"

namespace floortest {

// A machine screen that only remembers the coin value it was built at.
class StandIn : public Screen {
public:
    StandIn(const std::string& id, float value);
    void createButtons() override {}
    void tick() override {}
    void checkHover() override {}
    void handleButton(Widget*) override {}
    void setHovered(Widget*) override {}
    void redraw() override {}

    float value;
    static int built;
};

// Puts a stand-in on the floor under a machine id (the test's global-state
// keeper puts the real machine back).
void standInFor(const std::string& id);

// Ann_Lee (current, $500) and Bob_Ray ($30), both with save files. A modal
// loop waiting for input that never comes would hang a test: a watchdog
// closes the window after 60 s instead, which ends every modal part.
class FloorTest : public ::testing::Test {
protected:
    // The settings file the test starts from; override before SetUp runs.
    virtual std::string configText();
    void SetUp() override;
    void TearDown() override;
};

void writeSave(const std::string& name, const std::string& gender, double money);

// Events as SDL delivers them: a key pressed and released, typed text, a
// left press or release, a left click in the middle of a rectangle.
void pushKey(SDLKey key, Uint16 unicode = 0);
void typeText(const std::string& text);
inline void pushPress(int x, int y) { testrt::pushClick(x, y); }
inline void pushRelease(int x, int y) { testrt::pushClick(x, y, SDL_MOUSEBUTTONUP); }
void pushMotion(int x, int y);
using testrt::pendingEvents;
using testrt::pushQuit;
void pushClick(const SDL_Rect& r);
// Takes the screen a screen named to follow it: the test owns it now.
std::unique_ptr<Screen> takeNext(Screen& screen);
// The name of that screen ("" when none was named), which is then deleted.
std::string nextName(Screen& screen);
// Moves the mouse there and empties the queue of the motion that causes.
void moveMouse(int x, int y);
// A left press at a point, handed straight to the screen.
void clickAt(Screen& screen, int x, int y);
// Types a name into the registration form and picks a title (0 Mr, 1 Mrs, 2 Ms).
void enterName(const std::string& first, const std::string& last, int title);

// The whole screen's pixels, to compare before and after a popup.
std::vector<Uint16> screenPixels();

}  // namespace floortest
