#include "poker/poker_machines.h"

#include "poker/pay_tables.h"
#include "shell/sound.h"

FourOfAKind::FourOfAKind(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("poker1.wav", false);
}

FourOfAKind::~FourOfAKind() {}

void FourOfAKind::configure(float denomination) {
    name = "4ofakind";
    this->denomination = nullptr;
    setDenomination(denomination);
    VideoPoker::init();
}

void FourOfAKind::setupCardPositions() { VideoPoker::setupCardPositions(); }

void FourOfAKind::showCardBacks() { drawCorvaloBacks(); }

int FourOfAKind::evaluateHand() { return payByTable(*poker::payTableFor(name)); }
