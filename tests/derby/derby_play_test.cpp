// The derby played from its controls: opening and leaving, the bet controls
// of the idle machine, the first spin, holds, the respin and the coin value.
#include <algorithm>

#include "derby/derby_fixture.h"
#include "floor/cashier.h"
#include "floor/lobby.h"
#include "shell/app.h"

using namespace derbytest;

namespace {

const char* const kControlOrder[] = {
    "change", "cashout", "betmax", "betone", "play1", "play2", "play3", "play4", "play5", "start", "cancel", "respin",
    "denomination", "top", "bottom", "money", "coin", "holdframe1", "holdframe2", "holdframe3", "hold1", "hold2",
    "hold3"};

std::vector<std::string> betMeterTexts(DemoDerby& d) {
    std::vector<std::string> t;
    for (TextLabel* m : d.betMeters) t.push_back(m->text);
    return t;
}

// Releases and holds the given reels (1 to 3) of a pending game.
void holdReels(DemoDerby& d, std::initializer_list<int> reels) {
    for (int r : reels) d.handleButton(d.buttonNamed("hold" + std::to_string(r)));
}

}  // namespace

TEST_F(DerbyTest, OpensWithTheMoneyPopupAndFreshMeters) {
    const double money = currentPlayer->money;
    DemoDerby* d = open("20", 0.25f);
    EXPECT_EQ(d->name, "demoderby");
    EXPECT_EQ(d->graphicsDir, "../gfx/demoderby/");
    EXPECT_FLOAT_EQ(d->denomination->value, 0.25f);
    EXPECT_EQ(d->credits, 80);
    EXPECT_DOUBLE_EQ(currentPlayer->money, money - 20.0);
    EXPECT_EQ(d->creditMeter->text, "80");
    EXPECT_EQ(d->paidMeter->text, "0");
    EXPECT_EQ(betMeterTexts(*d), std::vector<std::string>(5, "0"));
    EXPECT_EQ(d->plays, 1);
    EXPECT_EQ(d->coins, 0);
    EXPECT_FALSE(d->respinPending);
    EXPECT_TRUE(d->menuEnabled);
    EXPECT_TRUE(assetTried("../gfx/demoderby/back.png"));
    EXPECT_TRUE(assetTried("../gfx/nickledenominations/25_cent.png"));
    EXPECT_TRUE(assetTried("../gfx/money/popup.png"));
    EXPECT_TRUE(assetTried("../sounds/raceint.wav"));
    delete d;
    EXPECT_EQ(lastMachineId, "demoderby");
}

TEST_F(DerbyTest, ControlsAndWindowsLieWhereTheLayoutSays) {
    DemoDerby* d = open();
    ASSERT_EQ(d->buttons.size(), 23u);
    for (size_t i = 0; i < 23; ++i) EXPECT_EQ(d->buttons[i]->name, kControlOrder[i]) << i;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(d->holdButtons[i], d->buttonNamed("hold" + std::to_string(i + 1)));
    // Every button has its picture, hence an area to click.
    for (size_t i = 0; i < 12; ++i) EXPECT_GT(d->buttons[i]->width(), 0) << d->buttons[i]->name;
    for (int i = 0; i < 3; ++i) EXPECT_GT(d->holdButtons[i]->width(), 0);
    Widget* top = d->buttonNamed("top");
    EXPECT_EQ(top->width(), 800);
    EXPECT_EQ(top->height(), 40);
    Widget* bottom = d->buttonNamed("bottom");
    EXPECT_EQ(bottom->y, 565);
    EXPECT_EQ(bottom->height(), 35);
    // The hold frames come before the hold buttons where they overlap.
    EXPECT_EQ(d->buttonAt(210, 400)->name, "holdframe1");
    EXPECT_EQ(d->buttonAt(540, 160)->name, "denomination");
    EXPECT_EQ(d->buttonAt(400, 20)->name, "top");
    // Windows: play 1 at the bottom, y first.
    ASSERT_EQ(d->reelPositions.size(), 5u);
    EXPECT_EQ(d->reelPositions[0][0].y, 366);
    EXPECT_EQ(d->reelPositions[0][2].x, 339);
    EXPECT_EQ(d->reelPositions[4][1].y, 15);
    EXPECT_EQ(d->reelPositions[4][1].x, 255);
    delete d;
}

TEST_F(DerbyTest, AnUnofferedCoinValueFallsBackToOneDollar) {
    DemoDerby* d = open("3", 1000.0f);
    EXPECT_FLOAT_EQ(d->denomination->value, 1.0f);
    EXPECT_EQ(d->credits, 3);
    delete d;
    DemoDerby* five = open("12", 5.0f);
    EXPECT_FLOAT_EQ(five->denomination->value, 5.0f);
    EXPECT_EQ(five->credits, 2) << "12 dollars buy two five-dollar coins";
    delete five;
}

TEST_F(DerbyTest, LeavingAnotherWayGivesTheCreditsBack) {
    DemoDerby* d = open("3", 0.25f);  // 12 credits
    const double money = currentPlayer->money;
    delete d;
    EXPECT_DOUBLE_EQ(currentPlayer->money, money + 3.0);

    // Shut-down order of a session without a player: nothing is touched.
    DemoDerby* e = open("3", 0.25f);
    Player* p = currentPlayer;
    currentPlayer = nullptr;
    delete e;
    currentPlayer = p;
}

TEST_F(DerbyTest, LeavingDuringAPendingGameReturnsItsBetAndItsPoints) {
    DemoDerby* d = open("10", 0.25f);  // 40 credits
    const double money = currentPlayer->money;
    currentPlayer->vippoints = 7.0;
    press(*d, "betone");
    press(*d, "play4");
    press(*d, "start");
    ASSERT_TRUE(d->respinPending);
    EXPECT_DOUBLE_EQ(currentPlayer->vippoints, 8.0);
    delete d;  // as when the machine menu replaces it
    EXPECT_DOUBLE_EQ(currentPlayer->money, money + 10.0);
    EXPECT_DOUBLE_EQ(currentPlayer->vippoints, 7.0);
}

TEST_F(DerbyTest, BetMaxNeedsTwentyFiveCredits) {
    DemoDerby* d = open("24");
    press(*d, "betmax");
    EXPECT_FALSE(d->respinPending);
    EXPECT_EQ(d->coins, 0);
    delete d;

    DemoDerby* e = open("25");
    press(*e, "betmax");
    EXPECT_EQ(e->plays, 5);
    EXPECT_EQ(e->coins, 5);
    EXPECT_TRUE(e->respinPending);
    EXPECT_EQ(e->creditMeter->text, "0");
    EXPECT_EQ(betMeterTexts(*e), std::vector<std::string>(5, "5"));
    EXPECT_EQ(e->credits, 25) << "the settlement takes the bet";
    delete e;
}

TEST_F(DerbyTest, BetOneCountsUpAndWraps) {
    DemoDerby* d = open("6");
    for (int i = 0; i < 5; ++i) press(*d, "betone");
    EXPECT_EQ(d->coins, 5);
    press(*d, "betone");
    EXPECT_EQ(d->coins, 1) << "five wraps to one";
    EXPECT_EQ(d->creditMeter->text, "5");
    delete d;

    DemoDerby* e = open("5");
    for (int i = 0; i < 6; ++i) press(*e, "betone");
    EXPECT_EQ(e->coins, 5) << "5 credits are not more than 5 coins";

    // It looks only at credits > coins: the bet may outgrow the credits.
    DemoDerby* f = open("3");
    press(*f, "play5");
    press(*f, "betone");
    EXPECT_EQ(f->creditMeter->text, "-2");
    press(*f, "betone");
    EXPECT_EQ(f->plays, 5);
    EXPECT_EQ(f->coins, 2);
    EXPECT_EQ(f->creditMeter->text, "-7");
    press(*f, "start");
    EXPECT_FALSE(f->respinPending) << "start waits until the bet fits";
    delete f;
    delete e;
}

TEST_F(DerbyTest, PlayButtonsNeedTheBetToFit) {
    DemoDerby* d = open("5");
    press(*d, "betone");
    press(*d, "betone");
    press(*d, "play3");
    EXPECT_EQ(d->plays, 1) << "3 plays of 2 coins need 6 credits";
    press(*d, "play2");
    EXPECT_EQ(d->plays, 2);
    EXPECT_EQ(d->creditMeter->text, "1");
    EXPECT_EQ(betMeterTexts(*d), (std::vector<std::string>{"2", "2", "0", "0", "0"}));
    press(*d, "cancel");
    EXPECT_EQ(d->plays, 1);
    EXPECT_EQ(d->coins, 0);
    EXPECT_EQ(d->creditMeter->text, "5");
    for (const char* p : {"play1", "play2", "play3", "play4", "play5"}) {
        press(*d, p);
        EXPECT_EQ(d->plays, p[4] - '0');
    }
    EXPECT_EQ(betMeterTexts(*d), std::vector<std::string>(5, "0"));
    press(*d, "start");
    EXPECT_FALSE(d->respinPending) << "no coins, no spin";
    delete d;
}

TEST_F(DerbyTest, TheFirstSpinNeverPaysAndTakesNothing) {
    DemoDerby* d = open("400", 0.25f);
    press(*d, "betone");
    press(*d, "betone");
    press(*d, "play3");
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        sgenrand(seed);
        const double vip = currentPlayer->vippoints;
        d->spin();
        ASSERT_TRUE(d->respinPending);
        EXPECT_EQ(d->betPlays, 3);
        EXPECT_EQ(d->betCoins, 2);
        EXPECT_DOUBLE_EQ(currentPlayer->vippoints, vip + 1.5);
        ASSERT_EQ(d->lines.size(), 1u);
        EXPECT_EQ(DemoDerby::linePayOf(d->lines[0]), 0) << "seed " << seed;
        EXPECT_EQ(d->credits, 1600);
        d->respinPending = false;
    }
    delete d;
}

TEST_F(DerbyTest, SpinWithoutABetDoesNothing) {
    DemoDerby* d = open("20");
    clearLoadedAssets();
    d->spin();
    d->plays = 0;
    d->coins = 3;
    d->spin();
    EXPECT_FALSE(d->respinPending);
    EXPECT_DOUBLE_EQ(currentPlayer->vippoints, 0.0);
    EXPECT_TRUE(d->lines.empty());
    EXPECT_TRUE(loadedAssets().empty()) << "no sound, no picture";
    delete d;
}

TEST_F(DerbyTest, HoldsToggleFromTheButtonAndTheFrame) {
    DemoDerby* d = open("20");
    press(*d, "hold2");
    EXPECT_FALSE(d->held[1]) << "holds wait for a first spin";
    press(*d, "betone");
    press(*d, "start");
    ASSERT_TRUE(d->respinPending);
    press(*d, "hold2");
    EXPECT_TRUE(d->held[1]);
    EXPECT_EQ(d->holdButtons[1]->state, 2);
    press(*d, "hold2");
    EXPECT_FALSE(d->held[1]);
    EXPECT_EQ(d->holdButtons[1]->state, 4);
    press(*d, "holdframe2");
    EXPECT_TRUE(d->held[1]);
    EXPECT_EQ(d->holdButtons[1]->state, 2) << "the frame shows the hold on the button";
    EXPECT_EQ(d->buttonNamed("holdframe2")->state, -1);
    // The hover leaves a held reel's look alone.
    d->setHovered(d->holdButtons[1]);
    d->setHovered(nullptr);
    EXPECT_TRUE(d->held[1]);
    delete d;
}

TEST_F(DerbyTest, OnlyHoldsRespinAndAttractWorkWhileARespinIsPending) {
    DemoDerby* d = open("40");
    press(*d, "betone");
    press(*d, "start");
    ASSERT_TRUE(d->respinPending);
    const double money = currentPlayer->money;
    const float value = d->denomination->value;
    for (const char* c : {"betmax", "betone", "play3", "cancel", "start", "cashout", "change", "denomination"}) {
        clearLoadedAssets();
        press(*d, c);
        EXPECT_TRUE(assetTried("../sounds/click3.wav")) << c << " still clicks";
    }
    EXPECT_EQ(d->plays, 1);
    EXPECT_EQ(d->coins, 1);
    EXPECT_EQ(d->credits, 40);
    EXPECT_EQ(d->next, nullptr);
    EXPECT_DOUBLE_EQ(currentPlayer->money, money);
    EXPECT_FLOAT_EQ(d->denomination->value, value);
    EXPECT_TRUE(d->respinPending);
    delete d;
}

TEST_F(DerbyTest, RespinWithEveryReelHeldRepeatsTheFirstLine) {
    DemoDerby* d = open("100");
    press(*d, "betone");
    press(*d, "betone");
    press(*d, "play3");
    press(*d, "start");
    ASSERT_TRUE(d->respinPending);
    const DerbyLine first = d->lines[0];
    holdReels(*d, {1, 2, 3});
    pauses.clear();
    clearLoadedAssets();
    press(*d, "respin");
    EXPECT_FALSE(d->respinPending);
    ASSERT_EQ(d->lines.size(), 3u);
    for (const DerbyLine& l : d->lines) EXPECT_EQ(l, first);
    EXPECT_TRUE(d->stopOrder.empty()) << "no reel turns";
    EXPECT_EQ(countPauses(50), 3 * 3 * 2) << "two flash pictures per window";
    EXPECT_TRUE(assetTried("../sounds/race2.wav"));
    EXPECT_FALSE(assetTried("../sounds/slothit1.wav"));
    EXPECT_EQ(d->credits, 100 - 6) << "the first line never pays, so neither do its copies";
    for (bool h : d->held) EXPECT_TRUE(h) << "holds stay until the next spin";
    for (Widget* w : d->buttons) EXPECT_EQ(w->state, 4);

    // The next game starts with every hold released.
    press(*d, "start");
    for (bool h : d->held) EXPECT_FALSE(h);
    press(*d, "hold1");
    EXPECT_TRUE(d->held[0]);
    EXPECT_EQ(d->holdButtons[0]->state, 2);
    delete d;
}

TEST_F(DerbyTest, RespinTurnsTheFreeReelsInRowOrder) {
    DemoDerby* d = open("100");
    press(*d, "betone");
    press(*d, "play2");
    press(*d, "start");
    const DerbyLine first = d->lines[0];
    holdReels(*d, {2});
    pauses.clear();
    press(*d, "respin");
    const std::vector<std::pair<int, int>> order = {{0, 0}, {0, 2}, {1, 0}, {1, 2}};
    EXPECT_EQ(d->stopOrder, order);
    EXPECT_EQ(countPauses(50), 2 * 2);
    ASSERT_EQ(d->lines.size(), 2u);
    int won = 0;
    for (const DerbyLine& l : d->lines) {
        EXPECT_EQ(l[1], first[1]);
        won += DemoDerby::linePayOf(l);
    }
    EXPECT_EQ(d->credits, 100 - 2 + won);
    delete d;
}

TEST_F(DerbyTest, RespinWithoutHoldsTurnsEveryWindowOfTheGame) {
    for (uint32_t seed : {3u, 8u, 21u}) {
        sgenrand(seed);
        DemoDerby* d = open("200");
        press(*d, "betmax");
        ASSERT_TRUE(d->respinPending);
        pauses.clear();
        const double vip = currentPlayer->vippoints;
        press(*d, "respin");
        EXPECT_EQ(d->stopOrder.size(), 15u);
        EXPECT_EQ(countPauses(50), 0) << "nothing flashes";
        EXPECT_DOUBLE_EQ(currentPlayer->vippoints, vip) << "points come with the first spin only";
        ASSERT_EQ(d->lines.size(), 5u);
        int won = 0;
        for (int i = 0; i < 5; ++i) {
            int pay = DemoDerby::linePayOf(d->lines[i]);
            if (i == 4 && pay == 400) {
                won = 0;
                break;
            }
            won += pay * 5;
        }
        EXPECT_EQ(d->credits, 200 - 25 + won) << "seed " << seed;
        delete d;
    }
}

TEST_F(DerbyTest, ChangingTheCoinValueReturnsTheCredits) {
    DemoDerby* d = open("2.5", 0.25f);  // the popup takes the leading 2: 8 credits
    EXPECT_EQ(d->credits, 8);
    press(*d, "betone");
    const double money = currentPlayer->money;
    d->credits = 10;
    press(*d, "denomination");
    EXPECT_DOUBLE_EQ(currentPlayer->money, money + 2.5);
    EXPECT_EQ(d->credits, 0);
    EXPECT_EQ(d->creditMeter->text, "0");
    EXPECT_FLOAT_EQ(d->denomination->value, 0.5f);
    EXPECT_EQ(d->coins, 1) << "the bet stays";
    EXPECT_TRUE(assetTried("../gfx/nickledenominations/50_cent.png"));
    // Round the values offered for the derby: 1, 5, then back to 5 cents.
    press(*d, "denomination");
    EXPECT_FLOAT_EQ(d->denomination->value, 1.0f);
    press(*d, "denomination");
    EXPECT_FLOAT_EQ(d->denomination->value, 5.0f);
    press(*d, "denomination");
    EXPECT_FLOAT_EQ(d->denomination->value, 0.05f);
    delete d;
}

TEST_F(DerbyTest, CashOutAndChangeMoveTheCreditsThenLeave) {
    DemoDerby* d = open("0");
    const double money = currentPlayer->money;
    clearLoadedAssets();
    press(*d, "cashout");
    EXPECT_FALSE(assetTried("../sounds/elecdrp3.wav"));
    EXPECT_DOUBLE_EQ(currentPlayer->money, money);
    EXPECT_TRUE(assetTried("../gfx/help/loading.png"));
    ASSERT_NE(d->next, nullptr);
    EXPECT_NE(dynamic_cast<Lobby*>(d->next), nullptr);
    delete d->next;
    delete d;

    DemoDerby* e = open("7", 0.05f);  // 140 credits
    ASSERT_EQ(e->credits, 140);
    const double before = currentPlayer->money;
    press(*e, "change");
    EXPECT_TRUE(assetTried("../sounds/elecdrp3.wav"));
    EXPECT_DOUBLE_EQ(currentPlayer->money, before + 7.0);
    EXPECT_EQ(e->credits, 0);
    EXPECT_NE(dynamic_cast<Cashier*>(e->next), nullptr);
    delete e->next;
    delete e;
    EXPECT_DOUBLE_EQ(currentPlayer->money, before + 7.0) << "nothing more from the destructor";
}
