#include "poker/poker_machines.h"

#include "poker/pay_tables.h"
#include "shell/sound.h"

DeucesWild::DeucesWild(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("poker3.wav", false);
}

DeucesWild::~DeucesWild() {}

void DeucesWild::configure(float denomination) {
    name = "deuceswild";
    this->denomination = nullptr;
    setDenomination(denomination);
    VideoPoker::init();
}

void DeucesWild::setupCardPositions() { VideoPoker::setupCardPositions(); }

void DeucesWild::showCardBacks() { drawCorvaloBacks(); }

int DeucesWild::evaluateHand() {
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
