// Hand classification, the nine pay tables and the wild-card search.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "poker/hand_eval.h"
#include "poker/pay_tables.h"
#include "poker/hand_text.h"

using namespace poker;
using pokertest::TextHand;

namespace {

int payPerCoin(const std::string& machine, const std::string& text, int coins) {
    TextHand h(text);
    return evaluateHand(*payTableFor(machine), h.ptrs(), coins).payPerCoin;
}

// The hand the search reports (at one coin).
Hand handOf(const std::string& machine, const std::string& text) {
    TextHand h(text);
    return evaluateHand(*payTableFor(machine), h.ptrs(), 1).hand;
}

// The win in coins at a number of coins played.
int win(const std::string& machine, const std::string& text, int coins) {
    return payPerCoin(machine, text, coins) * coins;
}

struct NaturalCase {
    const char* hand;
    int tens, jacks, fours, premium;  // pay per coin at one coin
};

const NaturalCase kNatural[] = {
    {"10H JH QH KH AH", 250, 250, 375, 500},   // royal flush
    {"9S 10S JS QS KS", 50, 50, 75, 100},      // straight flush, not a royal
    {"AS 2S 3S 4S 5S", 50, 50, 75, 100},       // suited wheel: straight flush
    {"AH AS AC AD 3H", 25, 25, 80, 50},
    {"KH KS KC KD 3H", 25, 25, 40, 50},
    {"10H 10S 10C 10D 3H", 25, 25, 25, 50},
    {"AH AS AC KD KH", 9, 8, 8, 20},           // full house, never three of a kind
    {"2H 7H 9H JH KH", 6, 6, 6, 15},
    {"5H 6S 7C 8D 9H", 4, 4, 4, 5},
    {"AH 2S 3C 4D 5H", 4, 4, 4, 5},            // wheel: straight with the ace low
    {"10H JS QC KD AH", 4, 4, 4, 5},
    {"7H 7S 7C KD 2H", 3, 2, 2, 3},
    {"7H 7S KC KD 2H", 1, 2, 2, 2},
    {"JH JS 3C 5D 8H", 1, 1, 1, 1},
    {"AH AS 3C 5D 8H", 1, 1, 1, 1},
    {"10H 10S 3C 5D 8H", 1, 0, 0, 0},
    {"9H 9S 3C 5D 8H", 0, 0, 0, 0},
    {"2H 5S 8C JD KH", 0, 0, 0, 0},
    {"KH AS 2C 3D 4H", 0, 0, 0, 0},            // K-A-2-3-4 wraps: no straight
};

}  // namespace

TEST(PokerPayTables, NaturalMachinesAtOneAndFiveCoins) {
    const std::map<std::string, int NaturalCase::*> machines = {
        {"10sorbetter", &NaturalCase::tens},    {"jacksorbetter", &NaturalCase::jacks},
        {"spinforcash", &NaturalCase::jacks},   {"4ofakind", &NaturalCase::fours},
        {"doublepremium", &NaturalCase::premium}, {"doubleupbonus", &NaturalCase::premium}};
    for (const auto& m : machines) {
        for (const NaturalCase& c : kNatural) {
            const int perCoin = c.*(m.second);
            SCOPED_TRACE(m.first + ": " + c.hand);
            EXPECT_EQ(win(m.first, c.hand, 1), perCoin);
            EXPECT_EQ(win(m.first, c.hand, 3), perCoin * 3);
            if (std::string(c.hand) != "10H JH QH KH AH") {
                EXPECT_EQ(win(m.first, c.hand, 5), perCoin * 5);
            }
        }
    }
}

TEST(PokerPayTables, RoyalFlushFiveCoinValueIsPerCoin) {
    const char* royal = "QD 10D AD JD KD";
    EXPECT_EQ(win("jacksorbetter", royal, 5), 5000);
    EXPECT_EQ(win("jacksorbetter", royal, 4), 1000);
    EXPECT_EQ(win("4ofakind", royal, 5), 2500);
    EXPECT_EQ(win("allwild", royal, 5), 5000);
    EXPECT_EQ(win("allwild", royal, 1), 500);
    EXPECT_EQ(win("deuceswild", royal, 5), 4000);
    EXPECT_EQ(win("jokerswild", royal, 5), 5000);
}

TEST(PokerWildCards, AllWild) {
    EXPECT_EQ(payPerCoin("allwild", "2H 2S XH 2C 7D", 1), 200);   // four wild cards
    EXPECT_EQ(payPerCoin("allwild", "2C 9S 9H KD 5C", 1), 1);     // three of a kind
    EXPECT_EQ(payPerCoin("allwild", "XH 9S 9H KD KC", 1), 3);     // full house
    EXPECT_EQ(payPerCoin("allwild", "9S 9H KD KC 5H", 1), 0);     // two pair pays nothing
    EXPECT_EQ(payPerCoin("allwild", "2H 10S JS QS KS", 5), 50);   // wild royal
    EXPECT_EQ(payPerCoin("allwild", "2H XH AS AH AD", 1), 200);   // five aces
    EXPECT_EQ(payPerCoin("allwild", "2H 5S 6S 7S 8S", 1), 17);
    EXPECT_EQ(payPerCoin("allwild", "XH AS 3C 4D 5H", 1), 1);     // joker fills the wheel
    EXPECT_EQ(payPerCoin("allwild", "XH 7S 7C 7D 3H", 1), 7);
    // Trips of fives are tried first; the straight pays as much from an earlier line.
    EXPECT_EQ(handOf("allwild", "2C XH 5S 6H 9D"), Hand::Straight);
}

TEST(PokerWildCards, DeucesWild) {
    EXPECT_EQ(payPerCoin("deuceswild", "2H 2S 2C 2D 9H", 1), 100);
    EXPECT_EQ(win("deuceswild", "10S JS QS KS AS", 5), 4000);
    EXPECT_EQ(payPerCoin("deuceswild", "2H 2S 2C KS AS", 1), 20);  // wild royal
    EXPECT_EQ(payPerCoin("deuceswild", "2H 2S 2C AS AH", 1), 10);  // five aces
    EXPECT_EQ(payPerCoin("deuceswild", "2H 7S 7C 7D KH", 1), 4);
    EXPECT_EQ(payPerCoin("deuceswild", "2H 7S 7C KD KH", 1), 4);   // full house
    EXPECT_EQ(handOf("deuceswild", "2H 2S 5C KD KH"), Hand::FourOfAKind);  // not the full house found first
    EXPECT_EQ(payPerCoin("deuceswild", "KH KS 5C 5D 9H", 1), 0);   // two pair pays nothing
    EXPECT_EQ(payPerCoin("deuceswild", "2H 9S 5C JD KH", 1), 0);   // a pair pays nothing
    EXPECT_EQ(payPerCoin("deuceswild", "2H AS 3S 4S 5S", 1), 8);   // suited wheel
    EXPECT_EQ(payPerCoin("deuceswild", "2H AS 3C 4S 5S", 1), 2);   // wheel straight
}

TEST(PokerWildCards, JokersWild) {
    EXPECT_EQ(payPerCoin("jokerswild", "10H JH QH KH XH", 1), 100);
    EXPECT_EQ(win("jokerswild", "10H JH QH KH AH", 5), 5000);
    EXPECT_EQ(payPerCoin("jokerswild", "XH KS KH 7D 4C", 1), 2);
    EXPECT_EQ(payPerCoin("jokerswild", "XH KS 7H 4D 2C", 1), 1);   // pair of kings
    EXPECT_EQ(payPerCoin("jokerswild", "QS QH 3C 5D 8S", 1), 0);
    EXPECT_EQ(payPerCoin("jokerswild", "QS QH 3C 3D 8S", 1), 1);   // two pair
    EXPECT_EQ(payPerCoin("jokerswild", "XH XH AS AD AC", 1), 200);
    EXPECT_EQ(payPerCoin("jokerswild", "XH AS 2C 3D 4H", 1), 3);   // wheel with the joker
    EXPECT_EQ(payPerCoin("jokerswild", "XH 2S 3S 4S 5S", 1), 50);  // joker as the ace or the six
}

// ---- An independent brute-force reference for the wild-card search ----

namespace {

// Which hands hold, as a bit per Hand: sorted ranks and group sizes.
uint32_t referenceHolds(std::vector<int> ranks, const std::vector<int>& suits, bool anyWild, int pairMin) {
    uint32_t out = 0;
    auto add = [&out](Hand h) { out |= 1u << static_cast<int>(h); };
    std::sort(ranks.begin(), ranks.end());
    int count[15] = {0};
    for (int r : ranks) ++count[r];
    std::vector<int> groups;
    for (int r = 0; r < 15; ++r)
        if (count[r]) groups.push_back(count[r]);
    std::sort(groups.rbegin(), groups.rend());
    const bool flush = std::count(suits.begin(), suits.end(), suits[0]) == 5;
    const bool distinct = groups.size() == 5;
    const bool run = distinct && (ranks[4] - ranks[0] == 4 || ranks == std::vector<int>{2, 3, 4, 5, 14});
    if (flush && ranks == std::vector<int>{10, 11, 12, 13, 14})
        add(anyWild ? Hand::WildRoyalFlush : Hand::NaturalRoyalFlush);
    if (count[2] == 4) add(Hand::FourDeuces);
    if (groups[0] == 5) add(Hand::FiveOfAKind);
    if (run && flush) add(Hand::StraightFlush);
    if (groups[0] == 4) add(Hand::FourOfAKind);
    if (groups.size() == 2 && groups[0] == 3) add(Hand::FullHouse);
    if (flush) add(Hand::Flush);
    if (run) add(Hand::Straight);
    if (groups[0] == 3) add(Hand::ThreeOfAKind);
    if (groups.size() >= 2 && groups[0] == 2 && groups[1] == 2) add(Hand::TwoPair);
    for (int r = pairMin; r < 15; ++r)
        if (count[r] == 2) add(Hand::HighPair);
    return out;
}

int referencePay(const PayTable& t, const std::vector<int>& ranks, const std::vector<int>& suits,
                 bool anyWild, int coins) {
    const uint32_t holds = referenceHolds(ranks, suits, anyWild, t.pairMinRank);
    for (const PayLine& line : t.cascade) {
        if (!(holds & (1u << static_cast<int>(line.hand)))) continue;
        if (line.hand == Hand::NaturalRoyalFlush && coins == 5) return t.royalMaxCoinsPay;
        return line.pay;
    }
    return 0;
}

int referenceBest(const PayTable& t, const std::vector<Card>& hand, int coins) {
    std::vector<int> wilds;
    for (int i = 0; i < 5; ++i)
        if (isWild(t.wild, hand[i].rank)) wilds.push_back(i);
    if (wilds.size() >= 4) return t.fourWildPay;
    std::vector<int> ranks(5), suits(5);
    for (int i = 0; i < 5; ++i) { ranks[i] = hand[i].rank; suits[i] = hand[i].suit; }
    int trialsTotal = 1;
    for (size_t k = 0; k < wilds.size(); ++k) trialsTotal *= 52;
    int best = 0;
    for (int n = 0; n < trialsTotal; ++n) {
        int code = n;
        for (int w : wilds) {
            ranks[w] = 2 + code % 13;
            suits[w] = (code / 13) % 4;
            code /= 52;
        }
        best = std::max(best, referencePay(t, ranks, suits, !wilds.empty(), coins));
    }
    return best;
}

std::vector<Card> randomHand(std::mt19937& rng, const PayTable& t, int wildWanted) {
    std::vector<Card> deck;
    for (int s = 0; s < 4; ++s)
        for (int r = 2; r <= 14; ++r) deck.push_back({s, r, false, false});
    if (t.wild != WildKind::Deuces) { deck.push_back({0, 0, false, false}); deck.push_back({0, 0, false, false}); }
    std::shuffle(deck.begin(), deck.end(), rng);
    std::vector<Card> hand;
    int wilds = 0;
    for (const Card& c : deck) {
        const bool w = isWild(t.wild, c.rank);
        if (w && wilds < wildWanted) { hand.push_back(c); ++wilds; }
        else if (!w && (int)hand.size() - wilds < 5 - wildWanted) hand.push_back(c);
        if (hand.size() == 5) break;
    }
    std::shuffle(hand.begin(), hand.end(), rng);
    return hand;
}

}  // namespace

TEST(PokerWildCards, SearchMatchesBruteForceReference) {
    std::mt19937 rng(20261206);
    for (const char* machine : {"allwild", "deuceswild", "jokerswild"}) {
        const PayTable& t = *payTableFor(machine);
        const int maxWild = t.wild == WildKind::Jokers ? 2 : 3;
        for (int k = 0; k <= maxWild; ++k) {
            const int rounds = k == 3 ? 2 : k == 2 ? 30 : 150;
            for (int i = 0; i < rounds; ++i) {
                std::vector<Card> hand = randomHand(rng, t, k);
                ASSERT_EQ(hand.size(), 5u);
                const int coins = 1 + i % 5;
                TextHand view("");
                view.cards = hand;
                const Evaluation e = evaluateHand(t, view.ptrs(), coins);
                std::string text;
                for (const Card& c : hand) text += rankName(c.rank) + "_" + suitName(c.suit) + " ";
                EXPECT_EQ(e.payPerCoin, referenceBest(t, hand, coins)) << machine << ": " << text;
            }
        }
    }
}

TEST(PokerHands, AllFiveCardHandsFallIntoTheKnownCounts) {
    // Every hand of a 52-card deck, classified by a cascade that pays any pair.
    PayTable t;
    t.cascade = {{Hand::NaturalRoyalFlush, 9}, {Hand::StraightFlush, 8}, {Hand::FourOfAKind, 7},
                 {Hand::FullHouse, 6},          {Hand::Flush, 5},         {Hand::Straight, 4},
                 {Hand::ThreeOfAKind, 3},       {Hand::TwoPair, 2},       {Hand::HighPair, 1}};
    t.pairMinRank = 2;
    int rank[52], suit[52];
    for (int i = 0; i < 52; ++i) { rank[i] = 2 + i % 13; suit[i] = i / 13; }
    long counts[10] = {0};
    for (int a = 0; a < 52; ++a)
    for (int b = a + 1; b < 52; ++b)
    for (int c = b + 1; c < 52; ++c)
    for (int d = c + 1; d < 52; ++d)
    for (int e = d + 1; e < 52; ++e) {
        const int r[5] = {rank[a], rank[b], rank[c], rank[d], rank[e]};
        const int s[5] = {suit[a], suit[b], suit[c], suit[d], suit[e]};
        ++counts[payFor(t, handShape(r, s, false, 2), 1).payPerCoin];
    }
    EXPECT_EQ(counts[9], 4);
    EXPECT_EQ(counts[8], 36);  // includes the four suited wheels
    EXPECT_EQ(counts[7], 624);
    EXPECT_EQ(counts[6], 3744);
    EXPECT_EQ(counts[5], 5108);
    EXPECT_EQ(counts[4], 10200);  // includes the wheels
    EXPECT_EQ(counts[3], 54912);
    EXPECT_EQ(counts[2], 123552);
    EXPECT_EQ(counts[1], 1098240);
    EXPECT_EQ(counts[0], 1302540);
}
