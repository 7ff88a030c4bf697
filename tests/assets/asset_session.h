// A headless game session for the art-coverage tests: the shared headless
// game with sound (on the dummy audio driver, so clips are really loaded),
// settings with a registered player, and progressive meters.
#pragma once

#include <unistd.h>

#include <set>
#include <string>
#include <vector>

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

class Session {
public:
    Session() {
        testrt::resetFiles("[global]\nfirsttimeever=0\nplayers=Asset_Tester\nlastplayer=Asset_Tester\n");
        if (!testrt::startFromSettings() || !currentPlayer) return;
        soundPlayer->loadAmbientLoops();
        currentPlayer->money = 5000.0;
        currentPlayer->firsttime = currentPlayer->firsttimelobby = currentPlayer->firsttimeslot = false;
        currentPlayer->firsttimenickle = currentPlayer->firsttimepoker = false;
        seedProgressiveMeters();
        testrt::runFast();
        ok_ = true;
    }
    ~Session() { testrt::stopHeadless(); }

    bool ok() const { return ok_; }

    // Opens "lobby", "cashier", "stats", "trophy" or a machine id (at coin
    // value 1, as the lobby does).
    Screen* open(const std::string& what) {
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
            s = testrt::openMachine(what, "100");
        }
        testrt::drainEvents();
        return s;
    }

    // Walks the screen through its help pages, both marquee glasses (machines),
    // the registration form (cashier) and the machine menu (every tab from the
    // lobby), closing each with queued input; every modal part ends on a press.
    void exercise(Screen* screen) {
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

    void close(Screen* screen) {
        delete screen;
    }

private:
    bool ok_ = false;

    static void presses(int n) {
        for (int i = 0; i < n; ++i) testrt::tapClick(5, 5);
    }
};

// The paths among `paths` (relative to the working folder) that don't exist.
inline std::vector<std::string> missingFiles(const std::set<std::string>& paths) {
    std::vector<std::string> missing;
    for (const std::string& p : paths)
        if (access(p.c_str(), R_OK) != 0) missing.push_back(p);
    return missing;
}

}  // namespace assettest
