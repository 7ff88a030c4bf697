#include "machine/money_input.h"

#include <SDL.h>
#include <sge.h>

#include <algorithm>
#include <climits>
#include <cstring>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <memory>

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
#include "shell/text_label.h"
#include "shell/waiting.h"

const MoneyPopupStyle reelMoneyPopup = {"bill", 658, 553, false, false, parseMoneyAmount, false, 0};
const MoneyPopupStyle pokerMoneyPopup = {"pokerbill", 544, 576, true, true, parseMoneyAmount, false, 0};

namespace {

const char* const kFont = "../fonts/insertmoney.ttf";
const int kFontSize = 12;
const char* const kPopupPicture = "../gfx/money/popup.png";
const char* const kBillFolder = "../gfx/money/";
const int kBillFrames = 7, kBillFps = 20;
// The bill animation takes 350 ms; this only guards against a stalled clock.
const Uint32 kBillTimeLimit = 3000;
// The popup's bottom line, where a refusal is said: inside the frame.
const int kReasonInset = 12, kReasonTop = 144, kReasonHeight = 22, kReasonBaseline = 159, kReasonSize = 13;

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

MoneyRefusal checkMoneyAmount(long long amount, const Denomination* denomination, double money, int creditsHeld,
                              int& bought) {
    bought = 0;
    if (!denomination || denomination->cents() <= 0 || amount == 0) return MoneyRefusal::noEntry;
    if (amount < 0) return MoneyRefusal::notWhole;
    if (amount > moneyInputMaxDollars) return MoneyRefusal::aboveLimit;
    const long long coinCents = denomination->cents();
    const long long amountCents = amount * 100;
    const long long moneyCents = Money::dollars(money).inCents();
    // 1 to 100000 coins' worth, both ends included.
    if (amountCents < coinCents) return MoneyRefusal::belowOneCoin;
    if (amountCents > moneyInputMaxCredits * coinCents) return MoneyRefusal::aboveLimit;
    if (moneyCents < amountCents) return MoneyRefusal::cantPay;
    // Below a dollar a coin every whole dollar buys whole coins; from a
    // dollar up the part that makes no whole coin stays with the player.
    const long long coins = denomination->value < 1.0f ? (amountCents + coinCents - 1) / coinCents
                                                       : amountCents / coinCents;
    if (coins * coinCents > moneyCents) return MoneyRefusal::cantPay;
    if (creditsHeld > 0 && coins > static_cast<long long>(INT_MAX) - creditsHeld) return MoneyRefusal::machineFull;
    bought = static_cast<int>(coins);
    return MoneyRefusal::none;
}

MoneyRefusal checkMoneyEntry(const std::string& typed, long long amount, const Denomination* denomination,
                             double money, int creditsHeld) {
    const size_t first = typed.find_first_not_of(" \t");
    if (first == std::string::npos) return MoneyRefusal::noEntry;
    const std::string text = typed.substr(first, typed.find_last_not_of(" \t") - first + 1);
    const bool digitsOnly = text.find_first_not_of("0123456789") == std::string::npos;
    if (digitsOnly && amount < 0) return MoneyRefusal::aboveLimit;  // more digits than any amount takes
    if (!digitsOnly && amount == 0) return MoneyRefusal::notWhole;
    int bought = 0;
    return checkMoneyAmount(amount, denomination, money, creditsHeld, bought);
}

namespace {

// "$1,234" or "$1,234.50".
std::string dollarText(long long cents) {
    std::string whole = std::to_string(cents / 100);
    for (int at = static_cast<int>(whole.size()) - 3; at > 0; at -= 3) whole.insert(static_cast<size_t>(at), ",");
    std::string out = "$" + whole;
    if (cents % 100) {
        char part[8];
        std::snprintf(part, sizeof part, ".%02lld", cents % 100);
        out += part;
    }
    return out;
}

}  // namespace

std::string moneyRefusalText(MoneyRefusal why, const Denomination* denomination, double money) {
    const long long coinCents = denomination ? denomination->cents() : 100;
    switch (why) {
    case MoneyRefusal::notWhole:
        return "Whole dollars only, like 20.";
    case MoneyRefusal::aboveLimit: {
        const long long top = std::min(moneyInputMaxDollars * 100, moneyInputMaxCredits * coinCents);
        return "At most " + dollarText(top - top % 100) + " at a time.";
    }
    case MoneyRefusal::belowOneCoin:
        return "At least " + dollarText(coinCents) + ", one coin here.";
    case MoneyRefusal::cantPay:
        return "You have " + dollarText(Money::dollars(money).inCents()) + " to play with.";
    case MoneyRefusal::machineFull:
        return "The machine can't hold that many credits.";
    default:
        return "";
    }
}

int moneyInputCredits(long long amount, const Denomination* denomination, double money, int creditsHeld) {
    int bought = 0;
    checkMoneyAmount(amount, denomination, money, creditsHeld, bought);
    return bought;
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
    // No screen to type on: no entry, nothing moved.
    if (!display || !display->hasSurface()) return;

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

    auto popup = std::make_unique<Image>(kPopupPicture);
    popup->blit(moneyPopupX, moneyPopupY);
    display->update();

    // The text field runs its own input loop until Return. Escape, a window
    // close and a stop signal end it as no entry. The text is solid black
    // on white. An amount refused is said in the popup and the field opens
    // again for another.
    for (;;) {
        std::string entry;
        int result = readTextField(font, entry, moneyInputMaxChars, moneyFieldX, moneyFieldY, SDL_Color{0, 0, 0, 0},
                                   SDL_Color{255, 255, 255, 0}, SDL_ALPHA_OPAQUE);
        const bool ended = result < 0;
        // Said only when the field could not be set up; Escape and a
        // window close are the player's own choice, not a failure.
        if (result == textFieldUnavailable) std::cout << "Money input setup failed" << std::endl;
        if (ended && !style.keepTextOnFailure) entry.clear();
        typed = entry;
        amount = style.parse(typed);
        const int held = credits > INT_MAX - style.headroom ? INT_MAX : credits + style.headroom;
        const MoneyRefusal why =
            checkMoneyEntry(typed, amount, denomination, currentPlayer ? currentPlayer->money : 0.0, held);
        if (why == MoneyRefusal::none || why == MoneyRefusal::noEntry || ended) break;
        refusals.push_back(moneyRefusalText(why, denomination, currentPlayer->money));
        showRefusal(*popup, font, refusals.back());
        playSound("buzz.wav");
    }
    popup.reset();
    sge_TTF_CloseFont(font);

    creditsBought = acceptMoneyAmount(amount, credits, denomination, style.headroom);

    // The bill going into the machine, played once to its last frame.
    if (creditsBought > 0) {
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
    if (creditsBought > 0) playSound("coinin1.wav");
}

void MoneyInput::showRefusal(Image& popup, sge_TTFont* font, const std::string& text) {
    // The popup drawn afresh (an empty field for the next try), its bottom
    // line (the limits) giving way to the reason, in light gold on the
    // panel's own colour.
    popup.blit(moneyPopupX, moneyPopupY);
    SDL_Rect strip = {static_cast<Sint16>(moneyPopupX + kReasonInset), static_cast<Sint16>(moneyPopupY + kReasonTop),
                      static_cast<Uint16>(popup.width() - 2 * kReasonInset), static_cast<Uint16>(kReasonHeight)};
    Uint32 panel = 0;
    if (popup.surface && SDL_LockSurface(popup.surface.get()) == 0) {
        Uint8 r = 0, g = 0, b = 0;
        const SDL_PixelFormat* f = popup.surface->format;
        const Uint8* row = static_cast<const Uint8*>(popup.surface->pixels) + (kReasonTop + 2) * popup.surface->pitch;
        Uint32 pixel = 0;
        std::memcpy(&pixel, row + kReasonInset * f->BytesPerPixel, f->BytesPerPixel);
        SDL_UnlockSurface(popup.surface.get());
        SDL_GetRGB(pixel, const_cast<SDL_PixelFormat*>(f), &r, &g, &b);
        panel = SDL_MapRGB(display->screen->format, r, g, b);
    }
    SDL_FillRect(display->screen, &strip, panel);
    display->addDirtyRect(strip);
    int size = kReasonSize;
    for (; size > 8; --size) {
        sge_TTF_SetFontSize(font, size);
        if (sge_TTF_TextSize(font, const_cast<char*>(text.c_str())).w <= strip.w - 8) break;
    }
    TextLabel label(font, size, text, moneyPopupX + popup.width() / 2, moneyPopupY + kReasonBaseline, 5, 255, 226, 120);
    label.draw();
    sge_TTF_SetFontSize(font, kFontSize);
    display->update();
}
