#include "poker/poker_machines.h"

#include "poker/pay_tables.h"
#include "shell/sound.h"

JacksOrBetter::JacksOrBetter(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("poker5.wav", false);
}

JacksOrBetter::~JacksOrBetter() {}

void JacksOrBetter::configure(float denomination) {
    name = "jacksorbetter";
    this->denomination = nullptr;
    setDenomination(denomination);
    VideoPoker::init();
}

void JacksOrBetter::setupCardPositions() { VideoPoker::setupCardPositions(); }

void JacksOrBetter::showCardBacks() { drawCorvaloBacks(); }

int JacksOrBetter::evaluateHand() { return payByTable(*poker::payTableFor(name)); }
