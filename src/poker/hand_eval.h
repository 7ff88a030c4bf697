// Poker hand classification and the pay tables' cascades.
//
// A hand is classified by one set of tests (straight, flush, n of a kind, ...)
// and paid by the first line of the machine's pay table whose hand holds, in
// the table's order. Machines with wild cards try every wild card as each of
// the 52 ordinary cards and pay the best result.
#pragma once

#include <cstdint>
#include <vector>

#include "poker/card.h"

namespace poker {

enum class Hand : int {
    Nothing = 0,
    HighPair,           // a single pair at or above the table's lowest paying rank
    TwoPair,
    ThreeOfAKind,
    Straight,           // five in sequence; the ace is high only, so A-2-3-4-5 is none
    Flush,
    FullHouse,
    FourOfAKind,
    StraightFlush,
    WildRoyalFlush,     // 10-J-Q-K-A of one suit made with a wild card
    FiveOfAKind,
    FourDeuces,
    NaturalRoyalFlush,  // 10-J-Q-K-A of one suit without any wild card
    Count
};

const char* handName(Hand hand);

enum class WildKind { None, Deuces, Jokers, DeucesAndJokers };

bool isWild(WildKind kind, int rank);

struct PayLine {
    Hand hand;
    int pay;  // coins per coin played
};

struct PayTable {
    std::vector<PayLine> cascade;  // in test order: the first hand that holds is paid
    int royalMaxCoinsPay = 0;      // natural royal's pay per coin when five coins are played
    int pairMinRank = kJack;       // lowest rank of a paying single pair
    bool foursByRank = false;      // four aces 80, four kings/queens/jacks 40, others 25
    WildKind wild = WildKind::None;
    int fourWildPay = 0;           // four or more wild cards pay this without a search
};

// What one five-card hand holds: a bit per Hand value, plus the rank of its
// four of a kind (0 when none).
struct HandShape {
    uint32_t holds = 0;
    int quadRank = 0;
    bool has(Hand h) const { return holds & (1u << static_cast<int>(h)); }
};

// The tests for one hand of five faces. anyWild marks a hand in which wild
// cards carry trial values (no natural royal then).
HandShape handShape(const int rank[5], const int suit[5], bool anyWild, int pairMinRank);

struct Evaluation {
    int payPerCoin = 0;
    Hand hand = Hand::Nothing;
};

// The pay per coin of a shape by the table's cascade at the given coins.
Evaluation payFor(const PayTable& table, const HandShape& shape, int coins);

// The exhaustive wild-card search over a hand: every wild card tried as
// every one of the 52 ordinary cards, the best pay kept (on equal pay, the
// hand of the earlier pay-table line). Works on its own
// copy of the faces, so the cards themselves never change.
class WildSearch {
public:
    WildSearch(const PayTable& table, int coins) : table_(table), coins_(coins) {}

    // Classifies the hand (searching when wild cards are present).
    Evaluation run(const Card* const cards[5]);

    int bestScore = 0;                  // best pay per coin so far
    bool wildAtPosition[5] = {false, false, false, false, false};
    int wildCount = 0;
    Hand bestHand = Hand::Nothing;
    long trials = 0;                    // hands scored by the last run

    // Recursive search from hand position p.
    void tryWilds(int p);
    // The pay per coin of the faces as they stand in the search.
    int scoreHand();
    // Of two trials that pay the same, the hand of the earlier pay-table
    // line is the one reported.
    void keepBest(int score);
    int lineOf(Hand hand) const;

private:
    const PayTable& table_;
    int coins_;
    int rank_[5] = {0, 0, 0, 0, 0};
    int suit_[5] = {0, 0, 0, 0, 0};
    Hand lastHand_ = Hand::Nothing;
};

// Convenience: the evaluation of five cards by a table at some coins.
Evaluation evaluateHand(const PayTable& table, const Card* const cards[5], int coins);
Evaluation evaluateHand(const PayTable& table, const std::vector<Card*>& cards, int coins);

}  // namespace poker
