#include "game/game.h"

#include "floor/cashier.h"
#include "floor/lobby.h"
#include "floor/machine_menu.h"
#include "game/machine_factory.h"
#include "machine/denomination.h"
#include "machine/progressive.h"
#include "player/config.h"
#include "player/keeping.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/notice.h"
#include "shell/routes.h"
#include "shell/sound.h"

namespace {

const char* const alreadyRunning =
    "Corvalo Slots is already running from this folder in another window. This copy closes now and changes "
    "nothing: go on playing in the other window.";

// What keeping learned since the last frame, told in the window: a notice
// for what has just stopped being kept, and the window's title while it stays so.
void tellKeeping() {
    for (const std::string& message : keeping.takeNews()) showNotice(message, cashierFont);
    const std::string sign = keeping.signText();
    const std::string title = sign.empty() ? "Corvalo Slots" : "Corvalo Slots - " + sign;
    char* shown = nullptr;
    SDL_WM_GetCaption(&shown, nullptr);
    if (!shown || title != shown) SDL_WM_SetCaption(title.c_str(), "Corvalo Slots");
}

std::unique_ptr<Screen> firstScreen();

// Whether this copy holds the folders (settings read), or another copy does.
bool holdsTheFolders = false;

// Before the window opens. One copy at a time: a second copy reads nothing;
// otherwise the settings, and with them the last player.
void readSettings() {
    holdsTheFolders = lockRuntimeFolder();
    if (holdsTheFolders) config = std::make_unique<Config>();
}

// The first screen, and what the start found about the files told over it;
// a second copy says so in its window and ends.
std::unique_ptr<Screen> startGame() {
    if (!holdsTheFolders) {
        showNotice(alreadyRunning, cashierFont);
        if (theApp) theApp->quit = 1;
        return nullptr;
    }
    std::unique_ptr<Screen> first = firstScreen();
    // Clicks made while the profile was read are not for the first screen
    // (nor for a notice told over it).
    dropQueuedInput();
    tellKeeping();
    // From now on a file that stops being kept is told the moment it happens.
    keeping.onNews = tellKeeping;
    return first;
}

// Tables and meters, then the first screen: the cashier on the first run,
// else the lobby.
std::unique_ptr<Screen> firstScreen() {
    buildDenominationTable();
    seedProgressiveMeters();

    if (config->firstTimeEver) {
        soundPlayer->play("welcome.wav", false);
        return std::make_unique<Cashier>();
    }
    // The lobby's greeting plays over its ambient loop, started here so
    // that the lobby's own set-up does not start it a second time.
    if (soundPlayer->audioOpen && soundPlayer->lobbyLoop) soundPlayer->lobbyLoop->play(0, 0);
    bool ambient = soundPlayer->ambientEnabled;
    soundPlayer->ambientEnabled = false;
    if (currentPlayer) currentPlayer->firsttime = false;
    auto lobby = std::make_unique<Lobby>();
    bool male = currentPlayer && currentPlayer->gender == "male";
    soundPlayer->play(male ? "lobybaks.wav" : "lobybakm.wav", false);
    // Ambient sound only comes back on when it was on: with the audio
    // closed it never is.
    soundPlayer->ambientEnabled = ambient;
    return lobby;
}

void stopGame() {
    // The window is closing: nobody is there to read a notice.
    keeping.onNews = nullptr;
    freeDenominationTable();
    clearProgressiveMeters();
    config.reset();  // writes the settings file, then saves the player
    releaseRuntimeFolder();
}

void saveGame() {
    // The game ends at once, maybe without its window: nobody is there to
    // read a notice.
    keeping.onNews = nullptr;
    // Both go now, before the process ends: the settings file is written,
    // then the profile saved.
    config.reset();
    currentPlayer.reset();
}

}  // namespace

void installGame() {
    appHooks.settings = readSettings;
    appHooks.start = startGame;
    appHooks.frame = [] {
        growProgressiveMeters();
        tellKeeping();
    };
    // A screen left (a machine's credits are back in the profile by now).
    appHooks.screenLeft = [] {
        if (currentPlayer) currentPlayer->saveNow();
    };
    appHooks.stop = stopGame;
    appHooks.save = saveGame;
    routes.lobby = []() -> std::unique_ptr<Screen> { return std::make_unique<Lobby>(); };
    routes.cashier = []() -> std::unique_ptr<Screen> { return std::make_unique<Cashier>(); };
    routes.machine = createMachine;
    routes.menu = showMachineMenu;
}
