// One machine's win/loss record for a player, and the per-second clock that
// counts the player's time at a machine.
#pragma once

#include <SDL.h>

#include <string>
#include <vector>

#include "player/keeping.h"
#include "player/money.h"

class FileConfig;

// The 50 machine ids, in the order of a player's records (and of the
// statistics screen).
const std::vector<std::string>& statsMachineIds();

class MachineStats {
public:
    MachineStats();          // id "none", every figure 0

    void reset();            // id "none", every figure 0
    void addMinute();        // one more minute; 60 minutes make an hour

    // Reads / writes this record's group (named by id) of a save file.
    void load(FileConfig& file);
    void save(FileConfig& file) const;

    std::string id;
    Money totalwon;          // won, in the file as dollars
    Money totalloss;         // bet, in the file as dollars
    int hours;
    int minutes;             // 0..59
    int spinswon;
    int spinslost;
    int winningstreak;
    int losingstreak;
    int largestsinglewin;    // coins
    int numberofhighpays;
    int numberoflowpays;
};

// Numbers of a save file. Amounts (money, VIP points, the records' dollar
// totals) lie in [0, maxAmount] and counters in [0, INT_MAX]: a value
// outside is brought to the nearest bound, and a value that is no number
// reads as 0; either is reported on stderr. Arithmetic on counters stops
// at INT_MAX. Amounts are written within the same bounds (keptAmount), so a
// file the game wrote always reads back as it was written.
constexpr double maxAmount = 1e12;
double keptAmount(double amount);
double readAmount(const FileConfig& file, const std::string& key);
// What of a save file lies above maxAmount (and is read as maxAmount): the
// profile's "money" and "VIP points" in the player's group, and "the
// statistics of <machine title>" for each record with a total above it.
std::vector<std::string> amountsAboveLimit(FileConfig& file, const std::string& playerGroup);
// The profile's "money" and "vippoints" in the player's group that are
// there but can't be used (below zero, or no plain number) and so are read
// as 0, in that order.
std::vector<UnusableAmount> unusableAmounts(FileConfig& file, const std::string& playerGroup);
// The same to the nearest cent, and written back as dollars.
Money readMoney(const FileConfig& file, const std::string& key);
void writeMoney(FileConfig& file, const std::string& key, Money amount);
int readCount(const FileConfig& file, const std::string& key);
// An amount shown as a whole number: the fraction dropped, kept within
// [0, maxAmount] (so NaN and huge values convert safely).
long wholeAmount(double amount);
// counter + 1, but never past INT_MAX.
void countOne(int& counter);

// A win of more than this many coins is a high pay; 1 up to it a low pay.
constexpr int highPayThreshold = 20;

// The playing-time clock: every machine screen calls this first thing in its
// per-frame tick with its own counters (both start at 0 when the machine
// opens). Counts at most one second per call, when more than 999 ms have
// passed since lastTick; every 60 counted seconds add a minute to the
// current player's record for machineId.
void playClockTick(const std::string& machineId, int& seconds, Uint32& lastTick);
void playClockTick(const std::string& machineId, int& seconds, int& lastTick);
// The same with the tick count given (tests).
void playClockTickAt(const std::string& machineId, int& seconds, Uint32& lastTick, Uint32 now);
