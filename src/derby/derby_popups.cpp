// The derby's two modal parts: the money popup (dollars in, credits on the
// machine) and the attract screen with its LED sign.
#include "derby/demo_derby.h"

#include <sge.h>

#include <climits>
#include <cstdio>
#include <iostream>

#include "shell/led_sign.h"
#include "machine/denomination.h"
#include "machine/money_input.h"
#include "player/player.h"
#include "shell/animation.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/sound.h"
#include "shell/text_field.h"
#include "shell/waiting.h"

namespace {

const char* const kMoneyFont = "../fonts/insertmoney.ttf";
const int kMoneyFontSize = 12;
const char* const kPopupPicture = "../gfx/money/popup.png";
const int kPopupX = 232, kPopupY = 222;
const int kFieldX = 268, kFieldY = 333;
const int kFieldLength = 20;
const int kBillX = 531, kBillY = 566;
// The bill takes 350 ms; this only guards against a clock that stands still.
const Uint32 kBillTimeLimit = 3000;

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
    playSound("coinin1.wav");
    if (!display || !display->hasSurface()) {
        playSound("coinin1.wav");
        return;
    }
    SDL_Surface* kept = display->copyScreen();

    noteAssetLoad(kMoneyFont);
    sge_TTFont* font = nullptr;
    // The TrueType opener falls over on a missing file: look first.
    if (SDL_RWops* probe = SDL_RWFromFile(kMoneyFont, "rb")) {
        SDL_RWclose(probe);
        font = sge_TTF_OpenFont(kMoneyFont, kMoneyFontSize);
    }
    if (!font) {
        std::fprintf(stderr, "TT error: %s\n", SDL_GetError());
        if (kept) SDL_FreeSurface(kept);
        // The game ends here: what is on the machine goes back to the player first.
        returnCreditsToPlayer(credits, denomination);
        exitAfterSaving(1);
    }

    Image* popup = new Image(kPopupPicture, false, false);
    if (popup->loaded) popup->blit(kPopupX, kPopupY);
    display->update();

    // The text is drawn solid black on white. A window close or a stop
    // signal ends the entry; the game then shuts down.
    std::string entry;
    int result = readTextField(font, entry, kFieldLength, kFieldX, kFieldY, SDL_Color{0, 0, 0, 0},
                               SDL_Color{255, 255, 255, 0}, SDL_ALPHA_OPAQUE);
    if (result < 0) std::cout << "Money input setup failed" << std::endl;
    long long amount = derbyMoneyAmount(entry);
    delete popup;
    sge_TTF_CloseFont(font);

    // Leave room on the machine for the largest win of a game, so the
    // credits can never run past the largest whole number.
    int held = credits > INT_MAX - derbyTopGameWin ? INT_MAX : credits + derbyTopGameWin;
    if (currentPlayer && denomination) {
        int bought = moneyInputCredits(amount, denomination, currentPlayer->money, held);
        if (bought > 0) {
            credits += bought;
            currentPlayer->money = fromCents(toCents(currentPlayer->money) - bought * denomination->cents());
        }
    }

    {
        Animation bill("../gfx/money/", "pokerbill", 7, 20, kBillX, kBillY, animOnce, true, false);
        Uint32 start = mediaTicks();
        while (!bill.atEnd() && mediaTicks() - start < kBillTimeLimit) {
            bill.update(false);
            display->update();
            restBriefly();
        }
    }

    if (kept) {
        display->blitFullScreen(kept);
        SDL_FreeSurface(kept);
    }
    playSound("coinin1.wav");
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
    Image* picture = new Image(graphicsDir + panel + ".png", false, false);
    if (picture->loaded) picture->blit(0, 0);
    display->update();
    delete picture;
    playSound("whoosh.wav");

    LedSign* sign = nullptr;
    if (panel == "top") {
        std::string text = "   Seafood Buffet only $9.95!    ";
        if (currentPlayer) text = derbySignText(currentPlayer->name, currentPlayer->vippoints);
        sign = new LedSign(kLedFont, text, 30, 200, 551, 200, 21, 168, 196, 11, 41, 72, 39);
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
    delete sign;

    display->restoreScreen();
    display->update();
    playSound("whoosh.wav");
}
