// A headless derby for the machine tests: the shared headless game with its
// pauses recorded and its clock moving on by itself.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "derby/demo_derby.h"
#include "machine/denomination.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/mtrand.h"
#include "shell/text_label.h"
#include "support/headless.h"

namespace derbytest {

using namespace testrt;

class DerbyTest : public ::testing::Test {
protected:
    void SetUp() override {
        sgenrand(4357);
        ASSERT_TRUE(startHeadless("Dana_Derby", 1000.0)) << SDL_GetError();
        runSlowly();
    }
    void TearDown() override { stopHeadless(); }

    // The derby from the floor's factory with `money` dollars typed into its popup.
    DemoDerby* open(const std::string& money = "20", float value = 1.0f) {
        DemoDerby* d = openMachine<DemoDerby>("demoderby", money, value);
        drainEvents();
        return d;
    }

    static MachineStats& stats() { return *currentPlayer->findStats("demoderby"); }
};

}  // namespace derbytest
