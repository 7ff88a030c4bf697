// The poker cabinet played end to end: the nine machines from the factory,
// deal / hold / draw / settle, keys and buttons, coin values, leaving.
#include <climits>
#include <algorithm>
#include <cmath>

#include "poker/pay_tables.h"
#include "poker/poker_fixture.h"
#include "shell/app.h"
#include "support/runtime.h"
#include "shell/text_label.h"
#include "shell/util.h"

using namespace pokertest;

namespace {

void click(VideoPoker& m, int x, int y) {
    SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    m.handleEvent(e);
}

}  // namespace

TEST_F(PokerTest, DealHoldDrawAndSettleByTheTable) {
    const poker::PayTable& table = *poker::payTableFor("jacksorbetter");
    for (uint32_t seed : {1u, 2u, 3u, 4u}) {
        sgenrand(seed);
        JacksOrBetter* m = open<JacksOrBetter>("jacksorbetter", "20");
        const double vip = currentPlayer->vippoints;
        MachineStats* s = currentPlayer->findStats("jacksorbetter");
        ASSERT_NE(s, nullptr);
        const MachineStats was = *s;
        m->handleEvent(keyEvent(SDLK_n));
        m->handleEvent(keyEvent(SDLK_n));
        EXPECT_EQ(m->coinsBet, 2);
        EXPECT_EQ(m->creditMeter->text, "18");
        m->handleEvent(keyEvent(SDLK_RETURN));
        ASSERT_TRUE(m->handOut);
        EXPECT_EQ(m->coinsPlayed, 2);
        EXPECT_EQ(m->coinsBet, 0);
        EXPECT_EQ(m->credits, 20) << "the bet is taken by the settle";
        EXPECT_DOUBLE_EQ(currentPlayer->vippoints, vip + 2.0);
        ASSERT_EQ(m->hand.size(), 5u);
        for (size_t i = 0; i < 5; ++i)
            for (size_t j = i + 1; j < 5; ++j) EXPECT_NE(m->hand[i], m->hand[j]);

        // Hold the first card by clicking it and the third by its hold button.
        click(*m, 190 + 10, 320 + 10);
        click(*m, 374 + 10, 495 + 10);
        EXPECT_TRUE(m->hand[0]->held);
        EXPECT_TRUE(m->hand[2]->held);
        EXPECT_FALSE(m->hand[1]->held);
        Card* kept0 = m->hand[0];
        Card* kept2 = m->hand[2];
        std::vector<Card*> first = m->hand;

        pauses.clear();
        m->handleEvent(keyEvent(SDLK_RETURN));
        EXPECT_FALSE(m->handOut);
        EXPECT_EQ(m->hand[0], kept0);
        EXPECT_EQ(m->hand[2], kept2);
        for (int i : {1, 3, 4})
            for (Card* old : first) EXPECT_NE(m->hand[i], old) << "a discarded card never comes back";
        const int perCoin = poker::evaluateHand(table, m->hand, 2).payPerCoin;
        EXPECT_EQ(m->credits, 18 + 2 * perCoin) << "seed " << seed;
        EXPECT_EQ(m->coinsPlayed, 0);
        EXPECT_DOUBLE_EQ(s->totalloss - was.totalloss, 2.0);
        EXPECT_DOUBLE_EQ(s->totalwon - was.totalwon, 2.0 * perCoin);
        EXPECT_EQ(s->spinswon - was.spinswon, perCoin > 0 ? 1 : 0);
        EXPECT_EQ(s->spinslost - was.spinslost, perCoin > 0 ? 0 : 1);
        delete m;
    }
}

TEST_F(PokerTest, LeavingWithAHandOutLosesThatHand) {
    // Escape: the five coins of the hand on the glass are lost, the rest is paid out.
    JacksOrBetter* m = open<JacksOrBetter>("jacksorbetter", "10", 0.25f);
    const double money = currentPlayer->money;
    m->handleEvent(keyEvent(SDLK_m));
    ASSERT_TRUE(m->handOut);
    m->handleEvent(keyEvent(SDLK_ESCAPE));
    EXPECT_EQ(m->credits, 0);
    EXPECT_DOUBLE_EQ(currentPlayer->money, money + 8.75);
    MachineStats* record = currentPlayer->findStats("jacksorbetter");
    ASSERT_NE(record, nullptr);
    EXPECT_EQ(record->spinslost, 1);
    EXPECT_DOUBLE_EQ(record->totalloss, 1.25);
    ASSERT_NE(m->next, nullptr);
    EXPECT_EQ(m->next->name, "lobby");
    delete m->next;
    delete m;

    // Leaving another way (the machine menu, a closed window) ends in the
    // destructor: the same hand is lost there, once.
    m = open<JacksOrBetter>("jacksorbetter", "10", 0.25f);
    const double before = currentPlayer->money;
    m->handleEvent(keyEvent(SDLK_m));
    ASSERT_TRUE(m->handOut);
    delete m;
    EXPECT_DOUBLE_EQ(currentPlayer->money, before + 8.75);
    EXPECT_EQ(record->spinslost, 2);
}

TEST_F(PokerTest, SettleCountsUpRecordsPaysAndCapsTheCredits) {
    JacksOrBetter* m = open<JacksOrBetter>("jacksorbetter", "100");
    MachineStats* s = currentPlayer->findStats("jacksorbetter");
    m->coinsPlayed = 5;
    pauses.clear();
    m->settle(25);
    EXPECT_EQ(m->credits, 120);
    EXPECT_EQ(pauses.size(), 21u) << "twenty steps of 1 and one of 5";
    EXPECT_EQ(m->winnerPaidText->text, "WINNER PAID: 25");
    EXPECT_EQ(s->numberofhighpays, 1);
    m->coinsPlayed = 1;
    m->settle(20);
    EXPECT_EQ(s->numberoflowpays, 1) << "exactly 20 is a low pay";
    m->coinsPlayed = 1;
    m->settle(0);
    EXPECT_EQ(m->winnerPaidText->text, "WINNER PAID: 20") << "a loss leaves the last amount paid";
    EXPECT_EQ(s->spinswon, 2);
    EXPECT_EQ(s->spinslost, 1);
    EXPECT_EQ(s->largestsinglewin, 25);
    EXPECT_EQ(m->credits, 120 - 1 + 20 - 1);
    // A win never overflows the credits.
    m->credits = INT_MAX - 3;
    m->coinsPlayed = 1;
    m->settle(1000);
    EXPECT_EQ(m->credits, INT_MAX);
    delete m;
}

TEST_F(PokerTest, WildMachinesLeaveTheDeckAsItWas) {
    for (const char* id : {"allwild", "jokerswild", "deuceswild"}) {
        VideoPoker* m = open<VideoPoker>(id, "10");
        std::vector<std::pair<int, int>> faces;
        for (Card* c : m->deck) faces.push_back({c->rank, c->suit});
        if (std::string(id) == "deuceswild")
            setHand(*m, {{2, 0}, {2, 1}, {2, 2}, {13, 1}, {14, 1}});
        else
            setHand(*m, {{0, 0}, {0, 0}, {2, 2}, {9, 1}, {4, 3}});
        m->coinsPlayed = 5;
        const int win = m->evaluateHand();
        EXPECT_GT(win, 0) << id;
        for (size_t i = 0; i < m->deck.size(); ++i) {
            EXPECT_EQ(m->deck[i]->rank, faces[i].first) << id;
            EXPECT_EQ(m->deck[i]->suit, faces[i].second) << id;
        }
        delete m;
    }
}
