// Daru Du Rir: its table and return, and the golf shots played out on the
// reels before the settle when every reel shows a shot or the wild.
#include <cmath>

#include "game/machine_factory.h"
#include "player/machine_table.h"
#include "machine/three_reel_test_machine.h"
#include "machines/threereel/bonus_machine_fixture.h"
#include "machines/threereel/bonus_pause.h"
#include "machines/threereel/hole_in_one.h"

using bonustest::heard;
using bonustest::loadedPicture;

namespace {

class HoleInOneTest : public bonustest::BonusScreenTest {
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

TEST_F(HoleInOneTest, OnTheFloorWithItsTableAndReturn) {
    bonustest::typeDollars("5");
    HoleInOne* m = dynamic_cast<HoleInOne*>(createMachine("holeinone", 1.0f));
    ASSERT_NE(m, nullptr);
    EXPECT_TRUE(heard("holeintr.wav"));
    EXPECT_EQ(pays(*m, 1, {"cherry", "blank", "blank"}), 0) << "a single cherry pays nothing";
    EXPECT_EQ(pays(*m, 1, {"cherry", "blank", "cherry"}), 5);
    EXPECT_EQ(pays(*m, 1, {"cherry", "cherry", "cherry"}), 10);
    EXPECT_EQ(pays(*m, 2, {"bogie", "par", "holeinone"}), 10);
    EXPECT_EQ(pays(*m, 1, {"bogie", "bogie", "bogie"}), 10);
    EXPECT_EQ(pays(*m, 1, {"par", "par", "par"}), 20);
    EXPECT_EQ(pays(*m, 3, {"birdie", "birdie", "birdie"}), 90);
    EXPECT_EQ(pays(*m, 1, {"ball", "ball", "ball"}), 50);
    EXPECT_EQ(pays(*m, 1, {"holeinone", "holeinone", "holeinone"}), 1000);
    EXPECT_EQ(pays(*m, 2, {"holeinone", "holeinone", "holeinone"}), 2000);
    EXPECT_EQ(pays(*m, 3, {"holeinone", "holeinone", "holeinone"}), 5000);

    for (int coins : {1, 3}) {
        m->coins = coins;
        const Reckoning r = reckon(*m, coins);
        const int N = 150000;
        double sum = 0, sumSq = 0;
        for (int i = 0; i < N; ++i) {
            m->spin();
            if (!m->result.matched) {
                bool allShots = true;
                for (int reel = 0; reel < 3; ++reel) {
                    Symbol* s = m->result.chosenSymbol(reel);
                    allShots = allShots && (s->kind == HoleInOne::shotKind || s->name == "wild");
                }
                ASSERT_FALSE(allShots) << "a losing spin never plays a shot";
            }
            sum += m->win;
            sumSq += static_cast<double>(m->win) * m->win;
        }
        const double mean = sum / N, se = std::sqrt((sumSq / N - mean * mean) / N);
        EXPECT_NEAR(mean, r.expectedWin, 5 * se) << coins;
        std::printf("holeinone at %d: table %.4f measured %.4f per coin\n", coins, r.expectedWin / coins,
                    mean / coins);
    }
    delete m;
}

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
    bonustest::expectEveryLoadedFileExists();
    delete m;
}
