// A three-reel machine at play: bets and keys, the settle's order, the car
// prize, the count-up and the credit bound, and what losing reels show.
#include <gtest/gtest.h>

#include <climits>
#include <iomanip>
#include <sstream>

#include "machines/threereel/ten_x.h"
#include "machines/threereel/three_reel_session.h"
#include "player/player.h"
#include "player/save_files.h"
#include "shell/text_label.h"
#include "support/headless.h"

namespace {

// The 10X machine with its win sound noted, and the draw number of every
// spin chosen by the test when forcedStop is 0 or more.
class NotedTenX : public TenX {
public:
    std::vector<std::string> events;
    long long forcedStop = -1;
    NotedTenX() : TenX(0.25f) {}
    Uint32 drawStop() override { return forcedStop >= 0 ? static_cast<Uint32>(forcedStop) : TenX::drawStop(); }
    void playWinSound() override {
        events.push_back("winsound credits=" + std::to_string(credits) + " win=" + std::to_string(win));
    }
};

class ThreeReelPlay : public reelsession::MachineFixture {
protected:
    NotedTenX* m = nullptr;

    void SetUp() override {
        startSession(0.0, 2024);
        testrt::typeMoney("0");
        m = new NotedTenX();
        m->menuEnabled = true;
    }
    void TearDown() override {
        delete m;
        reelsession::MachineFixture::TearDown();
    }

    // The machine's money and the player's record of its plays, in one line.
    std::string ledger() {
        const MachineStats* s = currentPlayer->findStats("10x");
        std::ostringstream out;
        out << std::setprecision(17) << "credits=" << m->credits << " coins=" << m->coins
            << " won=" << s->spinswon << " lost=" << s->spinslost << " largest=" << s->largestsinglewin
            << " bet=$" << s->totalloss.inDollars() << " paid=$" << s->totalwon.inDollars();
        return out.str();
    }
    void key(SDLKey sym) { m->handleEvent(testrt::keyEvent(sym)); }

    // The first active rule at the current coins with this award.
    long long stopFor(int award) {
        m->buildActiveRules();
        for (const PayRule& r : m->activeRules)
            if (r.award == award) return r.rangeStart;
        return -1;
    }
    // Bets `coins` out of `credits` and pulls, drawing that rule.
    void spinFor(int award, int credits, int coins) {
        m->credits = credits;
        m->coins = coins;
        m->forcedStop = stopFor(award);
        m->spinButton();
    }
};

}  // namespace

TEST_F(ThreeReelPlay, KeysBetAndSpinOnlyWhileIdle) {
    // Bet max needs three credits; bet one needs a credit beyond the bet and stops at three coins.
    m->credits = 2;
    key(SDLK_m);
    for (int i = 0; i < 3; ++i) key(SDLK_n);
    EXPECT_FALSE(m->spinning);
    EXPECT_EQ(m->coins, 2);
    m->credits = 20;
    for (int i = 0; i < 2; ++i) key(SDLK_n);
    EXPECT_EQ(m->coins, 3) << "bet one never goes past the maximum";
    m->coins = 0;
    key(SDLK_n);
    key(SDLK_n);
    EXPECT_EQ(m->coins, 2);
    m->forcedStop = 10000000;  // a loss
    key(SDLK_RETURN);
    EXPECT_TRUE(m->spinning);
    EXPECT_FALSE(m->menuEnabled);

    // While the reels turn: no bets, no spins, no pay-out test, no reset.
    for (SDLKey k : {SDLK_m, SDLK_n, SDLK_t, SDLK_y}) key(k);
    EXPECT_EQ(ledger(), "credits=20 coins=2 won=0 lost=0 largest=0 bet=$0 paid=$0");

    testrt::finishSpin(*m);
    EXPECT_TRUE(m->menuEnabled);
    EXPECT_EQ(ledger(), "credits=18 coins=0 won=0 lost=1 largest=0 bet=$0.5 paid=$0");

    // Bet max bets three coins and spins.
    key(SDLK_m);
    EXPECT_TRUE(m->spinning);
    testrt::finishSpin(*m);
    EXPECT_EQ(m->credits, 15);
}

TEST_F(ThreeReelPlay, SettleTakesTheBetRecordsThenCountsTheWin) {
    m->wildChance = 1000000000;
    spinFor(80, 10, 2);  // three top bars, 80 a coin
    ASSERT_TRUE(m->spinning);
    EXPECT_EQ(m->win, 160);
    testrt::finishSpin(*m);

    // The win sound before the bet is taken.
    EXPECT_EQ(m->events, std::vector<std::string>{"winsound credits=10 win=160"});
    EXPECT_EQ(ledger(), "credits=168 coins=0 won=1 lost=0 largest=160 bet=$0.5 paid=$40");
    EXPECT_EQ(m->spinSoundChannel, nullptr);
    for (int reel = 0; reel < 3; ++reel) EXPECT_EQ(m->result.chosenSymbol(reel)->name, "10bar");
}

TEST_F(ThreeReelPlay, CarPrizeCountsNothingUpAndIsRecordedAsWon) {
    m->coinRules.clear();
    m->addJackpotMovieRule(m->symbolList({"wild"}), 3000, 3);
    m->showPaid(37);
    spinFor(3000, 5, 3);
    // The prize comes out of the draw like a per-coin win: 3000 times 3 coins.
    EXPECT_EQ(m->win, 9000);
    // Kept from the draw on: a game killed while the reels turn leaves the
    // play recorded as won in the save file, as the settle records it.
    const FileConfig kept = savefiles::saved("Reel_Tester", "10x");
    EXPECT_EQ(kept.readEntry("spinswon", 0L), 1);
    EXPECT_EQ(kept.readEntry("largestsinglewin", 0L), 9000);
    EXPECT_EQ(kept.readEntry("totalwon", 0.0), 2250.0);
    testrt::finishSpin(*m);
    // The credits only lose the bet and the paid meter keeps its old value;
    // the statistics record the spin's 9000 coins as won, at 25 cents a coin.
    EXPECT_EQ(ledger(), "credits=2 coins=0 won=1 lost=0 largest=9000 bet=$0.75 paid=$2250");
    EXPECT_EQ(m->paidMeter->text, "37");
    EXPECT_EQ(m->win, 9000) << "the award stays until the next spin";
    EXPECT_EQ(currentPlayer->trophies, std::vector<std::string>{"prgrssvcar"});
    EXPECT_EQ(savefiles::saved("Reel_Tester", "Reel_Tester").readEntry("trophies", ""), "prgrssvcar")
        << "a prize is kept as soon as it is won";
    EXPECT_TRUE(m->menuEnabled);
}

TEST_F(ThreeReelPlay, CountUpStepsAndTheLargestCreditCount) {
    struct Case {
        int win, steps;
    } cases[] = {{1, 1}, {25, 21}, {1000, 126}, {1234, 129}, {20000, 316}, {20001, 199}, {2000000000, 200}, {0, 0}};
    for (const Case& c : cases) {
        m->credits = 7;
        m->win = c.win;
        EXPECT_EQ(m->countUpWin(), c.steps) << c.win;
        EXPECT_EQ(m->credits, 7 + c.win);
        EXPECT_EQ(m->win, 0);
    }

    // A win on top of nearly the largest credit count stops there.
    spinFor(5000, INT_MAX - 2, 3);
    ASSERT_TRUE(m->spinning);
    testrt::finishSpin(*m);
    EXPECT_EQ(m->credits, INT_MAX);
}

// A win above 20,000 credits steps by a two-hundredth of itself (rounded
// up), or by the common step where that is larger; the last step pays just
// what is left. Read off the paid meter at each step's pause.
TEST_F(ThreeReelPlay, TheBoundedCountUpOfAHugeWinEndsOnAStepOfWhatIsLeft) {
    ThreeReelMachine::countUpDelay = 1;
    testrt::testClock.stop(1000, 0);
    std::vector<long long> paid;
    testrt::testClock.atRest = [&](Uint32) { paid.push_back(std::stoll(m->paidMeter->text)); };
    struct Case {
        int win;
        long long step;  // every step but the last
        int steps;
        long long last;  // the last step
    } cases[] = {
        {20001, 101, 199, 3},                       // 198 steps of 101 pay 19,998
        {2000000000, 10000000, 200, 10000000},      // 200 even steps
        {1999999999, 10000000, 200, 9999999},       // the last one short by one
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.win);
        paid.clear();
        m->credits = 0;
        m->win = c.win;
        EXPECT_EQ(m->countUpWin(), c.steps);
        ASSERT_EQ(paid.size(), static_cast<size_t>(c.steps));
        for (int i = 0; i + 1 < c.steps; ++i) ASSERT_EQ(paid[i], c.step * (i + 1)) << "step " << i + 1;
        EXPECT_EQ(paid.back() - paid[paid.size() - 2], c.last);
        EXPECT_EQ(paid.back(), c.win);
        EXPECT_EQ(m->credits, c.win);
    }
    testrt::testClock.atRest = nullptr;
}

TEST_F(ThreeReelPlay, LosingReelsShowNoPayAndNoWild) {
    m->coins = 1;
    m->forcedStop = 10000000;  // above every slice
    for (int i = 0; i < 2000; ++i) {
        m->spin();
        ASSERT_FALSE(m->result.matched);
        ASSERT_EQ(m->win, 0);
        ASSERT_EQ(m->result.chosen.size(), 3u);
        PayRule shown;
        for (int reel = 0; reel < 3; ++reel) {
            ASSERT_NE(m->result.chosenSymbol(reel)->name, "wild");
            shown.addSymbol(reel, m->result.chosen[reel]);
        }
        ASSERT_FALSE(m->anyRuleCovers(shown));
    }
}
