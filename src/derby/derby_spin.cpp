// The derby's game: the weighted symbol draw, the first spin of the bottom
// row, the flash of the held reels and the respin of every play row.
#include "derby/demo_derby.h"

#include "player/player.h"
#include "shell/animation.h"
#include "shell/clock.h"
#include "shell/controls.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/mtrand.h"
#include "shell/sound.h"
#include "shell/waiting.h"

namespace {

const int kSpinFrames = 34;

SoundClip* playSound(const char* name, bool loop = false) {
    return soundPlayer ? soundPlayer->play(name, loop) : nullptr;
}

void updateDisplay() {
    if (display) display->update();
}

// Draws one of the flash pictures into a window (loaded anew each time).
void flashPicture(const char* file, const DerbyPoint& at) {
    {
        Image picture(file, false, false);
        if (picture.loaded) picture.blit(at.x, at.y);
    }
    updateDisplay();
}

}  // namespace

std::string DemoDerby::pickSymbol() {
    unsigned int r = genrand() % 100;
    if (r <= 3) return "flag";
    if (r <= 8) return "trophy";
    if (r <= 14) return "car";
    if (r <= 22) return "3bar";
    if (r <= 32) return "2bar";
    if (r <= 44) return "bar";
    if (r <= 59) return "3tire";
    if (r <= 74) return "2tire";
    return "tire";
}

void DemoDerby::spin() {
    if (plays <= 0 || coins <= 0) return;
    addVipPoints(plays * coins);
    betPlays = plays;
    betCoins = coins;
    held[0] = held[1] = held[2] = false;
    lines.clear();

    // The first spin never shows a win: a paying line is drawn again (quietly;
    // the player never sees it).
    DerbyLine line;
    do {
        line = {pickSymbol(), pickSymbol(), pickSymbol()};
    } while (linePayOf(line) != 0);
    lines.push_back(line);
    respinPending = true;

    const std::vector<DerbyPoint>& row = reelPositions[0];
    std::unique_ptr<Animation> turning[3];
    turning[0] = std::make_unique<Animation>(graphicsDir, "b", kSpinFrames, 40, row[0].x, row[0].y, animBackward, false, false);
    turning[1] = turning[0]->clone("c", 39, row[1].x, row[1].y, animBackward);
    turning[2] = turning[0]->clone("d", 41, row[2].x, row[2].y, animBackward);

    Uint32 start[3];
    for (Uint32& s : start) s = mediaTicks();
    Uint32 stopAfter[3];
    stopAfter[0] = 500 + genrand() % 1000;
    stopAfter[1] = stopAfter[0] + genrand() % 1000;
    stopAfter[2] = stopAfter[1] + genrand() % 1000;

    SoundClip* reelSound = playSound("elecreel.wav", true);
    bool stopped[3] = {false, false, false};
    while (!stopped[2]) {
        Uint32 now = mediaTicks();
        for (int k = 0; k < 3; ++k) {
            if (stopped[k]) continue;
            if (now - start[k] < stopAfter[k]) {
                turning[k]->update(false);
            } else {
                playSound("slothit1.wav");
                drawSymbol(0, k, line);
                stopped[k] = true;
            }
        }
        updateDisplay();
        restBriefly();
    }
    if (reelSound) reelSound->halt();
}

void DemoDerby::flashHeldReels() {
    playSound("race2.wav");
    if (lines.empty()) return;
    const DerbyLine first = lines[0];
    for (int reel = 0; reel < 3; ++reel) {
        if (!held[reel]) continue;
        for (int row = 0; row < betPlays && row < 5; ++row) {
            const DerbyPoint& at = reelPositions[row][reel];
            flashPicture("../gfx/demoderby/b.png.0", at);
            timedPause(50);
            flashPicture("../gfx/demoderby/b.png.1", at);
            timedPause(50);
            drawSymbol(row, reel, first);
            updateDisplay();
        }
    }
}

void DemoDerby::respin() {
    flashHeldReels();
    respinPending = false;
    stopOrder.clear();
    if (lines.empty()) return;  // no first spin to go on from

    auto frames = std::make_unique<Animation>(graphicsDir, "b", kSpinFrames, 40, 0, 0, animBackward, false, false);
    const DerbyLine first = lines[0];
    lines.clear();

    std::vector<std::unique_ptr<DerbyReelSpin>> windows;
    const int rows = betPlays < 5 ? betPlays : 5;
    for (int row = 0; row < rows; ++row) {
        DerbyLine line(3);
        for (int reel = 0; reel < 3; ++reel) {
            if (held[reel]) {
                line[reel] = first[reel];
                continue;
            }
            line[reel] = pickSymbol();
            int fps = (genrand() & 1) ? 22 : 18;
            const DerbyPoint& at = reelPositions[row][reel];
            windows.push_back(
                std::make_unique<DerbyReelSpin>(frames->clone("demospin", fps, at.x, at.y, animBackward), row, reel));
        }
        lines.push_back(line);
    }
    keepGame();

    for (;;) {
        bool done = true;
        for (size_t i = 0; i < windows.size(); ++i) {
            DerbyReelSpin* w = windows[i].get();
            if (w->stopped) continue;
            done = false;
            if (w->waiting) {
                w->startTime = mediaTicks();
                w->duration = static_cast<int>(i == 0 ? 500 + genrand() % 1000
                                                      : windows[i - 1]->duration + genrand() % 1000);
                w->waiting = false;
            } else if (mediaTicks() - w->startTime < static_cast<Uint32>(w->duration)) {
                w->animation->update(false);
            } else {
                playSound("slothit1.wav");
                drawSymbol(w->line, w->reel, lines[w->line]);
                w->stopped = true;
                stopOrder.push_back({w->line, w->reel});
            }
        }
        updateDisplay();
        if (done) break;
    }

    frames.reset();
    windows.clear();

    for (auto& control : buttons) control->setState(4);
    payout();
}
