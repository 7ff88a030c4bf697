#include "support/x_hooks.h"

#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>

#ifdef CORVALO_X11
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace testrt {

VirtualScreen::VirtualScreen() : server(-1), displayName("") {
    if (access("/usr/bin/Xvfb", X_OK) != 0) return;
    // A number of this process's own, so tests run side by side don't meet.
    for (int n = 300 + getpid() % 400, tries = 0; tries < 50; ++n, ++tries) {
        char lock[40];
        std::snprintf(lock, sizeof lock, "/tmp/.X%d-lock", n);
        struct stat seen;
        if (stat(lock, &seen) == 0) continue;
        std::snprintf(displayName, sizeof displayName, ":%d", n);
        const pid_t child = fork();
        if (child == 0) {
            execl("/usr/bin/Xvfb", "Xvfb", displayName, "-screen", "0", "800x600x24", "-nolisten", "tcp",
                  static_cast<char*>(nullptr));
            _exit(127);
        }
        if (child < 0) return;
        char socket[40];
        std::snprintf(socket, sizeof socket, "/tmp/.X11-unix/X%d", n);
        for (int wait = 0; wait < 200; ++wait) {
            if (stat(socket, &seen) == 0) {
                server = child;
                return;
            }
            if (waitpid(child, nullptr, WNOHANG) == child) break;  // that number was taken after all
            usleep(25000);
        }
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
}

VirtualScreen::~VirtualScreen() {
    if (server <= 0) return;
    kill(server, SIGTERM);
    waitpid(server, nullptr, 0);
}

unsigned long gameWindow() {
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (SDL_GetWMInfo(&info) <= 0 || info.subsystem != SDL_SYSWM_X11) return 0;
    return info.info.x11.wmwindow;
}

bool destroyWindowFromOutside(const char* displayName, unsigned long window) {
    ::Display* other = XOpenDisplay(displayName);
    if (!other) return false;
    XDestroyWindow(other, window);
    XSync(other, False);
    XCloseDisplay(other);
    return true;
}

XHooksKept::XHooksKept() {
    XErrorHandler error = XSetErrorHandler(nullptr);
    XSetErrorHandler(error);
    XIOErrorHandler lost = XSetIOErrorHandler(nullptr);
    XSetIOErrorHandler(lost);
    errorHook = reinterpret_cast<void*>(error);
    lostConnectionHook = reinterpret_cast<void*>(lost);
}

XHooksKept::~XHooksKept() {
    XSetErrorHandler(reinterpret_cast<XErrorHandler>(errorHook));
    XSetIOErrorHandler(reinterpret_cast<XIOErrorHandler>(lostConnectionHook));
}

bool xDisplayWatched() { return true; }

int reportXError(unsigned char errorCode) {
    // Setting none puts the library's own in place and hands back the one
    // that was there; setting that again hands back the library's own.
    XErrorHandler inPlace = XSetErrorHandler(nullptr);
    XErrorHandler libraryOwn = XSetErrorHandler(inPlace);
    if (inPlace == libraryOwn) return -1;
    XErrorEvent error{};
    error.type = 0;
    error.error_code = errorCode;
    return inPlace(nullptr, &error);
}

bool reportLostConnection() {
    XIOErrorHandler inPlace = XSetIOErrorHandler(nullptr);
    XIOErrorHandler libraryOwn = XSetIOErrorHandler(inPlace);
    if (inPlace == libraryOwn) return false;
    inPlace(nullptr);
    return true;
}

}  // namespace testrt

#else

namespace testrt {

VirtualScreen::VirtualScreen() : server(-1), displayName("") {}
VirtualScreen::~VirtualScreen() = default;
unsigned long gameWindow() { return 0; }
bool destroyWindowFromOutside(const char*, unsigned long) { return false; }
XHooksKept::XHooksKept() : errorHook(nullptr), lostConnectionHook(nullptr) {}
XHooksKept::~XHooksKept() = default;
bool xDisplayWatched() { return false; }
int reportXError(unsigned char) { return -1; }
bool reportLostConnection() { return false; }

}  // namespace testrt

#endif
