#include "poker/poker_machines.h"

#include "shell/sound.h"

DeucesWild::DeucesWild(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("poker3.wav", false);
}

DeucesWild::~DeucesWild() {}

void DeucesWild::configure(float denomination) { configureWild("deuceswild", denomination, false); }
