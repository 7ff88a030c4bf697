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

// Natural hands at the pays of Jacks or Better; a hand that pays more than
// 7 per coin (a full house or better) at five coins turns the cash wheel,
// whose prize comes on top of the win.
int SpinForCash::evaluateHand() {
    int win = payByTable(*poker::payTableFor(name));
    const int perCoin = coinsPlayed > 0 ? win / coinsPlayed : 0;
    if (perCoin > 7 && coinsPlayed == 5) {
        // The hand's pay and the prize are the play's whole win, kept the
        // moment the wheel draws the prize; the credits still hold the bet.
        const long long room = static_cast<long long>(INT_MAX) - (static_cast<long long>(credits) - coinsPlayed);
        const int hand = win;
        win += runCashWheelBonus([this, hand, room](int prize) {
            const long long whole = static_cast<long long>(hand) + prize;
            keepDrawnWin(whole > room ? room : whole);
        });
    }
    return win;
}
