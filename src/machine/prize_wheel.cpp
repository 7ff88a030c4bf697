#include "machine/prize_wheel.h"

#include <cstdio>

#include "shell/animation.h"
#include "shell/clock.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/mtrand.h"
#include "shell/sound.h"
#include "shell/waiting.h"

const PrizeWheelSpec& cashWheel() {
    static const PrizeWheelSpec spec = [] {
        PrizeWheelSpec s;
        s.folder = "../gfx/bonus/wheelofcash/";
        s.wheelName = "wheel";
        s.frameCount = 40;
        s.x = 219;
        s.y = 177;
        s.periodSpread = 20000;
        s.periodBase = 8000;
        const int prizes[20] = {400, 5, 250, 25, 500, 50, 100, 15, 300, 10,
                                200, 50, 30, 1000, 10, 100, 25, 150, 75, 600};
        for (int i = 0; i < 20; ++i) s.stops.push_back({2 * i, 2 * i + 1, prizes[i], ""});
        s.prizeSoundAtStop = true;
        return s;
    }();
    return spec;
}

int wheelPrizeAt(const PrizeWheelSpec& spec, int frame, std::string* colour) {
    for (const WheelStop& stop : spec.stops) {
        if (frame < stop.firstFrame || frame > stop.lastFrame) continue;
        if (colour && stop.colour[0]) *colour = stop.colour;
        return stop.prize;
    }
    return 0;
}

Uint32 wheelSpinLength(Uint32 stepMs) { return 2000 + 5 * stepMs; }

int wheelFramesTurned(Uint32 stepMs, Uint32 elapsed) {
    // Full speed (40 frames a second) for two seconds and one step; a frame
    // at once, then one every 25 ms.
    const Uint32 fullSpeedEnd = 2000 + stepMs;
    if (elapsed < fullSpeedEnd) return static_cast<int>(elapsed / 25 + 1);
    int turned = static_cast<int>((fullSpeedEnd + 24) / 25);
    // Then one step each at 21, 17, 13 and 9 frames a second: each rate shows
    // a frame the moment it is set.
    static const Uint32 slowRates[] = {21, 17, 13, 9};
    Uint32 stepStart = fullSpeedEnd;
    for (Uint32 rate : slowRates) {
        const Uint32 period = 1000 / rate;
        if (elapsed < stepStart + stepMs) return turned + static_cast<int>((elapsed - stepStart) / period + 1);
        turned += static_cast<int>((stepMs + period - 1) / period);
        stepStart += stepMs;
    }
    // 5 frames a second: one frame, and the wheel stands.
    return turned + 1;
}

namespace {

// The wheel shows `frame` (loop-forward, so the frame index is its place).
void showWheelFrame(Animation& wheel, int frame) {
    if (frame < 0 || frame >= wheel.frameCount()) return;
    wheel.position = frame;
    wheel.frameIndex = frame;
    wheel.frames[static_cast<size_t>(frame)]->blit(wheel.x, wheel.y);
}

}  // namespace

Uint32 drawWheelStep(const PrizeWheelSpec& spec) {
    return (genrand() % static_cast<uint32_t>(spec.periodSpread) + spec.periodBase) / 10;
}

int wheelStopFrame(int frameCount, int from, Uint32 stepMs) {
    if (frameCount <= 0) return -1;
    const int start = ((from % frameCount) + frameCount) % frameCount;
    return (start + wheelFramesTurned(stepMs, wheelSpinLength(stepMs))) % frameCount;
}

OpeningSpin drawOpeningSpin(const PrizeWheelSpec& spec) {
    OpeningSpin spin;
    spin.drawn = true;
    spin.step = drawWheelStep(spec);
    spin.prize = wheelPrizeAt(spec, wheelStopFrame(spec.frameCount, 0, spin.step), &spin.colour);
    return spin;
}

void spinPrizeWheel(const PrizeWheelSpec& spec, Animation& wheel, int& prize, std::string& colour,
                    const WheelDrawn& drawn) {
    turnPrizeWheel(spec, wheel, drawWheelStep(spec), prize, colour, drawn);
}

void turnPrizeWheel(const PrizeWheelSpec& spec, Animation& wheel, Uint32 stepMs, int& prize, std::string& colour,
                    const WheelDrawn& drawn) {
    // The step length decides the stop: the wheel turns from where it stands
    // at its set pace, so the stop (and the prize) is known the moment the
    // step is drawn, and it is kept before the wheel shows it.
    const int count = wheel.frameCount();
    const int from = count > 0 ? ((wheel.frameIndex % count) + count) % count : 0;
    const int stop = wheelStopFrame(count, from, stepMs);
    prize = stop >= 0 ? wheelPrizeAt(spec, stop, &colour) : 0;
    if (drawn) drawn(prize, colour);

    // The turn as the player sees it. A window close or stop signal ends the
    // show; the stop stands as drawn.
    const Uint32 start = mediaTicks();
    SoundClip* sequence = nullptr;
    if (!quitRequestedOrQueued() && soundPlayer) sequence = soundPlayer->play("wheelseq.wav", false);
    int shown = -1;
    while (!quitRequestedOrQueued()) {
        const Uint32 elapsed = mediaTicks() - start;
        if (elapsed >= wheelSpinLength(stepMs)) break;
        const int turned = wheelFramesTurned(stepMs, elapsed);
        if (turned != shown && count > 0) {
            showWheelFrame(wheel, (from + turned) % count);
            if (display) display->update();
            shown = turned;
        }
        restBriefly();
    }
    if (sequence) sequence->halt();
    if (stop >= 0) {
        showWheelFrame(wheel, stop);
        if (display) display->update();
    }

    if (prize == 0) {
        std::printf("Something went wrong with the wheel bonus\n");
        std::fflush(stdout);
    }
    if (prize > 0 && spec.prizeSoundAtStop && soundPlayer) soundPlayer->play("birdclap.wav", false);
}

std::unique_ptr<Animation> openWheelScreen(const PrizeWheelSpec& spec) {
    if (display) display->saveScreen();
    {
        Image loading("../gfx/help/loading.png", false, true);
        if (loading.loaded) loading.blit(277, 559);
    }
    if (display) display->update();
    auto wheel = std::make_unique<Animation>(spec.folder, spec.wheelName, spec.frameCount, 1, spec.x, spec.y, 0, true,
                                             false);
    wheel->setFps(40);
    {
        Image background(spec.folder + "bonus.png", false, false);
        if (background.loaded) background.blit(0, 0);
        if (wheel->frameCount() > 0) wheel->frames[0]->blit(spec.x, spec.y);
        if (display) display->update();
        timedPause(1000);
    }
    return wheel;
}

int runCashWheelBonus(const std::function<void(int prize)>& kept, const OpeningSpin* opening) {
    int prize = 0;
    std::string colour;
    const auto told = [&kept](int drawnPrize, const std::string&) {
        if (kept) kept(drawnPrize);
    };
    std::unique_ptr<Animation> wheel = openWheelScreen(cashWheel());
    if (opening && opening->drawn) {
        // Drawn with the pull: the wheel shows that stop, and its prize is paid.
        turnPrizeWheel(cashWheel(), *wheel, opening->step, prize, colour);
        prize = opening->prize;
        told(prize, opening->colour);
    } else {
        spinPrizeWheel(cashWheel(), *wheel, prize, colour, told);
    }
    wheel.reset();
    timedPause(4000);
    if (display) display->restoreScreen();
    return prize;
}
