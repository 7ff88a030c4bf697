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

// A dealt hand is kept as if all five cards were held and drawn, and a hand
// that turns the wheel wins its prize too; so the wheel's spin is drawn here,
// with the deal, right after the five cards. A kill, a close, a stop signal
// or Escape before the draw then pays the hand and the prize that holding
// all five and drawing pays, and that draw turns the wheel by this spin (it
// stops on the prize kept) instead of drawing another. A deal that does not
// turn the wheel draws nothing here: its draws are the same as ever, and a
// hand that only turns the wheel after the draw draws its spin at the wheel.
void SpinForCash::handDealt() { keptSpin = turnsWheel(handPay()) ? drawOpeningSpin(cashWheel()) : OpeningSpin(); }

long long SpinForCash::handWin() {
    const long long pay = handPay();
    return keptSpin.drawn && turnsWheel(pay) ? pay + keptSpin.prize : pay;
}

// Natural hands at the pays of Jacks or Better; a hand that pays more than
// 7 per coin (a full house or better) at five coins turns the cash wheel,
// whose prize comes on top of the win. The spin kept with the dealt hand is
// the play's one spin: the wheel turns by it whenever the final hand turns
// the wheel.
int SpinForCash::evaluateHand() {
    int win = payByTable(*poker::payTableFor(name));
    const int perCoin = coinsPlayed > 0 ? win / coinsPlayed : 0;
    const OpeningSpin kept = keptSpin;
    keptSpin = OpeningSpin();
    if (perCoin > 7 && coinsPlayed == 5) {
        // The hand's pay and the prize are the play's whole win, kept the
        // moment the wheel draws the prize; the credits still hold the bet.
        const long long room = static_cast<long long>(INT_MAX) - (static_cast<long long>(credits) - coinsPlayed);
        const int hand = win;
        win += runCashWheelBonus(
            [this, hand, room](int prize) {
                const long long whole = static_cast<long long>(hand) + prize;
                keepDrawnWin(whole > room ? room : whole);
            },
            kept.drawn ? &kept : nullptr);
    }
    return win;
}
