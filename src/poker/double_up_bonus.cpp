#include <climits>

#include "poker/pay_tables.h"
#include "poker/poker_machines.h"
#include "shell/app.h"
#include "shell/clock.h"
#include "shell/controls.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/util.h"
#include "shell/waiting.h"

namespace {

const SDL_Rect kWinnerArea = {186, 297, 326, 110};

void drawOwnFormat(const std::string& file, int x, int y) {
    Image picture(file, false, true);
    if (picture.loaded) picture.blit(x, y);
}

void playOnce(const char* sound) {
    if (soundPlayer) soundPlayer->play(sound, false);
}

void passEnd() {
    if (soundPlayer) soundPlayer->update();
    if (display) display->update();
}

}  // namespace

DoubleUpBonus::DoubleUpBonus(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("poker2.wav", false);
}

DoubleUpBonus::~DoubleUpBonus() {}

void DoubleUpBonus::configure(float denomination) {
    name = "doubleupbonus";
    this->denomination = nullptr;
    setDenomination(denomination);
    VideoPoker::init();
}

void DoubleUpBonus::setupCardPositions() { VideoPoker::setupCardPositions(); }

void DoubleUpBonus::showCardBacks() { drawCorvaloBacks(); }

// The hand is paid by the Double Premium table; a paying hand may then be
// gambled, and the amount the player keeps is the hand's win.
int DoubleUpBonus::evaluateHand() {
    int win = payByTable(*poker::payTableFor(name));
    if (win <= 0) return win;
    if (winnerBackground && display) display->blit(winnerBackground.get(), kWinnerArea);
    setWinnerPaid(0);
    if (display) display->saveScreen();
    for (int i = 0; i < 5 && i < static_cast<int>(hand.size()); ++i) drawCardFace(*hand[i], cardPositions[i]);
    offerDoubleUp(win);
    if (display) display->restoreScreen();
    setWinnerPaid(0);
    return win;
}

int DoubleUpBonus::doubleUpLimit() const {
    const long long kept = credits - coinsPlayed > 0 ? credits - coinsPlayed : 0;
    return static_cast<int>((static_cast<long long>(INT_MAX) - kept) / 2);
}

void DoubleUpBonus::offerDoubleUp(int& amount) {
    for (;;) {
        setWinnerPaid(amount);
        // Past this amount a doubled win could no longer be counted in credits.
        if (amount > doubleUpLimit()) return;
        SurfacePtr copy = display ? display->copyScreen() : nullptr;
        drawOwnFormat(graphicsDir + "doubleup.png", 227, 343);
        auto offer = std::make_unique<TextLabel>("../fonts/poker2.ttf", 12,
                                                 "DOUBLE UP TO " + longToString(2L * amount) + "?", 350, 286, 1,
                                                 255, 255, 255, 0);
        offerText = offer.get();
        offer->draw();
        std::vector<std::unique_ptr<Widget>> controls;
        controls.push_back(std::make_unique<Button>("yes", graphicsDir, 271, 435, true, false, false, false, true));
        controls.push_back(std::make_unique<Button>("no", graphicsDir, 396, 435, true, false, false, false, true));
        controls.push_back(
            std::make_unique<Button>("hold0", pokerButtonsGfx, 270, 496, false, false, true, false, true));
        controls.push_back(
            std::make_unique<Button>("hold2", pokerButtonsGfx, 374, 495, false, false, true, false, true));
        controls[0]->setState(0);
        controls[1]->setState(0);
        // Without any answer picture nothing could be clicked: then the
        // y and n keys answer instead.
        bool clickable = false;
        for (auto& c : controls) clickable = clickable || c->width() > 0;

        bool answered = false, declined = false;
        Widget* under = nullptr;
        while (!answered) {
            SDL_Event event;
            if (waitModalEvent(event)) {
                if (event.type == SDL_MOUSEBUTTONDOWN) {
                    if (Widget* c = controlUnderPointer(controls)) {
                        answered = true;
                        if (c->name == "yes" || c->name == "hold0") amount = playDoubleUp(amount);
                        else declined = true;
                    }
                } else if (!clickable && event.type == SDL_KEYDOWN) {
                    if (event.key.keysym.sym == SDLK_y) {
                        answered = true;
                        amount = playDoubleUp(amount);
                    } else if (event.key.keysym.sym == SDLK_n) {
                        answered = declined = true;
                    }
                }
            } else if (quitRequested()) {
                // The window is closing: the player keeps what stands.
                answered = declined = true;
            } else {
                // Nothing waiting (after a short rest): a look at the mouse.
                Widget* found = controlUnderPointer(controls);
                if (found != under) {
                    if (under && under->state != 0) under->setState(-1);
                    if (found && found->state != 0) found->setState(1);
                    under = found;
                }
            }
            passEnd();
        }
        for (auto& c : controls) {
            c->restoreBackground();
            c.reset();
        }
        offer->erase();
        offer.reset();
        offerText = nullptr;
        if (amount > 0 && !declined) continue;
        if (copy && display) display->blitFullScreen(copy.get());
        copy.reset();
        setWinnerPaid(amount);
        return;
    }
}

int DoubleUpBonus::playDoubleUp(int stake) {
    std::vector<std::unique_ptr<Widget>> spots;
    for (int i = 1; i < 5 && i < static_cast<int>(cardPositions.size()); ++i)
        spots.push_back(std::make_unique<Hotspot>("card" + intToString(i + 1), cardPositions[i].x,
                                                  cardPositions[i].y, 62, 89));
    for (auto& card : deck) card->dealt = card->held = false;
    hand.clear();
    for (int i = 0; i < 5; ++i) {
        Card* card = deck[drawUndealtIndex()].get();
        card->dealt = true;
        hand.push_back(card);
    }
    playOnce("cardflip.wav");
    if (winnerBackground && display) display->blit(winnerBackground.get(), kWinnerArea);
    {
        Image back(cardBackPicture, false, true);
        if (back.loaded)
            for (int i = 1; i < 5; ++i) back.blit(cardPositions[i].x, cardPositions[i].y);
    }
    // The cards are drawn: until the player picks, the gamble is kept as
    // if the first card beside the dealer's were picked, the pick of a
    // player who does nothing more.
    keepDrawnWin(doubleUpResult(stake, kUnpickedCard));
    drawCardFace(*hand[0], cardPositions[0]);
    if (display) display->update();

    int picked = -1;
    while (picked < 0) {
        if (quitRequested()) {
            // The window is closing before a card was picked: the gamble
            // ends as kept, with that card.
            picked = kUnpickedCard;
            break;
        }
        SDL_Event event;
        if (waitModalEvent(event) && event.type == SDL_MOUSEBUTTONDOWN) {
            if (Widget* spot = controlUnderPointer(spots)) {
                picked = spot->name[4] - '1';
                keepDrawnWin(doubleUpResult(stake, picked));
                drawCardFace(*hand[picked], cardPositions[picked]);
                if (display) display->update();
            }
        }
        passEnd();
    }
    timedPause(2000);

    const int result = doubleUpResult(stake, picked);
    playOnce(result > 0 ? "bugle1.wav" : "aww.wav");
    return result;
}

int DoubleUpBonus::doubleUpResult(int stake, int picked) const {
    if (picked < 1 || picked >= static_cast<int>(hand.size())) return stake;
    const int mine = hand[picked]->rank, dealers = hand[0]->rank;
    // Higher doubles the stake, a tie gives it back, lower loses it.
    return mine > dealers ? 2 * stake : mine == dealers ? stake : 0;
}
