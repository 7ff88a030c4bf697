#include "poker/poker_machines.h"

#include "shell/sound.h"

JokersWild::JokersWild(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("poker4.wav", false);
}

JokersWild::~JokersWild() {}

void JokersWild::configure(float denomination) { configureWild("jokerswild", denomination, true); }
