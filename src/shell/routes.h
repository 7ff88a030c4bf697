// Where screens lead. The shell carries this table but fills none of it: the
// game's composition root (game/game.cpp) fills it once at start-up, so that
// the machines and the player screens can leave "to the lobby" or "to the
// cashier" without knowing what a lobby or a cashier is.
#pragma once

#include <functional>
#include <memory>
#include <string>

class Screen;

struct Routes {
    std::function<std::unique_ptr<Screen>()> lobby;
    std::function<std::unique_ptr<Screen>()> cashier;
    // The machine with that id at that coin value; null when there is none.
    std::function<std::unique_ptr<Screen>(const std::string& id, float denomination)> machine;
    // What a right-button press opens on a screen whose input is enabled.
    std::function<void(Screen*)> menu;
};

extern Routes routes;

// The routes' screens, or null while the table is empty (a bare shell).
std::unique_ptr<Screen> lobbyScreen();
std::unique_ptr<Screen> cashierScreen();
std::unique_ptr<Screen> machineScreen(const std::string& id, float denomination);
