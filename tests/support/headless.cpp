#include "support/headless.h"

#include <sge.h>

#include "machine/denomination.h"
#include "player/player.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/sound.h"

namespace testrt {

void pushKey(SDLKey key, Uint16 unicode, Uint8 type) {
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    e.key.keysym.unicode = unicode;
    SDL_PushEvent(&e);
}

void pushClick(int x, int y, Uint8 type) {
    SDL_Event e{};
    e.type = type;
    e.button.type = type;
    e.button.button = SDL_BUTTON_LEFT;
    e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.button.x = static_cast<Uint16>(x);
    e.button.y = static_cast<Uint16>(y);
    SDL_PushEvent(&e);
}

void pushQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

void typeMoney(const std::string& amount) {
    for (char c : amount) pushKey(static_cast<SDLKey>(c), static_cast<Uint16>(c));
    pushKey(SDLK_RETURN, '\r');
}

void drainEvents() {
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
    }
}

int pendingEvents() {
    SDL_PumpEvents();
    SDL_Event all[64];
    return SDL_PeepEvents(all, 64, SDL_PEEKEVENT, SDL_ALLEVENTS);
}

bool startHeadless(const std::string& player, double money, bool withAudio) {
    if (SDL_Init(SDL_INIT_VIDEO | (withAudio ? SDL_INIT_AUDIO : 0)) != 0 || sge_TTF_Init() != 0) return false;
    display = new Display(SDL_SWSURFACE);
    if (!display->hasSurface()) return false;
    SDL_EnableUNICODE(1);
    soundPlayer = new SoundPlayer();
    buildDenominationTable();
    currentPlayer = new Player();
    currentPlayer->name = player;
    currentPlayer->money = money;
    currentPlayer->firsttime = currentPlayer->firsttimelobby = currentPlayer->firsttimeslot = false;
    currentPlayer->firsttimenickle = currentPlayer->firsttimepoker = false;
    clearLoadedAssets();
    drainEvents();
    return true;
}

void stopHeadless() {
    drainEvents();
    delete currentPlayer;
    currentPlayer = nullptr;
    freeDenominationTable();
    delete soundPlayer;
    soundPlayer = nullptr;
    delete display;
    display = nullptr;
    SDL_Quit();
}

}  // namespace testrt
