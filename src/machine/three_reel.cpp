// The three-reel machine as a screen: set-up, reels, meters, badge, buttons,
// keys, help pages, the spin's reel pictures and pay line, and the settle.
#include "machine/three_reel.h"

#include <limits>

#include "machine/progressive.h"
#include "machine/slot_cabinet.h"
#include "player/jackpot_movies.h"
#include "player/player.h"
#include "shell/animation.h"
#include "shell/app.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/sound.h"
#include "shell/waiting.h"

int ThreeReelMachine::countUpDelay = 200;

namespace {

void playSound(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

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

    insertMoney();

    if (currentPlayer && currentPlayer->firsttimeslot) {
        showHelp();
        currentPlayer->firsttimeslot = false;
    }
}

void ThreeReelMachine::setUpMachine(const std::string& id, int mostCoins, bool perCoin, float value,
                                    float ratio) {
    name = id;
    multiplyByCoins = perCoin;
    payoutRatio = ratio;
    maxCoins = mostCoins;
    denomination = nullptr;
    setDenomination(value);
    init();
}

// ---- reels, meters, badge ----------------------------------------------------

void ThreeReelMachine::placeReels() { placeSlotCabinetReels(*this, reelX, reelY); }

void ThreeReelMachine::createReels() { createSlotCabinetReels(*this, reelX, reelY); }

void ThreeReelMachine::createMeters() { createSlotCabinetMeters(*this); }

void ThreeReelMachine::showDenomination() { showSlotCabinetBadge(*this); }

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
    addSlotCabinetButtons(*this);
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
    runSlotCabinetButton(*this, control);
}

void ThreeReelMachine::handleEvent(const SDL_Event& event) {
    Machine::handleEvent(event);
    runSlotCabinetKey(*this, event);
}


void ThreeReelMachine::showHelp() { showSlotHelpPages(); }

// ---- the spin --------------------------------------------------------------

void ThreeReelMachine::startSpin() {
    spinSoundChannel = soundPlayer ? soundPlayer->play("elecbuzz.wav", true) : nullptr;
    Machine::startSpin();
}

bool ThreeReelMachine::stopDueReels(bool overlayEachStop) {
    const int now = static_cast<int>(mediaTicks());
    const int count = static_cast<int>(reelStartTimes.size());
    bool lastStopped = false;
    for (int i = 0; i < count; ++i) {
        if (reelStartTimes[i] == -1) continue;
        if (now - reelStartTimes[i] >= reelStopDelays[i]) {
            showStoppedReel(i);
            playSound("slothit1.wav");
            onReelStop(i);
            reelStartTimes[i] = -1;
            if (overlayEachStop) {
                drawOverlay();
                if (display) display->update();
            }
            if (i == count - 1) lastStopped = true;
        } else {
            wakeBy(static_cast<Uint32>(reelStartTimes[i] + reelStopDelays[i]));
            if (i < static_cast<int>(reels.size()) && reels[i]) reels[i]->update(false);
        }
    }
    return lastStopped;
}

void ThreeReelMachine::stopSpinSound() {
    if (spinSoundChannel) {
        spinSoundChannel->halt();
        spinSoundChannel = nullptr;
    }
}

Symbol* ThreeReelMachine::placeOnReel(const std::string& symbolName, int reel) {
    Symbol* s = findSymbol(symbolName);
    if (s && reel >= 0 && result.chosen.size() > static_cast<size_t>(reel)) result.chosen[static_cast<size_t>(reel)] = s;
    return s;
}

void ThreeReelMachine::payTwoCoinsWorthAtFullBet() {
    if (coins == maxCoins && result.payKind != payWholeBet && coins > 0) win = (win / coins) * 2;
}

long long ThreeReelMachine::creditsPaid(long long drawnWin, long long creditsAfterBet) const {
    // The car is a prize, not credits.
    if (result.payKind == payJackpotMovie) return 0;
    return payableOnto(drawnWin, creditsAfterBet);
}

void ThreeReelMachine::keepWinWith(long long extra) {
    keepDrawnWin(creditsPaid(static_cast<long long>(win) + extra, static_cast<long long>(credits) - coins));
}

void ThreeReelMachine::keepPull(int bet) {
    // A progressive jackpot pays the whole meter of the coin value, counted
    // in whole cents. The save file holds the meter as it stands at the
    // draw, so a game killed while the reels turn keeps that much; the
    // settle pays it as it stands then.
    if (result.payKind == payProgressive) win = ::progressiveCoins(denomination);
    // The car is the player's from the moment it is drawn.
    if (result.payKind == payJackpotMovie) awardCarPrize();
    drawBonus();
    keepDrawnPlay(name, bet, creditsPaid(win + drawnBonusWin(), static_cast<long long>(credits) - bet),
                  result.payKind == payJackpotMovie ? win : 0);
}

void ThreeReelMachine::settle() {
    spinning = false;
    stopSpinSound();
    playWinSound();

    credits -= coins;
    showCredits(credits);

    if (result.payKind == payProgressive) {
        // The meter went on growing while the reels turned: the jackpot is
        // what it shows now (the save file learns the difference below);
        // then the meters start afresh.
        win = ::progressiveCoins(denomination);
        seedProgressiveMeters();
    }
    if (result.payKind != payJackpotMovie) win = static_cast<int>(creditsPaid(win, credits));
    keepDrawnWin(creditsPaid(win, credits));

    // The statistics record the spin's win, the car's award too (it is a
    // prize, not credits, so nothing is counted up).
    recordDrawnPlay(name, coins, win);

    if (result.payKind == payJackpotMovie) {
        playCarJackpotMovie(this);
    } else {
        countUpWin();
    }

    endDrawnPlay();
    coins = 0;
    menuEnabled = true;
}

// ---- the arrow machines ----------------------------------------------------

ArrowThreeReelMachine::ArrowThreeReelMachine() {}

ArrowThreeReelMachine::~ArrowThreeReelMachine() {}

void ArrowThreeReelMachine::spinStep() {
    if (stopDueReels()) {
        drawOverlay();
        if (display) display->update();
        animateArrows();
        settle();
    }
    drawOverlay();
}

void ArrowThreeReelMachine::animateArrows() {
    bool first = true;
    for (int reel = 0; reel < 3; ++reel) {
        Symbol* s = result.chosenSymbol(reel);
        if (!s || (s->kind != symbolArrowUp && s->kind != symbolArrowDown)) continue;
        if (first) {
            modalPause(500);
            first = false;
        }
        playArrowSound();
        for (int k = 1; k <= 2; ++k) {
            loadGraphics(s->name + ".png." + std::to_string(k), reel);
            drawOverlay();
            if (display) display->update();
            modalPause(66);
        }
    }
}
