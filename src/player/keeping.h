// Whether what the player does is being kept: the one place that knows if
// the current player's save file and the settings file ("config.ini") are
// being written. The profile and the settings tell it what happens to their
// files; the floor shows it to the player: a notice the moment progress
// stops being kept (news), and a lasting sign for as long as it stays so
// (signText). Each message says what is wrong, what it means and what to do.
#pragma once

#include <functional>
#include <string>
#include <vector>

// The two files whose fate the player must know.
enum class KeptFile { Profile, Settings };

// Money or VIP points in a save file that the game can't use: the key
// ("money" or "vippoints"), the text the file holds there, and whether it
// is a number below zero (else it is no plain number at all).
struct UnusableAmount {
    std::string key;
    std::string text;
    bool belowZero;
};

class Keeping {
public:
    // The file exists but could not be read (readError: the system's error
    // number) or holds a line that is not a setting (problem says which).
    void unreadable(KeptFile file, const std::string& shownPath, const std::string& problem, int readError);
    // Writing the file failed with that error number.
    void writeFailed(KeptFile file, const std::string& shownPath, int error);
    // The save folder: a file stands in its place, it could not be made, or
    // nothing can be written in it.
    void saveFolderIsAFile(const std::string& shownFolder);
    void saveFolderNotMade(const std::string& shownFolder, int error);
    void saveFolderNotWritable(const std::string& shownFolder, int error);
    // The file was written, or is fine to write: kept again.
    void kept(KeptFile file);

    // News that is no lasting trouble (the file is kept from now on):
    // The profile's save file was not there, so the profile starts with
    // nothing in it (no money, VIP points, prizes or statistics).
    void profileNotFound(const std::string& shownPath);
    // The save file holds amounts above the most the game keeps (maxAmount,
    // player/machine_stats.h), which are read as that most: `what` names
    // them ("money", "VIP points", "the statistics of baja7s").
    void amountsAboveLimit(const std::string& shownPath, const std::vector<std::string>& what);
    // The save file holds money or VIP points the game can't use, which are
    // read as 0: says what the file holds there, what the game uses instead,
    // and that the file holds that from the next save (fileWritten: false
    // when the file is left as it is).
    void unusableAmounts(const std::string& shownPath, const std::vector<UnusableAmount>& values, bool fileWritten);
    // The profile is about to be kept with this money and these VIP points:
    // what lies above the most the game keeps is cut off then, and this
    // says how much.
    void cutAtLimit(double money, double vippoints);
    // The account and the credits on the machine come to `total` dollars,
    // more than the most the game keeps: the save file holds that most,
    // and this says how much lies above it.
    void creditsPastLimit(double total);

    bool isKept(KeptFile file) const { return trouble(file).message.empty(); }
    // The full message about a file; empty while it is kept.
    const std::string& message(KeptFile file) const { return trouble(file).message; }
    // The lasting sign: a short line per file that is not kept; empty while
    // both are.
    std::string signText() const;
    // The messages that became true since the last call, oldest first.
    std::vector<std::string> takeNews();

    // Called when there is news, so that it can be told at once, also in
    // the middle of a modal part (empty: it waits for takeNews).
    std::function<void()> onNews;

private:
    struct Trouble {
        std::string message;  // in full: what is wrong, what it means, what to do
        std::string brief;    // a few words for the sign
    };
    Trouble profile, settings;
    std::vector<std::string> news;

    Trouble& trouble(KeptFile file) { return file == KeptFile::Profile ? profile : settings; }
    const Trouble& trouble(KeptFile file) const { return file == KeptFile::Profile ? profile : settings; }
    void set(KeptFile file, const std::string& what, const std::string& todo, const std::string& brief);
    void tell(const std::string& message);
};

extern Keeping keeping;
