// The magic-hat bonus: five hats over the bonus picture; the player picks
// one, a star burst and the prize come out of it, and its multiplier blinks.
#include <iostream>
#include <memory>

#include "machines/video/bonus_prize.h"
#include "machines/video/magic.h"
#include "shell/animation.h"
#include "shell/app.h"
#include "shell/controls.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/sound.h"
#include "shell/clock.h"
#include "shell/waiting.h"

namespace {

const char* const folder = "../gfx/bonus/magic/";

// The hats' buttons, left to right.
const int hatX[5] = {37, 179, 328, 481, 636};
const int hatY[5] = {395, 421, 438, 422, 396};

// Where the star burst and each prize stand from their hat's button.
const int starsLeft = 78, starsUp = 182;

struct PrizeLook {
    int multiplier;
    const char* picture;
    int frames;
    int left, up;       // from the hat's button
    const char* sound;  // when the prize shows, or none
};

const PrizeLook prizeLooks[6] = {
    {3, "chief", 28, 128, 355, nullptr},
    {5, "small_flower", 9, 98, 210, nullptr},
    {10, "bigflow", 9, 168, 309, nullptr},
    {25, "small_bunny", 13, 28, 98, "pop.wav"},
    {50, "med_bunny", 7, 47, 155, "magicfx8.wav"},
    {100, "bigbunny", 17, 73, 256, "magicfx3.wav"},
};

const PrizeLook* lookFor(int multiplier) {
    for (int i = 5; i >= 0; --i)
        if (prizeLooks[i].multiplier == multiplier) return &prizeLooks[i];
    return nullptr;
}

void playSound(const char* file) {
    if (soundPlayer && file) soundPlayer->play(file, false);
}

// Plays a once animation over `behind` from its second frame to its last,
// a frame about every 66 ms; ends at once when it has one frame or none.
void playThrough(Animation& anim, SDL_Surface* behind) {
    anim.position = 0;  // the first frame is never shown
    Uint32 noted = mediaTicks();
    while (!anim.frames.empty() && anim.position < anim.frameCount() - 1) {
        if (mediaTicks() - noted > 66) {
            if (behind) display->blitFullScreen(behind);
            anim.update(true);
            noted = mediaTicks();
        }
        display->update();
        if (quitRequested()) break;
        restBriefly();
    }
}

}  // namespace

MagicPrize::MagicPrize(const std::vector<std::pair<int, int>>& at, int m) : positions(at), frameCount(0), multiplier(m) {
    text = std::to_string(m) + "x";
    if (const PrizeLook* look = lookFor(m)) {
        picture = look->picture;
        frameCount = look->frames;
    } else {
        std::cout << "Error: Incorrect multiplier specified" << std::endl;
    }
}

std::vector<MagicPrize> Magic::buildBonusPrizes() {
    std::vector<MagicPrize> prizes;
    for (const PrizeLook& look : prizeLooks) {
        std::vector<std::pair<int, int>> at;
        for (int hat = 0; hat < 5; ++hat) at.push_back(std::make_pair(hatY[hat] - look.up, hatX[hat] - look.left));
        prizes.emplace_back(at, look.multiplier);
    }
    return prizes;
}

int Magic::runHatBonus() {
    SoundClip* loop = soundPlayer ? soundPlayer->play("magicloop.wav", true) : nullptr;
    const bool drawing = display && display->hasSurface();
    if (drawing) {
        display->saveScreen();
        {
            Image loading("../gfx/help/loading.png", false, true);
            if (loading.loaded) loading.blit(277, 559);
        }
        display->update();
        Image back(std::string(folder) + "bonus.png", false, false);
        if (back.loaded) back.blit(0, 0);
    }
    const std::vector<MagicPrize> prizes = buildBonusPrizes();
    std::vector<std::unique_ptr<Button>> hats;
    for (int i = 0; i < 5; ++i) {
        hats.push_back(
            std::make_unique<Button>(std::to_string(i + 1), folder, hatX[i], hatY[i], true, false, false, false, true));
        hats.back()->setState(0);
    }
    if (drawing) display->update();

    int result = 0;
    while (result == 0) {
        SDL_Event event;
        Widget* picked = nullptr;
        if (waitModalEvent(event)) {
            if (event.type == SDL_MOUSEBUTTONDOWN) {
                // Any button; the pick is where the pointer stands now.
                picked = controlUnderPointer(hats);
            }
        } else if (quitRequested()) {
            // The window is closing: the prize is paid unseen.
            result = prizes[static_cast<size_t>(takeBonusPrize())].multiplier;
            break;
        }
        if (picked) {
            int hat = 0;
            while (hats[static_cast<size_t>(hat)].get() != picked) ++hat;
            const MagicPrize* prize = &prizes[static_cast<size_t>(takeBonusPrize())];
            result = prize->multiplier;
            if (drawing) {
                picked->restoreBackground();
                playSound("gliss.wav");
                // the burst and the prize carry the stage behind them, so no key
                Animation stars(folder, "hat_stars", 7, 15, hatX[hat] - starsLeft, hatY[hat] - starsUp, animOnce, false,
                                true);
                const std::pair<int, int>& at = prize->positions[static_cast<size_t>(hat)];
                Animation show(folder, prize->picture, prize->frameCount, 15, at.second, at.first, animOnce, false,
                               true);
                playSound("magicfx7.wav");
                SurfacePtr behind = display->copyScreen();
                playThrough(stars, behind.get());
                timedPause(500);
                if (const PrizeLook* look = lookFor(prize->multiplier)) playSound(look->sound);
                playThrough(show, behind.get());
                behind.reset();

                Sprite badge(std::string(folder) + prize->text + ".png", false, true, 191, 4);
                if (badge.loaded) {
                    const Uint32 start = mediaTicks();
                    while (mediaTicks() - start < 3000 && !quitRequested()) {
                        badge.draw();
                        display->update();
                        timedPause(500);
                        badge.restoreBackground();
                        display->update();
                        timedPause(500);
                    }
                }
                badge.draw();
                display->update();
            }
        }
        if (soundPlayer) soundPlayer->update();
        if (drawing) display->update();
    }

    hats.clear();
    if (drawing) {
        if (!quitRequested()) timedPause(3000);
        display->restoreScreen();
        display->update();
    }
    if (loop) loop->halt();
    return result;
}
