#include "machine/machine.h"

#include <iostream>

#include "machine/denomination.h"
#include "machine/marquee.h"
#include "machine/money_input.h"
#include "player/machine_stats.h"
#include "player/player.h"
#include "shell/animation.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/mtrand.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/util.h"
#include "shell/waiting.h"

namespace {

void playSound(const char* name) {
    if (soundPlayer) soundPlayer->play(name);
}

}  // namespace

Machine::Machine()
    : spinning(false),
      coins(0),
      lines(0),
      maxLines(1),
      reelCount(0),
      maxCoins(0),
      win(0),
      pulledBet(0),
      lastTick(0),
      seconds(0),
      payoutRatio(0.95f),
      spinSoundChannel(nullptr) {}

Machine::~Machine() {
    lastMachineId = name;
    // A play still under way when the machine goes (it was closed without
    // the frame loop's finish) is settled as drawn by the bank.
    reels.clear();
}

void Machine::init() {
    Screen::init();
    credits = 0;
    lastTick = 0;
    seconds = 0;
    win = 0;
    pulledBet = 0;
    spinning = false;
    spinSoundChannel = nullptr;
    creditMeter.reset();
    paidMeter.reset();
    betMeter.reset();
    placeReels();
    createReels();
}

void Machine::handleEvent(const SDL_Event& event) {
    Screen::handleEvent(event);
    if (event.type != SDL_KEYDOWN) return;
    // The hidden keys wait until the machine is idle: never in the middle
    // of a spin or its settle.
    if (spinning || !menuEnabled) return;
    if (event.key.keysym.sym == SDLK_t)
        payoutTest();
    else if (event.key.keysym.sym == SDLK_y)
        resetStats();
}

void Machine::createButtons() {
    add<Hotspot>("top", 0, 0, screenWidth, 100);
    add<Hotspot>("bottom", 0, screenHeight - 35, screenWidth, 35);
}

void Machine::tick() {
    playClockTick(name, seconds, lastTick);
    if (spinning) spinStep();
    checkHover();
}

void Machine::checkHover() { Screen::checkHover(); }

void Machine::setHovered(Widget* control) { Screen::setHovered(control); }

void Machine::handleButton(Widget* control) {
    if (!menuEnabled || !control) return;
    if (control->name == "top" || control->name == "bottom") showMarquee(this, control->name);
}

int Machine::betAmount() const {
    if (reelCount == 5) return coins * lines;
    if (maxLines > 1) return lines;
    return coins;
}

void Machine::pull() {
    int bet = betAmount();
    // A bet the credits don't cover (or no bet at all) starts nothing: no
    // points, no sound, and the machine keeps taking input.
    if (spinning || bet <= 0 || credits < bet) return;
    addVipPoints(bet);
    pulledBet = bet;
    menuEnabled = false;
    playSound("onepull.wav");
    startSpin();
    spin();
    keepPull(bet);
}

void Machine::keepPull(int bet) {
    drawBonus();
    keepDrawnPlay(name, bet, payableOnto((win > 0 ? win : 0) + drawnBonusWin(), static_cast<long long>(credits) - bet));
}

void Machine::finishUnderWay() {
    // Every reel stops now; a free re-spin that a settle starts stops at
    // once too. The quit flag ends every pause, so nothing is shown for long.
    for (int pass = 0; pass < 10000 && spinning; ++pass) {
        for (int& delay : reelStopDelays) delay = 0;
        spinStep();
    }
    if (drawn.active) settleDrawnPlay();
}

void Machine::startSpin() {
    size_t count = reels.empty() ? static_cast<size_t>(reelCount > 0 ? reelCount : 0) : reels.size();
    int now = static_cast<int>(mediaTicks());
    reelStartTimes.assign(count, now);
    reelStopDelays.assign(count, 0);
    int delay = 500;
    for (size_t i = 0; i < count; ++i) {
        delay += static_cast<int>(genrand() % 1000);
        reelStopDelays[i] = delay;
    }
    spinning = true;
}

void Machine::spinStep() {
    size_t count = reelStartTimes.size();
    for (size_t i = 0; i < count && spinning; ++i) {
        if (reelStartTimes[i] == -1) continue;
        int elapsed = static_cast<int>(mediaTicks() - static_cast<Uint32>(reelStartTimes[i]));
        if (i < reelStopDelays.size() && elapsed >= reelStopDelays[i]) {
            showStoppedReel(static_cast<int>(i));
            playSound("slothit1.wav");
            onReelStop(static_cast<int>(i));
            reelStartTimes[i] = -1;
            if (i + 1 == count) {
                drawOverlay();
                if (display) display->update();
                settle();
            }
        } else {
            if (i < reelStopDelays.size()) wakeBy(static_cast<Uint32>(reelStartTimes[i] + reelStopDelays[i]));
            if (i < reels.size() && reels[i]) reels[i]->update(false);
        }
    }
    if (count == 0 && spinning) {
        // A machine without reels has nothing to wait for.
        drawOverlay();
        settle();
    }
    drawOverlay();
}

void Machine::payoutTest() {
    if (spinning || !menuEnabled) return;
    int savedCoins = coins, savedLines = lines, savedWin = win;
    std::cout << "Testing " << std::flush;
    // Each test play bets what bet max bets: one coin a line on the
    // multi-line machines of three reels, the most coins elsewhere.
    const bool oneCoinPerLine = reelCount != 5 && maxLines > 1;
    for (int i = 0; i < payoutTestPlays; ++i) {
        coins = oneCoinPerLine ? 1 : maxCoins;
        lines = maxLines;
        playRound();
        std::cout << ".";
    }
    std::cout << " Done." << std::endl;
    // The test leaves the player's bet as it found it.
    coins = savedCoins;
    lines = savedLines;
    win = savedWin;
    playSound("pop.wav");
}

void Machine::playRound() {
    int bet = coins * lines;
    if (bet <= 0 || credits < bet) return;
    spin();
    if (currentPlayer) currentPlayer->recordPlay(name, bet, win > 0 ? win : 0, coinValue());
}

void Machine::resetStats() {
    if (currentPlayer) {
        if (MachineStats* stats = currentPlayer->findStats(name)) {
            stats->reset();
            stats->id = name;
        }
    }
    playSound("pop.wav");
}

void Machine::drawBackground() {
    Image background(graphicsDir + "back.png");
    background.blit(0, 0);
}

void Machine::showCredits(int n) { showNumber(creditMeter.get(), n); }

void Machine::showPaid(int n) { showNumber(paidMeter.get(), n); }

void Machine::showBet(int n) { showNumber(betMeter.get(), n); }

void Machine::showDenomination() {}

void Machine::setDenomination(float value) { chooseCoinValue(name, value); }

void Machine::changeDenomination() {
    nextCoinValue(name);
    showCredits(0);
    showDenomination();
}

void Machine::insertMoney() {
    takeMoney(reelMoneyPopup);
    showCredits(credits);
}

void Machine::cashOut(bool toCashier, const char* sound) { leave(*this, sound, toCashier); }

int Machine::countUpWin(int (*step)(long long, long long, long long), int maxSteps, int pauseMs) {
    if (win <= 0) return 0;
    const long long whole = win;
    win = 0;
    const CountUpStyle style = {step, "digicnt.wav", nullptr, maxSteps, true,
                                modalPause, static_cast<Uint32>(pauseMs > 0 ? pauseMs : 0)};
    return countUp(whole, style, [this](int paid) {
        showCredits(credits);
        showPaid(paid);
    });
}
