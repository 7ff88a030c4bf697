// Hand classification, the nine pay tables and the wild-card search.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "poker/hand_eval.h"
#include "poker/pay_tables.h"
#include "player/machine_table.h"

using namespace poker;

namespace {

std::vector<Card*> pointersTo(std::vector<Card>& cards) {
    std::vector<Card*> p;
    for (size_t i = 0; i < 5 && i < cards.size(); ++i) p.push_back(&cards[i]);
    return p;
}

// Coins paid at one and at five coins over a fixed run of seeded deals from
// the machine's pack (its two jokers in it where they are wild), every tenth
// deal a royal flush so that the five-coin royal pay counts too. The hands
// point into the pack itself, so a search that changed a card would move the
// deals after it.
std::string dealtPays(const PayTable& t, const std::string& id) {
    std::vector<Card> pack;
    for (int s = 0; s < 4; ++s)
        for (int r = 2; r <= kAce; ++r) pack.push_back({s, r, false, false});
    if (t.wild == WildKind::Jokers || t.wild == WildKind::DeucesAndJokers) pack.insert(pack.end(), 2, Card{0, kJoker});
    std::vector<Card> royal = {{1, 10}, {1, kJack}, {1, kQueen}, {1, kKing}, {1, kAce}};  // spades
    std::mt19937 rng(20261206);
    long long one = 0, five = 0;
    for (int deal = 0; deal < 5000; ++deal) {
        std::shuffle(pack.begin(), pack.end(), rng);
        const std::vector<Card*> hand = pointersTo(deal % 10 == 0 ? royal : pack);
        one += evaluateHand(t, hand, 1).payPerCoin;
        five += evaluateHand(t, hand, 5).payPerCoin * 5;
    }
    return id + ": " + std::to_string(one) + " / " + std::to_string(five);
}

}  // namespace

// One golden line per machine: any change to a pay table, its order, the
// pairs it pays, the royal at five coins, the wild cards or the search over
// their values moves it.
TEST(PokerPayTables, EveryMachinePaysWhatItsTableSays) {
    const std::string golden =
        "10sorbetter: 126475 / 2507375\n"
        "4ofakind: 188913 / 1257065\n"
        "allwild: 253581 / 2517905\n"
        "deuceswild: 251255 / 2006275\n"
        "doublepremium: 251752 / 2508760\n"
        "doubleupbonus: 251752 / 2508760\n"
        "jacksorbetter: 126413 / 2507065\n"
        "jokerswild: 251988 / 2509940\n"
        "spinforcash: 126413 / 2507065\n";
    std::string got;
    for (const MachineInfo& info : machineTable())
        if (info.category == MachineCategory::Poker) got += dealtPays(*payTableFor(info.id), info.id) + "\n";
    EXPECT_EQ(got, golden);
}

// The search pays the best hand; where two hands pay alike, the one shown is
// the first the table lists.
TEST(PokerWildCards, ReportedHandOfEqualPays) {
    // Suits: 0 hearts, 1 spades, 2 clubs, 3 diamonds.
    std::vector<Card> straight = {{2, 2}, {0, kJoker}, {1, 5}, {0, 6}, {3, 9}};
    EXPECT_EQ(evaluateHand(*payTableFor("allwild"), pointersTo(straight), 1).hand, Hand::Straight);
    std::vector<Card> four = {{0, 2}, {1, 2}, {2, 5}, {3, kKing}, {0, kKing}};
    EXPECT_EQ(evaluateHand(*payTableFor("deuceswild"), pointersTo(four), 1).hand, Hand::FourOfAKind);
}

TEST(PokerHands, AllFiveCardHandsFallIntoTheKnownCounts) {
    // Every hand of a 52-card deck, classified by a cascade that pays any pair.
    PayTable t;
    t.cascade = {{Hand::NaturalRoyalFlush, 9}, {Hand::StraightFlush, 8}, {Hand::FourOfAKind, 7},
                 {Hand::FullHouse, 6},          {Hand::Flush, 5},         {Hand::Straight, 4},
                 {Hand::ThreeOfAKind, 3},       {Hand::TwoPair, 2},       {Hand::HighPair, 1}};
    t.pairMinRank = 2;
    long counts[10] = {0};
    for (int a = 0; a < 52; ++a)
    for (int b = a + 1; b < 52; ++b)
    for (int c = b + 1; c < 52; ++c)
    for (int d = c + 1; d < 52; ++d)
    for (int e = d + 1; e < 52; ++e) {
        // Card i is rank 2 + i % 13 of suit i / 13.
        const int r[5] = {2 + a % 13, 2 + b % 13, 2 + c % 13, 2 + d % 13, 2 + e % 13};
        const int s[5] = {a / 13, b / 13, c / 13, d / 13, e / 13};
        ++counts[payFor(t, handShape(r, s, false, 2), 1).payPerCoin];
    }
    // Straight flushes and straights include the wheels (ace low).
    EXPECT_EQ(std::vector<long>(counts, counts + 10),
              (std::vector<long>{1302540, 1098240, 123552, 54912, 10200, 5108, 3744, 624, 36, 4}));
}
