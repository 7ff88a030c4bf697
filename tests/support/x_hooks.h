// The X library's error hooks as the game leaves them, reached the way the
// library reaches them when the server reports an error or the connection
// breaks. (The X headers name their own Display and Screen, so they stay in
// x_hooks.cpp.)
#pragma once

#include <string>

namespace testrt {

// Keeps the X library's error hooks while it lives and puts them back after.
class XHooksKept {
public:
    XHooksKept();
    ~XHooksKept();
    XHooksKept(const XHooksKept&) = delete;
    XHooksKept& operator=(const XHooksKept&) = delete;

private:
    void* errorHook;
    void* lostConnectionHook;
};

// Whether the game was built to watch an X display at all.
bool xDisplayWatched();

// Reports an X error with this code to the error hook in place, as the
// library does from inside the call that noticed it. Returns what the hook
// returns, or -1 without calling anything when the hook in place is the
// library's own (which ends the process).
int reportXError(unsigned char errorCode);

// The connection to the server broken, as the library reports it. Returns
// false without calling anything when the hook in place is the library's own.
bool reportLostConnection();

// A virtual X screen of its own (Xvfb) while it lives, for the tests that
// need a real window. The server picks a display number no other server
// holds and says which once it takes connections; the screen is up only
// when a connection to it has been opened, so a socket file left behind by
// a server that is gone, or another server starting beside it, never makes
// it look up. The server is ended and reaped with the object.
class VirtualScreen {
public:
    VirtualScreen();
    ~VirtualScreen();
    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;
    bool up() const { return server > 0; }
    // Whether this machine has an Xvfb to start at all.
    static bool available();
    // Why it is not up, when Xvfb is here but the screen did not come up.
    const std::string& trouble() const { return why; }
    // ":<number>", for DISPLAY.
    const char* name() const { return displayName; }

private:
    bool start();
    int server;
    char displayName[16];
    std::string why;
};

// Whether an X server answers on this display: a connection to it opens.
bool displayAnswers(const char* displayName);

// The game's window on its X screen (the window manager's frame, which is
// the one other programs destroy); 0 without one.
unsigned long gameWindow();
// Destroys a window from outside, as another program would.
bool destroyWindowFromOutside(const char* displayName, unsigned long window);

// The X protocol's codes for a window that does not exist, a drawable that
// does not exist and a request the server had no memory for.
constexpr unsigned char xBadWindow = 3;
constexpr unsigned char xBadDrawable = 9;
constexpr unsigned char xBadAlloc = 11;

}  // namespace testrt
