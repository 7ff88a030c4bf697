// Corvalo Slots: the program entry point.
#include <SDL.h>

#include <cstdlib>

#include "shell/app.h"

int main(int argc, char** argv) {
    std::exit(runGame(argc, argv));
}
