#include "machines/threereel/crazy_dice.h"

#include <climits>

#include "shell/clock.h"
#include "machines/threereel/reel_checks.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/sound.h"

CrazyDice::CrazyDice(float denomination)
    : bonusPending(false), settleDrawn(false), diceDue(false) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("jazzintr.wav", false);
}

void CrazyDice::configure(float value) {
    setUpMachine("crazydice", 3, true, value);
    bonusPending = false;
}

void CrazyDice::declareSymbols() {
    addSymbol("blank", 11);
    addSymbol("cherry", 2);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 1);
    addSymbol("7", 1);
    addSymbol("pig", 2);
    addSymbol("dice", 1);
}

// "dice" is named as a wild that stands in for nothing: no drawn outcome
// shows it; the bonus puts it on the third reel itself.
void CrazyDice::buildWildRules() {
    addInertWild(*this, "dice");
}

void CrazyDice::buildPayTable() {
    const SymbolList cherry = symbolList({"cherry"});
    addOneOfRule(cherry, 2);
    addTwoOfRule(cherry, 5);
    addThreeOfAKind(cherry, 10, 0);
    addGroupRule(symbolList({"bar", "2bar", "3bar"}), 5);
    addThreeOfAKind(symbolList({"bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar"}), 20, 0);
    addThreeOfAKind(symbolList({"3bar"}), 30, 0);
    addThreeOfAKind(symbolList({"7"}), 50, 0);
    addThreeOfAKind(symbolList({"pig"}), 100, 3);
}

void CrazyDice::buildExtraRules() { addCoinThreeOfAKind(symbolList({"pig"}), 500, 3); }

void CrazyDice::spin() {
    ThreeReelMachine::spin();
    // At full bet a line pays two coins' worth.
    payTwoCoinsWorthAtFullBet();
}

bool CrazyDice::drawDiceChance() {
    const Uint32 r = genrand();
    return r % 20 == 0 && win > 0 && coins == maxCoins;
}

void CrazyDice::drawBonus() {
    // Nothing draws between the pull and the settle, so these are the very
    // draws the settle would make.
    settleDrawn = true;
    diceDue = drawDiceChance();
    thrown = diceDue ? throwDice() : DiceThrow();
}

long long CrazyDice::drawnBonusWin() const {
    if (!settleDrawn || !diceDue || thrown.left == 0) return 0;
    return static_cast<long long>(multipliedWin(thrown.left + thrown.right)) - win;
}

void CrazyDice::settle() {
    stopSpinSound();
    if (!settleDrawn) diceDue = drawDiceChance();
    settleDrawn = false;
    if (diceDue) {
        diceDue = false;
        // The third reel turns back through the spinning frames onto the die.
        timedPause(1000);
        loadGraphics("b.png.3", 2);
        if (display) display->update();
        timedPause(50);
        for (const char* frame : {"b.png.2", "b.png.1", "b.png.0"}) {
            loadGraphics(frame, 2);
            drawOverlay();
            if (display) display->update();
            timedPause(50);
        }
        setReelSymbol(placeOnReel("dice", 2), 2);
        drawOverlay();
        if (soundPlayer) soundPlayer->play("dice2.wav", false);
        if (display) display->update();
        bonusPending = true;
    }
    if (bonusPending) {
        win = multipliedWin(runDiceBonus());
        bonusPending = false;
    }
    ThreeReelMachine::settle();
}

int CrazyDice::multipliedWin(int multiplier) const {
    const long long multiplied = static_cast<long long>(multiplier) * win;
    return multiplied > INT_MAX ? INT_MAX : static_cast<int>(multiplied);
}

void CrazyDice::keepDiceWin(int multiplier) {
    // The settle takes the bet from the credits after the bonus.
    keepDrawnWin(creditsPaid(multipliedWin(multiplier), static_cast<long long>(credits) - coins));
}

void CrazyDice::onReelStop(int reel) {
    Symbol* s = result.chosenSymbol(reel);
    if (s && s->name == "pig" && soundPlayer) soundPlayer->play("pigrunt.wav", false);
}

void CrazyDice::playWinSound() {
    if (result.payKind == payWholeBet && soundPlayer) soundPlayer->play("jazzy.wav", false);
}
