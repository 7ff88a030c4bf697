// Shared set-up for the casino-floor tests: the shared headless game started
// from a settings file with two players, and a stand-in machine.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "game/machine_factory.h"
#include "player/machine_table.h"
#include "shell/screen.h"
#include "support/headless.h"

namespace floortest {

using namespace testrt;

// A machine screen that only remembers the coin value it was built at.
class StandIn : public BareScreen {
public:
    StandIn(const std::string& id, float value);

    float value;
    static int built;
};

// Puts a stand-in on the floor under a machine id (the test's global-state
// keeper puts the real machine back).
void standInFor(const std::string& id);

// Ann_Lee (current, $500) and Bob_Ray ($30), both with save files, in the
// shared headless game (without sound).
class FloorTest : public ::testing::Test {
protected:
    // The settings file the test starts from; override before SetUp runs.
    virtual std::string configText();
    void SetUp() override;
    void TearDown() override;
};

void writeSave(const std::string& name, const std::string& gender, double money);

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

}  // namespace floortest
