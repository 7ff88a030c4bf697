#include "poker/poker_machines.h"

#include "poker/pay_tables.h"
#include "shell/sound.h"

DoublePremium::DoublePremium(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("poker8.wav", false);
}

DoublePremium::~DoublePremium() {}

void DoublePremium::configure(float denomination) {
    name = "doublepremium";
    this->denomination = nullptr;
    setDenomination(denomination);
    VideoPoker::init();
}

void DoublePremium::setupCardPositions() { VideoPoker::setupCardPositions(); }

void DoublePremium::showCardBacks() { drawCorvaloBacks(); }

int DoublePremium::evaluateHand() { return payByTable(*poker::payTableFor(name)); }
