// What the player owns outside the profile's own money: the credits on the
// machine being played, and the play under way on it.
//
// A machine keeps its credits in memory while the player plays, yet the save
// file must say at every moment what the player owns, so that a game killed
// in the middle of a play (a power cut, kill -9) loses and gains nothing.
// Every cabinet registers what it holds here; the profile's writer adds it
// to the money it writes and writes a play that was drawn but not yet shown
// into the statistics, as if it had been settled.
#pragma once

#include <string>
#include <vector>

#include "player/money.h"

// A play whose outcome is drawn and not yet recorded in the statistics.
struct DrawnPlay {
    std::string machineId;
    long long coinsBet = 0;
    long long coinsWon = 0;
    float coinValue = 0.0f;
};

class HeldMoney {
public:
    virtual ~HeldMoney() = default;
    // What the credits on the machine are worth once the play under way
    // (if any) is settled as drawn.
    virtual Money heldMoney() const = 0;
    // The play under way whose statistics are not yet recorded; false when
    // there is none.
    virtual bool drawnPlay(DrawnPlay& play) const = 0;
    // VIP points already given for a play that is not bet yet and that
    // leaving the machine takes back (a derby spin waiting for its respin).
    virtual Money pointsNotYetBet() const { return Money(); }
    // A play is drawn and not yet shown to its end (reels turning, cards
    // face down, a bonus game or the count-up still to come).
    virtual bool showingPlay() const = 0;
};

// A cabinet registers itself while it exists (not owned).
void holdMoney(const HeldMoney* holder);
void releaseMoney(const HeldMoney* holder);
// The sum of every registered holder.
Money heldMoneyTotal();
// Every drawn play not yet in the statistics.
std::vector<DrawnPlay> drawnPlays();
// The VIP points every holder has given for plays not yet bet.
Money pointsNotYetBetTotal();
// Whether any holder is still showing a play it has drawn.
bool showingAPlay();
