// The application object and the program's start: command line, services,
// the frame loop (one input event, then one frame, and a short rest when
// nothing happened) and the orderly shut-down.
#pragma once

#include <SDL.h>

class Screen;

class App {
public:
    // Creates every service in order (settings and current player, display,
    // sound, TrueType engine, denomination table, progressive meters) and
    // installs the first screen: the cashier on the first run, else the
    // lobby. Ends the process with status 1 when the video mode cannot be
    // set or the TrueType engine fails.
    explicit App(Uint32 videoFlags);
    // Deletes the screen, empties the denomination table and meters, deletes
    // the settings (which saves the player), the sound player and the display.
    ~App();

    // Deletes the current screen (if any) and makes the given one current.
    void setScreen(Screen* newScreen);
    // One frame: adopt screen->next, tick, grow meters, update the display,
    // free stopped sounds.
    void step();
    // Takes at most one event: window close sets quit; Left-Alt and Tab key
    // presses are dropped; everything else goes to the screen. False when
    // no event was waiting.
    bool pollEvent();

    Screen* screen;   // owned
    int quit;         // 1 ends the frame loop (the lobby's exit sets it)
};

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

// Forgets a stop signal, and a window close seen while no App existed: for
// a program that runs one game session after another (the tests).
void forgetQuitRequests();

// Makes SIGTERM, SIGINT, SIGHUP and SIGQUIT request an orderly quit (the
// player is saved) at the next event poll. runGame installs them after SDL
// has started.
void installStopSignalHandlers();

// For the few failures that must end the game at once (a font that cannot be
// opened): writes the settings file and saves the current player, then ends
// the process with the given status. Credits still on a machine are not
// returned; call it only where the game cannot go on.
[[noreturn]] void exitAfterSaving(int status);
