// The settings file "../config.ini": registered players, the last player
// and the first-run flag, in the group [global] (keys players, lastplayer,
// firsttimeever). Every other group and key in the file is kept.
#pragma once

#include <memory>
#include <string>
#include <vector>

extern const char* const configFileName;   // "../config.ini"

class Config {
public:
    // Removes the temporary files an abrupt end left beside the settings
    // file and the save files; reads the file; unless this is the first
    // run, creates currentPlayer
    // from lastPlayer. A lastplayer that is empty or not a valid player name
    // (see isValidPlayerName in player/player.h) starts a first run.
    Config();
    // Writes the file, then deletes (and so saves) the current player.
    ~Config();

    // A file that exists but cannot be read or parsed is reported; what
    // could be read is used, and the file is never written over.
    void read();
    // Writes the file whole or not at all. lastplayer is the current
    // player's name, or lastPlayer when there is no current player.
    void write();

    bool firstTimeEver;                 // true: no player has registered yet
    std::vector<std::string> players;   // registered names, in file order
    std::string lastPlayer;             // the name read from lastplayer
    bool fileWritable;                  // false: the file could not be read
};

// The settings while the game runs; dropping them writes the file and
// saves the current player.
extern std::unique_ptr<Config> config;

// One copy of the game at a time on these folders: a lock on the file
// "../corvalo.lock" (made when missing), which the system drops when the
// process ends, however it ends. False when another running copy holds it.
// A folder where the lock file can't be made is let be (true): nothing
// could lock it. releaseRuntimeFolder gives the lock up.
bool lockRuntimeFolder();
void releaseRuntimeFolder();

// Splits at every ',' keeping empty pieces ("a,,b" -> a, "", b); an empty
// text gives no pieces. joinNames is the inverse.
std::vector<std::string> splitNames(const std::string& text);
std::string joinNames(const std::vector<std::string>& names);
