// The poker cabinet played: deal / hold / draw / settle by keys and buttons,
// the money prompt, leaving with a hand out, and the count-up.
#include <climits>

#include "poker/pay_tables.h"
#include "poker/poker_fixture.h"

using namespace pokertest;

TEST_F(PokerTest, DealHoldDrawAndSettleByTheTable) {
    const std::pair<const char*, uint32_t> rows[] = {
        {"jacksorbetter", 1}, {"jacksorbetter", 3}, {"deuceswild", 6}, {"jokerswild", 3}};
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.first) + " seed " + std::to_string(row.second));
        sgenrand(row.second);
        std::unique_ptr<VideoPoker> m(openMachine<VideoPoker>(row.first, "20"));
        const double vip = currentPlayer->vippoints;
        MachineStats* s = currentPlayer->findStats(row.first);
        ASSERT_NE(s, nullptr);
        const MachineStats was = *s;
        for (int i = 0; i < 3; ++i) m->handleEvent(testrt::keyEvent(SDLK_n));
        testrt::typeMoney("0");
        press(*m, "money");
        EXPECT_EQ(m->coinsMeter->text + " " + m->creditMeter->text, "0 20") << "money in clears the bet and its meter";
        for (int i = 0; i < 2; ++i) m->handleEvent(testrt::keyEvent(SDLK_n));
        EXPECT_EQ(m->creditMeter->text, "18");
        m->handleEvent(testrt::keyEvent(SDLK_RETURN));
        ASSERT_TRUE(m->handOut);
        EXPECT_EQ(m->coinsPlayed, 2);
        EXPECT_EQ(m->credits, 20) << "the bet is taken by the settle";
        EXPECT_DOUBLE_EQ(currentPlayer->vippoints, vip + 2.0);
        ASSERT_EQ(m->hand.size(), 5u);

        // Hold the first card by the card itself and the third by its hold button.
        press(*m, "card1");
        press(*m, "hold2");
        const std::vector<Card*> first = m->hand;
        m->handleEvent(testrt::keyEvent(SDLK_RETURN));
        EXPECT_FALSE(m->handOut);
        EXPECT_EQ(m->hand[0], first[0]);
        EXPECT_EQ(m->hand[2], first[2]);
        for (int i : {1, 3, 4})
            for (Card* old : first) EXPECT_NE(m->hand[i], old) << "a discarded card never comes back";
        const int perCoin = poker::evaluateHand(*poker::payTableFor(row.first), m->hand, 2).payPerCoin;
        EXPECT_EQ(m->credits, 18 + 2 * perCoin);
        EXPECT_DOUBLE_EQ(s->totalloss.inDollars() - was.totalloss.inDollars(), 2.0);
        EXPECT_DOUBLE_EQ(s->totalwon.inDollars() - was.totalwon.inDollars(), 2.0 * perCoin);
    }
}

TEST_F(PokerTest, LeavingWithAHandOutSettlesItAsDealt) {
    // Escape: the hand on the glass settles as dealt, all five held. Seed 79
    // deals 10-10-10-K-K, a full house at 8 a coin: 40 coins on top of the
    // 35 of the $10's 40 credits at $0.25 that the bet left.
    JacksOrBetter* m = openMachine<JacksOrBetter>("jacksorbetter", "10", 0.25f);
    const double money = currentPlayer->money;
    sgenrand(79);
    m->handleEvent(testrt::keyEvent(SDLK_m));
    ASSERT_TRUE(m->handOut);
    m->handleEvent(testrt::keyEvent(SDLK_ESCAPE));
    EXPECT_DOUBLE_EQ(currentPlayer->money, money + 18.75);
    MachineStats* record = currentPlayer->findStats("jacksorbetter");
    EXPECT_EQ(record->spinswon, 1);
    EXPECT_EQ(record->spinslost, 0);
    EXPECT_DOUBLE_EQ(record->totalloss.inDollars(), 1.25);
    EXPECT_DOUBLE_EQ(record->totalwon.inDollars(), 10.0);
    ASSERT_NE(m->next, nullptr);
    EXPECT_EQ(m->next->name, "lobby");
    delete m;
    EXPECT_EQ(record->spinswon + record->spinslost, 1) << "settled once";

    // Leaving another way (the machine menu, a closed window) ends in the
    // destructor: the hand settles there, once. Seed 1 deals a pair of
    // eights, which pays nothing.
    m = openMachine<JacksOrBetter>("jacksorbetter", "10", 0.25f);
    const double before = currentPlayer->money;
    sgenrand(1);
    m->handleEvent(testrt::keyEvent(SDLK_m));
    delete m;
    EXPECT_DOUBLE_EQ(currentPlayer->money, before + 8.75);
    EXPECT_EQ(record->spinswon, 1);
    EXPECT_EQ(record->spinslost, 1);
}

TEST_F(PokerTest, SettleCountsUpRecordsPaysAndCapsTheCredits) {
    std::unique_ptr<JacksOrBetter> m(openMachine<JacksOrBetter>("jacksorbetter", "100"));
    m->coinsPlayed = 5;
    m->settle(25);
    EXPECT_EQ(m->credits, 120);
    EXPECT_EQ(testClock.pauses.size(), 21u) << "twenty steps of 1 and one of 5";
    EXPECT_EQ(m->winnerPaidText->text, "WINNER PAID: 25");
    m->coinsPlayed = 1;
    m->settle(0);
    EXPECT_EQ(m->credits, 119);
    EXPECT_EQ(m->winnerPaidText->text, "WINNER PAID: 25") << "a loss leaves the last amount paid";
    // A win never overflows the credits.
    m->credits = INT_MAX - 3;
    m->coinsPlayed = 1;
    m->settle(1000);
    EXPECT_EQ(m->credits, INT_MAX);
}
