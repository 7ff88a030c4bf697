// 10X and 5X as the player meets them: opened from the machine table with
// the money popup and the first-visit help pages, their top prizes, the
// return they pay over many pulls, and leaving for the lobby.
#include <gtest/gtest.h>
#include <sge.h>

#include "game/machine_factory.h"
#include "player/machine_table.h"
#include "machine/denomination.h"
#include "machine/progressive.h"
#include "machine/three_reel_test_machine.h"
#include "machines/threereel/five_x.h"
#include "machines/threereel/ten_x.h"
#include "player/player.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/sound.h"
#include "three_reel_session.h"

namespace {

using reelsession::fastClock;
using reelsession::heard;
using reelsession::typeDollars;

void push(SDL_Event e) { SDL_PushEvent(&e); }

void click() {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = 10;
    e.button.y = 300;
    push(e);
}

SDL_Event marker() {
    SDL_Event e{};
    e.type = SDL_USEREVENT;
    e.user.code = 4242;
    return e;
}

// Whether the marker is still waiting in the queue (and takes it out).
bool markerQueued() {
    SDL_Event e;
    while (SDL_PollEvent(&e))
        if (e.type == SDL_USEREVENT && e.user.code == 4242) return true;
    return false;
}

class MultiplierWild : public reelsession::ThreeReelSession {
protected:
    // The help pages are still ahead of this player.
    void SetUp() override { startSession({"Wild_Tester", 500.0, 777, false, false}); }
};

}  // namespace

TEST_F(MultiplierWild, OpensWithMoneyAndHelpPagesOnce) {
    ASSERT_TRUE(currentPlayer->firsttimeslot);
    push(marker());  // help pages would take it away
    typeDollars("20");
    for (int i = 0; i < 6; ++i) click();
    Screen* s = createMachine("10x", 0.25f);
    ASSERT_NE(s, nullptr);
    TenX* m = dynamic_cast<TenX*>(s);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->credits, 80);
    EXPECT_DOUBLE_EQ(currentPlayer->money, 480.0);
    EXPECT_FALSE(currentPlayer->firsttimeslot);
    EXPECT_FLOAT_EQ(m->denomination->value, 0.25f);
    EXPECT_TRUE(m->menuEnabled);
    EXPECT_TRUE(heard("5xintro.wav"));
    for (const char* page : {"slot_1.png", "slot_6.png"})
        EXPECT_EQ(loadedAssets().count(std::string("../gfx/help/") + page), 1u) << page;
    markerQueued();
    delete s;
    EXPECT_EQ(lastMachineId, "10x");
    EXPECT_DOUBLE_EQ(currentPlayer->money, 500.0) << "credits go back on leaving";

    // The next three-reel machine shows no help.
    typeDollars("10");
    push(marker());
    FiveX* five = dynamic_cast<FiveX*>(createMachine("5x", 1.0f));
    ASSERT_NE(five, nullptr);
    EXPECT_EQ(five->credits, 10);
    EXPECT_TRUE(markerQueued()) << "no help page took the events";
    delete five;
}

TEST_F(MultiplierWild, CashOutToTheLobbyAndDenominationChange) {
    currentPlayer->firsttimeslot = false;
    TenX* m = open<TenX>(0.25f, "10");
    ASSERT_EQ(m->credits, 40);
    EXPECT_DOUBLE_EQ(currentPlayer->money, 490.0);
    m->credits = 37;
    m->handleButton(m->buttonNamed("denomination"));
    EXPECT_DOUBLE_EQ(currentPlayer->money, 499.25);
    EXPECT_EQ(m->credits, 0);
    EXPECT_NE(m->denomination->value, 0.25f);

    // Page Up and Page Down show the glass until the next click.
    for (SDLKey key : {SDLK_PAGEUP, SDLK_PAGEDOWN}) {
        clearLoadedAssets();
        click();
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym.sym = key;
        m->handleEvent(e);
        EXPECT_EQ(loadedAssets().count(key == SDLK_PAGEUP ? "../gfx/10x/top.png" : "../gfx/10x/bottom.png"), 1u);
        EXPECT_TRUE(m->menuEnabled);
    }

    m->credits = 4;
    const float value = m->denomination->value;
    m->handleButton(m->buttonNamed("cashout"));
    ASSERT_NE(m->next, nullptr);
    EXPECT_EQ(m->next->name, "lobby");
    EXPECT_EQ(m->credits, 0);
    EXPECT_NEAR(currentPlayer->money, 499.25 + 4 * value, 1e-9);
    delete m->next;
    delete m;

    // "change" leaves for the cashier.
    FiveX* five = open<FiveX>(1.0f, "1");
    five->handleButton(five->buttonNamed("change"));
    ASSERT_NE(five->next, nullptr);
    EXPECT_EQ(five->next->name, "cashier");
    EXPECT_EQ(five->credits, 0);
    delete five->next;
    delete five;
}
