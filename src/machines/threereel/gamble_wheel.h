// The dice wheel with the red/black gamble: the wheel turns once for a
// prize, then the player may stake the bank on red or black as often as he
// likes (a right colour doubles it, a wrong one loses it) or collect it.
// The spin and the opening of the screen are the prize wheel's
// (machine/prize_wheel.h); this file adds the dice wheel's table and the
// gamble.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "machine/prize_wheel.h"

class Animation;

// A wheel made for the gamble: 24 frames at (217, 81), slowing in steps of
// 80 to 180 ms, and no clap at the stop (the gamble screen claps itself).
PrizeWheelSpec gambleWheelSpec(const std::string& folder, const std::string& wheelName,
                               std::vector<WheelStop> stops);

// The dice wheel: 24 frames at (217, 81) in "../gfx/bonus/doubledicespinforcash/".
const PrizeWheelSpec& diceWheel();

// One turn of a gamble wheel from where it stands: prize and colour of the
// stop, told to `drawn` the moment they are drawn.
using WheelTurn = std::function<void(Animation& wheel, int& prize, std::string& colour, const WheelDrawn& drawn)>;

// What sets one machine's gamble screen apart: where its red, collect and
// black buttons sit (one row; the pictures are in the wheel's folder) and
// the tune it plays when the player leaves with a bank. The screen draws no
// text of its own: the wheel's field under the pointer tells the prize and
// the colour.
struct GambleLayout {
    int redX;
    int collectX;
    int blackX;
    int y;
    const char* closingSound;  // null: the screen closes quietly
};

// The dice machine's buttons, with "doubintr.wav" on leaving with a bank.
const GambleLayout& diceGamble();

// The whole gamble screen on the given wheel; returns the bank in coins
// (0 after a lost gamble). `kept` is told the bank each time a spin decides
// it, the moment the spin is drawn, before the wheel shows it. A spin under
// way when the window closes (or a stop signal comes) ends as drawn, unseen;
// a close while the screen waits for the player's choice declines the
// gamble: the bank is collected and the screen ends at once. The close
// itself stays pending for the frame loop. The wheel turns as `turn` says
// (the machine's own turn); none: spinPrizeWheel. With an `opening` spin
// drawn already (with the pull that won the wheel), the first turn shows it
// and its prize is the first bank; only the gambles draw on the screen.
int runGambleWheelBonus(const PrizeWheelSpec& spec, const GambleLayout& layout, const WheelTurn& turn = nullptr,
                        const std::function<void(int bank)>& kept = nullptr, const OpeningSpin* opening = nullptr);

// Doubles a bank, stopping at the largest int.
int doubledBank(int bank);
