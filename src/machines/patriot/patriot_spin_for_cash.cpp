#include "machines/patriot/patriot_spin_for_cash.h"

#include <climits>

#include "machine/prize_wheel.h"
#include "machines/patriot/patriot_family.h"
#include "machines/threereel/gamble_wheel.h"
#include "shell/mtrand.h"
#include "shell/sound.h"

const PrizeWheelSpec& patriotWheel() {
    // The 25 field spans the seam between the last frame and the first.
    static const PrizeWheelSpec spec = gambleWheelSpec(
        "../gfx/bonus/patriotspinforcash/", "patspin",
        {
            {0, 0, 25, "black"},    {1, 2, 20, "red"},     {3, 4, 50, "black"},  {5, 6, 100, "red"},
            {7, 9, 10, "black"},    {10, 11, 500, "red"},  {12, 14, 15, "black"}, {15, 16, 2500, "red"},
            {17, 18, 150, "black"}, {19, 21, 30, "red"},   {22, 23, 25, "black"},
        });
    return spec;
}

PatriotSpinForCash::PatriotSpinForCash(float denomination) : bonusPending(false) {
    configure(denomination);
    patriot::playIntroSound();
}

PatriotSpinForCash::~PatriotSpinForCash() {}

void PatriotSpinForCash::configure(float value) {
    patriot::configureMachine(*this, "patriotspinforcash", 3, value);
    bonusPending = false;
}

void PatriotSpinForCash::declareSymbols() {
    addSymbol("blank", 13);
    addSymbol("barred", 2);
    addSymbol("2barwhite", 2);
    addSymbol("3barblue", 2);
    addSymbol("blueseven", 2);
    addSymbol("redseven", 1);
    addSymbol("whiteseven", 1);
    addSymbol("wild", 2);
    addSymbol("spin", 1);
}

// The plain wild, and "spin" as a wild that stands in for nothing: that keeps
// it out of every drawn outcome, so it comes only through the spin hook.
void PatriotSpinForCash::buildWildRules() {
    patriot::addWild(*this, 1, {"wild", "spin"});
    WildSymbol* spinSymbol = addWildSymbol();
    spinSymbol->setMultiplier(1);
    spinSymbol->name = "spin";
}

void PatriotSpinForCash::buildPayTable() {
    patriot::addColourLines(*this, patriot::plainColourLines({10, 20, 30}, {200, 150, 100}));
    addNoWildRule(symbolList({"wild"}), 1500, -1, false);
    addMixedPays();
}

void PatriotSpinForCash::addMixedPays() {
    patriot::addMixedPayList(*this, {{"redseven", "whiteseven", "blueseven"}, 500, -1, false});
}

void PatriotSpinForCash::buildExtraRules() {}

void PatriotSpinForCash::spin() {
    ThreeReelMachine::spin();
    // One spin in fifty the third reel stops on "spin", whatever was drawn;
    // at full bet that trades the spin's pay for the wheel.
    if (genrand() % 50 == 0) {
        if (Symbol* s = findSymbol("spin")) {
            if (result.chosen.size() > 2) result.chosen[2] = s;
        }
        if (coins == maxCoins) {
            win = 0;
            bonusPending = true;
        }
    }
    // At full bet a line pays two coins' worth.
    if (coins == maxCoins && coins > 0 && result.payKind != payWholeBet) win = win / coins * 2;
}

void PatriotSpinForCash::payoutTest() {
    ThreeReelMachine::payoutTest();
    bonusPending = false;
}

void PatriotSpinForCash::settle() {
    // The reel sound stops before the wheel screen opens.
    if (spinSoundChannel) {
        spinSoundChannel->halt();
        spinSoundChannel = nullptr;
    }
    if (bonusPending) {
        const long long total = static_cast<long long>(win) + runWheelBonus();
        win = total > INT_MAX ? INT_MAX : static_cast<int>(total);
        bonusPending = false;
    }
    drawnSpin = OpeningSpin();
    ThreeReelMachine::settle();
}

// The wheel turns once for a prize; then the player may stake it on red or
// black as often as the chosen colour comes up (each doubles it, a miss
// loses it) or collect it. The buttons sit a little right of the dice
// machine's, and the screen closes without a tune.
const GambleLayout& patriotGamble() {
    static const GambleLayout layout{513, 572, 632, 533, nullptr};
    return layout;
}

int PatriotSpinForCash::runWheelBonus() {
    // The play's whole win is the line's (nothing, at full bet) and the bank,
    // kept each time a spin decides the bank. The settle still holds the bet.
    return runGambleWheelBonus(
        patriotWheel(), patriotGamble(),
        [this](Animation& wheel, int& prize, std::string& colour, const WheelDrawn& drawn) {
            spinWheel(wheel, prize, colour, drawn);
        },
        [this](int bank) { keepWinWith(bank); },
        &drawnSpin);
}

void PatriotSpinForCash::drawBonus() { drawnSpin = bonusPending ? drawOpeningSpin(patriotWheel()) : OpeningSpin(); }

long long PatriotSpinForCash::drawnBonusWin() const { return drawnSpin.drawn ? drawnSpin.prize : 0; }

void PatriotSpinForCash::spinWheel(Animation& wheel, int& prize, std::string& colour, const WheelDrawn& drawn) {
    spinPrizeWheel(patriotWheel(), wheel, prize, colour, drawn);
}

void PatriotSpinForCash::onReelStop(int reel) { patriot::playStopSound(result.chosenSymbol(reel), true); }

void PatriotSpinForCash::playWinSound() { patriot::playWinSound(win); }
