// Daru Du Rir: the golf shots played out on the reels before the settle
// when every reel shows a shot or the wild (the ball's flight, the shots'
// claps and pictures), and no shot for any other win.
#include "machines/threereel/hole_in_one.h"
#include "machines/threereel/kept_play.h"
#include "machines/threereel/three_reel_session.h"

using namespace reelsession;

namespace {

using HoleInOneTest = MachineFixture;

// Pulls at `coins`, then makes the outcome the active rule of that award
// whose first reel accepts the first symbol, showing `shown`.
void pullWith(HoleInOne& m, int coins, int award, const std::vector<std::string>& shown) {
    m.credits = 100;
    m.coins = coins;
    m.pull();
    ASSERT_TRUE(m.spinning);
    m.buildActiveRules();
    const PayRule* wanted = nullptr;
    for (const PayRule& r : m.activeRules)
        if (r.award == award && r.accepts(0, m.findSymbol(shown[0]))) wanted = &r;
    ASSERT_NE(wanted, nullptr);
    m.result = *wanted;
    m.result.matched = true;
    m.result.chosen.clear();
    for (const std::string& n : shown) m.result.chosen.push_back(n == "wild" ? m.wilds[0] : m.findSymbol(n));
    m.win = award * (m.result.payKind == payWholeBet ? 1 : coins);
}

struct Shots {
    int coins, award;
    std::vector<std::string> shown;
    int firstBallFrame;  // the ball's frames from here to 19 are drawn, none before
    std::vector<std::string> heard, silent, pictures;
    int credits;
};

}  // namespace

TEST_F(HoleInOneTest, ShotsForTheShownSymbolsBeforeTheSettle) {
    const Shots cases[] = {
        {2, 10, {"bogie", "bogie", "bogie"}, 13, {"golfclub.wav", "bogyclap.wav"}, {"parclap.wav"},
         {"bogieanim.png.0", "bogieanim.png.1", "bogieanim.png.2", "bogieanim.png.3"}, 100 - 2 + 20},
        {1, 5, {"par", "wild", "birdie"}, 2, {"ohh.wav", "parclap.wav", "birdclap.wav"}, {"bogyclap.wav"}, {},
         100 - 1 + 5},
        {1, 5, {"cherry", "cherry", "blank"}, 20, {}, {"golfclub.wav"}, {}, 100 - 1 + 5},
        {3, 5000, {"holeinone", "holeinone", "holeinone"}, 0, {"hlinone2.wav"}, {}, {"holeinoneanim.png.3"},
         100 - 3 + 5000},
    };
    std::unique_ptr<HoleInOne> m(open<HoleInOne>(1.0f, "50"));
    for (const Shots& c : cases) {
        SCOPED_TRACE(c.shown[0] + " " + c.shown[1] + " " + c.shown[2]);
        pullWith(*m, c.coins, c.award, c.shown);
        clearLoadedAssets();
        finishSpin(*m);
        EXPECT_FALSE(m->spinning);
        for (int k = 0; k <= 19; ++k) {
            EXPECT_EQ(assetTried("../gfx/holeinone/ballanim.png." + std::to_string(k)), k >= c.firstBallFrame) << k;
        }
        for (const std::string& p : c.pictures) EXPECT_TRUE(assetTried("../gfx/holeinone/" + p)) << p;
        for (const std::string& s : c.heard) EXPECT_TRUE(heard(s)) << s;
        for (const std::string& s : c.silent) EXPECT_FALSE(heard(s)) << s;
        EXPECT_EQ(m->credits, c.credits);
    }
}

// The golf shots show a win drawn with the pull: the save file holds it
// while they play, and a close in the middle of them leaves the save file
// as played through.
TEST(HoleInOneKept, ShotsShowAWinAlreadyKept) {
    using namespace keptplay;
    for (uint32_t seed : {2u, 7u}) {
        Plan plan("holeinone", seed, [](Machine& m) {
            for (int start : m.reelStartTimes)
                if (start != -1) return false;
            return m.spinning;  // every reel stopped, not yet settled: the shots
        });
        plan.look = true;
        const PlayRun through = expectCloseKeepsThePlay(plan);
        ASSERT_GT(through.pulledWin, 0);
        EXPECT_EQ(through.finalMoney, kMoneyBefore - 3 + through.pulledWin);
        for (size_t i = 0; i < through.money.size(); ++i)
            ASSERT_EQ(through.money[i], through.finalMoney) << "moment " << i;
    }
}
