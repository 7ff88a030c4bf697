// The derby played from its controls: leaving with a game pending, the
// first spin, holds and the respin (every control of the panel: tests/game/panel_test.cpp).
#include "derby/derby_fixture.h"

using namespace derbytest;

TEST_F(DerbyTest, LeavingDuringAPendingGameReturnsItsBetAndItsPoints) {
    DemoDerby* d = open("10", 0.10f);  // 100 credits
    const double money = currentPlayer->money;
    currentPlayer->vippoints = 7.0;
    press(*d, "betmax");  // 5 plays of 5 coins
    ASSERT_TRUE(d->respinPending);
    EXPECT_EQ(currentPlayer->vippoints, 9.5) << "points in whole cents";
    delete d;  // as when the machine menu replaces it
    EXPECT_DOUBLE_EQ(currentPlayer->money, money + 10.0);
    EXPECT_DOUBLE_EQ(currentPlayer->vippoints, 7.0);
}

// The first spin never pays and takes nothing; a respin with every reel
// held then repeats its line on every play.
TEST_F(DerbyTest, TheFirstSpinNeverPaysAndAFullyHeldRespinRepeatsIt) {
    std::unique_ptr<DemoDerby> d(open("400", 0.25f));
    for (const char* c : {"betone", "betone", "play3"}) press(*d, c);
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        sgenrand(seed);
        const double vip = currentPlayer->vippoints;
        d->spin();
        ASSERT_TRUE(d->respinPending);
        EXPECT_DOUBLE_EQ(currentPlayer->vippoints, vip + 1.5);
        ASSERT_EQ(d->lines.size(), 1u);
        EXPECT_EQ(DemoDerby::linePayOf(d->lines[0]), 0) << "seed " << seed;
        EXPECT_EQ(d->credits, 1600);
        d->respinPending = false;
    }

    press(*d, "start");
    ASSERT_TRUE(d->respinPending);
    const DerbyLine first = d->lines[0];
    for (const char* reel : {"hold1", "hold2", "hold3"}) press(*d, reel);
    testClock.pauses.clear();
    clearLoadedAssets();
    press(*d, "respin");
    EXPECT_FALSE(d->respinPending);
    EXPECT_EQ(d->lines, std::vector<DerbyLine>(3, first));
    EXPECT_TRUE(d->stopOrder.empty()) << "no reel turns";
    EXPECT_EQ(countPauses(50), 3 * 3 * 2) << "two flash pictures per window";
    EXPECT_EQ(d->credits, 1600 - 6) << "the first line never pays, so neither do its copies";
    // The next game starts with every hold released.
    press(*d, "start");
    for (bool h : d->held) EXPECT_FALSE(h);
}
