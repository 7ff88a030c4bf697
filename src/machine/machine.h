// The root of every reel machine: credits, bet, reels and their timing,
// the three meters, the coin value, the spin cycle's common steps, the
// marquee hot spots and the hidden test keys.
//
// A family base (three-reel, multi-line, video) derives from it and fills
// the pure hooks; a machine's own set-up names the screen (machine id),
// calls setDenomination and then the family's init, which calls
// Machine::init first.
//
// The spin cycle: a bet control calls pull(); when the credits cover the bet
// it adds the VIP points, disables input, plays "onepull.wav" and calls
// startSpin() and spin() (the family's outcome draw). tick() then runs
// spinStep() every frame; it stops the reels one by one and, after the
// last, calls the family's settle(), which takes the bet, records the play,
// counts the win up and enables input again.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "machine/bank.h"
#include "shell/screen.h"

class Animation;
class TextLabel;
class SoundClip;
class Denomination;

class Machine : public Screen, public Bank {
public:
    bool spinning;            // reels turning: tick() runs spinStep()
    int coins;                // coins bet (per line on the line machines)
    int lines;                // lines played
    int maxLines;             // 1 on the single-line machines
    int reelCount;            // 3 or 5
    int maxCoins;             // most coins per bet (per line)
    int win;                  // coins won by the last spin
    int pulledBet;            // coins whose VIP points the pull under way gave (0 for a free re-spin)
    int lastTick;             // tick count of the last counted second (play clock)
    int seconds;              // seconds counted in the current minute
    float payoutRatio;        // target return of the outcome draw
    std::vector<std::pair<int, int>> reelPositions;  // per reel, stored as (y, x)
    std::vector<int> reelStartTimes;   // tick count at the spin's start; -1 once stopped
    std::vector<int> reelStopDelays;   // ms after the start at which the reel stops
    std::vector<std::unique_ptr<Animation>> reels;  // the spinning reel animations
    SoundClip* spinSoundChannel;       // looping reel sound while it plays, or null (the sound player owns it)
    std::unique_ptr<TextLabel> creditMeter;  // made by createMeters
    std::unique_ptr<TextLabel> paidMeter;
    std::unique_ptr<TextLabel> betMeter;

    Machine();
    // Leaves the id in lastMachineId and deletes reels and meters; the bank
    // settles a play still under way exactly as drawn (its bet taken, its
    // win paid, its statistics recorded and its VIP points kept), then
    // returns the credits to the current player at the coin value.
    ~Machine() override;

    // Screen set-up under the machine id, every counter and the meters
    // cleared, then placeReels and createReels.
    void init() override;
    // Mouse presses through Screen; the hidden keys t (pay-out test) and
    // y (reset this machine's statistics) while the machine is idle.
    void handleEvent(const SDL_Event& event) override;
    // The marquee hot spots "top" (0, 0, width x 100) and "bottom"
    // (0, height - 35, width x 35).
    void createButtons() override;
    // Play clock, then spinStep while spinning, then the hover check.
    void tick() override;
    void checkHover() override;
    // "top" / "bottom" open the marquee (only while input is enabled).
    void handleButton(Widget* control) override;
    void setHovered(Widget* control) override;

    // Starts a spin of the current bet (see betAmount) when the credits cover
    // it: VIP points, input disabled, "onepull.wav", startSpin, spin. Takes no
    // credits (settle does). A pull that cannot start changes nothing.
    virtual void pull();
    // Every reel starts now; stop delays 500 + random(1000) ms for reel 0,
    // each further reel the previous delay + random(1000) ms; spinning on.
    virtual void startSpin();
    // Once a frame while spinning: stops the reels whose delay has passed
    // (picture, "slothit1.wav", onReelStop) and settles after the last one;
    // turning reels move on.
    virtual void spinStep();
    // Hidden key t: 10000 test plays at the bet of bet max, recorded in the
    // player's statistics, with progress on the standard output. The bet is
    // put back afterwards.
    virtual void payoutTest();
    virtual void spin() = 0;                                      // the outcome draw of one pull
    // Right after the draw of a pull of `bet` coins: the outcome goes to the
    // save file before the reels show it (Bank::keepDrawnPlay). The family
    // says what the draw pays in credits.
    virtual void keepPull(int bet);
    // A bonus game a pull won may be drawn with the pull, so that the save
    // file holds all the play pays from its draw on: drawBonus makes the
    // bonus game's own draws (nothing when none is due), drawnBonusWin says
    // what they pay for a player who picks nothing more. The bonus screen
    // then shows them. Neither does anything on a machine whose bonus
    // draws are made on its screen.
    virtual void drawBonus() {}
    virtual long long drawnBonusWin() const { return 0; }
    // The game is closing (a window close, a stop signal) while a play is
    // under way: the reels stop at once and the play settles exactly as
    // drawn, its bonus games and gambles too, without being shown.
    void finishUnderWay() override;
    virtual void loadGraphics(const std::string& pictureName, int reel) = 0;
    virtual void showStoppedReel(int reel) = 0;
    virtual void drawOverlay() = 0;                               // pay lines over the reels
    virtual void settle() = 0;                                    // after the last reel stops
    virtual Uint32 drawStop() = 0;                                // the draw number of a pull
    virtual void createReels() = 0;
    virtual void placeReels() = 0;
    virtual void onReelStop(int reel) = 0;
    virtual void playWinSound() = 0;
    virtual void createMeters() = 0;
    virtual void showDenomination();                              // the coin-value badge; none here

    // The whole bet of a pull in coins: coins x lines on five reels, lines on
    // a line machine of three reels, coins otherwise.
    int betAmount() const;
    // One test play: when the credits cover coins x lines, spin and record it.
    void playRound();
    // Hidden key y: this machine's statistics record back to zero.
    void resetStats();
    // Draws graphicsDir + "back.png" over the screen.
    void drawBackground();
    void showCredits(int n);
    void showPaid(int n);
    void showBet(int n);
    // Picks the record of that coin value offering this machine (nothing
    // changes when the current one has that value); falls back to 1.0.
    void setDenomination(float value);
    // The "denomination" control: credits back to the player's money, the
    // next coin value offered for this machine, the badge redrawn.
    void changeDenomination();
    // The money prompt over the cabinet; the credit meter shows the result.
    void insertMoney();
    // Cash-out with `sound` (when there are credits), then off to the lobby
    // (or the cashier); nothing when the machine is already leaving.
    void cashOut(bool toCashier, const char* sound = "coindrp4.wav");
    // Counts `win` up onto the credits with "digicnt.wav" in the family's
    // steps (at most `maxSteps`, 0: no limit; the credit and paid meters
    // after each, then a pause of `pauseMs`); returns the steps.
    int countUpWin(int (*step)(long long, long long, long long), int maxSteps, int pauseMs);


    // Number of test plays the pay-out test runs.
    static constexpr int payoutTestPlays = 10000;
};
