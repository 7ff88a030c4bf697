#include "machines/threereel/short_circuit.h"

#include "machines/threereel/reel_checks.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/sound.h"

ShortCircuit::ShortCircuit(float denomination) : respinCount(0) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("thunder.wav", false);
}

void ShortCircuit::configure(float value) {
    setUpMachine("shortcircuit", 3, true, value);
    respinCount = 0;
}

void ShortCircuit::declareSymbols() {
    addSymbol("blank", 10);
    addSymbol("bar", 1);
    addSymbol("2bar", 1);
    addSymbol("3bar", 1);
    addSymbol("7", 1);
    addSymbol("wild", 2);
}

void ShortCircuit::buildWildRules() {
    addWild(*this, "wild", 1, {"wild"});
}

void ShortCircuit::buildPayTable() {
    const SymbolList wild = symbolList({"wild"});
    addOneWithBlanksRule(wild, 3, -1, false);
    addTwoWithBlankRule(wild, 6, -1, false);
    addNoWildRule(wild, 500, 3, false);
    addGroupRule(symbolList({"bar", "2bar", "3bar"}), 6);
    addThreeOfAKind(symbolList({"bar"}), 10, 0);
    addThreeOfAKind(symbolList({"2bar"}), 20, 0);
    addThreeOfAKind(symbolList({"3bar"}), 40, 0);
    addThreeOfAKind(symbolList({"7"}), 80, 0);
}

void ShortCircuit::buildExtraRules() { addNoWildRule(symbolList({"wild"}), 2000, 3, true); }

// The family's reel stops, and after the settle of a winning spin the
// chance of a free re-spin: the outcome stays as drawn, so the reels stop
// on the same symbols and the same win is counted up again, with no bet.
// The machine stays locked while a re-spin turns (its win is still to be
// counted up at the coin value it was won at); the settle that ends the
// last re-spin unlocks it.
void ShortCircuit::spinStep() {
    if (stopDueReels()) {
        drawOverlay();
        if (display) display->update();
        const int won = win;
        settle();
        win = won;
        if (result.award > 0) {
            if (genrand() % 3 == 0 && respinCount <= 4) {
                // The re-spin is drawn: the same win again, with no bet,
                // is the player's from now on.
                keepDrawnPlay(name, 0, creditsPaid(win, credits));
                if (soundPlayer) soundPlayer->play("sparks.wav", false);
                menuEnabled = false;
                pulledBet = 0;  // free: it gave no points
                startSpin();
                ++respinCount;
            } else {
                respinCount = 0;
            }
        }
    }
    drawOverlay();
}

void ShortCircuit::onReelStop(int reel) {
    Symbol* s = result.chosenSymbol(reel);
    if (s && s->name == "wild" && soundPlayer) soundPlayer->play("shrtthun.wav", false);
}

void ShortCircuit::playWinSound() {
    if (!soundPlayer) return;
    if (result.payKind == payWholeBet) {
        soundPlayer->play("techjack.wav", false);
        return;
    }
    for (const char* name : {"3bar", "7"}) {
        bool all = true;
        for (int reel = 0; reel < 3 && all; ++reel) {
            Symbol* s = result.chosenSymbol(reel);
            all = s && s->name == name;
        }
        if (all) {
            soundPlayer->play("techintr.wav", false);
            return;
        }
    }
}
