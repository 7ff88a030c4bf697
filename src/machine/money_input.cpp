#include "machine/money_input.h"

#include <SDL.h>
#include <sge.h>

#include <climits>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "machine/denomination.h"
#include "player/money.h"
#include "player/player.h"
#include "shell/animation.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/sound.h"
#include "shell/text_field.h"
#include "shell/waiting.h"

const MoneyPopupStyle reelMoneyPopup = {"bill", 658, 553, false, false, parseMoneyAmount, false, 0};
const MoneyPopupStyle pokerMoneyPopup = {"pokerbill", 544, 576, true, true, parseMoneyAmount, false, 0};

namespace {

const char* const kFont = "../fonts/insertmoney.ttf";
const int kFontSize = 12;
const char* const kPopupPicture = "../gfx/money/popup.png";
const int kPopupX = 232, kPopupY = 222;
const int kFieldX = 268, kFieldY = 333;
const char* const kBillFolder = "../gfx/money/";
const int kBillFrames = 7, kBillFps = 20;
// The bill animation takes 350 ms; this only guards against a stalled clock.
const Uint32 kBillTimeLimit = 3000;

void playSound(const char* name) {
    if (soundPlayer) soundPlayer->play(name);
}

}  // namespace

long long parseMoneyAmount(const std::string& text) {
    size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos) return -1;
    size_t last = text.find_last_not_of(' ');
    std::string digits = text.substr(first, last - first + 1);
    for (char c : digits)
        if (c < '0' || c > '9') return -1;
    size_t lead = digits.find_first_not_of('0');
    if (lead == std::string::npos) return 0;
    digits = digits.substr(lead);
    // Anything longer is far beyond the largest amount and would not fit.
    if (digits.size() > 9) return -1;
    return std::atoll(digits.c_str());
}

int moneyInputCredits(long long amount, const Denomination* denomination, double money, int creditsHeld) {
    if (!denomination || amount <= 0 || amount > moneyInputMaxDollars) return 0;
    long long coinCents = denomination->cents();
    if (coinCents <= 0) return 0;
    long long amountCents = amount * 100;
    long long moneyCents = Money::dollars(money).inCents();
    if (moneyCents < amountCents) return 0;  // the player can't pay it
    // 1 to 100000 coins' worth, both ends included.
    if (amountCents < coinCents || amountCents > moneyInputMaxCredits * coinCents) return 0;
    // Below a dollar a coin every whole dollar buys whole coins; from a
    // dollar up the part that makes no whole coin stays with the player.
    long long bought = denomination->value < 1.0f ? (amountCents + coinCents - 1) / coinCents
                                                  : amountCents / coinCents;
    if (bought * coinCents > moneyCents) return 0;
    if (creditsHeld > 0 && bought > static_cast<long long>(INT_MAX) - creditsHeld) return 0;
    return static_cast<int>(bought);
}

int acceptMoneyAmount(long long amount, int& credits, const Denomination* denomination, int headroom) {
    if (!currentPlayer) return 0;
    const int held = credits > INT_MAX - headroom ? INT_MAX : credits + headroom;
    int bought = moneyInputCredits(amount, denomination, currentPlayer->money, held);
    if (bought <= 0) return 0;
    credits += bought;
    Money price = Money::cents(denomination->cents()) * bought;
    currentPlayer->money = (Money::dollars(currentPlayer->money) - price).inDollars();
    currentPlayer->saveNow();
    return bought;
}

MoneyInput::MoneyInput(int& credits, const Denomination* denomination, const MoneyPopupStyle& style)
    : amount(-1), creditsBought(0) {
    run(credits, denomination, style);
}

void MoneyInput::run(int& credits, const Denomination* denomination, const MoneyPopupStyle& style) {
    playSound("coinin1.wav");
    if (!display || !display->hasSurface()) {
        // No screen to type on: no entry, nothing moved.
        playSound("coinin1.wav");
        return;
    }

    // Keep the machine's screen to put it back afterwards.
    SurfacePtr ownCopy;
    if (style.ownScreenCopy)
        ownCopy = display->copyScreen();
    else
        display->saveScreen();

    noteAssetLoad(kFont);
    sge_TTFont* font = nullptr;
    // The TrueType opener falls over on a missing file: look for it first.
    if (SDL_RWops* probe = SDL_RWFromFile(kFont, "rb")) {
        SDL_RWclose(probe);
        font = sge_TTF_OpenFont(kFont, kFontSize);
    }
    if (!font) {
        std::fprintf(stderr, "TT error: %s\n", SDL_GetError());
        ownCopy.reset();
        // The game ends here: what is on the machine goes back to the
        // player, and the profile is saved, before the process exits.
        returnCreditsToPlayer(credits, denomination);
        exitAfterSaving(1);
    }

    Image* popup = new Image(kPopupPicture);
    popup->blit(kPopupX, kPopupY);
    display->update();

    // The text field runs its own input loop until Return. Escape, a window
    // close and a stop signal end it as no entry. The text is solid black
    // on white.
    std::string entry;
    int result = readTextField(font, entry, moneyInputMaxChars, kFieldX, kFieldY, SDL_Color{0, 0, 0, 0},
                               SDL_Color{255, 255, 255, 0}, SDL_ALPHA_OPAQUE);
    if (result < 0) {
        std::cout << "Money input setup failed" << std::endl;
        if (!style.keepTextOnFailure) entry.clear();
    }
    typed = entry;
    amount = style.parse(typed);
    delete popup;
    sge_TTF_CloseFont(font);

    creditsBought = acceptMoneyAmount(amount, credits, denomination, style.headroom);

    // The bill going into the machine, played once to its last frame.
    {
        Animation bill(kBillFolder, style.billName, kBillFrames, kBillFps, style.billX, style.billY, animOnce,
                       style.billColorKey, false);
        Uint32 start = mediaTicks();
        while (!bill.atEnd() && mediaTicks() - start < kBillTimeLimit && !quitRequested()) {
            bill.update(false);
            display->update();
            restBriefly();
        }
    }

    if (style.ownScreenCopy) {
        if (ownCopy) {
            display->blitFullScreen(ownCopy.get());
        }
    } else {
        display->restoreScreen();
    }
    playSound("coinin1.wav");
}
