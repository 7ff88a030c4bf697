#include "poker/hand_eval.h"

namespace poker {

const char* handName(Hand hand) {
    switch (hand) {
    case Hand::Nothing: return "nothing";
    case Hand::HighPair: return "pair";
    case Hand::TwoPair: return "two pair";
    case Hand::ThreeOfAKind: return "three of a kind";
    case Hand::Straight: return "straight";
    case Hand::Flush: return "flush";
    case Hand::FullHouse: return "full house";
    case Hand::FourOfAKind: return "four of a kind";
    case Hand::StraightFlush: return "straight flush";
    case Hand::WildRoyalFlush: return "wild royal flush";
    case Hand::FiveOfAKind: return "five of a kind";
    case Hand::FourDeuces: return "four deuces";
    case Hand::NaturalRoyalFlush: return "royal flush";
    default: return "?";
    }
}

bool isWild(WildKind kind, int rank) {
    switch (kind) {
    case WildKind::Deuces: return rank == 2;
    case WildKind::Jokers: return rank == kJoker;
    case WildKind::DeucesAndJokers: return rank == 2 || rank == kJoker;
    default: return false;
    }
}

namespace {
inline uint32_t bit(Hand h) { return 1u << static_cast<int>(h); }
}  // namespace

HandShape handShape(const int rank[5], const int suit[5], bool anyWild, int pairMinRank) {
    int counts[15] = {0};
    int lo = 99, hi = -1;
    bool oneSuit = true;
    for (int i = 0; i < 5; ++i) {
        const int r = rank[i];
        if (r >= 0 && r < 15) ++counts[r];
        if (r < lo) lo = r;
        if (r > hi) hi = r;
        if (suit[i] != suit[0]) oneSuit = false;
    }
    int pairs = 0;
    bool trips = false, highPair = false;
    HandShape s;
    for (int r = 0; r < 15; ++r) {
        switch (counts[r]) {
        case 2:
            ++pairs;
            if (r >= pairMinRank) highPair = true;
            break;
        case 3: trips = true; break;
        case 4: s.quadRank = r; break;
        case 5: s.holds |= bit(Hand::FiveOfAKind); break;
        default: break;
        }
    }
    const bool distinct = hi >= 0 && pairs == 0 && !trips && s.quadRank == 0 && !s.has(Hand::FiveOfAKind);
    // The ace counts high only: A-2-3-4-5 spans 12 and is no straight.
    const bool straight = distinct && hi - lo == 4;
    const bool royalShape = distinct && hi - lo == 4 && oneSuit && hi == kAce && lo == 10;

    if (royalShape) s.holds |= anyWild ? bit(Hand::WildRoyalFlush) : bit(Hand::NaturalRoyalFlush);
    if (counts[2] == 4) s.holds |= bit(Hand::FourDeuces);
    if (straight && oneSuit) s.holds |= bit(Hand::StraightFlush);
    if (s.quadRank) s.holds |= bit(Hand::FourOfAKind);
    if (trips && pairs == 1) s.holds |= bit(Hand::FullHouse);
    if (oneSuit) s.holds |= bit(Hand::Flush);
    if (straight) s.holds |= bit(Hand::Straight);
    if (trips) s.holds |= bit(Hand::ThreeOfAKind);
    if (pairs == 2) s.holds |= bit(Hand::TwoPair);
    if (highPair) s.holds |= bit(Hand::HighPair);
    return s;
}

Evaluation payFor(const PayTable& table, const HandShape& shape, int coins) {
    for (const PayLine& line : table.cascade) {
        if (!shape.has(line.hand)) continue;
        int pay = line.pay;
        if (line.hand == Hand::NaturalRoyalFlush && coins == 5) pay = table.royalMaxCoinsPay;
        if (line.hand == Hand::FourOfAKind && table.foursByRank) {
            if (shape.quadRank == kAce) pay = 80;
            else if (shape.quadRank >= kJack) pay = 40;
            else pay = 25;
        }
        return {pay, line.hand};
    }
    return {};
}

int WildSearch::scoreHand() {
    ++trials;
    const Evaluation e = payFor(table_, handShape(rank_, suit_, wildCount > 0, table_.pairMinRank), coins_);
    lastHand_ = e.hand;
    return e.payPerCoin;
}

int WildSearch::lineOf(Hand hand) const {
    for (size_t i = 0; i < table_.cascade.size(); ++i)
        if (table_.cascade[i].hand == hand) return static_cast<int>(i);
    return static_cast<int>(table_.cascade.size());
}

// Keeps the trial just scored when it pays more, or as much from an earlier
// line of the pay table (a deuce that makes four of a kind or a full house,
// both paying 4, makes four of a kind).
void WildSearch::keepBest(int score) {
    if (score > bestScore || (score == bestScore && score > 0 && lineOf(lastHand_) < lineOf(bestHand))) {
        bestScore = score;
        bestHand = lastHand_;
    }
}

void WildSearch::tryWilds(int p) {
    if (!wildAtPosition[p]) {
        if (p == 4) {
            keepBest(scoreHand());
        } else {
            tryWilds(p + 1);
        }
        return;
    }
    const int keepSuit = suit_[p], keepRank = rank_[p];
    for (int s = 0; s < 4; ++s) {
        for (int r = 2; r <= kAce; ++r) {
            suit_[p] = s;
            rank_[p] = r;
            if (p == 4) {
                keepBest(scoreHand());
            } else {
                tryWilds(p + 1);
            }
        }
    }
    suit_[p] = keepSuit;
    rank_[p] = keepRank;
}

Evaluation WildSearch::run(const Card* const cards[5]) {
    wildCount = 0;
    trials = 0;
    bestScore = 0;
    bestHand = Hand::Nothing;
    for (int i = 0; i < 5; ++i) {
        rank_[i] = cards[i]->rank;
        suit_[i] = cards[i]->suit;
        wildAtPosition[i] = isWild(table_.wild, rank_[i]);
        if (wildAtPosition[i]) ++wildCount;
    }
    if (wildCount >= 4) {
        bestScore = table_.fourWildPay;
        bestHand = Hand::FiveOfAKind;
        for (const PayLine& line : table_.cascade)
            if (line.hand == Hand::FourDeuces) bestHand = Hand::FourDeuces;
        return {bestScore, bestHand};
    }
    tryWilds(0);
    return {bestScore, bestHand};
}

Evaluation evaluateHand(const PayTable& table, const Card* const cards[5], int coins) {
    WildSearch search(table, coins);
    return search.run(cards);
}

Evaluation evaluateHand(const PayTable& table, const std::vector<Card*>& cards, int coins) {
    if (cards.size() < 5) return {};
    const Card* five[5] = {cards[0], cards[1], cards[2], cards[3], cards[4]};
    return evaluateHand(table, five, coins);
}

}  // namespace poker
