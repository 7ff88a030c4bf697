// The arrow machines (balloonmania, doubledicedeluxe, tripledicedeluxe,
// gettinhot): their pay tables at one and three coins, the return they pay
// against what their tables promise, the arrow step after the reels stop
// and their win sounds.
#include <cmath>

#include "floor/machine_table.h"
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

TEST_F(ArrowMachines, OnTheFloorWithTheirSymbols) {
    struct Expect {
        const char* id;
        size_t symbols, arrows, wilds;
        int multiplier;
        const char* intro;
    } expected[] = {
        {"balloonmania", 9, 3, 4, 1, "circintr.wav"},
        {"doubledicedeluxe", 12, 6, 1, 2, "newintr1.wav"},
        {"tripledicedeluxe", 11, 5, 1, 3, "newintr1.wav"},
        {"gettinhot", 11, 5, 1, 1, "getintr.wav"},
    };
    for (const Expect& e : expected) {
        clearLoadedAssets();
        bonustest::typeDollars("5");
        Screen* s = createMachine(e.id, 1.0f);
        ArrowThreeReelMachine* m = dynamic_cast<ArrowThreeReelMachine*>(s);
        ASSERT_NE(m, nullptr) << e.id;
        EXPECT_EQ(m->name, e.id);
        EXPECT_EQ(m->credits, 5);
        EXPECT_EQ(m->maxCoins, 3);
        EXPECT_EQ(m->wildChance, 5);
        EXPECT_TRUE(m->multiplyByCoins);
        EXPECT_FLOAT_EQ(m->payoutRatio, 0.95f);
        EXPECT_TRUE(heard(e.intro)) << e.id;
        EXPECT_EQ(m->symbols.size(), e.symbols) << e.id;
        size_t arrows = 0;
        for (Symbol* sym : m->symbols) {
            if (sym->kind == symbolArrowUp || sym->kind == symbolArrowDown) {
                ++arrows;
                EXPECT_EQ(sym->variants, 1) << sym->name;
            }
        }
        EXPECT_EQ(arrows, e.arrows) << e.id;
        ASSERT_EQ(m->wilds.size(), e.wilds) << e.id;
        EXPECT_EQ(m->wilds[0]->name, "wild");
        EXPECT_EQ(m->wilds[0]->multiplier, e.multiplier);
        EXPECT_EQ(m->wilds[0]->substituteList.size(), e.symbols - 1);
        delete s;
        EXPECT_EQ(lastMachineId, e.id);
    }
    EXPECT_DOUBLE_EQ(currentPlayer->money, 500.0);
}

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
    DoubleDiceDeluxe* d = open<DoubleDiceDeluxe>();
    for (int coins = 1; coins <= 3; ++coins) {
        b->coins = d->coins = coins;
        for (int i = 0; i < 4000; ++i) {
            b->spin();
            d->spin();
            if (!b->result.matched) {
                EXPECT_EQ(b->win, 0);
                for (int reel = 0; reel < 3; ++reel) {
                    const std::string& n = b->result.chosenSymbol(reel)->name;
                    EXPECT_TRUE(n != "wild" && n.find("yellowballoon") == std::string::npos) << n;
                }
            }
            if (!d->result.matched) {
                std::vector<std::string> shown;
                for (int reel = 0; reel < 3; ++reel) shown.push_back(d->result.chosenSymbol(reel)->name);
                EXPECT_EQ(pays(*d, coins, shown), 0) << shown[0] << " " << shown[1] << " " << shown[2];
                for (const std::string& n : shown) EXPECT_NE(n, "wild");
            }
        }
    }
    delete b;
    delete d;
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

TEST_F(ArrowMachines, WinSounds) {
    DoubleDiceDeluxe* d = open<DoubleDiceDeluxe>();
    TripleDiceDeluxe* t = open<TripleDiceDeluxe>();
    GettinHot* g = open<GettinHot>();
    struct Case {
        ThreeReelMachine* m;
        const char* big;
        const char* jackpot;
    } cases[] = {{d, "newintr1.wav", "newjack3.wav"}, {t, "newintr1.wav", "newjack5.wav"}, {g, "getintr.wav", nullptr}};
    for (const Case& c : cases) {
        c.m->result.payKind = payPerCoin;
        c.m->win = 200;
        clearLoadedAssets();
        c.m->playWinSound();
        EXPECT_FALSE(heard(c.big)) << c.m->name << ": 200 is not above 200";
        c.m->win = 201;
        c.m->playWinSound();
        EXPECT_TRUE(heard(c.big)) << c.m->name;
        if (c.jackpot) {
            clearLoadedAssets();
            c.m->result.payKind = payWholeBet;
            c.m->win = 5000;
            c.m->playWinSound();
            EXPECT_TRUE(heard(c.jackpot));
            EXPECT_FALSE(heard(c.big)) << "the jackpot sound alone";
        }
    }
    delete d;
    delete t;
    delete g;

    // Balloon Mania: the circus for the whole-bet win, the intro for three plain 7s.
    BalloonMania* b = open<BalloonMania>();
    b->coins = 1;
    bool sevens = false, other = false;
    for (int i = 0; i < 200000 && !(sevens && other); ++i) {
        b->spin();
        bool allSeven = true;
        for (int reel = 0; reel < 3; ++reel) allSeven = allSeven && b->result.chosenSymbol(reel)->name == "7";
        if (b->win == 0 || (allSeven ? sevens : other)) continue;
        clearLoadedAssets();
        b->playWinSound();
        EXPECT_EQ(heard("circintr.wav"), allSeven);
        EXPECT_FALSE(heard("circus.wav"));
        (allSeven ? sevens : other) = true;
    }
    EXPECT_TRUE(sevens);
    EXPECT_TRUE(other);
    b->result.payKind = payWholeBet;
    clearLoadedAssets();
    b->playWinSound();
    EXPECT_TRUE(heard("circus.wav"));
    delete b;
}
