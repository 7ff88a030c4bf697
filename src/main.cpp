// Corvalo Slots: the program entry point.
#include <SDL.h>

#include <cstdlib>

#include "game/game.h"
#include "shell/app.h"

int main(int argc, char** argv) {
    installGame();
    std::exit(runGame(argc, argv));
}
