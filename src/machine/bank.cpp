#include "machine/bank.h"

#include <SDL.h>

#include <climits>
#include <iostream>
#include <memory>

#include "machine/denomination.h"
#include "machine/money_input.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/mtrand.h"
#include "shell/routes.h"
#include "shell/screen.h"
#include "shell/sound.h"

int stepByPaid(long long paid, long long remaining, long long) {
    long long step = paid > 999 ? 100 : paid > 99 ? 10 : paid > 19 ? 5 : 1;
    return static_cast<int>(step < remaining ? step : remaining);
}

int countUpStep(long long paid, long long remaining, long long total) {
    long long step = stepByPaid(paid, remaining, total);
    if (total > 20000) {
        const long long bounded = (total + 199) / 200;
        if (step < bounded) step = bounded;
    }
    return static_cast<int>(step < remaining ? step : remaining);
}

Bank::Bank() : credits(0), denomination(nullptr) {
    openingDraws();
    holdMoney(this);
}

Bank::~Bank() {
    if (drawn.active) settleDrawnPlay();
    if (credits > 0) returnCredits();
    releaseMoney(this);
}

int Bank::creditsAfterPlay() const {
    if (!drawn.active) return credits;
    const long long after = static_cast<long long>(drawn.creditsBefore) - drawn.bet + drawn.won;
    return after < 0 ? 0 : after > INT_MAX ? INT_MAX : static_cast<int>(after);
}

long long Bank::payableOnto(long long win, long long creditsAfterBet) {
    const long long room = static_cast<long long>(INT_MAX) - creditsAfterBet;
    return win < 0 ? 0 : win > room ? room : win;
}

Money Bank::heldMoney() const { return worth(creditsAfterPlay()); }

bool Bank::drawnPlay(DrawnPlay& record) const {
    if (!drawn.active || drawn.recorded) return false;
    record.machineId = drawn.machineId;
    record.coinsBet = drawn.bet;
    record.coinsWon = drawn.won + drawn.prize;
    record.coinValue = coinValue();
    return true;
}

namespace {

void keepNow() {
    if (currentPlayer) currentPlayer->saveNow();
}

}  // namespace

void Bank::keepDrawnPlay(const std::string& machineId, long long bet, long long won, long long prize) {
    drawn = DrawnOutcome();
    drawn.active = true;
    drawn.machineId = machineId;
    drawn.creditsBefore = credits;
    drawn.bet = bet;
    drawn.won = won < 0 ? 0 : won;
    drawn.prize = prize < 0 ? 0 : prize;
    keepNow();
}

void Bank::keepDrawnWin(long long won) {
    if (!drawn.active) return;
    if (won < 0) won = 0;
    if (won == drawn.won) return;
    drawn.won = won;
    keepNow();
}

void Bank::recordDrawnPlay(const std::string& machineId, long long bet, long long won) {
    if (drawn.active && drawn.recorded) return;
    if (currentPlayer)
        currentPlayer->recordPlay(machineId, static_cast<int>(bet), won > INT_MAX ? INT_MAX : static_cast<int>(won),
                                  coinValue());
    if (drawn.active) drawn.recorded = true;
}

void Bank::endDrawnPlay() {
    if (drawn.active && credits != creditsAfterPlay())
        std::cerr << "A play of " << drawn.machineId << " left " << credits << " credits; it was drawn to leave "
                  << creditsAfterPlay() << std::endl;
    drawn = DrawnOutcome();
    if (currentPlayer) currentPlayer->playShown();
}

void Bank::settleDrawnPlay() {
    if (!drawn.active) return;
    if (!drawn.recorded) recordDrawnPlay(drawn.machineId, drawn.bet, drawn.won + drawn.prize);
    credits = creditsAfterPlay();
    drawn = DrawnOutcome();
}

float Bank::coinValue() const { return denomination ? denomination->value : 0.0f; }

Money Bank::worth(long long coins) const {
    return denomination ? Money::cents(denomination->cents()) * coins : Money();
}

void Bank::chooseCoinValue(const std::string& machineId, float value) {
    if (denomination && denomination->value == value) return;
    Denomination* record = findDenomination(value, machineId);
    if (!record && value != 1.0f) record = findDenomination(1.0f, machineId);
    // The 1.0 record offers every machine of the floor; one that is not
    // listed anywhere still plays at 1.0.
    if (!record) record = findDenominationValue(1.0f);
    if (record) denomination = record;
}

void Bank::returnCredits() { returnCreditsToPlayer(credits, denomination); }

int Bank::takeMoney(const MoneyPopupStyle& style) {
    MoneyInput popup(credits, denomination, style);
    return popup.creditsBought;
}

void Bank::leave(Screen& screen, const char* sound, bool toCashier) {
    if (screen.next) return;  // already leaving
    if (credits > 0 && soundPlayer) soundPlayer->play(sound);
    returnCredits();
    Image loading("../gfx/help/loading.png", false, true);
    if (loading.loaded) loading.blit(277, 559);
    if (display) display->update();
    screen.next = toCashier ? cashierScreen() : lobbyScreen();
}

void Bank::nextCoinValue(const std::string& machineId) {
    returnCredits();
    if (Denomination* next = nextDenomination(machineId, denomination)) denomination = next;
}

void Bank::addVipPoints(long long coins) {
    if (!currentPlayer || !denomination) return;
    Money points = Money::dollars(currentPlayer->vippoints) + worth(coins);
    currentPlayer->vippoints = points > Money() ? points.inDollars() : 0.0;
}

int Bank::countUp(long long win, const CountUpStyle& style, const std::function<void(int paid)>& show) {
    std::unique_ptr<SoundClip> click;
    if (style.clickSound) click = std::make_unique<SoundClip>(style.clickSound, false, 1);
    SoundClip* loop = style.loopSound && soundPlayer ? soundPlayer->play(style.loopSound, true) : nullptr;
    long long paid = 0, remaining = win;
    int steps = 0;
    while (remaining > 0) {
        long long step = style.step(paid, remaining, win);
        // A win too large to count up in reasonable time is paid whole by
        // the last step.
        if (style.maxSteps > 0 && steps == style.maxSteps - 1) step = remaining;
        remaining -= step;
        paid += step;
        credits = credits > INT_MAX - step ? INT_MAX : static_cast<int>(credits + step);
        ++steps;
        show(paid > INT_MAX ? INT_MAX : static_cast<int>(paid));
        if (click) click->play(0, 0);
        if (style.pauseMs > 0) style.pause(style.pauseMs);
        if (style.dropEvents) {
            SDL_Event dropped;
            pollModalEvent(dropped);  // input waits; a window close is kept for later
        }
    }
    if (loop) loop->halt();
    return steps;
}
