#include "shell/app.h"

#include <sge.h>

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include <unistd.h>

#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/screen.h"
#include "shell/sound.h"
#include "shell/waiting.h"

App* theApp = nullptr;
AppHooks appHooks;

namespace {

// How the game is ending, in one place: what the signal handlers, the
// display's hooks, an exit() and the frame loop have seen. Plain flags, so
// that a signal handler may set them.
struct Ending {
    // A window-close request seen by a modal loop while no App exists.
    volatile std::sig_atomic_t quitSeenWithoutApp = 0;
    // Set by SIGTERM, SIGINT, SIGHUP and SIGQUIT. The library's own handler
    // for these pushes a quit event from inside the signal handler, which
    // can deadlock on the event queue's lock; ours only sets this flag, and
    // the frame loop and the modal loops turn it into an orderly quit (so
    // the player is saved). endTheGame sets it too.
    volatile std::sig_atomic_t stopSignalled = 0;
    // Set once the game's save hook has run on the way out.
    volatile std::sig_atomic_t savedOnTheWayOut = 0;
    // Above 0 while the game is inside an action: an event handed to the
    // screen, a frame's tick, the first screen's making, the settling at
    // the end. An action may have changed the player's money, points and
    // prizes by halves; it writes the save file itself once they are whole
    // again. Between actions everything the player owns is whole (and
    // already in the file).
    volatile std::sig_atomic_t actionDepth = 0;
    // The first reason the game was told to end by something other than
    // the player (a lost or failing display), and the status it ends with.
    char why[200] = "";
    int status = 0;
};
Ending ending;

// While the media start (startup watch): where it is, and whether it runs.
volatile std::sig_atomic_t startingUp = 0;
const char* volatile startStep = "";

void say(const char* text) {
    ssize_t written = write(STDERR_FILENO, text, std::strlen(text));
    (void)written;
}

// Nothing of the game has started yet: there is nothing to save, so the
// process ends at once, saying where it was.
[[noreturn]] void endStart(const char* why) {
    say("Corvalo Slots could not start: ");
    say(why);
    say(" while opening ");
    say(startStep);
    say(".\n");
    _exit(1);
}

void onStartupAlarm(int) { endStart("it took too long"); }

// The media could not start. The game has read its settings, but nothing has
// been played: the process ends without writing the settings or the save
// files back (no destructor of the game's runs).
[[noreturn]] void endWithoutTheMedia() {
    std::fflush(stdout);
    std::fflush(stderr);
    SDL_Quit();
    std::_Exit(1);
}

// The game runs and its save file is not yet written on the way out.
bool unsavedGame() { return theApp && !ending.savedOnTheWayOut; }

// Writes the save file once on an end that cannot return, when what the
// player owns is whole: never inside an action, where the file already
// holds the last whole state and the one in memory may be half of what the
// action does. True when it wrote the file.
bool saveOnTheWayOut() {
    if (!unsavedGame() || insideAnAction()) return false;
    ending.savedOnTheWayOut = 1;
    if (appHooks.save) appHooks.save();
    return true;
}

// An exit() from anywhere while the game runs. Inside an action the process
// ends here, before the game's objects go down: each writes its file as it
// goes, and would write the half state. Otherwise the file is written and
// the exit goes on.
void onExitWhileRunning(int status, void*) {
    if (unsavedGame() && insideAnAction()) {
        std::fflush(stdout);
        std::fflush(stderr);
        _exit(status);
    }
    saveOnTheWayOut();
}

void onStopSignal(int) {
    if (startingUp) endStart("it was stopped");
    ending.stopSignalled = 1;
}

// True (once the flag is seen) when a stop signal has arrived; sets quit.
bool takeStopSignal() {
    if (!ending.stopSignalled) return false;
    if (theApp) theApp->quit = 1;
    else ending.quitSeenWithoutApp = 1;
    return true;
}

}  // namespace

App::App(Uint32 videoFlags) : quit(0) {
    // The first screen may already wait for the player (the cashier's
    // first-run welcome): a window close or stop signal then is this App's.
    theApp = this;
    SDL_WM_SetCaption("Corvalo Slots", "Corvalo Slots");

    // Both generators from the clock: the game's for every outcome, the
    // runtime's for the pictures the reels show.
    sgenrand(static_cast<uint32_t>(std::time(nullptr)));
    srand(static_cast<unsigned>(std::time(nullptr)));
    const char* seed = std::getenv("CORVALO_SEED");
    developmentSeed = seed ? static_cast<uint32_t>(std::strtoul(seed, nullptr, 10)) : 0;

    // The settings first: they need no window.
    startupStep("the settings");
    if (appHooks.settings) appHooks.settings();

    startupStep("the window");
    ownDisplay = std::make_unique<Display>(videoFlags);
    display = ownDisplay.get();
    if (!display->hasSurface()) {
        // Nothing can be drawn without a screen: stop here, before any
        // screen exists, and leave the settings and save files as they are.
        display = nullptr;
        ownDisplay.reset();
        endWithoutTheMedia();
    }

    SDL_EnableUNICODE(1);
    watchTheWindow();

    startupStep("the sound");
    ownSoundPlayer = std::make_unique<SoundPlayer>();
    soundPlayer = ownSoundPlayer.get();
    soundPlayer->loadAmbientLoops();

    startupStep("the fonts");
    if (sge_TTF_Init() != 0) {
        std::fprintf(stderr, "TT error: %s\n", SDL_GetError());
        endWithoutTheMedia();
    }
    // The media are up: from here on the player can be waited for.
    endStartupWatch();

    ActionUnderWay firstScreen;
    if (appHooks.start) screen = appHooks.start();
}

App::~App() {
    // The settling below is an action like any other; the stop hook writes
    // what it leaves.
    ActionUnderWay settling;
    // A play under way ends as drawn before anything is taken down.
    if (screen) screen->finishUnderWay();
    // The screen goes first: a machine hands its credits back to the player
    // at its coin value, so the game's services must still exist.
    screen.reset();
    settling.end();
    if (appHooks.stop) appHooks.stop();
    // Each is still reachable through its global while it shuts down.
    ownSoundPlayer.reset();
    soundPlayer = nullptr;
    ownDisplay.reset();
    display = nullptr;
}

void App::setScreen(std::unique_ptr<Screen> newScreen) {
    screen.reset();
    screen = std::move(newScreen);
}

bool App::pollEvent() {
    if (takeStopSignal()) return true;
    SDL_Event event;
    if (!SDL_PollEvent(&event)) return false;
    if (event.type == SDL_SYSWMEVENT) {
        windowSystemEvent(event);
        takeStopSignal();
        return true;
    }
    if (event.type == SDL_QUIT) {
        quit = 1;
        return true;
    }
    if (event.type == SDL_KEYDOWN &&
        (event.key.keysym.sym == SDLK_LALT || event.key.keysym.sym == SDLK_TAB)) {
        return true;
    }
    // The mouse moved: the screen looks at it for hover effects in this
    // very frame rather than at its next counted look.
    if (event.type == SDL_MOUSEMOTION && screen) screen->hoverCounter = hoverCheckInterval;
    ActionUnderWay action;
    if (screen) screen->handleEvent(event);
    return true;
}

void App::step() {
    ActionUnderWay action;
    if (screen && screen->next) {
        std::unique_ptr<Screen> successor = std::move(screen->next);
        screen.reset();
        screen = std::move(successor);
        if (appHooks.screenLeft) appHooks.screenLeft();
    }
    if (screen) screen->tick();
    if (appHooks.frame) appHooks.frame();
    action.end();
    if (display) display->update();
    if (soundPlayer) soundPlayer->update();
}

bool parseCommandLine(int argc, char** argv, Uint32& videoFlags) {
    videoFlags = SDL_ANYFORMAT;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-fs") == 0) {
            videoFlags ^= SDL_FULLSCREEN;
        } else {
            std::fprintf(stderr, "Usage: %s [-fs] \n", argc > 0 && argv[0] ? argv[0] : "");
            return false;
        }
    }
    return true;
}

int runFrameLoop() {
    while (theApp && theApp->quit == 0) {
        bool eventTaken = theApp->pollEvent();
        theApp->step();
        // Nothing happened: give the processor back until the next pass.
        // Everything timed goes by the clock, so it keeps its times.
        if (!eventTaken && theApp && theApp->quit == 0) {
            // The hover look counts passes: at rest each millisecond counts
            // as one, so a control that comes under a still mouse lights up
            // about as soon as it did when the loop never rested.
            Screen* current = theApp->screen.get();
            if (current) {
                const int passesToLook = std::max(1, hoverCheckInterval - current->hoverCounter);
                wakeBy(mediaTicks() + static_cast<Uint32>(passesToLook));
            }
            const Uint32 rested = restUntilDue();
            if (current && theApp->screen.get() == current && rested > 1)
                current->hoverCounter += static_cast<int>(rested) - 1;
        }
    }
    return 0;
}

int runGame(int argc, char** argv) {
    Uint32 videoFlags = 0;
    if (!parseCommandLine(argc, argv, videoFlags)) return 1;

    // Ours first, so that the library keeps them; a stop signal while the
    // media start ends the start (startup watch).
    installStopSignalHandlers();
    // A write to a display that has gone fails as an error the X library
    // reports (and watchTheDisplay handles) instead of killing the process.
    std::signal(SIGPIPE, SIG_IGN);
    watchTheDisplay();
    saveOnExit();
    beginStartupWatch("the display and the sound system");
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        if (SDL_Init(SDL_INIT_VIDEO) < 0) {
            std::fprintf(stderr, "Couldn't initialize SDL: %s\n", SDL_GetError());
        }
    }

    installStopSignalHandlers();
    int status = 0;
    {
        App app(videoFlags);
        status = runFrameLoop();
    }
    theApp = nullptr;
    // Ended by the display rather than the player: it ends as a window close
    // ends it, with the status the display's end gave.
    displayEnded(status);
    sayWhyTheGameEnded();
    std::fflush(stdout);
    SDL_Quit();
    return status;
}

void installStopSignalHandlers() {
    ending.stopSignalled = 0;
    for (int stop : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) std::signal(stop, onStopSignal);
}

bool pollModalEvent(SDL_Event& event) {
    if (takeStopSignal()) return false;
    do {
        if (!SDL_PollEvent(&event)) return false;
        if (event.type == SDL_SYSWMEVENT) {
            windowSystemEvent(event);
            if (takeStopSignal()) return false;
        }
    } while (event.type == SDL_SYSWMEVENT);
    if (event.type == SDL_QUIT) {
        if (theApp) theApp->quit = 1;
        else ending.quitSeenWithoutApp = 1;
        return false;
    }
    return true;
}

bool quitRequested() {
    takeStopSignal();
    return theApp ? theApp->quit != 0 : ending.quitSeenWithoutApp != 0;
}


bool quitRequestedOrQueued() {
    if (quitRequested()) return true;
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return false;
    SDL_PumpEvents();
    SDL_Event close;
    return SDL_PeepEvents(&close, 1, SDL_PEEKEVENT, SDL_QUITMASK) > 0;
}

void dropQueuedInput() {
    if (!SDL_WasInit(SDL_INIT_VIDEO)) return;
    SDL_PumpEvents();
    const Uint32 input = SDL_KEYDOWNMASK | SDL_KEYUPMASK | SDL_MOUSEMOTIONMASK | SDL_MOUSEBUTTONDOWNMASK |
                         SDL_MOUSEBUTTONUPMASK;
    SDL_Event dropped[64];
    while (SDL_PeepEvents(dropped, 64, SDL_GETEVENT, input) > 0) {
    }
}

void exitAfterSaving(int status) {
    // The caller has made what the player owns whole (the credits back).
    if (appHooks.save) appHooks.save();
    ending.savedOnTheWayOut = 1;
    std::fflush(stdout);
    std::fflush(stderr);
    std::exit(status);
}

namespace {

// The first reason given is the one kept.
void keepWhy(const char* why, int status) {
    if (ending.why[0]) return;
    std::snprintf(ending.why, sizeof ending.why, "%s", why && why[0] ? why : "the display ended");
    ending.status = status;
}

}  // namespace

void endTheGame(const char* why, int status) {
    if (startingUp) endStart(why);
    keepWhy(why, status);
    // The same way out as a stop signal: at the next look at the queue.
    ending.stopSignalled = 1;
}

const char* displayEnded(int& status) {
    if (!ending.why[0]) return nullptr;
    status = ending.status;
    return ending.why;
}

void sayWhyTheGameEnded() {
    if (!ending.why[0]) return;
    // A display that is gone is no fault of the game's; a failing status
    // says the display refused the game something it asked.
    say(ending.status == 0 ? "Corvalo Slots lost its display (" : "Corvalo Slots stopped on a display error (");
    say(ending.why);
    say("): the game is saved and ends.\n");
}

void endWithoutTheDisplay(const char* why, int status) {
    if (startingUp) endStart(why);
    keepWhy(why, status);
    sayWhyTheGameEnded();
    saveOnTheWayOut();
    std::fflush(stdout);
    std::fflush(stderr);
    _exit(status);
}

ActionUnderWay::ActionUnderWay() : open(true) { ++ending.actionDepth; }

ActionUnderWay::~ActionUnderWay() { end(); }

void ActionUnderWay::end() {
    if (!open) return;
    open = false;
    --ending.actionDepth;
}

bool insideAnAction() { return ending.actionDepth > 0; }

void saveOnExit() {
    static bool registered = false;
    if (registered) return;
    registered = true;
    on_exit(onExitWhileRunning, nullptr);
}

unsigned startupLimitSeconds = 60;

void beginStartupWatch(const char* step) {
    startStep = step;
    startingUp = 1;
    std::signal(SIGALRM, onStartupAlarm);
    alarm(startupLimitSeconds);
}

void startupStep(const char* step) { startStep = step; }

void endStartupWatch() {
    if (!startingUp) return;
    alarm(0);
    std::signal(SIGALRM, SIG_DFL);
    startingUp = 0;
}

void clearQuitRequest() {
    ending.quitSeenWithoutApp = 0;
    ending.stopSignalled = 0;
    ending.why[0] = '\0';
    ending.status = 0;
}
