#include "machines/threereel/dragon_spin.h"

#include "machines/threereel/reel_checks.h"
#include "shell/animation.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/waiting.h"

int DragonSpin::pauseMs = 1000;

DragonSpin::DragonSpin(float denomination) : dragonSpun(false) {
    configure(denomination);
    playOnce("dragonin.wav");
}

void DragonSpin::configure(float value) {
    setUpMachine("dragonspin", 2, true, value);
    dragonSpun = false;
}

void DragonSpin::declareSymbols() {
    addSymbol("blank", 10);
    addSymbol("thing", 2);
    addSymbol("bar", 2);
    addSymbol("2bar", 2);
    addSymbol("3bar", 2);
    addSymbol("bonus", 2);
    addSymbol("wild", 2);
}

void DragonSpin::buildWildRules() { addWild(*this, "wild", 1, {"wild"}); }

void DragonSpin::buildPayTable() {
    SymbolList thing = symbolList({"thing"});
    addOneOfRule(thing, 2);
    addTwoOfRule(thing, 5);
    addThreeOfAKind(thing, 20, 0);
    addGroupRule(symbolList({"bar", "2bar", "3bar"}), 5);
    addThreeOfAKind(symbolList({"bar"}), 20, 0);
    addThreeOfAKind(symbolList({"2bar"}), 30, 0);
    addThreeOfAKind(symbolList({"3bar"}), 50, 0);
    addThreeOfAKind(symbolList({"bonus"}), 100, 0);
    addNoWildRule(symbolList({"wild"}), 500, -1, false);
}

void DragonSpin::buildExtraRules() {}

void DragonSpin::onReelStop(int reel) {
    if (reelShows(*this, reel, "wild")) playOnce("gong.wav");
}

void DragonSpin::playWinSound() {
    if (allReelsShow(*this, "3bar") || allReelsShow(*this, "bonus")) playOnce("dragonin.wav");
    else if (win > 499) playOnce("dragonjk.wav");
}

// The family's reel stops, except that the last reel of the first
// three-reel win of the visit lands on a blank and spins once more.
void DragonSpin::spinStep() {
    const int now = static_cast<int>(mediaTicks());
    const int count = static_cast<int>(reelStartTimes.size());
    for (int i = 0; i < count && spinning; ++i) {
        if (reelStartTimes[i] == -1) continue;
        if (i >= static_cast<int>(reelStopDelays.size()) || now - reelStartTimes[i] < reelStopDelays[i]) {
            if (i < static_cast<int>(reelStopDelays.size()))
                wakeBy(static_cast<Uint32>(reelStartTimes[i] + reelStopDelays[i]));
            if (i < static_cast<int>(reels.size()) && reels[i]) reels[i]->update(false);
            continue;
        }
        if (i < count - 1) {
            showStoppedReel(i);
            playOnce("slothit1.wav");
            onReelStop(i);
            reelStartTimes[i] = -1;
            continue;
        }
        if (result.matched && !dragonSpun && result.reelCount == 3) {
            playOnce("yeo.wav");
            stopSpinSound();
            setReelSymbol(findSymbol("blank"), i);
            drawOverlay();
            if (display) display->update();
            modalPause(pauseMs);
            reelStartTimes[i] = static_cast<int>(mediaTicks());
            reelStopDelays[i] = static_cast<int>(genrand() % 1000) + 500;
            dragonSpun = true;
        } else {
            showStoppedReel(i);
            playOnce("slothit1.wav");
            onReelStop(i);
            reelStartTimes[i] = -1;
            drawOverlay();
            if (display) display->update();
            settle();
        }
    }
    drawOverlay();
}
