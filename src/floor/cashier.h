// The cashier's window: the list of registered players, the current
// player's account, and the desk's services: register a new player (the
// registration form), switch to another player, delete the current player,
// draw additional funds, ambient sound on and off, and the way to the lobby.
#pragma once

#include <SDL.h>
#include <sge.h>

#include <string>
#include <vector>

#include "shell/screen.h"
#include "shell/sdl_handle.h"

// The typeface of the cashier's window and its registration form.
extern const char* const cashierFont;

// Opens the cashier's typeface at a point size; null (reported) when the
// file is missing.
FontPtr openCashierFont(int size);

// A line of text made to fit a width: the point size steps down from the
// wanted size to `smallest`; a text still too wide then loses characters
// (at its end, or at its front when keepEnd is set) behind "...".
struct FittedText {
    std::string text;
    int size;
};
FittedText fitText(sge_TTFont* font, const std::string& text, int size, int smallest, int maxWidth,
                   bool keepEnd = false);

// Dollars one press of "draw additional funds" puts into the player's money.
extern const double additionalFunds;
// Money below which the cashier reminds the player to draw funds.
extern const double lowMoneyWarning;

class Cashier : public Screen {
public:
    // Builds and draws the cashier. On the very first run it then waits
    // firstRunDelayMs so the welcome can play; otherwise it plays
    // "lobyneed.wav" when the player's money is below lowMoneyWarning.
    Cashier();
    ~Cashier() override;

    void init() override;
    void createButtons() override;
    // While nobody is registered, the first tick opens the registration form.
    void tick() override;
    void checkHover() override;
    void handleButton(Widget* control) override;
    void setHovered(Widget* control) override;
    void redraw() override;

    // The modal registration form. Returns true when a new player was
    // registered (and is now the current player).
    bool runRegistrationForm();

    // The desk's services, as the controls call them.
    void switchToPlayer(const std::string& playerName);
    void deleteCurrentPlayer();
    void drawAdditionalFunds();
    void ambientOn();
    void ambientOff();
    void goToLobby();

    // Rebuilds the whole window (after the players or the account changed).
    void rebuild();

    // How many names the player list shows at once, and the first one shown.
    static constexpr int visibleNames = 8;
    int listTop;

    // Milliseconds the first-run cashier waits for the welcome to play.
    static int firstRunDelayMs;

private:
    bool formOffered;
    std::string shownKeeping;  // keeping's sign when the account was drawn
};

// Screen rectangles of the cashier's controls (shared with its tests).
namespace cashierlayout {
SDL_Rect nameRow(int visibleIndex);
// A desk button by name ("newplayer", "delete", "funds", "soundon", "soundoff",
// "lobby", "up", "down"); empty for another name.
SDL_Rect control(const std::string& controlName);
}
