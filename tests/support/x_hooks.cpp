#include "support/x_hooks.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

#ifdef CORVALO_X11
#include <SDL.h>
#include <SDL_syswm.h>
#include <X11/Xlib.h>

namespace testrt {

namespace {

const char* const kXvfb = "/usr/bin/Xvfb";
// How long a server may take to come up on a busy machine.
constexpr int kStartMs = 30000;

int msSince(const timespec& start) {
    timespec now;
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<int>((now.tv_sec - start.tv_sec) * 1000 + (now.tv_nsec - start.tv_nsec) / 1000000);
}

// The first line written to fd, waiting until the deadline; false when the
// writer closed it or the time ran out first.
bool readLine(int fd, const timespec& start, std::string& line) {
    line.clear();
    for (;;) {
        const int left = kStartMs - msSince(start);
        if (left <= 0) return false;
        pollfd watch{fd, POLLIN, 0};
        const int ready = poll(&watch, 1, left);
        if (ready < 0 && errno == EINTR) continue;
        if (ready <= 0) return false;
        char c;
        const ssize_t got = read(fd, &c, 1);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) return false;
        if (c == '\n') return true;
        line += c;
    }
}

}  // namespace

bool displayAnswers(const char* displayName) {
    ::Display* display = XOpenDisplay(displayName);
    if (!display) return false;
    XCloseDisplay(display);
    return true;
}

bool VirtualScreen::available() { return access(kXvfb, X_OK) == 0; }

VirtualScreen::VirtualScreen() : server(-1), displayName("") {
    if (!available()) return;
    // A server may lose its number to one starting at the same moment and
    // end; another try takes the next free one.
    for (int attempt = 0; attempt < 3; ++attempt)
        if (start()) return;
}

bool VirtualScreen::start() {
    displayName[0] = '\0';
    int ready[2];
    if (pipe2(ready, O_CLOEXEC) != 0) {
        why = std::string("no pipe for Xvfb: ") + std::strerror(errno);
        return false;
    }
    char fdText[16];
    std::snprintf(fdText, sizeof fdText, "%d", ready[1]);
    const pid_t parent = getpid();
    const pid_t child = fork();
    if (child == 0) {
        // Only the write end goes to the server; it goes down with us.
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (getppid() != parent) _exit(127);
        fcntl(ready[1], F_SETFD, 0);
        // No reset when the last client leaves: a server busy resetting
        // turns connections away, and the check that it answers is a client.
        execl(kXvfb, "Xvfb", "-displayfd", fdText, "-noreset", "-screen", "0", "800x600x24", "-nolisten", "tcp",
              static_cast<char*>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    if (child < 0) {
        close(ready[0]);
        why = std::string("Xvfb could not be started: ") + std::strerror(errno);
        return false;
    }
    timespec started;
    clock_gettime(CLOCK_MONOTONIC, &started);
    std::string number;
    const bool told = readLine(ready[0], started, number);
    close(ready[0]);
    bool reaped = false;
    if (!told || number.empty() || number.find_first_not_of("0123456789") != std::string::npos) {
        why = "Xvfb named no display it listens on";
    } else {
        std::snprintf(displayName, sizeof displayName, ":%s", number.c_str());
        // The number is the server's own now; it is up once it answers there.
        for (;;) {
            if (displayAnswers(displayName)) {
                server = child;
                why.clear();
                return true;
            }
            if (waitpid(child, nullptr, WNOHANG) == child) {
                reaped = true;
                why = std::string("Xvfb on ") + displayName + " ended before it answered";
                break;
            }
            if (msSince(started) >= kStartMs) {
                why = std::string("Xvfb on ") + displayName + " does not answer";
                break;
            }
            usleep(20000);
        }
    }
    if (!reaped) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    displayName[0] = '\0';
    return false;
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
bool VirtualScreen::available() { return false; }
bool VirtualScreen::start() { return false; }
bool displayAnswers(const char*) { return false; }
unsigned long gameWindow() { return 0; }
bool destroyWindowFromOutside(const char*, unsigned long) { return false; }
XHooksKept::XHooksKept() : errorHook(nullptr), lostConnectionHook(nullptr) {}
XHooksKept::~XHooksKept() = default;
bool xDisplayWatched() { return false; }
int reportXError(unsigned char) { return -1; }
bool reportLostConnection() { return false; }

}  // namespace testrt

#endif
