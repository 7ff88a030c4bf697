// The four progressive machines: the green jackpot amount above the reels
// follows the coin value, and three of the top symbol at full bet pay the
// meter with the machine's movie and sound, and every meter starts again.
#include "machine/denomination.h"
#include "machines/threereel/blackjack.h"
#include "machines/threereel/cursed.h"
#include "machines/threereel/gloamer_house.h"
#include "machines/threereel/three_reel_session.h"
#include "machines/threereel/wild_apple.h"
#include "shell/text_label.h"
#include "shell/util.h"

using namespace reelsession;

namespace {

class ProgressiveMachines : public MachineFixture {};

template <class M>
TextLabel* labelOf(ThreeReelMachine& m) {
    return static_cast<M&>(m).progressive.progressiveText;
}

struct Progressive {
    const char* id;
    const char* top;
    const char* sound;
    TextLabel* (*label)(ThreeReelMachine&);
};

}  // namespace

TEST_F(ProgressiveMachines, AmountFollowsTheCoinValueAndTheJackpotPaysTheMeter) {
    const Progressive machines[] = {{"blackjack", "wild", "bjdrum.wav", labelOf<Blackjack>},
                                    {"cursed", "cursed", "horror.wav", labelOf<Cursed>},
                                    {"gloamerhouse", "gloamer", "techjack.wav", labelOf<GloamerHouse>},
                                    {"wildapple", "wild", "wajackpt.wav", labelOf<WildApple>}};
    for (const Progressive& p : machines) {
        SCOPED_TRACE(p.id);
        std::unique_ptr<ThreeReelMachine> m(openMachine<ThreeReelMachine>(p.id, "20", 0.25f));
        ASSERT_NE(p.label(*m), nullptr);
        EXPECT_EQ(p.label(*m)->text, doubleToString(progressiveValue(m->denomination)));
        m->tick();
        EXPECT_EQ(p.label(*m)->text, "$" + doubleToString(progressiveValue(m->denomination)));

        // Another coin value shows its own meter at the next frame.
        const std::string before = p.label(*m)->text;
        m->handleButton(m->buttonNamed("denomination"));
        ASSERT_NE(m->denomination->value, 0.25f);
        m->tick();
        EXPECT_EQ(p.label(*m)->text, "$" + doubleToString(progressiveValue(m->denomination)));
        EXPECT_NE(p.label(*m)->text, before);

        m->coins = 3;
        for (int pulls = 0; pulls < 3000000 && m->result.payKind != payProgressive; ++pulls) m->spin();
        ASSERT_EQ(m->result.payKind, payProgressive);
        for (int reel = 0; reel < 3; ++reel) EXPECT_EQ(m->result.chosenSymbol(reel)->name, p.top);
        const int meterCoins = progressiveCoins(m->denomination);
        ASSERT_GT(meterCoins, 0);
        std::vector<double> meters;
        for (const ProgressiveMeter& pm : progressiveMeters) meters.push_back(pm.value);
        m->credits = 3;
        clearLoadedAssets();
        m->settle();
        EXPECT_EQ(m->credits, meterCoins);
        EXPECT_TRUE(heard(p.sound));
        bool movie = false;
        for (const std::string& path : loadedAssets()) movie = movie || path.find("jackpotmovies") != std::string::npos;
        EXPECT_TRUE(movie);
        ASSERT_EQ(progressiveMeters.size(), meters.size());
        int changed = 0;
        for (size_t i = 0; i < meters.size(); ++i) changed += progressiveMeters[i].value != meters[i];
        EXPECT_GE(changed, 8) << "every meter starts again from a new seed";
        MachineStats* s = currentPlayer->findStats(m->name);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->spinswon, 1);
    }
}
