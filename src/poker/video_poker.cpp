#include "poker/video_poker.h"

#include <climits>

#include "machine/denomination.h"
#include "machine/money_input.h"
#include "player/machine_stats.h"
#include "player/player.h"
#include "poker/pay_tables.h"
#include "shell/app.h"
#include "shell/clock.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/mtrand.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/util.h"
#include "shell/waiting.h"

const std::string pokerGfx = "../gfx/poker/";
const std::string pokerButtonsGfx = "../gfx/pokerbuttons/";
const std::string cardBackPicture = "../gfx/poker/backs/corvalo.png";

namespace {

const char* const kPokerFont = "../fonts/poker2.ttf";
const SDL_Rect kWinnerArea = {186, 297, 326, 110};
const int kHeldWidth = 70, kHeldHeight = 21;

// Draws a picture file once at (x, y): no colour key, its own pixel format.
void drawPicture(const std::string& file, int x, int y) {
    Image picture(file, false, true);
    if (picture.loaded) picture.blit(x, y);
}

void playSound(const char* name) {
    if (soundPlayer) soundPlayer->play(name, false);
}

// Waits in a modal loop for a key or mouse-button press (a window-close
// request ends the wait too, and is kept for the frame loop).
void waitForPress() {
    for (;;) {
        SDL_Event event;
        if (waitModalEvent(event)) {
            if (event.type == SDL_KEYDOWN || event.type == SDL_MOUSEBUTTONDOWN) return;
        } else if (quitRequested()) {
            return;
        }
        if (display) display->update();
        if (soundPlayer) soundPlayer->update();
    }
}

}  // namespace

VideoPoker::VideoPoker()
    : lastTick(0), seconds(0), coinsBet(0), coinsPlayed(0), handOut(false),
      deckSize(52) {
    graphicsDir = "";
    name = "";
}

VideoPoker::~VideoPoker() {
    lastMachineId = name;
    settleDealtHand();
    winnerBackground.reset();
    deleteMeters();
    freeDeck();
    freeHeldBackgrounds();
}

void VideoPoker::init() {
    Screen::init();
    deckSize = 52;
    lastTick = 0;
    seconds = 0;
    credits = 0;
    coinsBet = 0;
    coinsPlayed = 0;
    handOut = false;
    winnerBackground.reset();
    graphicsDir = pokerGfx + name + "/";
    redraw();
    createMeters();
    showDenomination();
    setupCardPositions();
    createButtons();
    buildDeck();
    saveHeldBackgrounds();
    insertMoney();
    if (currentPlayer && currentPlayer->firsttimepoker) {
        showHelp();
        currentPlayer->firsttimepoker = false;
    }
}

// ---- cabinet ---------------------------------------------------------------

void VideoPoker::setupCardPositions() {
    const int cardX[5] = {190, 259, 328, 397, 466};
    const int heldX[5] = {185, 256, 326, 396, 465};
    for (int i = 0; i < 5; ++i) {
        cardPositions.push_back(Point{cardX[i], 320});
        heldPositions.push_back(Point{heldX[i], 290});
    }
}

std::string VideoPoker::suitName(int suit) { return poker::suitName(suit); }

int VideoPoker::suitNumber(const std::string& suitText) { return poker::suitNumber(suitText); }

void VideoPoker::redraw() {
    drawPicture(graphicsDir + "back.png", 0, 0);
    {
        TextLabel credit(kPokerFont, 14, "Credit", 249, 441, 5, 255, 255, 255, 0);
        credit.draw();
        TextLabel coins(kPokerFont, 14, "Coins In", 472, 441, 5, 255, 255, 255, 0);
        coins.draw();
    }
    if (display) display->update();
}

void VideoPoker::createMeters() {
    creditMeter = std::make_unique<TextLabel>(kPokerFont, 14, "0", 249, 459, 5, 255, 255, 255, 0);
    winnerPaidText = std::make_unique<TextLabel>(kPokerFont, 12, "0", 190, 286, 1, 255, 255, 255, 0);
    coinsMeter = std::make_unique<TextLabel>(kPokerFont, 14, "0", 472, 459, 5, 255, 255, 255, 0);
    denominationText = std::make_unique<TextLabel>(kPokerFont, 28, "", 359, 447, 4, 255, 255, 255, 0);
}

void VideoPoker::deleteMeters() {
    creditMeter.reset();
    winnerPaidText.reset();
    coinsMeter.reset();
    denominationText.reset();
}

void VideoPoker::saveHeldBackgrounds() {
    if (!display || !display->screen) return;
    for (const Point& p : heldPositions) {
        SDL_Rect area = {static_cast<Sint16>(p.x), static_cast<Sint16>(p.y), kHeldWidth, kHeldHeight};
        heldBackgrounds.push_back(display->copyRegion(area));
    }
}

void VideoPoker::freeHeldBackgrounds() {
    heldBackgrounds.clear();
}

void VideoPoker::eraseHeldMarker(int position) {
    if (!display || position >= static_cast<int>(heldBackgrounds.size()) || !heldBackgrounds[position]) return;
    const Point& p = heldPositions[position];
    SDL_Rect area = {static_cast<Sint16>(p.x), static_cast<Sint16>(p.y), kHeldWidth, kHeldHeight};
    display->blit(heldBackgrounds[position].get(), area);
}

void VideoPoker::createButtons() {
    struct Spot { const char* name; int x, y; };
    const Spot pictureButtons[] = {{"betmax", 593, 493}, {"deal", 546, 493}, {"hold4", 477, 494},
                                   {"hold3", 425, 495},  {"hold2", 374, 495}, {"hold1", 322, 496},
                                   {"hold0", 270, 496},  {"betone", 199, 494}, {"cashout", 144, 495},
                                   {"change", 178, 461}};
    for (const Spot& s : pictureButtons)
        add<Button>(s.name, pokerButtonsGfx, s.x, s.y, false, false, true, false, false);
    add<Hotspot>("coin", 559, 465, 39, 51);
    add<Hotspot>("money", 522, 546, 114, 45);
    for (int i = 0; i < 5 && i < static_cast<int>(cardPositions.size()); ++i)
        add<Hotspot>("card" + intToString(i + 1), cardPositions[i].x, cardPositions[i].y, 62, 89);
    add<Hotspot>("denomination", 331, 427, 55, 41);
    add<Hotspot>("bottom", 119, 556, 522, 600);
}

void VideoPoker::tick() {
    playClockTick(name, seconds, lastTick);
    checkHover();
}

void VideoPoker::checkHover() { Screen::checkHover(); }

void VideoPoker::setHovered(Widget* control) { Screen::setHovered(control); }

void VideoPoker::showHelp() {
    if (!display) return;
    SurfacePtr copy = display->copyScreen();
    struct Page { const char* file; int x, y; };
    const Page pages[] = {{"poker_1.png", 217, 241}, {"poker_2.png", 282, 220}, {"poker_3.png", 453, 218}};
    for (const Page& page : pages) {
        drawPicture("../gfx/help/" + std::string(page.file), page.x, page.y);
        display->update();
        waitForPress();
        if (copy) display->blitFullScreen(copy.get());
        display->update();
        if (quitRequested()) break;
    }
}

// ---- input -------------------------------------------------------------------

int VideoPoker::coinsToDeal() const {
    const int coins = coinsBet > 0 ? coinsBet : 1;
    return credits >= coins ? coins : 0;
}

void VideoPoker::betOne() {
    if (handOut || coinsBet > 4 || credits < coinsBet + 1) return;
    ++coinsBet;
    updateCreditMeter(credits - coinsBet);
    updateCoinsMeter(coinsBet);
}

void VideoPoker::settleDealtHand() {
    if (!handOut) return;
    handOut = false;
    settleDrawnPlay();
    coinsPlayed = 0;
}

void VideoPoker::finishUnderWay() { settleDealtHand(); }

void VideoPoker::cashOut(const char* sound, bool toCashier) {
    settleDealtHand();
    leave(*this, sound, toCashier);
}

void VideoPoker::handleEvent(const SDL_Event& event) {
    Screen::handleEvent(event);
    if (!menuEnabled || event.type != SDL_KEYDOWN || next) return;
    switch (event.key.keysym.sym) {
    case SDLK_RETURN:
        if (handOut) {
            drawCards();
        } else if (int coins = coinsToDeal()) {
            deal(coins);
        }
        break;
    case SDLK_m:
        if (credits >= 5 && !handOut) deal(5);
        break;
    case SDLK_n:
        betOne();
        break;
    case SDLK_ESCAPE:
        cashOut("coindrp4.wav", false);
        break;
    default:
        break;
    }
}

void VideoPoker::handleButton(Widget* control) {
    if (!menuEnabled || !control || next) return;
    playSound("click3.wav");
    const std::string& n = control->name;
    if (n == "bottom") {
        showBottomPanel();
    } else if (n == "cashout") {
        if (!handOut) cashOut("elecdrp3.wav", false);
    } else if (n == "deal") {
        if (handOut) drawCards();
        else if (int coins = coinsToDeal()) deal(coins);
    } else if (n == "betmax") {
        if (credits >= 5 && !handOut) deal(5);
    } else if (n == "betone") {
        betOne();
    } else if (n.size() == 5 && n.compare(0, 4, "hold") == 0 && n[4] >= '0' && n[4] <= '4') {
        if (handOut) toggleHold(n[4] - '0');
    } else if (n.size() == 5 && n.compare(0, 4, "card") == 0 && n[4] >= '1' && n[4] <= '5') {
        if (handOut) toggleHold(n[4] - '1');
    } else if (n == "change") {
        if (!handOut) cashOut("elecdrp3.wav", true);
    } else if (n == "denomination") {
        if (!handOut) changeDenomination();
    } else if (n == "coin" || n == "money") {
        if (!handOut) {
            insertMoney();
            updateCreditMeter(credits);
        }
    }
}

// ---- deck and play cycle -----------------------------------------------------

void VideoPoker::buildDeck() {
    for (int suit = 0; suit < 4; ++suit) {
        for (int rank = 2; rank <= 14; ++rank) {
            auto card = std::make_unique<Card>();
            card->suit = suit;
            card->rank = rank;
            deck.push_back(std::move(card));
        }
    }
}

void VideoPoker::freeDeck() {
    deck.clear();
    hand.clear();
}

int VideoPoker::drawUndealtIndex() {
    const int size = deckSize < static_cast<int>(deck.size()) ? deckSize : static_cast<int>(deck.size());
    for (;;) {
        const int r = static_cast<int>(genrand() % static_cast<uint32_t>(size));
        if (!deck[r]->dealt) return r;
    }
}

void VideoPoker::drawCardFace(const Card& card, const Point& at) {
    drawPicture("../gfx/poker/cards/" + poker::rankName(card.rank) + "_" + suitName(card.suit) + ".png", at.x, at.y);
}

void VideoPoker::deal(int coins) {
    addVipPoints(coins);
    coinsPlayed = coins;
    coinsBet = 0;
    for (auto& card : deck) card->dealt = card->held = false;
    hand.clear();
    for (int i = 0; i < 5; ++i) {
        Card* card = deck[drawUndealtIndex()].get();
        card->dealt = true;
        hand.push_back(card);
    }
    handDealt();
    // A dealt hand is an outcome: until the draw replaces it, it is kept as
    // it stands, all five cards held and none replaced (what the player may
    // always choose), with what the machine drew for it. A hand left
    // without a draw settles so.
    keepDrawnPlay(name, coins, payableOnto(handWin(), static_cast<long long>(credits) - coins));
    // The meters show the bet once the points, the bet and the hand are
    // kept together: nothing is drawn while only some of them have changed.
    updateCreditMeter(credits - coins);
    updateCoinsMeter(coins);
    playSound("cardflip.wav");
    if (winnerBackground && display) display->blit(winnerBackground.get(), kWinnerArea);
    showCardBacks();
    timedPause(1000);
    showHand();
    handOut = true;
}

void VideoPoker::showHand() {
    SoundClip flip("cardflip.wav", false, 1);
    for (int i = 0; i < 5 && i < static_cast<int>(hand.size()); ++i) {
        if (!hand[i]->held) flip.play(0, 0);
        drawCardFace(*hand[i], cardPositions[i]);
        if (display) display->update();
        timedPause(200);
    }
    if (display) display->update();
}

void VideoPoker::toggleHold(int position) {
    if (position < 0 || position >= static_cast<int>(hand.size())) return;
    Card* card = hand[position];
    if (card->held) {
        card->held = false;
        eraseHeldMarker(position);
    } else {
        card->held = true;
        drawPicture(pokerGfx + "held.png", heldPositions[position].x, heldPositions[position].y);
    }
    if (display) display->update();
}

void VideoPoker::drawCards() {
    if (!handOut) return;
    handOut = false;
    for (int i = 0; i < 5; ++i) {
        eraseHeldMarker(i);
        if (display) display->update();
    }
    for (int i = 0; i < static_cast<int>(hand.size()); ++i) {
        if (hand[i]->held) continue;
        Card* card = deck[drawUndealtIndex()].get();
        card->dealt = true;
        hand[i] = card;
    }
    handDrawn();
    // The hand is final: what it pays replaces the dealt hand's pay, kept
    // before it is shown.
    keepDrawnWin(payableOnto(handWin(), static_cast<long long>(credits) - coinsPlayed));
    showCardBacks();
    timedPause(1000);
    showHand();
    settle(evaluateHand());
}

void VideoPoker::settle(int win) {
    credits -= coinsPlayed;
    if (win < 0) win = 0;
    // The machine never holds more credits than an int can count.
    const long long room = static_cast<long long>(INT_MAX) - (credits > 0 ? credits : 0);
    if (win > room) win = static_cast<int>(room);
    keepDrawnWin(win);
    recordDrawnPlay(name, coinsPlayed, win);
    coinsPlayed = 0;
    const CountUpStyle style = {countUpStep, nullptr, "pokerwin.wav", 0, false, timedPause, 200};
    countUp(win, style, [this](int paid) {
        updateCreditMeter(credits);
        setWinnerPaid(paid);
    });
    endDrawnPlay();
}

void VideoPoker::showWinner() {
    if (!display) return;
    winnerBackground = display->copyRegion(kWinnerArea);
    for (int i = 0; i < 3; ++i) {
        if (winnerBackground) display->blit(winnerBackground.get(), kWinnerArea);
        display->update();
        timedPause(250);
        drawPicture(pokerGfx + "winner.png", 227, 343);
        display->update();
        timedPause(250);
    }
}

int VideoPoker::handPay() {
    return poker::evaluateHand(*poker::payTableFor(name), hand, coinsPlayed).payPerCoin * coinsPlayed;
}

long long VideoPoker::handWin() { return handPay(); }

void VideoPoker::handDealt() {}

void VideoPoker::handDrawn() {}

int VideoPoker::payByTable(const poker::PayTable& table) {
    const poker::Evaluation e = poker::evaluateHand(table, hand, coinsPlayed);
    if (e.payPerCoin > 0) showWinner();
    return e.payPerCoin * coinsPlayed;
}

void VideoPoker::drawCorvaloBacks() {
    Image back(cardBackPicture, false, true);
    if (back.loaded) {
        for (int i = 0; i < static_cast<int>(hand.size()) && i < 5; ++i)
            if (!hand[i]->held) back.blit(cardPositions[i].x, cardPositions[i].y);
    }
    if (display) display->update();
}

// ---- side panels ---------------------------------------------------------------

void VideoPoker::insertMoney() {
    takeMoney(pokerMoneyPopup);
    // The meters start over with no coins bet, and so does the bet.
    coinsBet = 0;
    updateCreditMeter(credits);
    updateCoinsMeter(0);
    setWinnerPaid(0);
}

void VideoPoker::setDenomination(float value) { chooseCoinValue(name, value); }

void VideoPoker::changeDenomination() {
    nextCoinValue(name);
    updateCreditMeter(0);
    showDenomination();
}

void VideoPoker::showDenomination() {
    if (!denominationText) return;
    denominationText->setText(floatToString(coinValue()));
    denominationText->draw();
}

void VideoPoker::updateCreditMeter(int value) { showNumber(creditMeter.get(), value); }

void VideoPoker::updateCoinsMeter(int value) { showNumber(coinsMeter.get(), value); }

void VideoPoker::setWinnerPaid(int amount) {
    if (!winnerPaidText) return;
    winnerPaidText->setText("WINNER PAID: " + intToString(amount));
    winnerPaidText->draw();
}

void VideoPoker::showBottomPanel() {
    if (!menuEnabled || !display) return;
    display->saveScreen();
    drawPicture(graphicsDir + "bottom.png", 0, 0);
    display->update();
    playSound("whoosh.wav");
    waitForPress();
    display->restoreScreen();
    display->update();
    playSound("whoosh.wav");
}
