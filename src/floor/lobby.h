// The casino floor: the lobby picture with one hot spot per machine, the
// statistics and prize-room doors, the exit, and the LED message board over
// the entrance. Clicking a machine sits the player down at it at a coin
// value of 1.
#pragma once

#include <string>
#include <vector>

#include "shell/screen.h"

class LedSign;
class Animation;

// Where a machine stands on the lobby picture (its hot spot).
struct LobbySpot {
    const char* id;
    int x, y, width, height;
};
// The fifty machine spots, one per machine of the table.
const std::vector<LobbySpot>& lobbySpots();

// The lobby's LED board: place and text (it starts with keeping's sign,
// player/keeping.h, while progress or settings are not kept).
extern const int lobbySignX, lobbySignY, lobbySignWidth, lobbySignHeight;
std::string lobbySignText();

// Where the lobby's help pages are drawn (each picture's top-left corner; the
// art generator reads these too and keeps the floor's words clear of a
// page's edges).
constexpr int lobbyHelpX = 150, lobbyHelpY = 120;

class Lobby : public Screen {
public:
    // Builds and draws the whole lobby; on the player's first visit it shows
    // the help pages once.
    Lobby();
    ~Lobby() override;

    void init() override;
    void createButtons() override;
    void tick() override;
    void checkHover() override;
    // "exit" ends the game, "stats" and "trophy" open those screens, a
    // machine's spot starts that machine at coin value 1 (when it is built;
    // a machine not on the floor yet only buzzes).
    void handleButton(Widget* control) override;
    void setHovered(Widget* control) override;
    void redraw() override;
    // The lobby's help pages, one after the other, each closed by a press.
    void showHelp() override;

    // (Re)builds the board with the current text.
    void makeSign();

    std::unique_ptr<LedSign> sign;
    std::unique_ptr<Animation> lights;  // the chasing lights round the entrance sign
};
