#include "assets/asset_session.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <sge.h>

#include <sstream>
#include <unistd.h>

#include "floor/cashier.h"
#include "floor/lobby.h"
#include "floor/machine_menu.h"
#include "game/machine_factory.h"
#include "player/machine_table.h"
#include "machine/marquee.h"
#include "machine/denomination.h"
#include "machine/machine.h"
#include "machine/progressive.h"
#include "player/player.h"
#include "player/stats_screen.h"
#include "player/trophy_room.h"
#include "player/config.h"
#include "shell/display.h"
#include "shell/screen.h"
#include "shell/sound.h"
#include "support/runtime.h"

namespace assettest {

namespace {

// Every modal part ends on a press; each waits for at most one at a time, so
// a handful queued up front closes any of them.
void queuePresses(int n) {
    for (int i = 0; i < n; ++i) queueClick(5, 5);
}

// The session's clock runs ahead 40 ms per call, so timed modal parts
// (bill animations, count-ups) finish without waiting.
Uint32 fastClock() {
    static Uint32 now = 1000;
    return now += 40;
}

}  // namespace

void queueKey(int sym, unsigned short unicode) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = static_cast<SDLKey>(sym);
    e.key.keysym.unicode = unicode;
    SDL_PushEvent(&e);
    e.type = SDL_KEYUP;
    e.key.type = SDL_KEYUP;
    e.key.state = SDL_RELEASED;
    SDL_PushEvent(&e);
}

void queueClick(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = SDL_PRESSED;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
    e.type = SDL_MOUSEBUTTONUP;
    e.button.type = SDL_MOUSEBUTTONUP;
    e.button.state = SDL_RELEASED;
    SDL_PushEvent(&e);
}

void flushEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
}

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
    currentPlayer->firsttime = false;
    currentPlayer->firsttimelobby = false;
    currentPlayer->firsttimeslot = false;
    currentPlayer->firsttimenickle = false;
    currentPlayer->firsttimepoker = false;
    buildDenominationTable();
    seedProgressiveMeters();
    mediaTicks = fastClock;
    ok_ = true;
}

Session::~Session() {
    flushEvents();
    mediaTicks = SDL_GetTicks;
    clearProgressiveMeters();
    freeDenominationTable();
    delete config;   // saves the player into the test's own save folder
    config = nullptr;
    currentPlayer = nullptr;
    delete soundPlayer;
    soundPlayer = nullptr;
    delete display;
    display = nullptr;
    SDL_Quit();
}

Screen* Session::open(const std::string& what) {
    flushEvents();
    Screen* s = nullptr;
    if (what == "lobby") {
        s = new Lobby();
    } else if (what == "cashier") {
        s = new Cashier();
    } else if (what == "stats") {
        lastMachineId = "10x";   // open on a page
        s = new StatsScreen();
    } else if (what == "trophy") {
        s = new TrophyRoom();
    } else {
        // A machine asks for money as it opens: type an amount for it.
        for (char c : std::string("100")) queueKey(c, static_cast<unsigned short>(c));
        queueKey(SDLK_RETURN, '\r');
        s = createMachine(what, 1.0f);
    }
    flushEvents();
    return s;
}

void Session::exercise(Screen* screen) {
    for (int i = 0; i < 60; ++i) screen->tick();
    queuePresses(12);
    screen->showHelp();
    flushEvents();
    if (dynamic_cast<Machine*>(screen)) {
        queuePresses(2);
        showMarquee(screen, "top");
        flushEvents();
        queuePresses(2);
        showMarquee(screen, "bottom");
        flushEvents();
    }
    bool enabled = screen->menuEnabled;
    screen->menuEnabled = true;
    queuePresses(1);
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

std::vector<std::string> loadFailures(const std::string& output) {
    std::vector<std::string> lines;
    std::istringstream in(output);
    std::string line;
    while (std::getline(in, line))
        if (line.find("Couldn't Load") != std::string::npos) lines.push_back(line);
    return lines;
}

std::vector<std::string> builtMachineIds() {
    std::vector<std::string> ids;
    for (const MachineInfo& m : machineTable()) ids.push_back(m.id);
    return ids;
}

}  // namespace assettest
