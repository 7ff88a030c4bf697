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

void spinPrizeWheel(const PrizeWheelSpec& spec, Animation& wheel, int& prize, std::string& colour) {
    const Uint32 period = (genrand() % static_cast<uint32_t>(spec.periodSpread) + spec.periodBase) / 10;
    const Uint32 start = mediaTicks();
    SoundClip* sequence = soundPlayer ? soundPlayer->play("wheelseq.wav", false) : nullptr;
    // A window close or stop signal stops the wheel where it stands.
    do {
        wheel.update(false);
        if (display) display->update();
        restBriefly();
    } while (mediaTicks() - start < 2000 && !quitRequestedOrQueued());

    Uint32 last = mediaTicks(), now = last;
    int rate = 25;
    while (rate > 5 && !quitRequestedOrQueued()) {
        if (now - last > period) {
            rate -= 4;
            wheel.setFps(rate);
            last = mediaTicks();
        }
        now = mediaTicks();
        wheel.update(false);
        if (display) display->update();
        restBriefly();
    }
    if (sequence) sequence->halt();

    prize = 0;
    if (wheel.frameCount() > 0) prize = wheelPrizeAt(spec, wheel.frameIndex, &colour);
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

int runCashWheelBonus() {
    int prize = 0;
    std::string colour;
    spinPrizeWheel(cashWheel(), *openWheelScreen(cashWheel()), prize, colour);
    timedPause(4000);
    if (display) display->restoreScreen();
    return prize;
}
