// The session the player's screens are tested in: Ann_Lee signed in (the
// lobby's first-visit help already seen), a headless display and a sound
// player; everything closed again afterwards.
#pragma once

#include <gtest/gtest.h>

#include <SDL.h>
#include <sge.h>

#include "player/player.h"
#include "shell/display.h"
#include "shell/sound.h"
#include "support/runtime.h"

class PlayerScreenSession : public ::testing::Test {
protected:
    void SetUp() override {
        testrt::resetFiles("[global]\nfirsttimeever=0\nplayers=Ann_Lee\nlastplayer=Ann_Lee\n");
        ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO));
        display = new Display(SDL_SWSURFACE);
        ASSERT_TRUE(display->hasSurface());
        ASSERT_EQ(0, sge_TTF_Init());
        soundPlayer = new SoundPlayer();
        currentPlayer = new Player();
        currentPlayer->name = "Ann_Lee";
        currentPlayer->firsttimelobby = false;
    }
    void TearDown() override {
        delete currentPlayer;
        currentPlayer = nullptr;
        delete soundPlayer;
        soundPlayer = nullptr;
        delete display;
        display = nullptr;
        SDL_Quit();
    }
};
