// The double-up game of "doubleupbonus" and the cash wheel of "spinforcash".
#include <climits>
#include <set>

#include "poker/poker_fixture.h"
#include "shell/app.h"
#include "shell/text_label.h"

using namespace pokertest;

namespace {

// Screen points inside the offer's answers and the card places.
const int kYesX = 271 + 10, kYesY = 435 + 10;
const int kNoX = 396 + 10, kNoY = 435 + 10;
const int kHold0X = 270 + 10, kHold0Y = 496 + 10;
const int kHold2X = 374 + 10, kHold2Y = 495 + 10;
int placeX(int place) { return 190 + 69 * (place - 1) + 10; }  // places 1..5
const int kPlaceY = 320 + 10;

int expectedGame(int dealer, int mine, int stake) {
    return mine > dealer ? 2 * stake : mine == dealer ? stake : 0;
}

class DoubleUp : public PokerTest {
protected:
    void SetUp() override {
        PokerTest::SetUp();
        m = open<DoubleUpBonus>("doubleupbonus", "100");
        ASSERT_NE(m, nullptr);
        // A look at a card place is a pick in a card game; any other is an answer to an offer.
        onMouseLook = [this] {
            if (mousePoints.empty()) return;
            if (mousePoints.front().second == kPlaceY) {
                if (m->hand.size() == 5) games.push_back({m->hand[0]->rank, m->hand[1]->rank});
            } else if (m->offerText) {
                offers.push_back(m->offerText->text);
            }
        };
    }
    void TearDown() override {
        onMouseLook = nullptr;
        delete m;
        PokerTest::TearDown();
    }
    DoubleUpBonus* m = nullptr;
    std::vector<std::string> offers;
    std::vector<std::pair<int, int>> games;  // (dealer's rank, picked rank) at each pick of place 2
};

}  // namespace

TEST_F(DoubleUp, CardGameComparesRanksOnly) {
    std::set<int> outcomes;
    for (uint32_t seed = 1; seed <= 80; ++seed) {
        sgenrand(seed);
        clearLoadedAssets();
        pushClick(placeX(1), kPlaceY);  // the dealer's card: nothing happens
        pushClick(placeX(3), kPlaceY);
        const int result = m->playDoubleUp(10);
        ASSERT_EQ(m->hand.size(), 5u);
        EXPECT_EQ(result, expectedGame(m->hand[0]->rank, m->hand[2]->rank, 10)) << "seed " << seed;
        outcomes.insert(result);
        EXPECT_TRUE(assetTried(poker::cardPicture(*m->hand[2]))) << "the picked card turns up";
        EXPECT_FALSE(assetTried(poker::cardPicture(*m->hand[1])));
        EXPECT_TRUE(assetTried(result > 0 ? "../sounds/bugle1.wav" : "../sounds/aww.wav"));
        for (size_t i = 0; i < 5; ++i)
            for (size_t j = i + 1; j < 5; ++j) EXPECT_NE(m->hand[i], m->hand[j]);
    }
    EXPECT_EQ(outcomes, (std::set<int>{0, 10, 20})) << "wins, ties and losses all came up";
}

TEST_F(DoubleUp, TwoWonGamesThenNo) {
    // Seed 1 deals winners to place 2 in the first two card games.
    sgenrand(1);
    pushClick(kYesX, kYesY);
    pushClick(placeX(2), kPlaceY);
    pushClick(kHold0X, kHold0Y);  // the first hold button answers yes too
    pushClick(placeX(2), kPlaceY);
    pushClick(kHold2X, kHold2Y);  // the third hold button answers no
    int amount = 10;
    m->offerDoubleUp(amount);
    ASSERT_EQ(games.size(), 2u);
    EXPECT_EQ(amount, 40);
    EXPECT_EQ(offers, (std::vector<std::string>{"DOUBLE UP TO 20?", "DOUBLE UP TO 40?", "DOUBLE UP TO 80?"}));
}

TEST_F(DoubleUp, ALostGameEndsAtOnce) {
    // Seed 4 deals a loser to place 2.
    sgenrand(4);
    pushClick(kYesX, kYesY);
    pushClick(placeX(2), kPlaceY);
    pushClick(kNoX, kNoY);  // never needed
    int amount = 10;
    m->offerDoubleUp(amount);
    ASSERT_EQ(games.size(), 1u);
    EXPECT_LT(games[0].second, games[0].first);
    EXPECT_EQ(amount, 0);
    EXPECT_EQ(offers.size(), 1u);
}

TEST_F(DoubleUp, WindowCloseDuringTheOfferKeepsTheWinAndTheQuit) {
    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    int amount = 7;
    m->offerDoubleUp(amount);
    EXPECT_EQ(amount, 7);
    EXPECT_TRUE(quitRequested()) << "the close request is kept for the frame loop";
}

TEST_F(DoubleUp, OffersStopBeforeCreditsCouldOverflow) {
    m->credits = INT_MAX - 100;
    int amount = 60;  // doubling would pass the largest credit count
    m->offerDoubleUp(amount);
    EXPECT_EQ(amount, 60);
    EXPECT_TRUE(offers.empty());
    EXPECT_EQ(m->winnerPaidText->text, "WINNER PAID: 60");
    pushClick(kNoX, kNoY);
    amount = 40;
    m->offerDoubleUp(amount);
    EXPECT_EQ(offers.size(), 1u);
}

TEST_F(DoubleUp, DrawWithAWinOffersAndSettlesTheAnswer) {
    const int credits = m->credits;
    // A dealt pair of jacks, all five held: the draw replaces nothing.
    m->coinsPlayed = 5;
    setHand(*m, {{11, 0}, {11, 1}, {4, 2}, {7, 3}, {9, 0}});
    for (Card* c : m->hand) c->held = true;
    m->handOut = true;
    pushClick(kNoX, kNoY);
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

TEST_F(PokerTest, SpinForCashTurnsTheWheelOnAFullHouseAtFiveCoins) {
    std::set<int> prizes;
    for (const WheelStop& s : cashWheel().stops) prizes.insert(s.prize);
    SpinForCash* m = open<SpinForCash>("spinforcash", "100");
    const std::vector<std::pair<int, int>> fullHouse = {{9, 0}, {9, 1}, {9, 2}, {4, 3}, {4, 0}};

    setHand(*m, fullHouse);
    m->coinsPlayed = 4;
    clearLoadedAssets();
    EXPECT_EQ(m->evaluateHand(), 32);
    EXPECT_FALSE(assetTried("../gfx/bonus/wheelofcash/bonus.png"));

    setHand(*m, {{2, 0}, {6, 0}, {9, 0}, {11, 0}, {13, 0}});
    m->coinsPlayed = 5;
    EXPECT_EQ(m->evaluateHand(), 30) << "a flush never turns the wheel";
    EXPECT_FALSE(assetTried("../gfx/bonus/wheelofcash/bonus.png"));

    setHand(*m, fullHouse);
    m->coinsPlayed = 5;
    const int win = m->evaluateHand();
    EXPECT_TRUE(assetTried("../gfx/bonus/wheelofcash/bonus.png"));
    EXPECT_TRUE(assetTried("../sounds/wheelseq.wav"));
    EXPECT_TRUE(prizes.count(win - 40)) << win;
    EXPECT_TRUE(assetTried("../sounds/birdclap.wav"));

    setHand(*m, {{10, 1}, {11, 1}, {12, 1}, {13, 1}, {14, 1}});
    const int royal = m->evaluateHand();
    EXPECT_TRUE(prizes.count(royal - 5000)) << royal;
    delete m;
}
