// What the player does while a profile is read (at start-up, at the
// cashier's player switch) is not for the screen that follows: a click
// made meanwhile opens no machine and leaves no desk, and a window close
// made meanwhile still closes.
#include <gtest/gtest.h>

#include <SDL.h>

#include <string>
#include <vector>

#include "floor/cashier.h"
#include "floor/lobby.h"
#include "player/config.h"
#include "player/player.h"
#include "player/save_files.h"
#include "shell/app.h"
#include "shell/ini.h"
#include "shell/routes.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace {

using savefiles::savePath;

const std::string twoPlayers = "[global]\nplayers=Ann_Lee,Bob_Ray\nlastplayer=Ann_Lee\nfirsttimeever=0\n";

void writeProfiles() {
    testrt::writeFile(savePath("Ann_Lee"), "[Ann_Lee]\nmoney=400\nfirsttime=0\nfirsttimelobby=0\n");
    testrt::writeFile(savePath("Bob_Ray"), "[Bob_Ray]\nmoney=30\nfirsttime=0\nfirsttimelobby=0\n");
}

// The events waiting, in order, handed to the screen (a close is not for it).
std::vector<Uint8> handQueuedTo(Screen& screen) {
    std::vector<Uint8> types;
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        types.push_back(e.type);
        if (e.type != SDL_QUIT) screen.handleEvent(e);
    }
    return types;
}

}  // namespace

TEST(InputDuringALoad, AClickMadeWhileTheLastPlayerIsReadOpensNoMachineAndACloseStillCloses) {
    testrt::resetFiles(twoPlayers);
    writeProfiles();
    std::vector<std::string> opened;
    routes.machine = [&opened](const std::string& id, float) -> std::unique_ptr<Screen> {
        opened.push_back(id);
        return nullptr;
    };
    // The pointer rests on a machine of the lobby the whole time.
    const LobbySpot& spot = lobbySpots().front();
    testrt::testInput.scripted = true;
    testrt::testInput.points.assign(200, {spot.x + spot.width / 2, spot.y + spot.height / 2});

    // Presses and a close, waiting while the game starts and reads Ann's file.
    Cashier::firstRunDelayMs = 0;
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO);
    testrt::tapClick(spot.x + spot.width / 2, spot.y + spot.height / 2);
    testrt::tapKey(SDLK_RETURN, '\r');
    testrt::pushQuit();
    theApp = new App(SDL_ANYFORMAT);
    ASSERT_NE(dynamic_cast<Lobby*>(theApp->screen.get()), nullptr);
    ASSERT_EQ(currentPlayer->name, "Ann_Lee");
    for (int frame = 0; frame < 10 && !theApp->quit; ++frame) {
        theApp->pollEvent();
        theApp->step();
    }
    EXPECT_EQ(theApp->quit, 1);
    EXPECT_TRUE(opened.empty()) << opened.front();
    testrt::stopGame();

    // A press after the start is the player's: it opens the machine.
    testrt::startGame();
    testrt::pushClick(spot.x + spot.width / 2, spot.y + spot.height / 2);
    theApp->pollEvent();
    EXPECT_EQ(opened, std::vector<std::string>{spot.id});
    testrt::stopGame();
}

TEST(InputDuringALoad, AClickMadeWhileTheCashierSwitchesPlayersLeavesTheDeskAlone) {
    // The press on "lobby" and the close come while Ann's file is written.
    struct PressDuringSave : WriteFaults {
        int before(WriteStep step) override {
            if (step == WriteStep::Write) {
                testrt::tapClick(cashierlayout::control("lobby"));
                testrt::pushQuit();
            }
            return 0;
        }
    } pressDuringSave;

    testrt::resetFiles(twoPlayers);
    writeProfiles();
    ASSERT_TRUE(testrt::startFromSettings(false));
    Cashier desk;
    testrt::drainEvents();
    installWriteFaults(&pressDuringSave);
    testrt::press(desk, "name1");
    installWriteFaults(nullptr);
    ASSERT_EQ(currentPlayer->name, "Bob_Ray");
    EXPECT_EQ(savefiles::savedMoney("Ann_Lee"), 400.0);

    // Only the close is left; the desk shows Bob and stays.
    const SDL_Rect lobby = cashierlayout::control("lobby");
    testrt::testInput.scripted = true;
    testrt::testInput.points.assign(10, {lobby.x + lobby.w / 2, lobby.y + lobby.h / 2});
    EXPECT_EQ(handQueuedTo(desk), std::vector<Uint8>{SDL_QUIT});
    EXPECT_EQ(desk.next, nullptr);
    testrt::stopHeadless();
}
