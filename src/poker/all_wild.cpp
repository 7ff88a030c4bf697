#include "poker/poker_machines.h"

#include "shell/sound.h"

AllWild::AllWild(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("poker7.wav", false);
}

AllWild::~AllWild() {}

void AllWild::configure(float denomination) { configureWild("allwild", denomination, true); }
