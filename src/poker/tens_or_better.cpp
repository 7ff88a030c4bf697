#include "poker/poker_machines.h"

#include "poker/pay_tables.h"
#include "shell/sound.h"

TensOrBetter::TensOrBetter(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("poker3.wav", false);
}

TensOrBetter::~TensOrBetter() {}

void TensOrBetter::configure(float denomination) {
    name = "10sorbetter";
    this->denomination = nullptr;
    setDenomination(denomination);
    VideoPoker::init();
}

void TensOrBetter::setupCardPositions() { VideoPoker::setupCardPositions(); }

void TensOrBetter::showCardBacks() { drawCorvaloBacks(); }

int TensOrBetter::evaluateHand() { return payByTable(*poker::payTableFor(name)); }
