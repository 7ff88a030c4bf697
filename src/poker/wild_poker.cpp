#include "poker/poker_machines.h"

#include "poker/pay_tables.h"

void WildPoker::configureWild(const char* id, float value, bool withJokers) {
    name = id;
    denomination = nullptr;
    setDenomination(value);
    VideoPoker::init();
    if (withJokers) addJokers(*this);
}

void WildPoker::showCardBacks() { drawCorvaloBacks(); }

// Every wild machine: the best hand over all values of the wild cards.
int WildPoker::evaluateHand() {
    if (hand.size() < 5) return 0;
    poker::WildSearch search(*poker::payTableFor(name), coinsPlayed);
    const Card* five[5] = {hand[0], hand[1], hand[2], hand[3], hand[4]};
    search.run(five);
    wildCount = search.wildCount;
    for (int i = 0; i < 5; ++i) wildAtPosition[i] = search.wildAtPosition[i];
    if (search.bestScore > 0) showWinner();
    bestScore = search.bestScore * coinsPlayed;
    return bestScore;
}

int WildPoker::handPay() {
    if (hand.size() < 5) return 0;
    poker::WildSearch search(*poker::payTableFor(name), coinsPlayed);
    const Card* five[5] = {hand[0], hand[1], hand[2], hand[3], hand[4]};
    search.run(five);
    return search.bestScore * coinsPlayed;
}

void addJokers(VideoPoker& machine) {
    for (int i = 0; i < 2; ++i) {
        auto joker = std::make_unique<Card>();
        joker->suit = 0;
        joker->rank = poker::kJoker;
        machine.deck.push_back(std::move(joker));
    }
    machine.deckSize = 54;
}
