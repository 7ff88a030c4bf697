#include "machines/threereel/hole_in_one.h"

#include <string>

#include "shell/clock.h"
#include "machines/threereel/reel_checks.h"
#include "shell/animation.h"
#include "shell/display.h"
#include "shell/sound.h"

namespace {

// How far each shot's ball flies (its last ball frame) and its clap.
struct Shot {
    const char* symbol;
    int lastBallFrame;
    const char* clap;
};
const Shot kShots[] = {
    {"bogie", 13, "bogyclap.wav"},
    {"par", 7, "parclap.wav"},
    {"birdie", 2, "birdclap.wav"},
    {"holeinone", 0, "hlinone2.wav"},
};

const Shot* shotFor(const Symbol* s) {
    for (const Shot& shot : kShots)
        if (s && s->name == shot.symbol) return &shot;
    return nullptr;
}

void play(const char* sound) {
    if (soundPlayer) soundPlayer->play(sound, false);
}

}  // namespace

HoleInOne::HoleInOne(float denomination) {
    configure(denomination);
    play("holeintr.wav");
}

void HoleInOne::configure(float value) {
    setUpMachine("holeinone", 3, true, value);
}

void HoleInOne::declareSymbols() {
    addSymbol("blank", 12);
    addSymbol("cherry", 3);
    addArrowSymbol("birdie", 3, shotKind);
    addArrowSymbol("bogie", 2, shotKind);
    addArrowSymbol("par", 3, shotKind);
    addSymbol("ball", 2);
    addArrowSymbol("holeinone", 2, shotKind);
    addSymbol("wild", 2);
}

void HoleInOne::buildWildRules() {
    addWild(*this, "wild", 1, {"wild"});
}

void HoleInOne::buildPayTable() {
    const SymbolList cherry = symbolList({"cherry"});
    addTwoOfRule(cherry, 5);
    addGroupRule(symbolList({"bogie", "par", "birdie", "holeinone"}), 5);
    addThreeOfAKind(symbolList({"bogie"}), 10, 0);
    addThreeOfAKind(cherry, 10, 0);
    addThreeOfAKind(symbolList({"par"}), 20, 0);
    addThreeOfAKind(symbolList({"birdie"}), 30, 0);
    addThreeOfAKind(symbolList({"ball"}), 50, 0);
    addThreeOfAKind(symbolList({"holeinone"}), 1000, 3);
}

void HoleInOne::buildExtraRules() { addCoinThreeOfAKind(symbolList({"holeinone"}), 5000, 3); }

// The family's reel stops with the pay line drawn after every reel, and the
// golf shots before the settle when every reel shows a shot or the wild.
void HoleInOne::spinStep() {
    if (stopDueReels(true)) {
        bool allShots = true;
        for (int reel = 0; reel < 3; ++reel) {
            Symbol* s = result.chosenSymbol(reel);
            allShots = allShots && s && (s->kind == shotKind || s->name == "wild");
        }
        if (allShots) playShotAnimation();
        settle();
    }
    drawOverlay();
}

void HoleInOne::playShotAnimation() {
    stopSpinSound();
    bool first = true;
    for (int reel = 0; reel < 3; ++reel) {
        Symbol* s = result.chosenSymbol(reel);
        if (!s || s->kind != shotKind) continue;
        const Shot* shot = shotFor(s);
        if (first) {
            timedPause(500);
            first = false;
        }
        play("golfclub.wav");
        playBallAnimation(shot ? shot->lastBallFrame : 20, reel);
        for (int k = 0; k < 4; ++k) {
            loadGraphics(s->name + "anim.png." + std::to_string(k), reel);
            drawOverlay();
            if (display) display->update();
            timedPause(66);
        }
        if (shot) play(shot->clap);
        timedPause(1000);
    }
}

void HoleInOne::playBallAnimation(int lastFrame, int reel) {
    for (int k = 19; k >= lastFrame; --k) {
        loadGraphics("ballanim.png." + std::to_string(k), reel);
        drawOverlay();
        if (display) display->update();
        timedPause(66);
    }
}

void HoleInOne::onReelStop(int reel) {
    Symbol* s = result.chosenSymbol(reel);
    if (s && s->name == "wild") play("ohh.wav");
}

void HoleInOne::playWinSound() {
    if (result.payKind == payWholeBet) play("hlinone2.wav");
}
