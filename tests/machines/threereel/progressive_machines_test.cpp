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
