#include "assets/asset_session.h"

#include <unistd.h>

#include "floor/cashier.h"
#include "floor/lobby.h"
#include "floor/machine_menu.h"
#include "floor/registration_form.h"
#include "machine/denomination.h"
#include "machine/machine.h"
#include "machine/marquee.h"
#include "machine/progressive.h"
#include "player/player.h"
#include "player/stats_screen.h"
#include "player/trophy_room.h"
#include "shell/screen.h"
#include "shell/sound.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace assettest {

namespace {

// Every modal part ends on a press and waits for one at a time.
void presses(int n) {
    for (int i = 0; i < n; ++i) testrt::tapClick(5, 5);
}

}  // namespace

Session::Session() {
    testrt::resetFiles("[global]\nfirsttimeever=0\nplayers=Asset_Tester\nlastplayer=Asset_Tester\n");
    if (!testrt::startFromSettings() || !currentPlayer) return;
    soundPlayer->loadAmbientLoops();
    currentPlayer->money = 5000.0;
    currentPlayer->firsttime = currentPlayer->firsttimelobby = currentPlayer->firsttimeslot = false;
    currentPlayer->firsttimenickle = currentPlayer->firsttimepoker = false;
    seedProgressiveMeters();
    mediaTicks = testrt::fastClock;
    ok_ = true;
}

Session::~Session() { testrt::stopHeadless(); }

Screen* Session::open(const std::string& what) {
    testrt::drainEvents();
    Screen* s = nullptr;
    if (what == "lobby") {
        s = new Lobby();
    } else if (what == "cashier") {
        s = new Cashier();
    } else if (what == "stats") {
        lastMachineId = "10x";  // open on a page
        s = new StatsScreen();
    } else if (what == "trophy") {
        s = new TrophyRoom();
    } else {
        s = testrt::openMachine(what, "100");  // at coin value 1, as the lobby opens it
    }
    testrt::drainEvents();
    return s;
}

void Session::exercise(Screen* screen) {
    for (int i = 0; i < 60; ++i) screen->tick();
    presses(12);
    screen->showHelp();
    testrt::drainEvents();
    if (dynamic_cast<Machine*>(screen)) {
        for (const char* glass : {"top", "bottom"}) {
            presses(2);
            showMarquee(screen, glass);
            testrt::drainEvents();
        }
    }
    if (dynamic_cast<Cashier*>(screen)) {
        testrt::tapClick(formlayout::titleButton(1));
        testrt::tapClick(formlayout::done());  // refused: no name yet
        testrt::tapKey(SDLK_ESCAPE, 27);
        runRegistrationForm();
        testrt::drainEvents();
    }
    if (screen->name == "lobby") {
        for (int t = 0; t < static_cast<int>(denominationTable.size()); ++t)
            testrt::tapClick(machinemenu::denominationTabRect(t));
        for (int c = 0; c < 4; ++c) testrt::tapClick(machinemenu::categoryTabRect(c));
    }
    bool enabled = screen->menuEnabled;
    screen->menuEnabled = true;
    testrt::tapClick(799, 599);
    showMachineMenu(screen);
    testrt::drainEvents();
    screen->menuEnabled = enabled;
    for (int i = 0; i < 60; ++i) screen->tick();
    testrt::drainEvents();
}

void Session::close(Screen* screen) {
    if (screen && screen->next) delete screen->next;
    delete screen;
}

std::vector<std::string> missingFiles(const std::set<std::string>& paths) {
    std::vector<std::string> missing;
    for (const std::string& p : paths)
        if (access(p.c_str(), R_OK) != 0) missing.push_back(p);
    return missing;
}

}  // namespace assettest
