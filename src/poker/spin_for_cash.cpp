#include "poker/poker_machines.h"

#include <climits>

#include "poker/pay_tables.h"
#include "machine/prize_wheel.h"
#include "shell/sound.h"

SpinForCash::SpinForCash(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("poker2.wav", false);
}

SpinForCash::~SpinForCash() {}

void SpinForCash::configure(float denomination) {
    name = "spinforcash";
    this->denomination = nullptr;
    setDenomination(denomination);
    VideoPoker::init();
}

void SpinForCash::setupCardPositions() { VideoPoker::setupCardPositions(); }

void SpinForCash::showCardBacks() { drawCorvaloBacks(); }

bool SpinForCash::turnsWheel(long long pay) const { return coinsPlayed == 5 && pay / coinsPlayed > 7; }

// Every play has one spin of the wheel, drawn the moment the hand that
// earns it is known, so that the hand is kept with its prize before any of
// its cards shows: a kill, a close, a stop signal or Escape at any moment
// then pays what the play run to its end pays.
//
// A dealt hand is kept as if all five cards were held and drawn, so a dealt
// hand that turns the wheel draws its spin with the deal, right after the
// five cards; the draw then turns the wheel by that spin (it stops on the
// prize kept) whenever the final hand turns it too. A deal that does not
// turn the wheel draws nothing: a hand that turns it only after the draw
// draws its spin with the draw, right after the replacement cards.
void SpinForCash::handDealt() {
    keptSpin = OpeningSpin();
    drawSpinWhenEarned();
}

void SpinForCash::handDrawn() { drawSpinWhenEarned(); }

void SpinForCash::drawSpinWhenEarned() {
    if (!keptSpin.drawn && turnsWheel(handPay())) keptSpin = drawOpeningSpin(cashWheel());
}

// The prize counts only while the hand on the table turns the wheel: a
// dealt full house thrown away for a lesser hand wins no prize.
long long SpinForCash::handWin() {
    const long long pay = handPay();
    return keptSpin.drawn && turnsWheel(pay) ? pay + keptSpin.prize : pay;
}

// Natural hands at the pays of Jacks or Better; a hand that turns the wheel
// wins the prize of the play's kept spin on top, and the wheel turns by it.
int SpinForCash::evaluateHand() {
    int win = payByTable(*poker::payTableFor(name));
    const OpeningSpin kept = keptSpin;
    keptSpin = OpeningSpin();
    if (turnsWheel(win)) {
        // The hand's pay and the prize are the play's whole win, kept the
        // moment the wheel shows the prize; the credits still hold the bet.
        const long long room = static_cast<long long>(INT_MAX) - (static_cast<long long>(credits) - coinsPlayed);
        const int hand = win;
        win += runCashWheelBonus(
            [this, hand, room](int prize) {
                const long long whole = static_cast<long long>(hand) + prize;
                keepDrawnWin(whole > room ? room : whole);
            },
            &kept);
    }
    return win;
}
