#include "poker/poker_machines.h"

#include "poker/pay_tables.h"
#include "shell/sound.h"

JokersWild::JokersWild(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("poker4.wav", false);
}

JokersWild::~JokersWild() {}

void JokersWild::configure(float denomination) {
    name = "jokerswild";
    this->denomination = nullptr;
    setDenomination(denomination);
    VideoPoker::init();
    addJokers(*this);
}

void JokersWild::setupCardPositions() { VideoPoker::setupCardPositions(); }

void JokersWild::showCardBacks() { drawCorvaloBacks(); }

int JokersWild::evaluateHand() {
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
