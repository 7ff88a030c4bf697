// Hand classification, the nine pay tables and the wild-card search.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>

#include "poker/hand_eval.h"
#include "poker/pay_tables.h"
#include "poker/hand_text.h"
#include "player/machine_table.h"

using namespace poker;
using pokertest::TextHand;

namespace {

// The hand the search reports (at one coin).
Hand handOf(const std::string& machine, const std::string& text) {
    TextHand h(text);
    return evaluateHand(*payTableFor(machine), h.ptrs(), 1).hand;
}

// Coins paid at one and at five coins over a fixed run of seeded deals from
// the machine's pack (jokers in it where they are wild), every tenth deal a
// royal flush so that the five-coin royal pay counts too.
std::string dealtPays(const PayTable& t, const std::string& id) {
    std::vector<Card> pack;
    for (int s = 0; s < 4; ++s)
        for (int r = 2; r <= 14; ++r) pack.push_back({s, r, false, false});
    if (t.wild == WildKind::Jokers || t.wild == WildKind::DeucesAndJokers) pack.push_back({0, 0, false, false});
    std::mt19937 rng(20261206);
    long long one = 0, five = 0;
    for (int deal = 0; deal < 5000; ++deal) {
        std::shuffle(pack.begin(), pack.end(), rng);
        TextHand h(deal % 10 == 0 ? "10S JS QS KS AS" : "");
        if (deal % 10) h.cards.assign(pack.begin(), pack.begin() + 5);
        one += evaluateHand(t, h.ptrs(), 1).payPerCoin;
        five += evaluateHand(t, h.ptrs(), 5).payPerCoin * 5;
    }
    return id + ": " + std::to_string(one) + " / " + std::to_string(five);
}

}  // namespace

// One golden line per machine: any change to a pay table, its order, the
// pairs it pays, the royal at five coins or the wild cards moves it.
TEST(PokerPayTables, EveryMachinePaysWhatItsTableSays) {
    const std::vector<std::string> golden = {
        "10sorbetter: 126475 / 2507375",
        "4ofakind: 188913 / 1257065",
        "allwild: 252135 / 2510675",
        "deuceswild: 251255 / 2006275",
        "doublepremium: 251752 / 2508760",
        "doubleupbonus: 251752 / 2508760",
        "jacksorbetter: 126413 / 2507065",
        "jokerswild: 251375 / 2506875",
        "spinforcash: 126413 / 2507065",
    };
    std::vector<std::string> got;
    for (const MachineInfo& info : machineTable())
        if (info.category == MachineCategory::Poker) got.push_back(dealtPays(*payTableFor(info.id), info.id));
    std::string all;
    for (const std::string& g : got) all += "        \"" + g + "\",\n";
    EXPECT_EQ(golden, got) << all;
}

// The search pays the best hand; where two hands pay alike, the one shown is
// the first the table lists.
TEST(PokerWildCards, ReportedHandOfEqualPays) {
    EXPECT_EQ(handOf("allwild", "2C XH 5S 6H 9D"), Hand::Straight);
    EXPECT_EQ(handOf("deuceswild", "2H 2S 5C KD KH"), Hand::FourOfAKind);
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
    // Straight flushes and straights include the wheels (ace low).
    EXPECT_EQ(std::vector<long>(counts, counts + 10),
              (std::vector<long>{1302540, 1098240, 123552, 54912, 10200, 5108, 3744, 624, 36, 4}));
}
