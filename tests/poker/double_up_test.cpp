// The double-up game of "doubleupbonus" and the cash wheel of "spinforcash":
// a whole wheel screen, the frame it stops on, and a wheel whose pictures are
// missing.
#include <climits>
#include <set>

#include "player/save_files.h"
#include "poker/poker_fixture.h"
#include "shell/animation.h"

using namespace pokertest;

namespace {

// Screen points inside the offer's answers and the card places.
const int kYesX = 271 + 10, kYesY = 435 + 10;
const int kNoX = 396 + 10, kNoY = 435 + 10;
int placeX(int place) { return 190 + 69 * (place - 1) + 10; }  // places 1..5
const int kPlaceY = 320 + 10;

class DoubleUp : public PokerTest {
protected:
    void SetUp() override {
        PokerTest::SetUp();
        m = openMachine<DoubleUpBonus>("doubleupbonus", "100");
        ASSERT_NE(m, nullptr);
        // A look anywhere but at a card place answers an offer: note the offer shown then.
        testInput.atLook = [this] {
            if (!testInput.points.empty() && testInput.points.front().second != kPlaceY && m->offerText)
                offers.push_back(m->offerText->text);
        };
    }
    void TearDown() override {
        delete m;
        PokerTest::TearDown();
    }
    DoubleUpBonus* m = nullptr;
    std::vector<std::string> offers;
};

}  // namespace

TEST_F(DoubleUp, CardGameComparesRanksOnly) {
    std::set<int> outcomes;
    for (uint32_t seed = 1; seed <= 80; ++seed) {
        sgenrand(seed);
        clearLoadedAssets();
        scriptedClick(placeX(1), kPlaceY);  // the dealer's card: nothing happens
        scriptedClick(placeX(3), kPlaceY);
        const int result = m->playDoubleUp(10);
        ASSERT_EQ(m->hand.size(), 5u);
        const int dealer = m->hand[0]->rank, mine = m->hand[2]->rank;
        EXPECT_EQ(result, mine > dealer ? 20 : mine == dealer ? 10 : 0) << "seed " << seed;
        outcomes.insert(result);
        EXPECT_TRUE(assetTried(poker::cardPicture(*m->hand[2]))) << "the picked card turns up";
        EXPECT_FALSE(assetTried(poker::cardPicture(*m->hand[1])));
        EXPECT_TRUE(assetTried(result > 0 ? "../sounds/bugle1.wav" : "../sounds/aww.wav"));
        for (size_t i = 0; i < 5; ++i)
            for (size_t j = i + 1; j < 5; ++j) EXPECT_NE(m->hand[i], m->hand[j]);
    }
    EXPECT_EQ(outcomes, (std::set<int>{0, 10, 20})) << "wins, ties and losses all came up";
}

TEST_F(DoubleUp, WinsDoubleUntilANoAndALossEndsAtOnce) {
    // Seed 1 deals winners to place 2 in the first two card games.
    sgenrand(1);
    scriptedClick(kYesX, kYesY);
    scriptedClick(placeX(2), kPlaceY);
    scriptedClick(270 + 10, 496 + 10);  // the first hold button answers yes too
    scriptedClick(placeX(2), kPlaceY);
    scriptedClick(374 + 10, 495 + 10);  // the third hold button answers no
    int amount = 10;
    m->offerDoubleUp(amount);
    EXPECT_EQ(amount, 40);
    EXPECT_EQ(offers, (std::vector<std::string>{"DOUBLE UP TO 20?", "DOUBLE UP TO 40?", "DOUBLE UP TO 80?"}));

    // Seed 4 deals a loser to place 2: no further offer.
    sgenrand(4);
    offers.clear();
    scriptedClick(kYesX, kYesY);
    scriptedClick(placeX(2), kPlaceY);
    scriptedClick(kNoX, kNoY);  // never needed
    amount = 10;
    m->offerDoubleUp(amount);
    EXPECT_EQ(amount, 0);
    EXPECT_EQ(offers.size(), 1u);
}

// The offer's answer and the card are taken where the pointer stands when
// the press is read, not at the point its event carries.
TEST_F(DoubleUp, AnswersAndPicksAreWhereThePointerStands) {
    // The event says yes with the pointer on no: declined. A card game
    // opened by mistake would end at the close queued behind.
    sgenrand(1);
    testrt::pressWithPointerAt(kNoX, kNoY, kYesX, kYesY);
    testrt::pushQuit();
    int amount = 10;
    m->offerDoubleUp(amount);
    EXPECT_EQ(amount, 10);
    EXPECT_EQ(offers, (std::vector<std::string>{"DOUBLE UP TO 20?"}));
    EXPECT_FALSE(quitRequested()) << "no card game was opened to see the close";
    testrt::drainEvents();

    // The event says no with the pointer on yes: a card game (seed 1 deals a
    // winner to place 2); then the event says the first hold button (yes)
    // with the pointer on the third (no).
    sgenrand(1);
    offers.clear();
    testrt::pressWithPointerAt(kYesX, kYesY, kNoX, kNoY);
    scriptedClick(placeX(2), kPlaceY);
    testrt::pressWithPointerAt(374 + 10, 495 + 10, 270 + 10, 496 + 10);
    testrt::pushQuit();
    amount = 10;
    m->offerDoubleUp(amount);
    EXPECT_EQ(amount, 20);
    EXPECT_EQ(offers, (std::vector<std::string>{"DOUBLE UP TO 20?", "DOUBLE UP TO 40?"}));
    EXPECT_FALSE(quitRequested());
    testrt::drainEvents();

    // A press that says place 4 with the pointer on the dealer's card picks
    // nothing; one that says place 5 with the pointer on place 3 picks place 3.
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        sgenrand(seed);
        clearLoadedAssets();
        testrt::pressWithPointerAt(placeX(1), kPlaceY, placeX(4), kPlaceY);
        testrt::pressWithPointerAt(placeX(3), kPlaceY, placeX(5), kPlaceY);
        const int result = m->playDoubleUp(10);
        ASSERT_EQ(m->hand.size(), 5u);
        const int dealer = m->hand[0]->rank, mine = m->hand[2]->rank;
        EXPECT_EQ(result, mine > dealer ? 20 : mine == dealer ? 10 : 0);
        EXPECT_TRUE(assetTried(poker::cardPicture(*m->hand[2]))) << "the card under the pointer turns up";
        EXPECT_FALSE(assetTried(poker::cardPicture(*m->hand[3])));
        EXPECT_FALSE(assetTried(poker::cardPicture(*m->hand[4])));
        testrt::drainEvents();
    }
}

TEST_F(DoubleUp, OffersStopBeforeCreditsCouldOverflowOrAtAWindowClose) {
    m->credits = INT_MAX - 100;
    int amount = 60;  // doubling would pass the largest credit count
    m->offerDoubleUp(amount);
    EXPECT_EQ(amount, 60);
    EXPECT_TRUE(offers.empty());
    EXPECT_EQ(m->winnerPaidText->text, "WINNER PAID: 60");
    scriptedClick(kNoX, kNoY);
    amount = 40;
    m->offerDoubleUp(amount);
    EXPECT_EQ(offers.size(), 1u);

    testrt::pushQuit();
    amount = 7;
    m->offerDoubleUp(amount);
    EXPECT_EQ(amount, 7);
    EXPECT_TRUE(quitRequested()) << "the close request is kept for the frame loop";
}

// Once the player has said yes, the five cards are drawn: the gamble's
// outcome no longer waits for the pick. The save file holds it at once with
// the first card beside the dealer's as the pick (a player who does nothing
// more), a close before the pick ends the gamble with that card, never with
// the stake back, and a pick made keeps its own outcome before it is shown.
TEST_F(DoubleUp, TheCardsAreKeptWhenDealtAndAClosePicksTheFirstCard) {
    int stakeBackAnyway = 0, lostOnClose = 0;
    for (uint32_t seed = 1; seed <= 30; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        sgenrand(seed);
        scriptedClick(placeX(2), kPlaceY);
        const int withFirstCard = m->playDoubleUp(10);
        const int dealer = m->hand[0]->rank, first = m->hand[1]->rank, last = m->hand[4]->rank;
        EXPECT_EQ(withFirstCard, first > dealer ? 20 : first == dealer ? 10 : 0);

        sgenrand(seed);
        testrt::pushQuit();
        const int closed = m->playDoubleUp(10);
        clearQuitRequest();
        testrt::drainEvents();
        EXPECT_EQ(closed, withFirstCard);
        stakeBackAnyway += closed == 10;
        lostOnClose += closed == 0;

        // A play under way: 5 coins bet, 10 won so far, now staked.
        m->credits = 100;
        m->keepDrawnPlay("doubleupbonus", 5, 10);
        const double account = currentPlayer->money;
        double atThePick = -1;
        testInput.atLook = [&] { atThePick = savefiles::savedMoney(currentPlayer->name); };
        sgenrand(seed);
        scriptedClick(placeX(5), kPlaceY);
        const int picked = m->playDoubleUp(10);
        testInput.atLook = nullptr;
        EXPECT_EQ(picked, last > dealer ? 20 : last == dealer ? 10 : 0);
        EXPECT_EQ(atThePick, account + 100 - 5 + withFirstCard) << "the dealt cards, kept before the pick";
        EXPECT_EQ(savefiles::savedMoney(currentPlayer->name), account + 100 - 5 + picked) << "the pick, kept";
        m->credits = 100 - 5 + picked;
        m->endDrawnPlay();
    }
    EXPECT_GT(lostOnClose, 0) << "a close must not give the stake back when the first card loses";
    EXPECT_LT(stakeBackAnyway, 30);
}

TEST_F(DoubleUp, DrawWithAWinOffersAndSettlesTheAnswer) {
    const int credits = m->credits;
    // A dealt pair of jacks, all five held: the draw replaces nothing.
    m->coinsPlayed = 5;
    setHand(*m, {{11, 0}, {11, 1}, {4, 2}, {7, 3}, {9, 0}});
    for (Card* c : m->hand) c->held = true;
    m->handOut = true;
    scriptedClick(kNoX, kNoY);
    m->drawCards();
    EXPECT_EQ(offers, (std::vector<std::string>{"DOUBLE UP TO 10?"}));
    EXPECT_EQ(m->credits, credits - 5 + 5);
    EXPECT_EQ(currentPlayer->findStats("doubleupbonus")->spinswon, 1);
    EXPECT_EQ(display->savedScreen, nullptr) << "the screen saved for the offer was restored";

    // A losing hand opens no offer.
    setHand(*m, {{2, 0}, {5, 1}, {9, 2}, {12, 3}, {13, 0}});
    m->coinsPlayed = 1;
    EXPECT_EQ(m->evaluateHand(), 0);
    EXPECT_EQ(offers.size(), 1u);
}

TEST_F(PokerTest, CashWheelBonusPaysWhereItStopsAndRestoresTheScreen) {
    SDL_FillRect(display->screen, nullptr, SDL_MapRGB(display->screen->format, 20, 90, 40));
    const Uint16 before = static_cast<Uint16*>(display->screen->pixels)[358 * (display->screen->pitch / 2) + 400];
    sgenrand(99);
    const int prize = runCashWheelBonus();
    EXPECT_GE(prize, 5);
    EXPECT_EQ(testClock.pauses, (std::vector<Uint32>{1000, 4000}));
    EXPECT_TRUE(assetTried("../sounds/wheelseq.wav"));
    const Uint16 after = static_cast<Uint16*>(display->screen->pixels)[358 * (display->screen->pitch / 2) + 400];
    EXPECT_EQ(after, before);
    EXPECT_EQ(display->savedScreen, nullptr);
}

TEST_F(PokerTest, SpinEndsOnTheFrameItShowsOrOnNothingWithoutPictures) {
    for (const char* folder : {"", "../gfx/bonus/nowhere/"}) {
        PrizeWheelSpec spec = cashWheel();
        if (*folder) spec.folder = folder;
        Animation wheel(spec.folder, spec.wheelName, 40, 1, 219, 177, 0, true, false);
        for (uint32_t seed : {5u, 6u, 7u}) {
            sgenrand(seed);
            wheel.setFps(40);
            int prize = -1;
            std::string colour;
            testing::internal::CaptureStdout();
            spinPrizeWheel(spec, wheel, prize, colour);
            const std::string said = testing::internal::GetCapturedStdout();
            const bool complained = said.find("Something went wrong") != std::string::npos;
            EXPECT_EQ(prize, *folder ? 0 : wheelPrizeAt(spec, wheel.frameIndex)) << folder;
            EXPECT_EQ(prize > 0, !complained) << folder;
        }
    }
}
