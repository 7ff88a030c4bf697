#include "bench_app.h"

#include <SDL.h>

#include <cstdlib>
#include <string>

#include "game/game.h"
#include "shell/app.h"
#include "support/runtime.h"

namespace benchapp {

void prepareRuntime(const char* player, const char* money) {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testrt::setUp();
    installGame();
    writeProfile(player, money);
}

void writeProfile(const char* player, const char* money) {
    const std::string name = player;
    testrt::resetFiles("[global]\nplayers=" + name + "\nlastplayer=" + name + "\nfirsttimeever=0\n");
    testrt::writeFile(testrt::root() + "/save/" + name + ".save",
                      "[" + name + "]\ngender=male\nmoney=" + money + "\nfirsttimelobby=0\nfirsttimeslot=0\n");
}

void startApp() {
    SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO);
    theApp = new App(SDL_ANYFORMAT);
}

void stopApp() {
    delete theApp;
    theApp = nullptr;
    SDL_Quit();
}

}  // namespace benchapp
