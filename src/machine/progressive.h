// The progressive jackpot meters: one dollar amount per coin value, growing
// by a dollar every second while the game runs (the App's frame step calls
// growProgressiveMeters once a frame). Machines that pay the progressive
// turn the meter of their coin value into coins with progressiveCoins and
// then draw fresh start values for all ten meters with seedProgressiveMeters.
#pragma once

#include <SDL.h>

#include <vector>

class Denomination;

class ProgressiveMeter {
public:
    double value;      // dollars
    double increment;  // dollars added per second

    ProgressiveMeter(double value, double increment);
};

// Ten meters, index 0 for 0.05 up to index 9 for 1000 (the badge pictures
// "5_cent.png" ... "1000.png" pick them). Empty until seeded.
extern std::vector<ProgressiveMeter> progressiveMeters;

// Empties the list and creates the ten meters anew, each at its base plus a
// random part of its span (genrand), growing 1.0 a second.
void seedProgressiveMeters();
// Once a frame: the first call only notes the time; afterwards, whenever more
// than 999 ms have passed since the noted time, notes the new time and adds
// each meter's increment (at most once per call).
void growProgressiveMeters();
// The same with the tick count given (tests).
void growProgressiveMetersAt(Uint32 now);
// Deletes every meter and empties the list (and forgets the growth timer).
void clearProgressiveMeters();

// Index of the meter for a record (by its badge picture), -1 when none.
int progressiveIndex(const Denomination* denomination);
// The meter's current amount in dollars; 0.0 for a record without a meter.
double progressiveValue(const Denomination* denomination);
// The meter's whole amount in coins of that record's value, counted in whole
// cents (so $100 at 0.05 is 2000 coins) and capped at the largest credit
// count a machine can hold. 0 without a meter.
int progressiveCoins(const Denomination* denomination);
