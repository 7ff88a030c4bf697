#include "machines/threereel/balloon_mania.h"

#include "machines/threereel/reel_checks.h"
#include "shell/sound.h"

BalloonMania::BalloonMania(float denomination) {
    configure(denomination);
    if (soundPlayer) soundPlayer->play("circintr.wav", false);
}

void BalloonMania::configure(float value) {
    setUpMachine("balloonmania", 3, true, value);
}

void BalloonMania::declareSymbols() {
    addSymbol("blank", 9);
    addArrowSymbol("arrowup_yellowballoon", 1, symbolArrowUp);
    addArrowSymbol("arrowup1_yellowballoon", 1, symbolArrowUp);
    addArrowSymbol("arrowup2_yellowballoon", 1, symbolArrowUp);
    addSymbol("blueballoon", 2);
    addSymbol("redballoon", 2);
    addSymbol("greenballoon", 2);
    addSymbol("7", 2);
    addSymbol("wild", 2);
}

// The wild stands in for everything else. The yellow balloons are wilds that
// stand in for nothing: that keeps them off the reels of a losing spin.
void BalloonMania::buildWildRules() {
    addWild(*this, "wild", 1, {"wild"});
    for (const char* balloon : {"arrowup_yellowballoon", "arrowup1_yellowballoon", "arrowup2_yellowballoon"})
        addInertWild(*this, balloon);
}

void BalloonMania::buildPayTable() {
    const SymbolList yellow = symbolList({"arrowup_yellowballoon", "arrowup1_yellowballoon", "arrowup2_yellowballoon"});
    addOneWithBlanksRule(yellow, 2, -1, false);
    addTwoWithBlankRule(yellow, 5, -1, false);
    addThreeOfAKind(yellow, 10, 0);
    addGroupRule(symbolList({"arrowup_yellowballoon", "arrowup1_yellowballoon", "arrowup2_yellowballoon",
                             "blueballoon", "redballoon", "greenballoon"}), 5);
    addThreeOfAKind(symbolList({"blueballoon"}), 20, 0);
    addThreeOfAKind(symbolList({"redballoon"}), 10, 0);
    addThreeOfAKind(symbolList({"greenballoon"}), 30, 0);
    addThreeOfAKind(symbolList({"7"}), 50, 0);
    addNoWildRule(symbolList({"wild"}), 500, 3, false);
}

void BalloonMania::buildExtraRules() { addNoWildRule(symbolList({"wild"}), 5000, 3, true); }

void BalloonMania::onReelStop(int) {}

void BalloonMania::playWinSound() {
    if (!soundPlayer) return;
    if (result.payKind == payWholeBet) {
        soundPlayer->play("circus.wav", false);
        return;
    }
    for (int reel = 0; reel < 3; ++reel) {
        Symbol* s = result.chosenSymbol(reel);
        if (!s || s->name != "7") return;
    }
    soundPlayer->play("circintr.wav", false);
}

void BalloonMania::playArrowSound() {
    if (soundPlayer) soundPlayer->play("slidewh.wav", false);
}
