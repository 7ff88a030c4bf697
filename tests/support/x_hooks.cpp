#include "support/x_hooks.h"

#ifdef CORVALO_X11
#include <X11/Xlib.h>

namespace testrt {

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

XHooksKept::XHooksKept() : errorHook(nullptr), lostConnectionHook(nullptr) {}
XHooksKept::~XHooksKept() = default;
bool xDisplayWatched() { return false; }
int reportXError(unsigned char) { return -1; }
bool reportLostConnection() { return false; }

}  // namespace testrt

#endif
