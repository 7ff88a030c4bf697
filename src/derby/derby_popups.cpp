// The derby's two modal parts: the money popup (dollars in, credits on the
// machine) and the attract screen with its LED sign.
#include "derby/demo_derby.h"

#include "machine/money_input.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/led_sign.h"
#include "shell/sound.h"
#include "shell/waiting.h"

namespace {

const char* const kLedFont = "../fonts/ledfont.def";

void playSound(const char* name) {
    if (soundPlayer) soundPlayer->play(name);
}

}  // namespace

long long derbyMoneyAmount(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > moneyInputMaxDollars) {
            value = moneyInputMaxDollars + 1;
            break;
        }
    }
    return negative ? -value : value;
}

void DemoDerby::insertMoney() {
    // Room is kept on the machine for the largest win of a game, so the
    // credits can never run past the largest whole number.
    static const MoneyPopupStyle derbyMoneyPopup = {"pokerbill", 531, 566, true, true,
                                                    derbyMoneyAmount, true, derbyTopGameWin};
    takeMoney(derbyMoneyPopup);
}

std::string derbySignText(const std::string& playerName, double vippoints) {
    // VIP points cut toward zero to a whole number.
    unsigned int whole = 0;
    if (vippoints >= 4294967295.0) whole = 4294967295u;
    else if (vippoints > 0) whole = static_cast<unsigned int>(vippoints);
    return firstNameOf(playerName) + " " + lastNameOf(playerName) + " ----  You have " + std::to_string(whole) +
           " VIP Points  ----      Welcome to Corvalo Casino." + "   Seafood Buffet only $9.95!    " +
           "   Visit the gift shop today!    ";
}

void DemoDerby::showAttract(const std::string& panel) {
    if (!menuEnabled) return;
    if (!display) return;
    display->saveScreen();
    {
        Image picture(graphicsDir + panel + ".png", false, false);
        if (picture.loaded) picture.blit(0, 0);
        display->update();
    }
    playSound("whoosh.wav");

    std::unique_ptr<LedSign> sign;
    if (panel == "top") {
        std::string text = "   Seafood Buffet only $9.95!    ";
        if (currentPlayer) text = derbySignText(currentPlayer->name, currentPlayer->vippoints);
        sign = std::make_unique<LedSign>(kLedFont, text, 30, 200, 551, 200, 21, 168, 196, 11, 41, 72, 39);
    }

    // Until a click or a key press; a window-close request ends it too and
    // is kept for the frame loop.
    bool ending = false;
    while (!ending) {
        SDL_Event event;
        if (waitModalEvent(event) && (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_KEYDOWN)) ending = true;
        if (quitRequested()) ending = true;
        if (sign) sign->step();
        display->update();
    }
    sign.reset();

    display->restoreScreen();
    display->update();
    playSound("whoosh.wav");
}
