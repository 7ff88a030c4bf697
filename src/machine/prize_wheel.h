// The prize wheel: a modal bonus screen on which a looping frame animation
// of a wheel spins at full speed, slows down in steps at a random pace and
// stops; the frame it stops on names the prize (and, on wheels that have
// them, a colour). The spin is shared by every machine that turns a wheel;
// the plain bonus screen (one spin, no gamble) is the cash wheel's, which
// the "wheelofcash" slot machine and the "spinforcash" poker machine run.
#pragma once

#include <SDL.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class Animation;

// One run of frames on the wheel that stop on the same prize.
struct WheelStop {
    int firstFrame, lastFrame;  // inclusive
    int prize;                  // coins
    const char* colour;         // "red", "black", or "" on wheels without colours
};

struct PrizeWheelSpec {
    std::string folder;     // "../gfx/bonus/<wheel>/": "bonus.png" and the wheel frames
    std::string wheelName;  // animation name of the wheel frames
    int frameCount;
    int x, y;               // wheel position
    int periodSpread;       // slow-down step period: (genrand() % spread + base) / 10 ms
    int periodBase;
    std::vector<WheelStop> stops;
    bool prizeSoundAtStop;  // "birdclap.wav" at the end of a spin that won something
};

// The cash wheel: 40 frames at (219, 177) in "../gfx/bonus/wheelofcash/",
// twenty prizes from 5 to 1000 coins.
const PrizeWheelSpec& cashWheel();

// The prize of a stop frame; 0 (and colour untouched) outside the table.
int wheelPrizeAt(const PrizeWheelSpec& spec, int frame, std::string* colour = nullptr);

// The wheel's pace in one spin whose slow-down step lasts `stepMs`: the
// frames it has turned `elapsed` ms into the spin (40 frames a second for two
// seconds and one step, then one step each at 21, 17, 13 and 9 frames a
// second, a frame at once at each new rate), and the length of the spin, at
// whose end it has turned its last frame, the one of 5 frames a second.
int wheelFramesTurned(Uint32 stepMs, Uint32 elapsed);
Uint32 wheelSpinLength(Uint32 stepMs);

// Told what a spin drew (the prize and colour of its stop) the moment it is
// drawn, before the wheel shows it.
using WheelDrawn = std::function<void(int prize, const std::string& colour)>;

// One spin of the wheel from wherever it stands. The step length drawn
// decides the stop frame at once; the wheel then turns at its pace and
// stands on that frame (at once, unseen, when the game is closing). Sets
// prize (0 when the stop frame is outside the table, with "Something went
// wrong with the wheel bonus" on stdout) and, for a frame of the table,
// colour.
void spinPrizeWheel(const PrizeWheelSpec& spec, Animation& wheel, int& prize, std::string& colour,
                    const WheelDrawn& drawn = nullptr);

// The slow-down step of one spin, drawn (the one draw a spin makes).
Uint32 drawWheelStep(const PrizeWheelSpec& spec);
// The frame a wheel of `frameCount` frames that stands on `from` stops on
// after a spin of that step.
int wheelStopFrame(int frameCount, int from, Uint32 stepMs);
// The spin of spinPrizeWheel whose step is drawn already.
void turnPrizeWheel(const PrizeWheelSpec& spec, Animation& wheel, Uint32 stepMs, int& prize, std::string& colour,
                    const WheelDrawn& drawn = nullptr);

// The first spin of a wheel screen drawn with the pull that wins it: its
// step, and the prize and colour of its stop on a wheel that opens on its
// first frame, as every wheel screen does. The screen then turns the wheel
// by that step.
struct OpeningSpin {
    bool drawn = false;
    Uint32 step = 0;
    int prize = 0;
    std::string colour;
};
OpeningSpin drawOpeningSpin(const PrizeWheelSpec& spec);

// The opening of a wheel screen: saves the screen, shows the loading
// picture, builds the wheel (40 frames a second), draws "bonus.png" and the
// wheel's first frame and pauses a second.
std::unique_ptr<Animation> openWheelScreen(const PrizeWheelSpec& spec);

// The cash wheel's whole bonus screen: open, one spin, a four-second pause,
// the screen restored. Returns the prize in coins; `kept` is told it the
// moment the spin draws it. Reads no input. With an `opening` spin drawn
// already, the wheel turns by it and pays its prize (nothing more is drawn).
int runCashWheelBonus(const std::function<void(int prize)>& kept = nullptr, const OpeningSpin* opening = nullptr);
