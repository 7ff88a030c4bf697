// The arrow machines (balloonmania, doubledicedeluxe, tripledicedeluxe,
// gettinhot): their pay tables at one and three coins, the return they pay
// against what their tables promise, and the arrow step after the reels stop.
#include <cmath>

#include "machine/three_reel_test_machine.h"
#include "machines/threereel/balloon_mania.h"
#include "machines/threereel/bonus_machine_fixture.h"
#include "machines/threereel/double_dice_deluxe.h"
#include "machines/threereel/gettin_hot.h"
#include "machines/threereel/triple_dice_deluxe.h"

using bonustest::heard;
using bonustest::loadedPicture;

namespace {

class ArrowMachines : public bonustest::MachineTest {};

// Simulated return per pull at `coins` against the table's reckoning.
void expectReturnMatchesTable(ThreeReelMachine& m, int coins, int pulls) {
    m.coins = coins;
    bonustest::MachineTest::substitutingWildFirst(m);
    const Reckoning r = reckon(m, coins);
    const reelsession::Simulated run = reelsession::simulate(m, coins, pulls);
    const double mean = run.mean, se = run.standardError;
    EXPECT_NEAR(mean, r.expectedWin, 5 * se + 1e-9) << m.name << " at " << coins << " coins";
    std::printf("%s at %d coins: table %.4f, measured %.4f per coin\n", m.name.c_str(), coins,
                r.expectedWin / coins, mean / coins);
}

}  // namespace

TEST_F(ArrowMachines, PayTables) {
    BalloonMania* b = open<BalloonMania>();
    EXPECT_EQ(pays(*b, 1, {"arrowup1_yellowballoon", "blank", "blank"}), 2);
    EXPECT_EQ(pays(*b, 3, {"blank", "blank", "arrowup_yellowballoon"}), 6);
    EXPECT_EQ(pays(*b, 1, {"arrowup2_yellowballoon", "blank", "arrowup_yellowballoon"}), 5);
    EXPECT_EQ(pays(*b, 1, {"arrowup_yellowballoon", "arrowup2_yellowballoon", "arrowup1_yellowballoon"}), 10);
    EXPECT_EQ(pays(*b, 1, {"blueballoon", "arrowup_yellowballoon", "redballoon"}), 5);
    EXPECT_EQ(pays(*b, 1, {"blueballoon", "blueballoon", "blueballoon"}), 20);
    EXPECT_EQ(pays(*b, 1, {"redballoon", "redballoon", "redballoon"}), 10);
    EXPECT_EQ(pays(*b, 3, {"greenballoon", "greenballoon", "greenballoon"}), 90);
    EXPECT_EQ(pays(*b, 2, {"7", "7", "7"}), 100);
    EXPECT_EQ(pays(*b, 1, {"wild", "wild", "wild"}), 500);
    EXPECT_EQ(pays(*b, 2, {"wild", "wild", "wild"}), 1000);
    EXPECT_EQ(pays(*b, 3, {"wild", "wild", "wild"}), 5000);
    EXPECT_EQ(pays(*b, 1, {"7", "7", "blank"}), 0);
    delete b;

    DoubleDiceDeluxe* d = open<DoubleDiceDeluxe>();
    EXPECT_EQ(pays(*d, 1, {"gold", "7", "bar"}), 2);
    EXPECT_EQ(pays(*d, 3, {"gold", "gold", "bar"}), 15);
    EXPECT_EQ(pays(*d, 1, {"gold", "gold", "gold"}), 10);
    EXPECT_EQ(pays(*d, 1, {"bar", "arrowdown_bar", "arrowup_bar"}), 10);
    EXPECT_EQ(pays(*d, 1, {"arrowdown_2bar", "2bar", "arrowup_2bar"}), 25);
    EXPECT_EQ(pays(*d, 3, {"3bar", "arrowdown_3bar", "3bar"}), 120);
    EXPECT_EQ(pays(*d, 1, {"bar", "arrowup_3bar", "2bar"}), 5);
    EXPECT_EQ(pays(*d, 1, {"7", "7", "7"}), 80);
    EXPECT_EQ(pays(*d, 2, {"wild", "wild", "wild"}), 1600);
    EXPECT_EQ(pays(*d, 3, {"wild", "wild", "wild"}), 5000);
    EXPECT_EQ(pays(*d, 1, {"7", "bar", "2bar"}), 0);
    delete d;

    TripleDiceDeluxe* t = open<TripleDiceDeluxe>();
    EXPECT_EQ(t->findSymbol("arrowdown_2bar"), nullptr);
    EXPECT_EQ(pays(*t, 1, {"blank", "wild", "blank"}), 2);
    EXPECT_EQ(pays(*t, 3, {"wild", "blank", "wild"}), 15);
    EXPECT_EQ(pays(*t, 1, {"arrowup_2bar", "2bar", "2bar"}), 25);
    EXPECT_EQ(pays(*t, 1, {"arrowdown_bar", "arrowup_bar", "bar"}), 10);
    EXPECT_EQ(pays(*t, 1, {"arrowup_3bar", "arrowdown_3bar", "3bar"}), 40);
    EXPECT_EQ(pays(*t, 1, {"bar", "2bar", "arrowdown_3bar"}), 5);
    EXPECT_EQ(pays(*t, 3, {"7", "7", "7"}), 240);
    EXPECT_EQ(pays(*t, 1, {"wild", "wild", "wild"}), 800);
    EXPECT_EQ(pays(*t, 3, {"wild", "wild", "wild"}), 5000);
    EXPECT_EQ(pays(*t, 1, {"7", "7", "blank"}), 0);
    delete t;

    GettinHot* g = open<GettinHot>();
    EXPECT_EQ(pays(*g, 1, {"wild", "wild", "wild"}), 1500);
    EXPECT_EQ(pays(*g, 2, {"wild", "wild", "wild"}), 3000);
    EXPECT_EQ(pays(*g, 3, {"wild", "wild", "wild"}), 5000);
    EXPECT_EQ(pays(*g, 1, {"7", "7", "7"}), 80);
    EXPECT_EQ(pays(*g, 2, {"7", "7", "7"}), 160);
    EXPECT_EQ(pays(*g, 3, {"7", "7", "7"}), 400);
    for (int coins = 1; coins <= 3; ++coins) {
        EXPECT_EQ(pays(*g, coins, {"wild", "blank", "blank"}), 2 * coins);
        EXPECT_EQ(pays(*g, coins, {"wild", "blank", "wild"}), 5 * coins);
        EXPECT_EQ(pays(*g, coins, {"arrowup_bar", "bar", "arrowdown_bar"}), 10 * coins);
        EXPECT_EQ(pays(*g, coins, {"arrowdown_3bar", "arrowup_3bar", "3bar"}), 40 * coins);
        EXPECT_EQ(pays(*g, coins, {"bar", "arrowup_2bar", "3bar"}), 5 * coins);
    }
    delete g;
}

TEST_F(ArrowMachines, ReturnPerCoinMatchesTheTables) {
    BalloonMania* b = open<BalloonMania>();
    DoubleDiceDeluxe* d = open<DoubleDiceDeluxe>();
    TripleDiceDeluxe* t = open<TripleDiceDeluxe>();
    GettinHot* g = open<GettinHot>();
    for (ThreeReelMachine* m : std::vector<ThreeReelMachine*>{b, d, t, g})
        for (int coins : {1, 3}) expectReturnMatchesTable(*m, coins, 150000);
    delete b;
    delete d;
    delete t;
    delete g;
}

TEST_F(ArrowMachines, LosingSpinsShowNoWildOrYellowBalloon) {
    BalloonMania* b = open<BalloonMania>();
    for (int coins = 1; coins <= 3; ++coins) {
        b->coins = coins;
        for (int i = 0; i < 4000; ++i) {
            b->spin();
            if (!b->result.matched) {
                EXPECT_EQ(b->win, 0);
                for (int reel = 0; reel < 3; ++reel) {
                    const std::string& n = b->result.chosenSymbol(reel)->name;
                    EXPECT_TRUE(n != "wild" && n.find("yellowballoon") == std::string::npos) << n;
                }
            }
        }
    }
    delete b;
}

TEST_F(ArrowMachines, ArrowsFlipAfterTheReelsStop) {
    GettinHot* g = open<GettinHot>(1.0f, "50");
    // Pull until a spin shows an arrow, and once until one shows none.
    bool sawArrow = false, sawPlain = false;
    for (int i = 0; i < 400 && !(sawArrow && sawPlain); ++i) {
        g->credits = 100;
        clearLoadedAssets();
        g->coins = 1;
        g->pull();
        std::vector<std::string> arrows;
        for (int reel = 0; reel < 3; ++reel) {
            Symbol* s = g->result.chosenSymbol(reel);
            if (s->kind == symbolArrowUp || s->kind == symbolArrowDown) arrows.push_back(s->name);
        }
        if (arrows.empty() ? sawPlain : sawArrow) {
            finishSpin(*g);
            continue;
        }
        const int won = g->win;
        finishSpin(*g);
        EXPECT_FALSE(g->spinning);
        EXPECT_EQ(g->credits, 100 - 1 + won) << "the arrows change no win";
        EXPECT_EQ(heard("flames.wav"), !arrows.empty());
        for (const std::string& a : arrows) {
            EXPECT_TRUE(loadedPicture("../gfx/gettinhot/" + a + ".png.1")) << a;
            EXPECT_TRUE(loadedPicture("../gfx/gettinhot/" + a + ".png.2")) << a;
        }
        (arrows.empty() ? sawPlain : sawArrow) = true;
    }
    EXPECT_TRUE(sawArrow);
    EXPECT_TRUE(sawPlain);
    delete g;
}
