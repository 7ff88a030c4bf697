// The four progressive machines: the green jackpot amount above the reels,
// their tables, the progressive win with its movie and fresh meters, and
// their return against a seeded run.
#include "machines/threereel/blackjack.h"
#include "machines/threereel/cursed.h"
#include "machines/threereel/gloamer_house.h"
#include "machines/threereel/table_checks.h"
#include "machines/threereel/wild_apple.h"
#include "shell/text_label.h"
#include "shell/util.h"

using namespace tablecheck;

namespace {

typedef std::vector<int> Pays;

class ProgressiveMachines : public MachineFixture {};

TextLabel* label(ThreeReelMachine* m) {
    if (Blackjack* b = dynamic_cast<Blackjack*>(m)) return b->progressive.progressiveText;
    if (Cursed* c = dynamic_cast<Cursed*>(m)) return c->progressive.progressiveText;
    if (GloamerHouse* g = dynamic_cast<GloamerHouse*>(m)) return g->progressive.progressiveText;
    if (WildApple* w = dynamic_cast<WildApple*>(m)) return w->progressive.progressiveText;
    return nullptr;
}

}  // namespace

TEST_F(ProgressiveMachines, AmountFollowsTheCoinValue) {
    std::vector<ThreeReelMachine*> machines = {open<Blackjack>(0.25f), open<Cursed>(0.25f),
                                               open<GloamerHouse>(0.25f), open<WildApple>(0.25f)};
    for (ThreeReelMachine* m : machines) {
        ASSERT_NE(label(m), nullptr) << m->name;
        EXPECT_EQ(label(m)->text, doubleToString(progressiveValue(m->denomination))) << m->name;
        m->tick();
        EXPECT_EQ(label(m)->text, "$" + doubleToString(progressiveValue(m->denomination))) << m->name;

        // Another coin value shows its own meter at the next frame.
        const std::string before = label(m)->text;
        m->handleButton(m->buttonNamed("denomination"));
        ASSERT_NE(m->denomination->value, 0.25f) << m->name;
        m->tick();
        EXPECT_EQ(label(m)->text, "$" + doubleToString(progressiveValue(m->denomination))) << m->name;
        EXPECT_NE(label(m)->text, before) << m->name;
        delete m;
    }
    // Amounts of a million or more show in exponent form.
    EXPECT_EQ("$" + doubleToString(18123456.0), "$1.81235e+07");
}

TEST_F(ProgressiveMachines, Tables) {
    Blackjack* bj = open<Blackjack>();
    EXPECT_EQ(wildTable(*bj), "wild x1 not wild");
    EXPECT_EQ(bj->wildChance, 3);
    EXPECT_EQ(paysFor(*bj, 1, {"chips", "blank", "17"}), Pays{2});
    EXPECT_EQ(paysFor(*bj, 2, {"chips", "chips", "20"}), Pays{10});
    EXPECT_EQ(paysFor(*bj, 1, {"chips", "chips", "chips"}), Pays{10});
    EXPECT_EQ(paysFor(*bj, 1, {"17", "17", "17"}), Pays{5});
    EXPECT_EQ(paysFor(*bj, 1, {"18", "18", "18"}), Pays{10});
    EXPECT_EQ(paysFor(*bj, 1, {"19", "19", "19"}), Pays{20});
    EXPECT_EQ(paysFor(*bj, 3, {"20", "20", "20"}), Pays{90});
    EXPECT_EQ(paysFor(*bj, 2, {"wild", "wild", "wild"}), Pays{1000});
    EXPECT_EQ(paysFor(*bj, 3, {"wild", "wild", "wild"}), Pays{progressivePrize});
    delete bj;

    Cursed* cu = open<Cursed>();
    EXPECT_EQ(wildTable(*cu), "cursed x1 not cursed");
    EXPECT_EQ(cu->wildChance, 5);
    EXPECT_EQ(paysFor(*cu, 1, {"arrowup_thing", "blank", "bar"}), Pays{3});
    EXPECT_EQ(paysFor(*cu, 1, {"thing", "arrowup_thing", "thing"}), Pays{10});
    EXPECT_EQ(paysFor(*cu, 1, {"arrowup_3bar", "3bar", "bar"}), Pays{5});
    EXPECT_EQ(paysFor(*cu, 1, {"arrowdown_bar", "bar", "arrowup_bar"}), Pays{10});
    EXPECT_EQ(paysFor(*cu, 1, {"2bar", "arrowdown_2bar", "arrowup_2bar"}), Pays{20});
    EXPECT_EQ(paysFor(*cu, 1, {"arrowup_3bar", "3bar", "3bar"}), Pays{30});
    EXPECT_EQ(paysFor(*cu, 1, {"silver7", "arrowup_silver7", "silver7"}), Pays{100});
    EXPECT_EQ(paysFor(*cu, 1, {"blue7", "blue7", "blue7"}), Pays{200});
    EXPECT_EQ(paysFor(*cu, 1, {"green7", "green7", "green7"}), Pays{300});
    EXPECT_EQ(paysFor(*cu, 2, {"silver7", "silver7", "silver7"}), Pays{150});
    EXPECT_EQ(paysFor(*cu, 2, {"blue7", "blue7", "blue7"}), Pays{250});
    EXPECT_EQ(paysFor(*cu, 2, {"arrowdown_green7", "green7", "green7"}), Pays{350});
    EXPECT_EQ(paysFor(*cu, 3, {"silver7", "silver7", "silver7"}), Pays{200});
    EXPECT_EQ(paysFor(*cu, 3, {"blue7", "blue7", "blue7"}), Pays{300});
    EXPECT_EQ(paysFor(*cu, 3, {"green7", "green7", "green7"}), Pays{400});
    EXPECT_EQ(paysFor(*cu, 2, {"blue7", "silver7", "green7"}), Pays{80});
    EXPECT_EQ(paysFor(*cu, 1, {"cursed", "cursed", "cursed"}), Pays{500});
    EXPECT_EQ(paysFor(*cu, 2, {"cursed", "cursed", "cursed"}), Pays{1000});
    EXPECT_EQ(paysFor(*cu, 3, {"cursed", "cursed", "cursed"}), (Pays{progressivePrize, 1500}));
    delete cu;

    GloamerHouse* gh = open<GloamerHouse>();
    EXPECT_TRUE(gh->wilds.empty());
    for (int coins = 1; coins <= 3; ++coins) {
        EXPECT_EQ(paysFor(*gh, coins, {"blank", "blank", "blank"}), Pays{2}) << coins;
        EXPECT_EQ(paysFor(*gh, coins, {"3bar", "bar", "bar"}), Pays{5}) << coins;
        EXPECT_EQ(paysFor(*gh, coins, {"bar", "bar", "bar"}), Pays{20}) << coins;
        EXPECT_EQ(paysFor(*gh, coins, {"2bar", "2bar", "2bar"}), Pays{40}) << coins;
        EXPECT_EQ(paysFor(*gh, coins, {"3bar", "3bar", "3bar"}), Pays{60}) << coins;
    }
    EXPECT_EQ(paysFor(*gh, 1, {"7", "7", "7"}), Pays{});
    EXPECT_EQ(paysFor(*gh, 1, {"gloamer", "gloamer", "gloamer"}), Pays{});
    EXPECT_EQ(paysFor(*gh, 1, {"7", "gloamer", "7"}), Pays{});
    EXPECT_EQ(paysFor(*gh, 2, {"7", "gloamer", "7"}), Pays{100});
    EXPECT_EQ(paysFor(*gh, 3, {"7", "gloamer", "7"}), Pays{200});
    EXPECT_EQ(paysFor(*gh, 2, {"7", "7", "7"}), Pays{150});
    EXPECT_EQ(paysFor(*gh, 3, {"7", "7", "7"}), Pays{300});
    EXPECT_EQ(paysFor(*gh, 2, {"gloamer", "gloamer", "gloamer"}), Pays{200});
    EXPECT_EQ(paysFor(*gh, 3, {"gloamer", "gloamer", "gloamer"}), Pays{progressivePrize});
    delete gh;

    WildApple* wa = open<WildApple>();
    EXPECT_EQ(wildTable(*wa), "wild x2 not wild wildoff; wildoff x1 not wild wildoff");
    EXPECT_EQ(wa->wildChance, 3);
    EXPECT_EQ(paysFor(*wa, 1, {"bar", "apple", "blank"}), Pays{2});
    EXPECT_EQ(paysFor(*wa, 3, {"7", "7", "7"}), Pays{150});
    for (int coins = 1; coins <= 3; ++coins) {
        EXPECT_EQ(paysFor(*wa, coins, {"wildoff", "wildoff", "wildoff"}), Pays{500 * coins});
        EXPECT_EQ(paysFor(*wa, coins, {"wild", "wild", "wild"}), coins == 3 ? Pays{progressivePrize} : Pays{});
    }
    delete wa;
}

TEST_F(ProgressiveMachines, JackpotPaysTheMeterAndReseeds) {
    struct Case {
        ThreeReelMachine* m;
        const char* top;
        const char* sound;
    };
    std::vector<Case> cases = {{open<Blackjack>(0.25f), "wild", "bjdrum.wav"},
                               {open<Cursed>(0.25f), "cursed", "horror.wav"},
                               {open<GloamerHouse>(0.25f), "gloamer", "techjack.wav"},
                               {open<WildApple>(0.25f), "wild", "wajackpt.wav"}};
    for (const Case& c : cases) {
        ThreeReelMachine& m = *c.m;
        ASSERT_TRUE(spinUntil(m, 3, [](ThreeReelMachine& t) { return t.result.payKind == payProgressive; })) << m.name;
        EXPECT_TRUE(shows(m, c.top, c.top, c.top)) << m.name;
        const int meterCoins = progressiveCoins(m.denomination);
        ASSERT_GT(meterCoins, 0);
        std::vector<double> before;
        for (const ProgressiveMeter* pm : progressiveMeters) before.push_back(pm->value);
        m.credits = 3;
        clearLoadedAssets();
        m.settle();
        EXPECT_EQ(m.credits, meterCoins) << m.name;
        EXPECT_TRUE(heard(c.sound)) << m.name;
        bool movie = false;
        for (const std::string& path : loadedAssets()) movie = movie || path.find("jackpotmovies") != std::string::npos;
        EXPECT_TRUE(movie) << m.name;
        ASSERT_EQ(progressiveMeters.size(), before.size());
        int changed = 0;
        for (size_t i = 0; i < before.size(); ++i) changed += progressiveMeters[i]->value != before[i];
        EXPECT_GE(changed, 8) << "every meter starts again from a new seed";
        MachineStats* s = currentPlayer->findStats(m.name);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->spinswon, 1);
        delete c.m;
    }
}

TEST_F(ProgressiveMachines, ReturnMatchesTheTables) {
    std::vector<ThreeReelMachine*> machines = {open<Blackjack>(), open<Cursed>(), open<GloamerHouse>(),
                                               open<WildApple>()};
    for (ThreeReelMachine* m : machines) {
        checkReturn(*m, 150000);
        delete m;
    }
}
