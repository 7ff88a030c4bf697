// The slot cabinet shared by the single-line and multi-line three-reel
// machines: its buttons and hot spots, meters, coin-value badge, reels,
// help pages, the control names and keys, and the walk away from it.
#pragma once

#include <SDL.h>

#include <string>

#include "machine/machine.h"
#include "shell/controls.h"

// The bet buttons ("betmax", "betone", "cashout", "change", "spin") and the
// hot spots "coin", "money" and "denomination", after the marquee's.
void addSlotCabinetButtons(Machine& machine);
// Credit, paid and bet meters in the cabinet's LED font.
void createSlotCabinetMeters(Machine& machine);
// The coin-value badge of the machine's denomination (nothing without one).
void showSlotCabinetBadge(const Machine& machine);
// The reel positions, stored as (y, x): x reelX, y reelY.
void placeSlotCabinetReels(Machine& machine, const int reelX[3], int reelY);
// Three reel animations ("b", then clones "c" and "d") at x reelX, y reelY.
void createSlotCabinetReels(Machine& machine, const int reelX[3], int reelY);
// One page of a machine family's help: a picture in "../gfx/help/" and where it goes.
struct HelpPage {
    const char* file;
    int x, y;
};
// Help pages shown one a click or key press over the saved screen, which comes
// back at the end; a window close ends them early.
void showHelpPages(const HelpPage* pages, int count);
// The six slot help pages.
void showSlotHelpPages();
// The button click sound.
void playSlotClick();

// Runs a cabinet control by name on a machine with betMax, betOne,
// spinButton and cashOut (only while its input is enabled).
template <class SlotMachine>
void runSlotCabinetButton(SlotMachine& machine, Widget* control) {
    if (!machine.menuEnabled || !control) return;
    playSlotClick();
    const std::string& n = control->name;
    if (n == "betmax") {
        machine.betMax();
    } else if (n == "betone") {
        machine.betOne();
    } else if (n == "spin") {
        machine.spinButton();
    } else if (n == "cashout") {
        machine.cashOut(false);
    } else if (n == "change") {
        machine.cashOut(true);
    } else if (n == "coin" || n == "money") {
        machine.insertMoney();
    } else if (n == "denomination") {
        machine.changeDenomination();
    }
}

// The cabinet's keys: Return spins, m bets max, n bets one, Escape cashes
// out, Page Up / Page Down open the marquee (only while input is enabled).
void showSlotMarquee(Machine& machine, bool top);
template <class SlotMachine>
void runSlotCabinetKey(SlotMachine& machine, const SDL_Event& event) {
    if (!machine.menuEnabled || event.type != SDL_KEYDOWN) return;
    switch (event.key.keysym.sym) {
        case SDLK_RETURN: machine.spinButton(); break;
        case SDLK_m: machine.betMax(); break;
        case SDLK_n: machine.betOne(); break;
        case SDLK_ESCAPE: machine.cashOut(false); break;
        case SDLK_PAGEUP: showSlotMarquee(machine, true); break;
        case SDLK_PAGEDOWN: showSlotMarquee(machine, false); break;
        default: break;
    }
}
