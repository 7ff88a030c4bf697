// The application object and the program's start: command line, services,
// the frame loop (one input event, then one frame, and a short rest when
// nothing happened) and the orderly shut-down.
#pragma once

#include <SDL.h>

#include <functional>
#include <memory>

class Display;
class Screen;
class SoundPlayer;

// What the game adds to the application object. The shell knows nothing of
// the game: the game's composition root (game/game.cpp) fills these once,
// before the App is made.
struct AppHooks {
    // Before the display opens: the game reads its settings (and with them
    // the last player). Nothing is drawn or played here.
    std::function<void()> settings;
    // After display, sound and TrueType have started: the game's own
    // services, and the first screen it returns.
    std::function<std::unique_ptr<Screen>()> start;
    // Once a frame, after the screen's tick.
    std::function<void()> frame;
    // When the frame step has replaced the screen by its successor.
    std::function<void()> screenLeft;
    // At shut-down, after the last screen is gone and before the sound
    // player and the display go.
    std::function<void()> stop;
    // For exitAfterSaving: writes what must not be lost.
    std::function<void()> save;
};

extern AppHooks appHooks;

class App {
public:
    // Starts in order: the game's settings hook, the services (display,
    // sound, TrueType engine; see beginStartupWatch), then the game's start
    // hook, whose screen becomes the first. Ends the process with status 1
    // when the video mode cannot be set or the TrueType engine fails, with
    // the settings and save files left as they were.
    explicit App(Uint32 videoFlags);
    // Drops the screen, runs the game's stop hook, then drops the sound
    // player and the display.
    ~App();

    // Drops the current screen (if any) and makes the given one current.
    void setScreen(std::unique_ptr<Screen> newScreen);
    // One frame: adopt screen->next (then the screenLeft hook), tick, the game's frame hook, update the
    // display, free stopped sounds.
    void step();
    // Takes at most one event: window close sets quit; Left-Alt and Tab key
    // presses are dropped; everything else goes to the screen (after mouse
    // motion, its next hover check looks at the mouse). False when no event
    // was waiting.
    bool pollEvent();

    std::unique_ptr<Screen> screen;
    int quit;         // 1 ends the frame loop (the lobby's exit sets it)

private:
    // Lent to the whole game through the globals `display` and `soundPlayer`.
    std::unique_ptr<Display> ownDisplay;
    std::unique_ptr<SoundPlayer> ownSoundPlayer;
};

// The running App, not owned (runGame or a test owns it); null when none.
extern App* theApp;

// The video flags for a command line: SDL_ANYFORMAT, and each "-fs" toggles
// SDL_FULLSCREEN. Returns false (after printing "Usage: <prog> [-fs] ") for
// any other argument.
bool parseCommandLine(int argc, char** argv, Uint32& videoFlags);

// The frame loop over theApp until quit is set; returns the exit status (0).
// A pass that found no event ends with a short rest (shell/waiting.h).
int runFrameLoop();

// The whole program: command line, SDL start, App, frame loop, shut-down.
// Returns the process exit status (1 for a bad command line).
int runGame(int argc, char** argv);

// For modal loops (menus, popups, bonus games, help pages): takes one
// pending event. Returns true with the event in `event` when there is one
// for the caller. A window-close request is never handed out and never
// lost: it sets theApp->quit = 1 (the frame loop ends once the modal part
// has returned) and the call returns false. Use quitRequested() to close a
// modal part early when the player has closed the window.
// SIGTERM, SIGINT, SIGHUP and SIGQUIT (a logout, a kill, Ctrl-C) count as a
// window close. Loops that wait for the player use waitModalEvent
// (shell/waiting.h), which also rests when nothing is waiting.
bool pollModalEvent(SDL_Event& event);
// True once the window was closed or a stop signal came.
bool quitRequested();
// The same, and a window close still waiting in the queue behind other
// events counts too (it stays there for the frame loop): for parts that read
// no events (movies, timed pauses), so that they also end promptly.
bool quitRequestedOrQueued();

// Makes SIGTERM, SIGINT, SIGHUP and SIGQUIT request an orderly quit (the
// player is saved) at the next event poll. runGame installs them after SDL
// has started.
void installStopSignalHandlers();

// For the few failures that must end the game at once (a font that cannot be
// opened): runs the game's save hook (the settings file and the current
// player), then ends the process with the given status. Credits still on a machine are not
// returned; call it only where the game cannot go on.
[[noreturn]] void exitAfterSaving(int status);

// The ways the game ends. The player ends it with a window close; a stop
// signal (shell: installStopSignalHandlers) and a display that fails in a way
// the game can step back from (endTheGame) end it the same way: at the next
// look at the event queue, the frame loop and every modal part close as for
// a window close, a play under way is settled as drawn, and everything is
// saved. Only what cannot return to the game (endWithoutTheDisplay, an exit()
// from inside a library) ends it on the spot; it writes the save file only
// when no action is under way (ActionUnderWay), because between actions what
// the player owns is whole, while inside one the file already holds the last
// whole state and the one in memory may be half changed.
//
// The display failed (the window destroyed from outside, a request the X
// server refused) but the call that noticed returns: the game ends as at a
// window close; then the process says why on stderr and runGame returns
// `status`. The first reason given is the one told. During the start,
// nothing has been played: it ends as a start that failed (status 1).
void endTheGame(const char* why, int status);
// The reason endTheGame was given first, with its status in `status`; null
// while the game has not been told to end so.
const char* displayEnded(int& status);
// Says on stderr why the display ended the game, when it did: a display that
// is gone (status 0) or one that refused what the game asked (a failing
// status).
void sayWhyTheGameEnded();

// The display is gone for good (the connection to the X server lost): nothing
// can be drawn any more, nor waited for, and the call that noticed never
// returns. Says why on stderr, writes the save file when no action is under
// way (see above), and ends the process at once with `status`. During the
// start nothing is written: it ends as a start that failed (status 1).
[[noreturn]] void endWithoutTheDisplay(const char* why, int status);

// Marks an action of the game from its making to its end (or end()): an
// input event handled by the screen, a frame's tick, the making of the
// first screen and the settling at shut-down are actions.
class ActionUnderWay {
public:
    ActionUnderWay();
    ~ActionUnderWay();
    ActionUnderWay(const ActionUnderWay&) = delete;
    ActionUnderWay& operator=(const ActionUnderWay&) = delete;
    void end();

private:
    bool open;
};

// True while an action is under way.
bool insideAnAction();

// Hands a failing display to endTheGame and a lost connection to
// endWithoutTheDisplay (shell/lost_display.cpp). runGame installs it before
// the library opens the display, so that the library's own hooks pass on to
// it what they do not mend themselves.
void watchTheDisplay();

// The window system's own events (SDL_SYSWMEVENT) reach the game from the
// moment the window is open (watchTheWindow, called by the App); the event
// polls hand each to windowSystemEvent, never to a screen. The one that says
// the game's window is gone ends the game (endTheGame): the poll that saw it
// then reports a window close.
void watchTheWindow();
void windowSystemEvent(const SDL_Event& event);

// While the game runs, an exit() from anywhere (a library giving up) saves
// the game first when no action is under way, before any of the program's
// objects are taken down. runGame arranges it; it is idle before the App
// exists and once it is gone.
void saveOnExit();

// Drops the key presses and releases, mouse clicks and mouse moves waiting
// in the queue: what the player did while the game was busy (a profile
// read or written) must not act on what comes after. A window close, and
// every other event, stays in the queue in its order.
void dropQueuedInput();

// The start of the media (the display, the sound, the fonts) is watched:
// when it does not finish within startupLimitSeconds, or a stop signal comes
// meanwhile, the process ends with status 1 and a line saying what it was
// opening, rather than staying alive with no window. The game has only read
// its settings by then: nothing of it is written. runGame begins the watch before the
// library starts; the App names each step and ends it once the media are up.
extern unsigned startupLimitSeconds;
void beginStartupWatch(const char* step);
void startupStep(const char* step);
void endStartupWatch();

// Forgets a window close seen while no App existed (a test's next session
// starts with no quit pending).
void clearQuitRequest();
