// The three-reel machine as a screen: set-up, reels, meters, badge, buttons,
// keys, help pages, the spin's reel pictures and pay line, and the settle.
#include "machine/three_reel.h"

#include <limits>

#include "floor/cashier.h"
#include "floor/lobby.h"
#include "floor/marquee.h"
#include "machine/denomination.h"
#include "machine/money_input.h"
#include "machine/progressive.h"
#include "player/jackpot_movies.h"
#include "player/player.h"
#include "shell/animation.h"
#include "shell/app.h"
#include "shell/controls.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/sound.h"
#include "shell/text_label.h"

int ThreeReelMachine::countUpDelay = 200;

namespace {

void playSound(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

struct HelpPage {
    const char* file;
    int x, y;
};

const HelpPage helpPages[6] = {
    {"slot_1.png", 309, 172}, {"slot_2.png", 290, 29}, {"slot_3.png", 157, 201},
    {"slot_4.png", 200, 17},  {"slot_5.png", 200, 386}, {"slot_6.png", 71, 165},
};

}  // namespace

ThreeReelMachine::ThreeReelMachine()
    : wildChance(5),
      multiplyByCoins(false),
      activeCoins(-1),
      activePayRules(0),
      activeCoinRules(0),
      activeSymbols(0),
      activeValid(false),
      wildNamedMask(0),
      masksUsable(false),
      losingFromSymbols(static_cast<size_t>(-1)),
      losingFromWilds(static_cast<size_t>(-1)) {
    result.reset();
}

ThreeReelMachine::~ThreeReelMachine() {
    deleteSymbols();
    deleteWilds();
}

void ThreeReelMachine::init() {
    wildChance = 5;
    reelCount = 3;
    maxLines = 1;
    coins = 0;
    lines = 1;
    Machine::init();

    declareSymbols();
    buildWildRules();
    buildPayTable();
    buildExtraRules();

    redraw();
    createMeters();
    createButtons();

    showCredits(0);
    showBet(0);
    showPaid(0);

    MoneyInput popup(this);
    showCredits(credits);

    if (currentPlayer && currentPlayer->firsttimeslot) {
        showHelp();
        currentPlayer->firsttimeslot = false;
    }
}

// ---- reels, meters, badge ----------------------------------------------------

void ThreeReelMachine::placeReels() {
    reelPositions.clear();
    for (int i = 0; i < 3; ++i) reelPositions.push_back(std::make_pair(reelY, reelX[i]));
}

void ThreeReelMachine::createReels() {
    Animation* first = new Animation(graphicsDir, "b", 20, 40, reelX[0], reelY, animBackward, false, false);
    reels.push_back(first);
    reels.push_back(first->clone("c", 39, reelX[1], reelY, animBackward));
    reels.push_back(first->clone("d", 39, reelX[2], reelY, animBackward));
}

void ThreeReelMachine::createMeters() {
    creditMeter = new TextLabel("../fonts/led4.ttf", 35, "0", 312, 382, 3, 255, 0, 0, 0);
    paidMeter = new TextLabel("../fonts/led4.ttf", 35, "0", 168, 382, 3, 255, 0, 0, 0);
    betMeter = new TextLabel("../fonts/led4.ttf", 35, "0", 625, 382, 5, 255, 0, 0, 0);
}

void ThreeReelMachine::showDenomination() {
    if (!denomination) return;
    Image badge("../gfx/denominations/" + denomination->picture, false, true);
    if (badge.loaded) badge.blit(334, 288);
}

void ThreeReelMachine::redraw() {
    drawBackground();
    randomSymbolOnEveryReel(static_cast<int>(symbols.size()));
    drawOverlay();
    showDenomination();
}

void ThreeReelMachine::loadGraphics(const std::string& pictureName, int reel) {
    if (reel < 0 || reel >= 3) return;
    Image picture(graphicsDir + pictureName, false, false);
    if (picture.loaded) picture.blit(reelX[reel], reelY);
}

void ThreeReelMachine::setReelSymbol(Symbol* symbol, int reel) {
    if (symbol) loadGraphics(symbol->pictureName(), reel);
}

void ThreeReelMachine::showStoppedReel(int reel) { setReelSymbol(result.chosenSymbol(reel), reel); }

void ThreeReelMachine::drawOverlay() {
    if (!display || !display->hasSurface()) return;
    display->drawLine(160, 164, 637, 164, 0, 0, 0);
    display->drawLine(160, 165, 637, 165, 255, 255, 255);
    display->drawLine(160, 166, 637, 166, 255, 255, 255);
    display->drawLine(160, 167, 637, 167, 0, 0, 0);
    SDL_Rect line = {160, 164, 478, 4};
    display->addDirtyRect(line);
}

// ---- controls and keys -----------------------------------------------------

void ThreeReelMachine::createButtons() {
    Machine::createButtons();
    const std::string folder = "../gfx/machinebuttons/";
    addButton(new Button("betmax", folder, 649, 399, false, false, true, false, true));
    addButton(new Button("betone", folder, 183, 401, false, false, true, false, true));
    addButton(new Button("cashout", folder, 106, 401, false, false, true, false, true));
    addButton(new Button("change", folder, 31, 401, false, false, true, false, true));
    addButton(new Button("spin", folder, 268, 402, false, false, true, false, true));
    addButton(new Hotspot("coin", 446, 371, 60, 34));
    addButton(new Hotspot("money", 621, 473, 179, 99));
    addButton(new Hotspot("denomination", 333, 288, 139, 84));
}

void ThreeReelMachine::betMax() {
    if (credits < maxCoins) return;
    showCredits(credits - maxCoins);
    showBet(maxCoins);
    coins = maxCoins;
    pull();
}

void ThreeReelMachine::betOne() {
    if (credits - coins - 1 < 0 || coins >= maxCoins) return;
    coins += 1;
    showCredits(credits - coins);
    showBet(coins);
}

void ThreeReelMachine::spinButton() {
    if (coins <= 0 || credits < coins) return;
    showCredits(credits - coins);
    showBet(coins);
    pull();
}

void ThreeReelMachine::handleButton(Widget* control) {
    Machine::handleButton(control);
    if (!menuEnabled || !control) return;
    playSound("click3.wav");
    const std::string& n = control->name;
    if (n == "betmax") {
        betMax();
    } else if (n == "betone") {
        betOne();
    } else if (n == "cashout") {
        cashOut(false);
    } else if (n == "change") {
        cashOut(true);
    } else if (n == "spin") {
        spinButton();
    } else if (n == "coin" || n == "money") {
        MoneyInput popup(this);
        showCredits(credits);
    } else if (n == "denomination") {
        changeDenomination();
    }
}

void ThreeReelMachine::handleEvent(const SDL_Event& event) {
    Machine::handleEvent(event);
    if (!menuEnabled || event.type != SDL_KEYDOWN) return;
    switch (event.key.keysym.sym) {
        case SDLK_RETURN: spinButton(); break;
        case SDLK_m: betMax(); break;
        case SDLK_n: betOne(); break;
        case SDLK_ESCAPE: cashOut(false); break;
        case SDLK_PAGEUP: showMarquee(this, "top"); break;
        case SDLK_PAGEDOWN: showMarquee(this, "bottom"); break;
        default: break;
    }
}

void ThreeReelMachine::cashOut(bool toCashier) {
    if (next) return;  // already leaving
    if (credits > 0) playSound("coindrp4.wav");
    returnCreditsToPlayer(credits, denomination);
    Image loading("../gfx/help/loading.png", false, true);
    if (loading.loaded) loading.blit(277, 559);
    if (display) display->update();
    if (toCashier) next = new Cashier();
    else next = new Lobby();
}

void ThreeReelMachine::showHelp() {
    if (!display) return;
    display->saveScreen();
    for (int i = 0; i < 6; ++i) {
        {
            Image page(std::string("../gfx/help/") + helpPages[i].file, false, true);
            if (page.loaded) page.blit(helpPages[i].x, helpPages[i].y);
        }
        display->update();
        SDL_Event event;
        for (;;) {
            if (pollModalEvent(event)) {
                if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_KEYDOWN) break;
            } else if (quitRequested()) {
                break;  // the window is closing: no one is left to click through
            }
        }
        if (quitRequested()) break;
        if (i < 5) display->drawSavedScreen();
    }
    display->restoreScreen();
    display->update();
}

// ---- the spin --------------------------------------------------------------

void ThreeReelMachine::startSpin() {
    spinSoundChannel = soundPlayer ? soundPlayer->play("elecbuzz.wav", true) : nullptr;
    Machine::startSpin();
}

int ThreeReelMachine::countUpStep(int paid) {
    if (paid > 999) return 100;
    if (paid > 99) return 10;
    if (paid > 19) return 5;
    return 1;
}

int ThreeReelMachine::countUpWin() {
    if (win <= 0) return 0;
    SoundClip* clip = new SoundClip("digicnt.wav", false, 1);
    int paid = 0;
    int steps = 0;
    while (win > 0) {
        int step = countUpStep(paid);
        // A win too large to count up in reasonable time is paid whole by
        // the last step.
        if (steps == countUpMaxSteps - 1) step = win;
        if (step > win) step = win;
        win -= step;
        paid += step;
        credits += step;
        ++steps;
        showCredits(credits);
        showPaid(paid);
        clip->play(0, 0);
        if (countUpDelay > 0) SDL_Delay(countUpDelay);
        SDL_Event dropped;
        pollModalEvent(dropped);
    }
    delete clip;
    return steps;
}

void ThreeReelMachine::settle() {
    spinning = false;
    if (spinSoundChannel) {
        spinSoundChannel->halt();
        spinSoundChannel = nullptr;
    }
    playWinSound();

    credits -= coins;
    showCredits(credits);

    if (result.payKind == payProgressive) {
        // The whole meter at the coin value, counted in whole cents.
        win = ::progressiveCoins(denomination);
        seedProgressiveMeters();
    }
    // No credit count may pass the largest number a machine holds.
    if (result.payKind != payJackpotMovie && win > std::numeric_limits<int>::max() - credits)
        win = std::numeric_limits<int>::max() - credits;

    if (currentPlayer) currentPlayer->recordPlay(name, coins, win, coinValue());

    if (result.payKind == payJackpotMovie) {
        playCarJackpotMovie(this);
    } else {
        countUpWin();
    }

    coins = 0;
    menuEnabled = true;
}

// ---- the arrow machines ----------------------------------------------------

ArrowThreeReelMachine::ArrowThreeReelMachine() {}

ArrowThreeReelMachine::~ArrowThreeReelMachine() {}

void ArrowThreeReelMachine::spinStep() {
    const int now = static_cast<int>(SDL_GetTicks());
    const int count = static_cast<int>(reelStartTimes.size());
    for (int i = 0; i < count; ++i) {
        if (reelStartTimes[i] == -1) continue;
        if (now - reelStartTimes[i] >= reelStopDelays[i]) {
            showStoppedReel(i);
            playSound("slothit1.wav");
            onReelStop(i);
            reelStartTimes[i] = -1;
            if (i == count - 1) {
                drawOverlay();
                if (display) display->update();
                animateArrows();
                settle();
            }
        } else if (i < static_cast<int>(reels.size()) && reels[i]) {
            reels[i]->update(false);
        }
    }
    drawOverlay();
}

void ArrowThreeReelMachine::animateArrows() {
    bool first = true;
    for (int reel = 0; reel < 3; ++reel) {
        Symbol* s = result.chosenSymbol(reel);
        if (!s || (s->kind != symbolArrowUp && s->kind != symbolArrowDown)) continue;
        if (first) {
            SDL_Delay(500);
            first = false;
        }
        playArrowSound();
        for (int k = 1; k <= 2; ++k) {
            loadGraphics(s->name + ".png." + std::to_string(k), reel);
            drawOverlay();
            if (display) display->update();
            SDL_Delay(66);
        }
    }
}
