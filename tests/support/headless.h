// What the machine tests share: input events queued for the game to read,
// and a headless game around a machine (display, TrueType, sound on the dummy
// driver, coin values and a player whose first visits are behind him).
#pragma once

#include <SDL.h>

#include <string>

namespace testrt {

// A key press handed straight to a screen's handleEvent.
inline SDL_Event keyEvent(SDLKey key) {
    SDL_Event e{};
    e.type = e.key.type = SDL_KEYDOWN;
    e.key.state = SDL_PRESSED;
    e.key.keysym.sym = key;
    return e;
}

void pushKey(SDLKey key, Uint16 unicode = 0, Uint8 type = SDL_KEYDOWN);
void pushClick(int x, int y, Uint8 type = SDL_MOUSEBUTTONDOWN);
void pushQuit();
// Dollars typed into the money prompt that opens next, then Return.
void typeMoney(const std::string& amount);
void drainEvents();
int pendingEvents();

// Starts the services (audio too when `withAudio`) with the player; false
// when SDL or the display cannot start. stopHeadless undoes it all.
bool startHeadless(const std::string& player, double money, bool withAudio = true);
void stopHeadless();

}  // namespace testrt
