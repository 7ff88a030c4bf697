#include "poker/pay_tables.h"

namespace poker {

namespace {

using H = Hand;

// The natural-hand cascade shared by the six machines without wild cards.
PayTable natural(int royal, int royal5, int straightFlush, int four, int fullHouse, int flush,
                 int straight, int three, int twoPair, int pairMinRank, bool foursByRank = false) {
    PayTable t;
    t.cascade = {{H::NaturalRoyalFlush, royal}, {H::StraightFlush, straightFlush},
                 {H::FourOfAKind, four},        {H::FullHouse, fullHouse},
                 {H::Flush, flush},             {H::Straight, straight},
                 {H::ThreeOfAKind, three},      {H::TwoPair, twoPair},
                 {H::HighPair, 1}};
    t.royalMaxCoinsPay = royal5;
    t.pairMinRank = pairMinRank;
    t.foursByRank = foursByRank;
    return t;
}

PayTable allWild() {
    PayTable t;
    t.cascade = {{H::NaturalRoyalFlush, 500}, {H::FiveOfAKind, 200}, {H::WildRoyalFlush, 50},
                 {H::StraightFlush, 17},      {H::FourOfAKind, 7},   {H::FullHouse, 3},
                 {H::Flush, 2},               {H::Straight, 1},      {H::ThreeOfAKind, 1}};
    t.royalMaxCoinsPay = 1000;
    t.wild = WildKind::DeucesAndJokers;
    t.fourWildPay = 200;
    return t;
}

PayTable deucesWild() {
    PayTable t;
    t.cascade = {{H::NaturalRoyalFlush, 500}, {H::FourDeuces, 100}, {H::WildRoyalFlush, 20},
                 {H::FiveOfAKind, 10},        {H::StraightFlush, 8}, {H::FourOfAKind, 4},
                 {H::FullHouse, 4},           {H::Flush, 2},        {H::Straight, 2},
                 {H::ThreeOfAKind, 1}};
    t.royalMaxCoinsPay = 800;
    t.wild = WildKind::Deuces;
    t.fourWildPay = 100;
    return t;
}

PayTable jokersWild() {
    PayTable t;
    t.cascade = {{H::NaturalRoyalFlush, 500}, {H::FiveOfAKind, 200}, {H::WildRoyalFlush, 100},
                 {H::StraightFlush, 50},      {H::FourOfAKind, 17},  {H::FullHouse, 7},
                 {H::Flush, 5},               {H::Straight, 3},      {H::ThreeOfAKind, 2},
                 {H::TwoPair, 1},             {H::HighPair, 1}};
    t.royalMaxCoinsPay = 1000;
    t.pairMinRank = kKing;
    t.wild = WildKind::Jokers;
    t.fourWildPay = 200;
    return t;
}

}  // namespace

const PayTable* payTableFor(const std::string& id) {
    //                                         royal r5   SF  4K  FH fl st 3K 2P pair
    static const PayTable tens = natural(250, 1000, 50, 25, 9, 6, 4, 3, 1, 10);
    static const PayTable jacks = natural(250, 1000, 50, 25, 8, 6, 4, 2, 2, kJack);
    static const PayTable fours = natural(375, 500, 75, 25, 8, 6, 4, 2, 2, kJack, true);
    static const PayTable premium = natural(500, 1000, 100, 50, 20, 15, 5, 3, 2, kJack);
    static const PayTable all = allWild();
    static const PayTable deuces = deucesWild();
    static const PayTable jokers = jokersWild();
    if (id == "10sorbetter") return &tens;
    if (id == "jacksorbetter" || id == "spinforcash") return &jacks;
    if (id == "4ofakind") return &fours;
    if (id == "doublepremium" || id == "doubleupbonus") return &premium;
    if (id == "allwild") return &all;
    if (id == "deuceswild") return &deuces;
    if (id == "jokerswild") return &jokers;
    return nullptr;
}

}  // namespace poker
