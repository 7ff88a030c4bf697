// Test entry point: every test process runs inside its own temporary copy of
// the runtime folders, headless unless the caller says otherwise.
#include <gtest/gtest.h>

#include <cstdlib>

#include "game/game.h"
#include "shell/ini.h"
#include "support/test_clock.h"
#include "support/runtime.h"

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testing::InitGoogleTest(&argc, argv);
    testrt::setUp();
    installGame();  // the routes and hooks the program itself installs
    // Tests never sleep: a loop with nothing to do goes straight on, and
    // timed pauses are over at once.
    installClock(&testrt::testClock);
    installInput(&testrt::testInput);
    syncWritesToDisk = false;   // throw-away files need not reach the disk
    testrt::keepGlobalState();
    return RUN_ALL_TESTS();
}
