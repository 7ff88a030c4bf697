// Shared set-up for the casino-floor tests: a headless display, the sound
// player (silent), the denomination table and the settings file read from a
// test's own text; helpers that push the events a player would make; and a
// stand-in machine that the floor's factories can create.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/machine_factory.h"
#include "player/machine_table.h"
#include "shell/screen.h"

namespace floortest {

// Two registered players, Ann (current, with a save file) and Bob.
extern const char* const twoPlayers;

// A machine screen that only remembers the coin value it was built at.
class StandIn : public Screen {
public:
    StandIn(const std::string& id, float value);
    ~StandIn() override;
    void createButtons() override {}
    void tick() override {}
    void checkHover() override {}
    void handleButton(Widget*) override {}
    void setHovered(Widget*) override {}
    void redraw() override {}

    float value;
    static int built;
    static int alive;
};

// Puts a stand-in on the floor under a machine id for the test's length.
class StandInLine {
public:
    explicit StandInLine(const std::string& id);
    ~StandInLine();

private:
    std::string id;
    MachineCreator before;
};

// A modal loop waiting for input that never comes would hang a test: the
// watchdog closes the window after 60 s instead (long enough for a slow
// sanitizer build: it catches hangs, not slowness), which ends every modal part.
// SDL's timer must be started. stopWatchdog says whether it fired.
void startWatchdog();
bool stopWatchdog();

class FloorTest : public ::testing::Test {
protected:
    // The settings file the test starts from; override before SetUp runs.
    virtual std::string configText() { return twoPlayers; }
    void SetUp() override;
    void TearDown() override;
};

// Save file of a player with a few fields.
void writeSave(const std::string& name, const std::string& gender, double money, bool firstLobby = false);
std::string readSave(const std::string& name);

// Events as SDL delivers them.
void pushKey(SDLKey key, Uint16 unicode = 0);
void typeText(const std::string& text);
void pushPress(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
void pushRelease(int x, int y, Uint8 button = SDL_BUTTON_LEFT);
void pushMotion(int x, int y);
void pushQuit();
// A click in the middle of a rectangle (press and release).
void pushClick(const SDL_Rect& r, Uint8 button = SDL_BUTTON_LEFT);
// Moves the mouse there (as Screen::handleEvent reads the mouse position)
// and empties the queue of the motion that causes.
void moveMouse(int x, int y);
// A left press at a point, handed straight to the screen as SDL delivers it.
void clickAt(Screen& screen, int x, int y);
int pendingEvents();
void dropEvents();

// The whole screen's pixels, to compare before and after a popup.
std::vector<Uint16> screenPixels();
Uint16 pixelAt(int x, int y);

}  // namespace floortest
