// The player's profile: name, money, VIP points, first-visit flags, prizes,
// the current winning and losing runs and one MachineStats record per
// machine. Read from "../save/<name>.save" when created by name, written
// back (whole or not at all) when destroyed and whenever saveNow is called.
// A save file that exists but cannot be read is never written over. Whether
// the file is kept is reported to `keeping` (player/keeping.h).
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "player/machine_stats.h"

class Player {
public:
    // A registered player: loads the save file (missing: all defaults; one
    // that cannot be read or parsed: what could be read, and saving is off).
    explicit Player(const std::string& name);
    // A brand-new player (registration form): 2500.0 money, no file read.
    Player();
    // Sets this profile's firsttime flag and saves it.
    virtual ~Player();

    // The record of a machine; prints " Could not find stat: <id>" and
    // returns null when there is none.
    MachineStats* findStats(const std::string& machineId);

    bool canAfford(double amount) const;   // money >= amount

    // The statistics rule, once per play after the bet is taken and the win
    // fixed: coinsBet = the whole bet in coins, coinsWon >= 0, coinValue the
    // denomination's dollars per coin.
    void recordPlay(const std::string& machineId, int coinsBet, int coinsWon, float coinValue);

    // Save file: load() reads the profile and all records; save() writes
    // them in one go (every other group and key of the file is kept) and
    // then frees the records. Only the constructors and the destructor call
    // these.
    void load();
    void save();
    // Writes the profile to its file now, as the destructor would, and
    // keeps playing on: called whenever money moves between the profile and
    // a machine, a screen is left, a prize is bought and a player registers,
    // so that an abrupt end loses at most what is on a machine.
    void saveNow();
    // A machine has shown a play to its end (reels stopped or cards turned,
    // bonus games played, the win counted up): what the writes made while it
    // was shown found about the credits past the most the game keeps is told
    // now, not before, where it would give the outcome away.
    void playShown();

    std::string name;
    std::string gender;     // "male", "female" or "unknown"
    double money;
    double vippoints;
    bool firsttime;
    bool firsttimelobby;
    bool firsttimeslot;
    bool firsttimenickle;
    bool firsttimepoker;
    int winningRun;         // over all machines, not saved
    int losingRun;
    std::vector<MachineStats> stats;        // 50, one a machine
    std::vector<std::string> trophies;      // prize ids in the order won
    // False when the save file existed but could not be read or parsed:
    // then it is left as it is, whatever happens to this profile.
    bool fileWritable;

private:
    // The last write found the credits on a machine carrying the total past
    // the most the game keeps, and the player has been told.
    bool toldCreditsPastLimit;
    // The total a write made while a play was shown found past that most,
    // still to be told when the play has been shown (0: nothing to tell).
    double creditsPastLimitDue;

    void writeFile(bool firsttimeFlag);
    void buildStats();
    void freeStats();
};

// The player at the tables; null before one is picked or registered.
// Dropping a profile saves it, so replace it with reset() first, then make
// the next (the old file is complete before another is read).
extern std::unique_ptr<Player> currentPlayer;

// "first_last" -> "first" / "last" (split at the first '_'); a name without
// '_' gives the whole name for both.
std::string firstNameOf(const std::string& name);
std::string lastNameOf(const std::string& name);

// A player name the game accepts: a first and a last part joined by exactly
// one '_', each part non-empty and made of letters, digits, '-' and '\''.
// The registration form must only build names that pass this (they name the
// save file).
bool isValidPlayerName(const std::string& name);

// "../save/" + name + ".save"
std::string saveFileName(const std::string& name);

// Makes the save folder "../save" when it is missing. False (and reported
// to `keeping`, player/keeping.h) when it can't be made, a file stands in
// its place (left untouched), or nothing can be written in it.
bool readySaveFolder();

// The player name of a save file in "../save/" whose name equals name
// without regard to letter case; empty when there is none.
std::string existingSaveName(const std::string& name);
