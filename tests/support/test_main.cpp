// Test entry point: every test process runs inside its own temporary copy of
// the runtime folders, headless unless the caller says otherwise.
#include <gtest/gtest.h>

#include <cstdlib>

#include "shell/ini.h"
#include "support/runtime.h"

int main(int argc, char** argv) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testing::InitGoogleTest(&argc, argv);
    testrt::setUp();
    syncWritesToDisk = false;   // throw-away files need not reach the disk
    return RUN_ALL_TESTS();
}
