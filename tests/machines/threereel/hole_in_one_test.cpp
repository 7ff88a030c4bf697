// Daru Du Rir: the golf shots played out on the reels before the settle
// when every reel shows a shot or the wild.
#include "machines/threereel/hole_in_one.h"
#include "machines/threereel/three_reel_session.h"

using namespace reelsession;

namespace {

class HoleInOneTest : public MachineFixture {
protected:
    // Pulls at `coins`, then makes the outcome the active rule of that
    // award whose first reel accepts `first`, showing `shown`.
    static void pullWith(HoleInOne& m, int coins, int award, const char* first,
                         const std::vector<std::string>& shown) {
        m.credits = 100;
        m.coins = coins;
        m.pull();
        ASSERT_TRUE(m.spinning);
        m.buildActiveRules();
        const PayRule* wanted = nullptr;
        for (const PayRule& r : m.activeRules)
            if (r.award == award && r.accepts(0, m.findSymbol(first))) wanted = &r;
        ASSERT_NE(wanted, nullptr);
        m.result = *wanted;
        m.result.matched = true;
        m.result.chosen.clear();
        for (const std::string& n : shown) {
            Symbol* s = n == "wild" ? m.wilds[0] : m.findSymbol(n);
            m.result.chosen.push_back(s);
        }
        m.win = award * (m.result.payKind == payWholeBet ? 1 : coins);
    }
};

std::string ball(int k) { return "../gfx/holeinone/ballanim.png." + std::to_string(k); }

}  // namespace

TEST_F(HoleInOneTest, ThreeBogiesPlayThreeShortShots) {
    HoleInOne* m = open<HoleInOne>(1.0f, "50");
    pullWith(*m, 2, 10, "bogie", {"bogie", "bogie", "bogie"});
    clearLoadedAssets();
    finishSpin(*m);
    EXPECT_FALSE(m->spinning);
    for (int k = 13; k <= 19; ++k) EXPECT_TRUE(loadedPicture(ball(k))) << k;
    EXPECT_FALSE(loadedPicture(ball(12)));
    for (int k = 0; k < 4; ++k) EXPECT_TRUE(loadedPicture("../gfx/holeinone/bogieanim.png." + std::to_string(k)));
    EXPECT_TRUE(heard("golfclub.wav"));
    EXPECT_TRUE(heard("bogyclap.wav"));
    EXPECT_FALSE(heard("parclap.wav"));
    EXPECT_EQ(m->credits, 100 - 2 + 20);
    delete m;
}

TEST_F(HoleInOneTest, WildReelIsSkippedAndCherriesPlayNoShot) {
    HoleInOne* m = open<HoleInOne>(1.0f, "50");
    pullWith(*m, 1, 5, "par", {"par", "wild", "birdie"});
    clearLoadedAssets();
    finishSpin(*m);
    EXPECT_TRUE(heard("ohh.wav"));
    EXPECT_TRUE(heard("parclap.wav"));
    EXPECT_TRUE(heard("birdclap.wav"));
    EXPECT_FALSE(heard("bogyclap.wav"));
    EXPECT_TRUE(loadedPicture(ball(2)));
    EXPECT_FALSE(loadedPicture(ball(1)));
    EXPECT_EQ(m->credits, 100 - 1 + 5);

    pullWith(*m, 1, 5, "cherry", {"cherry", "cherry", "blank"});
    clearLoadedAssets();
    finishSpin(*m);
    EXPECT_FALSE(heard("golfclub.wav"));
    EXPECT_FALSE(loadedPicture(ball(19)));
    EXPECT_EQ(m->credits, 100 - 1 + 5);
    delete m;
}

TEST_F(HoleInOneTest, ThreeHolesInOneAtThreeCoins) {
    HoleInOne* m = open<HoleInOne>(1.0f, "50");
    pullWith(*m, 3, 5000, "holeinone", {"holeinone", "holeinone", "holeinone"});
    clearLoadedAssets();
    finishSpin(*m);
    for (int k = 0; k <= 19; ++k) EXPECT_TRUE(loadedPicture(ball(k))) << k;
    EXPECT_TRUE(loadedPicture("../gfx/holeinone/holeinoneanim.png.3"));
    EXPECT_TRUE(heard("hlinone2.wav"));
    EXPECT_EQ(m->credits, 100 - 3 + 5000);
    delete m;
}
