// Vuduv 7'a, Vozo Rizi Zedod and Vozer 8'e: whole-bet coin rules, two wilds
// of multiplier one, three eights standing in as wilds; their pays at each
// bet, a few of their sounds, and their return against a seeded run.
#include "machines/threereel/crazy8s.h"
#include "machines/threereel/super7s.h"
#include "machines/threereel/table_checks.h"
#include "machines/threereel/wild_sour_apple.h"

using namespace tablecheck;

namespace {

typedef std::vector<int> Pays;

class SevensApplesEights : public MachineFixture {};

}  // namespace

TEST_F(SevensApplesEights, Super7sPaysOnlyByTheCoinCount) {
    Super7s* m = open<Super7s>();
    EXPECT_TRUE(m->wilds.empty());
    EXPECT_FALSE(m->multiplyByCoins);
    for (int coins = 1; coins <= 3; ++coins) {
        EXPECT_EQ(paysFor(*m, coins, {"blank", "blank", "blank"}), Pays{2}) << coins;
        EXPECT_EQ(paysFor(*m, coins, {"bar", "3bar", "2bar"}), Pays{5}) << coins;
        EXPECT_EQ(paysFor(*m, coins, {"bar", "bar", "bar"}), Pays{20}) << coins;
        EXPECT_EQ(paysFor(*m, coins, {"2bar", "2bar", "2bar"}), Pays{40}) << coins;
        EXPECT_EQ(paysFor(*m, coins, {"3bar", "3bar", "3bar"}), Pays{60}) << coins;
    }
    // No seven pays at one coin.
    EXPECT_EQ(paysFor(*m, 1, {"7", "7", "7"}), Pays{});
    EXPECT_EQ(paysFor(*m, 1, {"super7", "super7", "super7"}), Pays{});
    EXPECT_EQ(paysFor(*m, 1, {"7", "super7", "7"}), Pays{});
    EXPECT_EQ(paysFor(*m, 2, {"7", "super7", "7"}), Pays{100});
    EXPECT_EQ(paysFor(*m, 2, {"7", "7", "7"}), Pays{150});
    EXPECT_EQ(paysFor(*m, 2, {"super7", "super7", "super7"}), Pays{200});
    EXPECT_EQ(paysFor(*m, 3, {"super7", "7", "super7"}), Pays{200});
    EXPECT_EQ(paysFor(*m, 3, {"7", "7", "7"}), Pays{300});
    EXPECT_EQ(paysFor(*m, 3, {"super7", "super7", "super7"}), Pays{500});
    // Every win is the award itself, whatever the bet.
    ASSERT_TRUE(spinUntil(*m, 3, [](ThreeReelMachine& t) { return t.result.award == 60; }));
    EXPECT_EQ(m->win, 60);
    EXPECT_TRUE(shows(*m, "3bar", "3bar", "3bar"));
    delete m;
}

TEST_F(SevensApplesEights, WildSourApple) {
    WildSourApple* m = open<WildSourApple>();
    EXPECT_EQ(wildTable(*m), "wild x1 not wild wildoff; wildoff x1 not wild wildoff");
    EXPECT_EQ(m->wildChance, 3);
    EXPECT_EQ(paysFor(*m, 1, {"apple", "blank", "bar"}), Pays{2});
    EXPECT_EQ(paysFor(*m, 2, {"apple", "7", "apple"}), Pays{10});
    EXPECT_EQ(paysFor(*m, 1, {"apple", "apple", "apple"}), Pays{10});
    EXPECT_EQ(paysFor(*m, 3, {"7", "7", "7"}), Pays{150});
    for (int coins = 1; coins <= 3; ++coins)
        EXPECT_EQ(paysFor(*m, coins, {"wildoff", "wildoff", "wildoff"}), Pays{500 * coins});
    EXPECT_EQ(paysFor(*m, 1, {"wild", "wild", "wild"}), Pays{1000});
    EXPECT_EQ(paysFor(*m, 2, {"wild", "wild", "wild"}), Pays{2000});
    EXPECT_EQ(paysFor(*m, 3, {"wild", "wild", "wild"}), Pays{carPrize});

    // A wild put on a winning reel changes the picture, not the pay; it
    // sounds as its reel stops.
    ASSERT_TRUE(spinUntil(*m, 2, [](ThreeReelMachine& t) { return t.result.award == 30 && shows(t, "3bar", "wild", "3bar"); }));
    EXPECT_EQ(m->win, 60);
    clearLoadedAssets();
    m->onReelStop(0);
    EXPECT_FALSE(heard("apple.wav"));
    m->onReelStop(1);
    EXPECT_TRUE(heard("apple.wav"));

    delete m;
}

TEST_F(SevensApplesEights, Crazy8s) {
    Crazy8s* m = open<Crazy8s>();
    EXPECT_EQ(wildTable(*m), "yellow x1 not yellow green blue; green x1 not yellow green blue; "
                             "blue x1 not yellow green blue");
    EXPECT_EQ(paysFor(*m, 1, {"yellow", "blank", "blank"}), Pays{2});
    EXPECT_EQ(paysFor(*m, 2, {"blank", "blue", "green"}), Pays{10});
    EXPECT_EQ(paysFor(*m, 1, {"bar", "3bar", "2bar"}), Pays{5});
    EXPECT_EQ(paysFor(*m, 1, {"3bar", "3bar", "3bar"}), Pays{30});
    EXPECT_EQ(paysFor(*m, 1, {"yellow", "green", "blue"}), Pays{250});
    EXPECT_EQ(paysFor(*m, 2, {"blue", "blue", "green"}), Pays{500});
    EXPECT_EQ(paysFor(*m, 1, {"yellow", "yellow", "yellow"}), Pays{1000});
    // Three yellow eights at three coins: 1000 a coin or 3000 for the bet.
    EXPECT_EQ(paysFor(*m, 3, {"yellow", "yellow", "yellow"}), Pays{3000});
    EXPECT_EQ(paysFor(*m, 3, {"green", "green", "green"}), (Pays{3000, 4000}));
    EXPECT_EQ(paysFor(*m, 3, {"blue", "blue", "blue"}), (Pays{3000, 5000}));
    EXPECT_EQ(paysFor(*m, 1, {"yellow", "bar", "blank"}), Pays{});

    // The mixed eights admit no wild; three bars may show an eight instead.
    ASSERT_TRUE(spinUntil(*m, 1, [](ThreeReelMachine& t) { return t.result.award == 250; }));
    EXPECT_EQ(m->win, 250);
    ASSERT_TRUE(spinUntil(*m, 1, [](ThreeReelMachine& t) {
        return t.result.award == 30 && t.result.chosenSymbol(1)->name != "3bar";
    }));
    EXPECT_EQ(m->win, 30);

    // Win sounds: the whole-bet rule first, then the colour of three eights.
    ASSERT_TRUE(spinUntil(*m, 3, [](ThreeReelMachine& t) { return t.result.award == 4000; }));
    clearLoadedAssets();
    m->playWinSound();
    EXPECT_TRUE(heard("crazy8.wav"));
    EXPECT_FALSE(heard("horn2.wav"));
    const char* horns[] = {"horn1.wav", "horn2.wav", "horn3.wav"};
    const char* colours[] = {"yellow", "green", "blue"};
    for (int k = 0; k < 3; ++k) {
        const char* c = colours[k];
        ASSERT_TRUE(spinUntil(*m, 3, [c](ThreeReelMachine& t) { return t.result.payKind == payPerCoin && shows(t, c, c, c); }));
        EXPECT_EQ(m->win, 3000);
        clearLoadedAssets();
        m->playWinSound();
        EXPECT_TRUE(heard(horns[k])) << c;
        EXPECT_FALSE(heard("crazy8.wav")) << c;
    }
    delete m;
}

TEST_F(SevensApplesEights, ReturnMatchesTheTables) {
    std::vector<ThreeReelMachine*> machines = {open<Super7s>(), open<WildSourApple>(), open<Crazy8s>()};
    for (ThreeReelMachine* m : machines) {
        checkReturn(*m, 150000);
        delete m;
    }
}
