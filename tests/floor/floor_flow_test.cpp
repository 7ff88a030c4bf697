// The game end to end on the floor: the first run through the cashier and
// the registration into the lobby and out through the exit.
#include <gtest/gtest.h>

#include <SDL.h>

#include "floor/cashier.h"
#include "floor/floor_fixture.h"
#include "floor/lobby.h"
#include "floor/registration_form.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "player/config.h"
#include "support/runtime.h"

using namespace floortest;

namespace {

class FloorFlowTest : public ::testing::Test {
protected:
    void SetUp() override {
        Cashier::firstRunDelayMs = 0;
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO | SDL_INIT_TIMER));
        startWatchdog();
        dropEvents();
        clearLoadedAssets();
    }
    void TearDown() override {
        EXPECT_FALSE(stopWatchdog()) << "a modal loop waited for input that never came";
        delete theApp;
        theApp = nullptr;
        SDL_Quit();
    }
    // Hands every queued event to the game, one per frame as the loop does.
    void runFrames(int n) {
        for (int i = 0; i < n && !theApp->quit; ++i) {
            theApp->pollEvent();
            theApp->step();
        }
    }
    void clickControl(Widget* w) {
        ASSERT_NE(nullptr, w);
        moveMouse(w->x + w->width() / 2, w->y + w->height() / 2);
        pushPress(w->x + w->width() / 2, w->y + w->height() / 2);
        pushRelease(w->x + w->width() / 2, w->y + w->height() / 2);
    }
};

}  // namespace

TEST_F(FloorFlowTest, FirstRunRegistersAtTheCashierThenWalksTheFloor) {
    testrt::resetFiles("[global]\nfirsttimeever=1\n");
    theApp = new App(SDL_SWSURFACE);
    ASSERT_NE(nullptr, dynamic_cast<Cashier*>(theApp->screen));
    EXPECT_EQ(nullptr, currentPlayer);
    EXPECT_TRUE(loadedAssets().count("../sounds/welcome.wav"));

    // Nobody registered: the right button reaches no machine.
    moveMouse(400, 300);
    pushPress(400, 300, SDL_BUTTON_RIGHT);
    pushPress(790, 590);  // would close a menu, had one opened
    theApp->pollEvent();
    EXPECT_EQ(1, pendingEvents());
    dropEvents();

    // The first frame brings up the form.
    enterName("Kim", "Park", 0);
    pushClick(formlayout::done());
    theApp->step();
    ASSERT_NE(nullptr, currentPlayer);
    EXPECT_EQ("Kim_Park", currentPlayer->name);
    EXPECT_EQ("male", currentPlayer->gender);
    dropEvents();

    // To the floor; the first visit shows the two help pages.
    clickControl(theApp->screen->buttonNamed("lobby"));
    pushPress(1, 1);
    pushPress(1, 1);
    runFrames(5);
    ASSERT_NE(nullptr, dynamic_cast<Lobby*>(theApp->screen));
    EXPECT_FALSE(currentPlayer->firsttimelobby);
    EXPECT_TRUE(loadedAssets().count("../gfx/help/lobby_2.png"));

    clickControl(theApp->screen->buttonNamed("exit"));
    runFrames(4);
    EXPECT_EQ(1, theApp->quit);
    delete theApp;
    theApp = nullptr;

    std::string settings = testrt::readFile(testrt::root() + "/config.ini");
    EXPECT_NE(std::string::npos, settings.find("Kim_Park"));
    EXPECT_NE(std::string::npos, settings.find("firsttimeever=0"));
    EXPECT_NE(std::string::npos, readSave("Kim_Park").find("gender=male"));
}
