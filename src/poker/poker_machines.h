// The nine video poker machines of the casino floor. Each is the poker
// cabinet plus its machine id, intro sound, hand evaluation and card backs;
// All Wild and Jokers Wild add two jokers to the deck, Spin for Cash turns
// the cash wheel after a full house or better at five coins, and Double Up
// Premium Poker offers the double-up game after every win.
#pragma once

#include "machine/prize_wheel.h"
#include "poker/video_poker.h"

class TensOrBetter : public VideoPoker {
public:
    explicit TensOrBetter(float denomination);
    ~TensOrBetter() override;
    void configure(float denomination);
    void setupCardPositions() override;
    int evaluateHand() override;
    void showCardBacks() override;
};

class JacksOrBetter : public VideoPoker {
public:
    explicit JacksOrBetter(float denomination);
    ~JacksOrBetter() override;
    void configure(float denomination);
    void setupCardPositions() override;
    int evaluateHand() override;
    void showCardBacks() override;
};

class FourOfAKind : public VideoPoker {
public:
    explicit FourOfAKind(float denomination);
    ~FourOfAKind() override;
    void configure(float denomination);
    void setupCardPositions() override;
    int evaluateHand() override;
    void showCardBacks() override;
};

class DoublePremium : public VideoPoker {
public:
    explicit DoublePremium(float denomination);
    ~DoublePremium() override;
    void configure(float denomination);
    void setupCardPositions() override;
    int evaluateHand() override;
    void showCardBacks() override;
};

// Jacks or Better pays; a full house or better at five coins turns the cash wheel.
class SpinForCash : public VideoPoker {
public:
    explicit SpinForCash(float denomination);
    ~SpinForCash() override;
    void configure(float denomination);
    void setupCardPositions() override;
    int evaluateHand() override;
    void showCardBacks() override;
    // The hand's pay, and the wheel's prize kept with the dealt hand when
    // the hand on the table turns the wheel.
    long long handWin() override;

protected:
    // A dealt or drawn hand that turns the wheel draws the wheel's spin at once.
    void handDealt() override;
    void handDrawn() override;

private:
    OpeningSpin keptSpin;  // the play's one spin, drawn with the first hand that turns the wheel

    // A hand paying `pay` coins turns the wheel: more than 7 a coin at five coins.
    bool turnsWheel(long long pay) const;
    // Draws the play's spin when the hand on the table turns the wheel and
    // none is drawn yet.
    void drawSpinWhenEarned();
};

// The wild-card machines search every value of their wild cards for the best
// hand on their pay table, and keep the state of the last search.
class WildPoker : public VideoPoker {
public:
    int evaluateHand() override;
    int handPay() override;
    void showCardBacks() override;

    // Takes the machine id and denomination and deals a fresh deck, with
    // two jokers added when the machine plays them.
    void configureWild(const char* id, float denomination, bool withJokers);

    int bestScore = 0;
    bool wildAtPosition[5] = {false, false, false, false, false};
    int wildCount = 0;
};

class AllWild : public WildPoker {
public:
    explicit AllWild(float denomination);
    ~AllWild() override;
    void configure(float denomination);
};

class DeucesWild : public WildPoker {
public:
    explicit DeucesWild(float denomination);
    ~DeucesWild() override;
    void configure(float denomination);
};

class JokersWild : public WildPoker {
public:
    explicit JokersWild(float denomination);
    ~JokersWild() override;
    void configure(float denomination);
};

// Double Premium pays, and every win may be doubled up against the dealer's card.
class DoubleUpBonus : public VideoPoker {
public:
    explicit DoubleUpBonus(float denomination);
    ~DoubleUpBonus() override;
    void configure(float denomination);
    void setupCardPositions() override;
    int evaluateHand() override;
    void showCardBacks() override;

    // Offers the amount again and again; leaves in it what the player takes home.
    void offerDoubleUp(int& amount);
    // One card game against the dealer's card: 2 x stake, the stake, or 0.
    int playDoubleUp(int stake);
    // What the stake becomes with the card at `picked` (1 to 4) against the
    // dealer's card 0.
    int doubleUpResult(int stake, int picked) const;
    // The card taken for a player who picks none (the game closing).
    static constexpr int kUnpickedCard = 1;
    // The largest amount that may still be offered for doubling: doubling
    // it keeps the machine's credits within an int.
    int doubleUpLimit() const;

    TextLabel* offerText = nullptr;  // the "DOUBLE UP TO ...?" line while an offer is open, not owned
};

// Shared by the machines' set-up: the two jokers of a wild deck.
void addJokers(VideoPoker& machine);
