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

// The dice are thrown as drawn, whatever closes the game meanwhile: a
// window close or a stop signal anywhere in the roll leaves the save file
// as the bonus played through leaves it, never the minimum of two. From
// the pull on the save file holds the spin's win; from the throw on, the
// win the dice multiply, before any of it is shown.
TEST(CrazyDiceKept, DiceThrownAsDrawnAndKeptAtTheThrow) {
    using namespace keptplay;
    int beyondTheMinimum = 0;
    for (uint32_t seed : {47u, 176u}) {
        Plan plan("crazydice", seed, [](Machine& m) { return static_cast<CrazyDice&>(m).bonusPending; });
        plan.look = true;
        const PlayRun through = expectCloseKeepsThePlay(plan);
        const std::vector<int> dice = bonusMoments(through);
        ASSERT_FALSE(dice.empty());
        ASSERT_GT(through.pulledWin, 0);

        // Three coins of $1 bet; the spin's win, then that win times the sum.
        const double spinOnly = kMoneyBefore - 3 + through.pulledWin;
        const double thrown = through.finalMoney;
        const double multiplier = (thrown - kMoneyBefore + 3) / through.pulledWin;
        EXPECT_TRUE(multiplier == static_cast<int>(multiplier) && multiplier >= 2 && multiplier <= 12) << multiplier;
        beyondTheMinimum += multiplier > 2;

        for (int i = 0; i < dice.front(); ++i) ASSERT_EQ(through.money[i], spinOnly) << "moment " << i;
        EXPECT_EQ(through.money[dice.front()], spinOnly) << "the dice are not thrown yet";
        // The roll rests every pass; the sum is shown in the pauses after it.
        int lastRest = dice.front();
        for (int i : dice)
            if (!through.isPause[i]) lastRest = i;
        bool kept = false;
        for (int i : dice) {
            ASSERT_TRUE(through.money[i] == spinOnly || through.money[i] == thrown) << "moment " << i;
            ASSERT_FALSE(kept && through.money[i] != thrown) << "moment " << i << ": the throw is kept once made";
            kept = through.money[i] == thrown;
            if (i > lastRest) {
                EXPECT_EQ(through.money[i], thrown) << "moment " << i << ": the sum is shown";
            }
        }
        EXPECT_TRUE(kept);
    }
    EXPECT_GT(beyondTheMinimum, 0) << "every seed threw the minimum: a close that stops the dice would pass";
}
