// The bank of a cabinet: the credits on it and the coin value they are worth,
// and every way money moves between the player and the machine: money in
// through the money prompt, cash-out, a change of coin value, the VIP points a
// bet earns and the count-up of a win. Every cabinet (the reel machines, video
// poker and the derby) is a Bank; their differences (sounds, step rules,
// pauses, meters) come in as parameters.
#pragma once

#include <SDL.h>

#include <functional>
#include <string>

#include "player/held_money.h"
#include "player/money.h"

class Denomination;
class Screen;
struct MoneyPopupStyle;

// How a win is counted up onto the credits.
struct CountUpStyle {
    // The size of the next step, given what is paid, what is left and the
    // whole win; never more than what is left.
    int (*step)(long long paid, long long remaining, long long total);
    const char* clickSound;  // a clip of its own played once a step, or null
    const char* loopSound;   // a clip looped through the whole count, or null
    int maxSteps;            // the last step allowed pays the rest; 0: no limit
    bool dropEvents;         // one waiting input event is dropped after each step
    void (*pause)(Uint32 ms);  // the wait after each step
    Uint32 pauseMs;            // its length; 0: no wait
};

// The common step: 1 until 20 are paid, 5 until 100, 10 until 1000, then
// 100; cut to what is left.
int stepByPaid(long long paid, long long remaining, long long total);
// The same, but a win above 20000 coins (a progressive meter, a doubled-up
// hand) takes bigger steps, so that its count-up ends within about 200.
int countUpStep(long long paid, long long remaining, long long total);

// A play whose outcome is drawn: what the player owns once it is settled.
// The save file holds it from the moment it is drawn (see keepDrawnPlay).
struct DrawnOutcome {
    bool active = false;     // a play is under way
    std::string machineId;
    int creditsBefore = 0;   // the credits when it was drawn, its bet still on them
    long long bet = 0;       // coins it takes
    long long won = 0;       // coins it pays, as drawn so far
    long long prize = 0;     // coins of a prize won that is not paid in credits (the car)
    bool recorded = false;   // the statistics hold it already
};

class Bank : public HeldMoney {
public:
    int credits;                // whole coins on the machine
    Denomination* denomination; // the coin value played at (in denominationTable, not owned)
    DrawnOutcome drawn;         // the play under way, if any

    Bank();
    // A play still under way is settled as drawn; what is on the machine
    // goes back to the player.
    ~Bank() override;

    // The credits at the coin value, as the play under way leaves them.
    Money heldMoney() const override;
    bool drawnPlay(DrawnPlay& record) const override;
    bool showingPlay() const override { return drawn.active; }

    // An outcome is kept the moment it is drawn: the bet taken and the win
    // added, with its statistics, go to the save file at once, before any of
    // it is shown. Called with the credits still holding the bet.
    // A prize that is not paid in credits (`prize` coins) counts as won in
    // the statistics.
    void keepDrawnPlay(const std::string& machineId, long long bet, long long won, long long prize = 0);
    // A bonus game or gamble drew more of the play: its whole win is now
    // `won` coins; kept at once.
    void keepDrawnWin(long long won);
    // The settle records the play in the statistics (once).
    void recordDrawnPlay(const std::string& machineId, long long bet, long long won);
    // The play is shown and paid: every family calls this once its play is
    // fully shown (reels stopped or cards turned, bonus games over, the win
    // counted up). What the play's writes found to tell about the most the
    // game keeps is told now, so that no notice gives the outcome away.
    void endDrawnPlay();
    // A play that could not be shown to its end: the credits become what it
    // pays and its statistics are recorded, exactly as drawn (nothing is
    // told: the machine is closing or its credits are going back).
    void settleDrawnPlay();
    // The credits the play under way leaves (the credits when none is).
    int creditsAfterPlay() const;
    // What a win of `win` coins pays onto `creditsAfterBet` credits (the
    // bet taken): never below 0, never past the most a machine holds.
    static long long payableOnto(long long win, long long creditsAfterBet);

    // The coin value in dollars (0 without a record).
    float coinValue() const;
    // What `coins` coins are worth at the coin value.
    Money worth(long long coins) const;

    // Plays at the record of that coin value offering the machine (nothing
    // changes when the current one has that value), else at 1.0.
    void chooseCoinValue(const std::string& machineId, float value);
    // The credits go back to the player's money at the coin value; credits 0.
    void returnCredits();
    // The money prompt with the cabinet's look: typed dollars onto the
    // credits. Returns the credits bought.
    int takeMoney(const MoneyPopupStyle& style);
    // Leaving the cabinet: `sound` when there are credits, the credits back
    // to the player, the loading picture, and the screen's successor the
    // lobby (or the cashier). Nothing when the screen is already leaving.
    void leave(Screen& screen, const char* sound, bool toCashier);
    // The credits back to the player and the next coin value offered for the
    // machine (see nextDenomination).
    void nextCoinValue(const std::string& machineId);
    // The player's VIP points grow by the worth of a bet of `coins` coins
    // (or fall back by it for a negative count, never below 0).
    void addVipPoints(long long coins);
    // Counts `win` credits onto the credits in the style's steps: after each
    // step `show(paid)`, the click, then the pause. Returns the steps.
    int countUp(long long win, const CountUpStyle& style, const std::function<void(int paid)>& show);
};
