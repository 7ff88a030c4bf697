// The fishing bonus: five fish over the deep; the player clicks one, a prize
// is drawn, the catch comes up and the amount won blinks.
#include <memory>
#include <string>

#include "machines/video/bonus_prize.h"
#include "machines/video/deep_sea.h"
#include "shell/animation.h"
#include "shell/app.h"
#include "shell/controls.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/mtrand.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/clock.h"
#include "shell/waiting.h"

namespace {

const std::string folder = "../gfx/bonus/deepsea/";

struct Fish {
    const char* colour;
    int mouthX, mouthY;
    int spotX, spotY, spotW, spotH;
    int catchX;
    const char* evenClip;
    const char* oddClip;
};

// In the order the mouths are made: the open mouth's top-left corner, the
// click area round the fish, and where its catch comes up (at y 0).
const Fish fishes[5] = {
    {"blue", 475, 81, 431, 38, 108, 238, 220, "dpsebaby.wav", "dpseoooo.wav"},
    {"green", 570, 112, 557, 91, 151, 190, 547, "dpsegotm.wav", "dpsebig1.wav"},
    {"orange", 182, 145, 215, 50, 96, 236, 70, "dpsegot.wav", "dpseyall.wav"},
    {"red", 337, 98, 319, 40, 111, 238, 72, "skincaug.wav", "skindont.wav"},
    {"yellow", 131, 118, 107, 50, 109, 205, 0, "dpsegot1.wav", "dpsehold.wav"},
};
// The click areas are made blue, red, yellow, orange, green.
const int spotOrder[5] = {0, 3, 4, 2, 1};

struct Ripple {
    int x, y, movedOn;
};
const Ripple ripples[5] = {{348, 375, 1}, {210, 456, 2}, {14, 329, 1}, {88, 370, 0}, {660, 376, 0}};

const char* const cheers[4] = {"dpsedooz.wav", "dpsehuge.wav", "dpsentb.wav", "skinwow.wav"};

void playSound(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

const Fish& fishNamed(const std::string& colour) {
    for (const Fish& f : fishes)
        if (colour == f.colour) return f;
    return fishes[0];
}

}  // namespace

std::vector<DeepSeaBonusRecord> DeepSea::buildBonusPrizes() {
    const char* suffixes[6] = {"_sink", "_tire", "_ten_marlin", "_25_marlin", "_50_marlin", "_mermaid"};
    std::vector<DeepSeaBonusRecord> prizes;
    for (int i = 0; i < 6; ++i)
        prizes.push_back({bonusMultipliers[i], std::to_string(bonusMultipliers[i]) + "x", suffixes[i]});
    return prizes;
}

std::vector<std::unique_ptr<AnimatedSprite>> DeepSea::buildRipples() {
    std::vector<std::unique_ptr<AnimatedSprite>> waves;
    for (const Ripple& r : ripples) {
        // one ripple picture for all five: the water under each is the same
        auto w = std::make_unique<AnimatedSprite>(folder, "10x_ripple", 3, 3, r.x, r.y, animLoop);
        // Moved on without being drawn, from the first frame; never past
        // the frames it has.
        if (w->frameCount() > 0) {
            w->position = r.movedOn % w->frameCount();
            w->frameIndex = w->position;
        }
        waves.push_back(std::move(w));
    }
    return waves;
}

int DeepSea::runDeepSeaBonus() {
    SoundClip* splash = soundPlayer ? soundPlayer->play("splash2.wav", true) : nullptr;
    if (soundPlayer) soundPlayer->play("dpseacom1.wav", false);
    SoundClip* music = soundPlayer ? soundPlayer->play("dpseabonus.wav", true) : nullptr;
    const bool drawing = display && display->hasSurface();
    if (drawing) {
        display->saveScreen();
        {
            Image loading("../gfx/help/loading.png", false, true);
            if (loading.loaded) loading.blit(277, 559);
        }
        display->update();
        {
            Image back(folder + "bonus.png", false, false);
            if (back.loaded) back.blit(0, 0);
        }
        display->update();
    }
    std::vector<std::unique_ptr<Sprite>> mouths;
    std::vector<std::unique_ptr<AnimatedSprite>> waves;
    if (drawing) {
        for (const Fish& f : fishes)
            mouths.push_back(
                std::make_unique<Sprite>(folder + f.colour + "_mouth_o.png", false, true, f.mouthX, f.mouthY));
    }
    const std::vector<DeepSeaBonusRecord> prizes = buildBonusPrizes();
    if (drawing) waves = buildRipples();
    std::vector<std::unique_ptr<Hotspot>> spots;
    for (int i : spotOrder) {
        const Fish& f = fishes[i];
        spots.push_back(std::make_unique<Hotspot>(f.colour, f.spotX, f.spotY, f.spotW, f.spotH));
    }

    Uint32 mouthTimer = mediaTicks(), rippleTimer = mouthTimer;
    int result = 1;
    bool caught = false;
    while (!caught) {
        SDL_Event event;
        Widget* picked = nullptr;
        if (waitModalEvent(event)) {
            if (event.type == SDL_MOUSEBUTTONDOWN) {
                // Any button; the pick is where the pointer stands now.
                picked = controlUnderPointer(spots);
            }
        } else if (quitRequested()) {
            // The window is closing: the prize is paid unseen.
            result = prizes[static_cast<size_t>(takeBonusPrize())].multiplier;
            break;
        } else if (drawing) {
            const Uint32 now = mediaTicks();
            if (now - mouthTimer > 500) {
                for (const auto& m : mouths) {
                    if (genrand() % 3 == 0)
                        m->draw();
                    else
                        m->restoreBackground();
                }
                mouthTimer = now;
            }
            if (now - rippleTimer > 333) {
                for (const auto& w : waves) w->restoreBackground();
                for (const auto& w : waves) w->update(true);
                rippleTimer = now;
            }
            wakeBy(mouthTimer + 501);
            wakeBy(rippleTimer + 334);
        }
        if (picked) {
            const Fish& fish = fishNamed(picked->name);
            const DeepSeaBonusRecord* prize = &prizes[static_cast<size_t>(takeBonusPrize())];
            result = prize->multiplier;
            caught = true;
            std::unique_ptr<Animation> haul =
                drawing ? std::make_unique<Animation>(folder, fish.colour + prize->fishSuffix, 6, 10, fish.catchX, 0,
                                                      animOnce, false, true)
                        : nullptr;
            playSound(genrand() % 2 == 0 ? fish.evenClip : fish.oddClip);
            timedPause(1500);
            if (haul) {
                haul->position = 0;  // the first frame is never shown
                Uint32 start = mediaTicks();
                while (!haul->frames.empty() && haul->position < haul->frameCount() - 1 && !quitRequested()) {
                    if (mediaTicks() - start > 100) {
                        haul->update(true);
                        start = mediaTicks();
                    }
                    display->update();
                    restBriefly();
                }
            }
            timedPause(1000);
            haul.reset();
            playSound(prize->multiplier <= 9 ? "wawawahh.wav" : cheers[genrand() % 4]);
            if (drawing) {
                {
                    Image picture(folder + prize->prizePicture + ".png", false, true);
                    if (picture.loaded) picture.blit(621, 0);
                }
                display->update();
            }
            timedPause(3000);
            if (drawing) {
                TextLabel amount("../fonts/deepseabonus.ttf", 80, std::to_string(bonusStake * prize->multiplier), 400,
                                 485, 4, 255, 255, 255, 0);
                const Uint32 start = mediaTicks();
                while (mediaTicks() - start < 3000 && !quitRequested()) {
                    amount.draw();
                    timedPause(500);
                    amount.erase();
                    display->update();
                    timedPause(500);
                }
                amount.draw();
            }
        }
        if (soundPlayer) soundPlayer->update();
        if (drawing) display->update();
    }

    mouths.clear();
    waves.clear();
    spots.clear();
    if (!quitRequested()) timedPause(3000);
    if (drawing) {
        display->restoreScreen();
        display->update();
    }
    if (music) music->halt();
    if (splash) splash->halt();
    return result;
}
