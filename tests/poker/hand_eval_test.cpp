// Hand classification and the wild-card search.
#include <gtest/gtest.h>

#include "poker/hand_eval.h"
#include "poker/pay_tables.h"

using namespace poker;

namespace {

std::vector<Card*> pointersTo(std::vector<Card>& cards) {
    std::vector<Card*> p;
    for (size_t i = 0; i < 5 && i < cards.size(); ++i) p.push_back(&cards[i]);
    return p;
}

}  // namespace

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
    // The ace is high only: A-2-3-4-5 is no straight (of one suit, a flush).
    EXPECT_EQ(std::vector<long>(counts, counts + 10),
              (std::vector<long>{1303560, 1098240, 123552, 54912, 9180, 5112, 3744, 624, 32, 4}));
}
