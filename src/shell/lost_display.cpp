// The X display's error hooks. The library's own (installed when its video
// starts) look after what it can mend and hand the rest on to the hooks that
// were there before it, which are these. A window destroyed from outside, or
// any other request the server refused, returns to the game, which ends at
// its next look at the queue as at a window close. A lost connection (the X
// server ended, xkill) cannot return: it ends the game on the spot, saved as
// far as what the player owns is whole, rather than through the X library's
// exit. A window destroyed while nothing is drawn shows only as the window
// system's note that it is gone.
#include <SDL.h>

#include <cstdio>

// The X headers name their own Display and Screen, so shell/app.h (whose
// classes share those names) is not included: its functions are declared
// here as it declares them.
[[noreturn]] void endWithoutTheDisplay(const char* why, int status);
void endTheGame(const char* why, int status);
void watchTheDisplay();
void watchTheWindow();
void windowSystemEvent(const SDL_Event& event);

#ifdef CORVALO_X11
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace {

int onLostConnection(::Display*) { endWithoutTheDisplay("the connection to the X server was lost", 0); }

int onXError(::Display* x, XErrorEvent* error) {
    // The window is gone (destroyed by another program): the game ends as at
    // a window close. Any other error is a fault of ours: it ends the same
    // way, with what the server said, and a failing status.
    if (error->error_code == BadWindow || error->error_code == BadDrawable) {
        endTheGame("the window was destroyed", 0);
        return 0;
    }
    char text[160] = "";
    if (x) XGetErrorText(x, error->error_code, text, sizeof text);
    char why[200];
    std::snprintf(why, sizeof why, "the X server refused a request: %s", text);
    endTheGame(why, 1);
    return 0;
}

}  // namespace

void watchTheDisplay() {
    XSetErrorHandler(onXError);
    XSetIOErrorHandler(onLostConnection);
}

void watchTheWindow() {
    // Turning an event type on throws away every event waiting: what the
    // player did meanwhile (a window close above all) is taken out first
    // and put back after.
    SDL_Event waiting[128];
    const int count = SDL_PeepEvents(waiting, 128, SDL_GETEVENT, SDL_ALLEVENTS);
    SDL_EventState(SDL_SYSWMEVENT, SDL_ENABLE);
    if (count > 0) SDL_PeepEvents(waiting, count, SDL_ADDEVENT, SDL_ALLEVENTS);
}

void windowSystemEvent(const SDL_Event& event) {
    if (event.type != SDL_SYSWMEVENT || !event.syswm.msg || event.syswm.msg->subsystem != SDL_SYSWM_X11) return;
    const XEvent& x = event.syswm.msg->event.xevent;
    if (x.type != DestroyNotify) return;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) <= 0) return;
    const Window gone = x.xdestroywindow.window;
    if (gone == info.info.x11.wmwindow || gone == info.info.x11.window) endTheGame("the window was destroyed", 0);
}

#else

void watchTheDisplay() {}
void watchTheWindow() {}
void windowSystemEvent(const SDL_Event&) {}

#endif
