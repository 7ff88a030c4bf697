// The slot cabinet's pieces shared by the three-reel families.
#include "machine/slot_cabinet.h"

#include <utility>

#include "machine/denomination.h"
#include "machine/marquee.h"
#include "shell/animation.h"
#include "shell/app.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/waiting.h"

namespace {

const HelpPage helpPages[6] = {
    {"slot_1.png", 309, 172}, {"slot_2.png", 290, 29}, {"slot_3.png", 157, 201},
    {"slot_4.png", 200, 17},  {"slot_5.png", 200, 386}, {"slot_6.png", 71, 165},
};

void playSound(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

}  // namespace

void addSlotCabinetButtons(Machine& machine) {
    const std::string folder = "../gfx/machinebuttons/";
    machine.add<Button>("betmax", folder, 649, 399, false, false, true, false, true);
    machine.add<Button>("betone", folder, 183, 401, false, false, true, false, true);
    machine.add<Button>("cashout", folder, 106, 401, false, false, true, false, true);
    machine.add<Button>("change", folder, 31, 401, false, false, true, false, true);
    machine.add<Button>("spin", folder, 268, 402, false, false, true, false, true);
    machine.add<Hotspot>("coin", 446, 371, 60, 34);
    machine.add<Hotspot>("money", 621, 473, 179, 99);
    machine.add<Hotspot>("denomination", 333, 288, 139, 84);
}

void createSlotCabinetMeters(Machine& machine) {
    machine.creditMeter = std::make_unique<TextLabel>("../fonts/led4.ttf", 35, "0", 312, 382, 3, 255, 0, 0, 0);
    machine.paidMeter = std::make_unique<TextLabel>("../fonts/led4.ttf", 35, "0", 168, 382, 3, 255, 0, 0, 0);
    machine.betMeter = std::make_unique<TextLabel>("../fonts/led4.ttf", 35, "0", 625, 382, 5, 255, 0, 0, 0);
}

void showSlotCabinetBadge(const Machine& machine) {
    if (!machine.denomination) return;
    Image badge("../gfx/denominations/" + machine.denomination->picture, false, true);
    if (badge.loaded) badge.blit(334, 288);
}

void placeSlotCabinetReels(Machine& machine, const int reelX[3], int reelY) {
    machine.reelPositions.clear();
    for (int i = 0; i < 3; ++i) machine.reelPositions.push_back(std::make_pair(reelY, reelX[i]));
}

void createSlotCabinetReels(Machine& machine, const int reelX[3], int reelY) {
    machine.reels.push_back(
        std::make_unique<Animation>(machine.graphicsDir, "b", 20, 40, reelX[0], reelY, animBackward, false, false));
    Animation* first = machine.reels.front().get();
    machine.reels.push_back(first->clone("c", 39, reelX[1], reelY, animBackward));
    machine.reels.push_back(first->clone("d", 39, reelX[2], reelY, animBackward));
}

void showHelpPages(const HelpPage* pages, int count) {
    if (!display) return;
    display->saveScreen();
    for (int i = 0; i < count; ++i) {
        {
            Image page(std::string("../gfx/help/") + pages[i].file, false, true);
            if (page.loaded) page.blit(pages[i].x, pages[i].y);
        }
        display->update();
        SDL_Event event;
        for (;;) {
            if (waitModalEvent(event)) {
                if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_KEYDOWN) break;
            } else if (quitRequested()) {
                break;  // the window is closing: nobody is left to click through
            }
        }
        if (quitRequested()) break;
        if (i < count - 1) display->drawSavedScreen();
    }
    display->restoreScreen();
    display->update();
}

void showSlotHelpPages() { showHelpPages(helpPages, 6); }

void playSlotClick() { playSound("click3.wav"); }

void showSlotMarquee(Machine& machine, bool top) { showMarquee(&machine, top ? "top" : "bottom"); }
