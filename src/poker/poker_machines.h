// The nine video poker machines of the casino floor. Each is the poker
// cabinet plus its machine id, intro sound, hand evaluation and card backs;
// All Wild and Jokers Wild add two jokers to the deck, Spin for Cash turns
// the cash wheel after a full house or better at five coins, and Double Up
// Premium Poker offers the double-up game after every win.
#pragma once

#include "poker/video_poker.h"

#define CORVALO_POKER_MACHINE_BODY(Class)   \
public:                                     \
    explicit Class(float denomination);     \
    ~Class() override;                      \
    void configure(float denomination);     \
    void setupCardPositions() override;     \
    int evaluateHand() override;            \
    void showCardBacks() override;

class TensOrBetter : public VideoPoker { CORVALO_POKER_MACHINE_BODY(TensOrBetter) };
class JacksOrBetter : public VideoPoker { CORVALO_POKER_MACHINE_BODY(JacksOrBetter) };
class FourOfAKind : public VideoPoker { CORVALO_POKER_MACHINE_BODY(FourOfAKind) };
class DoublePremium : public VideoPoker { CORVALO_POKER_MACHINE_BODY(DoublePremium) };

class SpinForCash : public VideoPoker { CORVALO_POKER_MACHINE_BODY(SpinForCash) };

// The wild-card machines keep the state of their last search.
class AllWild : public VideoPoker {
    CORVALO_POKER_MACHINE_BODY(AllWild)
    int bestScore = 0;
    bool wildAtPosition[5] = {false, false, false, false, false};
    int wildCount = 0;
};
class DeucesWild : public VideoPoker {
    CORVALO_POKER_MACHINE_BODY(DeucesWild)
    int bestScore = 0;
    bool wildAtPosition[5] = {false, false, false, false, false};
    int wildCount = 0;
};
class JokersWild : public VideoPoker {
    CORVALO_POKER_MACHINE_BODY(JokersWild)
    int bestScore = 0;
    bool wildAtPosition[5] = {false, false, false, false, false};
    int wildCount = 0;
};

class DoubleUpBonus : public VideoPoker {
    CORVALO_POKER_MACHINE_BODY(DoubleUpBonus)
    // Offers the amount again and again; leaves in it what the player takes home.
    void offerDoubleUp(int& amount);
    // One card game against the dealer's card: 2 x stake, the stake, or 0.
    int playDoubleUp(int stake);
    // The largest amount that may still be offered for doubling: doubling
    // it keeps the machine's credits within an int.
    int doubleUpLimit() const;

    TextLabel* offerText = nullptr;  // the "DOUBLE UP TO ...?" line while an offer is open
};

#undef CORVALO_POKER_MACHINE_BODY

// Shared by the machines' set-up: the two jokers of a wild deck.
void addJokers(VideoPoker& machine);
