// The session the player's screens are tested in: Ann_Lee signed in (her
// first visits behind her), a headless display and a sound player.
#pragma once

#include <gtest/gtest.h>

#include "support/headless.h"
#include "support/runtime.h"

class PlayerScreenSession : public ::testing::Test {
protected:
    void SetUp() override {
        testrt::resetFiles("[global]\nfirsttimeever=0\nplayers=Ann_Lee\nlastplayer=Ann_Lee\n");
        ASSERT_TRUE(testrt::startHeadless("Ann_Lee", 2500.0, false));
    }
    void TearDown() override { testrt::stopHeadless(); }
};
