// Rerod Ozid: the dice bonus that one winning full-bet spin in twenty
// starts, and the dice screen itself.
#include <set>

#include "machines/threereel/crazy_dice.h"
#include "machines/threereel/kept_play.h"
#include "machines/threereel/three_reel_session.h"

using namespace reelsession;

using CrazyDiceTest = MachineFixture;

TEST_F(CrazyDiceTest, DiceScreenAddsTwoFacesAndRestoresTheScreen) {
    std::unique_ptr<CrazyDice> m(open<CrazyDice>());
    const std::vector<Uint8> before = screenPixels();
    std::set<int> seen;
    sgenrand(7);
    for (int i = 0; i < 40; ++i) {
        clearLoadedAssets();
        const int x = m->runDiceBonus();
        EXPECT_TRUE(x >= 2 && x <= 12) << x;
        seen.insert(x);
        EXPECT_TRUE(heard("tympani.wav"));
        EXPECT_TRUE(heard("orchit1.wav") && heard("orchit2.wav") && heard("orchit3.wav"));
        EXPECT_EQ(heard("jazzy.wav"), x > 8) << x;
        EXPECT_TRUE(assetTried("../gfx/bonus/crazydice/six_right.png"));
        if (i < 12) {
            EXPECT_TRUE(screenPixels() == before) << "the machine's screen comes back unchanged";
        }
    }
    EXPECT_GE(*seen.rbegin(), 11) << "two dice of six faces";
    EXPECT_LE(*seen.begin(), 3);
}

TEST_F(CrazyDiceTest, BonusOnlyForAWinAtFullBet) {
    std::unique_ptr<CrazyDice> m(open<CrazyDice>());
    m->coins = 3;
    do m->spin();
    while (!m->result.matched || m->result.payKind == payWholeBet);
    const PayRule winning = m->result;
    const int line = m->win;

    // Settles that line at `coins` with `won` to pay; true when the die came.
    auto settleWith = [&](int coins, int won) {
        m->result = winning;
        m->coins = coins;
        m->win = won;
        m->credits = 100;
        clearLoadedAssets();
        m->settle();
        return heard("dice2.wav");
    };
    // One or two coins, or no win: never, whatever the draw.
    for (int i = 0; i < 150; ++i) {
        ASSERT_FALSE(settleWith(1 + i % 2, line));
        ASSERT_FALSE(settleWith(3, 0));
    }

    // A win at three coins: about one settle in twenty puts the die on the
    // third reel and multiplies the win by the thrown sum.
    bool bonus = false;
    for (int settles = 0; settles < 400 && !bonus; ++settles) bonus = settleWith(3, line);
    ASSERT_TRUE(bonus);
    EXPECT_EQ(m->result.chosenSymbol(2)->name, "dice");
    EXPECT_TRUE(assetTried("../gfx/crazydice/b.png.3"));
    EXPECT_FALSE(m->bonusPending);
    const int gained = m->credits - 97;
    ASSERT_EQ(gained % line, 0);
    EXPECT_TRUE(gained / line >= 2 && gained / line <= 12) << gained / line;
    EXPECT_EQ(m->coins, 0);
}

// The dice are thrown with the pull that wins them, whatever closes the
// game later: a window close or a stop signal while the reels turn or
// anywhere in the roll leaves the save file as the bonus played through
// leaves it, never the minimum of two. From the pull on, while the reels
// still turn, the save file holds the win the dice multiply.
TEST(CrazyDiceKept, DiceThrownWithThePullAndKeptFromIt) {
    using namespace keptplay;
    int beyondTheMinimum = 0;
    for (uint32_t seed : {47u, 176u}) {
        Plan plan("crazydice", seed, [](Machine& m) { return static_cast<CrazyDice&>(m).bonusPending; });
        plan.look = true;
        const PlayRun through = expectCloseKeepsThePlay(plan);
        ASSERT_FALSE(bonusMoments(through).empty());
        ASSERT_FALSE(momentsBeforeThePart(through).empty()) << "no moment while the reels turn";
        ASSERT_GT(through.pulledWin, 0);

        // Three coins of $1 bet; the spin's win times the sum of the dice.
        const double multiplier = (through.finalMoney - kMoneyBefore + 3) / through.pulledWin;
        EXPECT_TRUE(multiplier == static_cast<int>(multiplier) && multiplier >= 2 && multiplier <= 12) << multiplier;
        beyondTheMinimum += multiplier > 2;
        expectHeldFromThePull(through, through.finalMoney, "crazydice");
    }
    EXPECT_GT(beyondTheMinimum, 0) << "every seed threw the minimum: a close that stops the dice would pass";
}

// The throw is a function of the draws alone: the same seed throws the
// same faces however the roll is then shown, and the dice screen, on a slow
// clock or cut short by a close, pays the faces thrown and draws nothing
// more from the outcomes.
TEST_F(CrazyDiceTest, TheScreenShowsTheDiceThrownAndDrawsNothing) {
    std::unique_ptr<CrazyDice> m(open<CrazyDice>());
    std::set<int> sums;
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE(seed);
        sgenrand(seed);
        const std::pair<int, int> thrown = CrazyDice::throwDice();
        const uint32_t next = genrand();
        ASSERT_TRUE(thrown.first >= 1 && thrown.first <= 6 && thrown.second >= 1 && thrown.second <= 6);
        sums.insert(thrown.first + thrown.second);

        sgenrand(seed);
        ASSERT_EQ(CrazyDice::throwDice(), thrown);
        m->thrownLeft = thrown.first;
        m->thrownRight = thrown.second;
        if (seed % 2) pushQuit();
        EXPECT_EQ(m->runDiceBonus(), thrown.first + thrown.second);
        EXPECT_EQ(genrand(), next) << "the roll shown drew from the outcomes";
        EXPECT_EQ(m->thrownLeft, 0) << "a throw is shown once";
        clearQuitRequest();
        drainEvents();
    }
    EXPECT_GE(sums.size(), 6u) << "the throws bunch up";
}
