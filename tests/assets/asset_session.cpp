#include "assets/asset_session.h"

#include <SDL.h>
#include <sge.h>

#include <unistd.h>

#include "floor/cashier.h"
#include "floor/lobby.h"
#include "floor/machine_menu.h"
#include "floor/registration_form.h"
#include "game/machine_factory.h"
#include "machine/denomination.h"
#include "machine/machine.h"
#include "machine/marquee.h"
#include "machine/progressive.h"
#include "player/config.h"
#include "player/player.h"
#include "player/stats_screen.h"
#include "player/trophy_room.h"
#include "shell/display.h"
#include "shell/screen.h"
#include "shell/sound.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace assettest {

namespace {

void click(const SDL_Rect& r) { queueClick(r.x + r.w / 2, r.y + r.h / 2); }
// Every modal part ends on a press and waits for one at a time.
void presses(int n) {
    for (int i = 0; i < n; ++i) queueClick(5, 5);
}

// Runs ahead 40 ms a call, so timed parts (bills, count-ups) finish at once.
Uint32 fastClock() {
    static Uint32 now = 1000;
    return now += 40;
}

}  // namespace

void queueKey(int sym, unsigned short unicode) {
    testrt::pushKey(static_cast<SDLKey>(sym), unicode, SDL_KEYDOWN);
    testrt::pushKey(static_cast<SDLKey>(sym), unicode, SDL_KEYUP);
}

void queueClick(int x, int y) {
    testrt::pushClick(x, y, SDL_MOUSEBUTTONDOWN);
    testrt::pushClick(x, y, SDL_MOUSEBUTTONUP);
}

void flushEvents() { testrt::drainEvents(); }

Session::Session() {
    testrt::resetFiles("[global]\nfirsttimeever=0\nplayers=Asset_Tester\nlastplayer=Asset_Tester\n");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0 && SDL_Init(SDL_INIT_VIDEO) < 0) return;
    display = new Display(SDL_SWSURFACE);
    if (!display->hasSurface()) return;
    SDL_EnableUNICODE(1);
    soundPlayer = new SoundPlayer();
    soundPlayer->loadAmbientLoops();
    if (sge_TTF_Init() != 0) return;
    config = new Config();
    if (!currentPlayer) return;
    currentPlayer->money = 5000.0;
    currentPlayer->firsttime = currentPlayer->firsttimelobby = currentPlayer->firsttimeslot = false;
    currentPlayer->firsttimenickle = currentPlayer->firsttimepoker = false;
    buildDenominationTable();
    seedProgressiveMeters();
    mediaTicks = fastClock;
    ok_ = true;
}

Session::~Session() {
    clearProgressiveMeters();
    delete config;  // saves the player into the test's own save folder
    config = nullptr;
    testrt::stopHeadless();  // coin values, sound, display and SDL
}

Screen* Session::open(const std::string& what) {
    flushEvents();
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
        // A machine asks for money as it opens: type an amount for it.
        for (int c : {'1', '0', '0', '\r'}) queueKey(c, static_cast<unsigned short>(c));
        s = createMachine(what, 1.0f);
    }
    flushEvents();
    return s;
}

void Session::exercise(Screen* screen) {
    for (int i = 0; i < 60; ++i) screen->tick();
    presses(12);
    screen->showHelp();
    flushEvents();
    if (dynamic_cast<Machine*>(screen)) {
        for (const char* glass : {"top", "bottom"}) {
            presses(2);
            showMarquee(screen, glass);
            flushEvents();
        }
    }
    if (dynamic_cast<Cashier*>(screen)) {
        click(formlayout::titleButton(1));
        click(formlayout::done());  // refused: no name yet
        queueKey(SDLK_ESCAPE, 27);
        runRegistrationForm();
        flushEvents();
    }
    if (screen->name == "lobby") {
        for (int t = 0; t < static_cast<int>(denominationTable.size()); ++t) click(machinemenu::denominationTabRect(t));
        for (int c = 0; c < 4; ++c) click(machinemenu::categoryTabRect(c));
    }
    bool enabled = screen->menuEnabled;
    screen->menuEnabled = true;
    queueClick(799, 599);
    showMachineMenu(screen);
    flushEvents();
    screen->menuEnabled = enabled;
    for (int i = 0; i < 60; ++i) screen->tick();
    flushEvents();
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
