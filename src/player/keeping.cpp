#include "player/keeping.h"

#include <cerrno>
#include <cmath>
#include <cstdio>

#include "player/machine_stats.h"
#include "shell/ini.h"

Keeping keeping;

namespace {

std::string opening(KeptFile file) {
    return file == KeptFile::Profile ? "Your progress can't be saved: " : "Your settings can't be saved: ";
}

// What the player loses while the file is not kept.
std::string consequence(KeptFile file) {
    return file == KeptFile::Profile ? "What you win and do from now on is not kept when the game ends."
                                     : "New players and who played last are not remembered.";
}

// A whole number with its thousands set apart: 1,000,000,000,000.
std::string grouped(long whole) {
    std::string digits = std::to_string(whole);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<size_t>(at), ",");
    return digits;
}

// Dollars and cents: $1,000,000,000,000.00.
std::string dollarsText(double amount) {
    const long cents = std::lround(amount * 100);
    char fraction[8];
    std::snprintf(fraction, sizeof fraction, ".%02ld", cents % 100);
    return "$" + grouped(cents / 100) + fraction;
}

// VIP points as whole points.
std::string pointsText(double points) { return grouped(wholeAmount(points)); }

// A value of a file as the notice quotes it: as written, short enough to
// fit a line, and only in characters every font has.
std::string quoted(const std::string& text) {
    const size_t longest = 24;
    std::string shown;
    for (unsigned char c : text) shown += c >= 32 && c < 127 ? static_cast<char>(c) : '?';
    return shown.size() > longest ? shown.substr(0, longest - 3) + "..." : shown;
}

// "a", "a and b", "a, b and c".
std::string listed(const std::vector<std::string>& items) {
    std::string list;
    for (size_t i = 0; i < items.size(); ++i) {
        if (i) list += i + 1 == items.size() ? " and " : ", ";
        list += items[i];
    }
    return list;
}

std::string tag(KeptFile file) { return file == KeptFile::Profile ? "PROGRESS NOT SAVED: " : "SETTINGS NOT SAVED: "; }

}  // namespace

void Keeping::set(KeptFile file, const std::string& what, const std::string& todo, const std::string& brief) {
    Trouble& t = trouble(file);
    std::string message = opening(file) + what + " " + consequence(file) + " " + todo;
    // The same trouble again (the next failed save) is no news.
    const bool fresh = message != t.message;
    if (fresh) news.push_back(message);
    t.message = message;
    t.brief = brief;
    if (fresh && onNews) onNews();
}

void Keeping::unreadable(KeptFile file, const std::string& shownPath, const std::string& problem, int readError) {
    const std::string why = readError ? plainErrorText(readError) : problem;
    const std::string todo = readError
        ? "Quit, make the file readable and writable again, and start the game again."
        : "Quit, mend or remove that line with a text editor (or move the file away), and start the game again.";
    set(file, shownPath + " can't be read (" + why + "). Nothing in it has been changed.", todo,
        shownPath + " can't be read");
}

void Keeping::writeFailed(KeptFile file, const std::string& shownPath, int error) {
    const std::string todo = error == ENOSPC || error == EDQUOT
        ? "Make room on the disk: the game tries again every time it saves."
        : "The game tries again every time it saves; if this stays, check that the folder can be written.";
    set(file, shownPath + " can't be written (" + plainErrorText(error) + "). It still holds what was saved before.",
        todo, shownPath + " can't be written");
}

void Keeping::saveFolderIsAFile(const std::string& shownFolder) {
    set(KeptFile::Profile, shownFolder + " is a file, not a folder. It has been left as it is.",
        "Quit, move that file away, and start the game again: the folder is then made.",
        shownFolder + " is not a folder");
}

void Keeping::saveFolderNotMade(const std::string& shownFolder, int error) {
    set(KeptFile::Profile, "the folder " + shownFolder + " is missing and can't be made (" + plainErrorText(error) + ").",
        "Quit, make the folder " + shownFolder + " beside config.ini, and start the game again.",
        "no folder " + shownFolder);
}

void Keeping::saveFolderNotWritable(const std::string& shownFolder, int error) {
    set(KeptFile::Profile, "nothing can be written in the folder " + shownFolder + " (" + plainErrorText(error) + ").",
        "Quit, allow writing in that folder, and start the game again.", shownFolder + " can't be written");
}

void Keeping::tell(const std::string& message) {
    news.push_back(message);
    if (onNews) onNews();
}

void Keeping::profileNotFound(const std::string& shownPath) {
    tell(shownPath + " was not found, so this profile starts with nothing in it: $0.00 in the account, no VIP "
         "points, no prizes and no statistics. Draw funds at the cashier to play; from now on the profile is "
         "saved in that file. If you moved or renamed the file, quit now, put it back in place of the new one, "
         "and start the game again.");
}

void Keeping::amountsAboveLimit(const std::string& shownPath, const std::vector<std::string>& what) {
    tell(shownPath + " holds more than the game keeps in " + listed(what) + ". The most it keeps is " +
         pointsText(maxAmount) + " (dollars or VIP points), and that is used instead. Everything else in the file "
         "is read as it stands.");
}

void Keeping::unusableAmounts(const std::string& shownPath, const std::vector<UnusableAmount>& values,
                              bool fileWritten) {
    if (values.empty()) return;
    std::vector<std::string> held, used;
    for (const UnusableAmount& value : values) {
        const char* why = value.text.empty() ? "empty" : value.belowZero ? "below zero" : "not a plain number";
        held.push_back(value.key + "=" + quoted(value.text) + " (" + why + ")");
        used.push_back(value.key == "money" ? dollarsText(0) + " in the account" : "no VIP points");
    }
    const bool one = values.size() == 1;
    tell(shownPath + " holds " + listed(held) + ", which the game can't use. " + (one ? "It is" : "They are") +
         " read as 0: " + listed(used) +
         (fileWritten ? ", and the file holds that from the next save." : "; the file is left as it is.") +
         " Everything else in the file is read as it stands. If you had more, quit, put what you had on " +
         (one ? "that line (a plain number" : "those lines (plain numbers") +
         " like 1250.50) with a text editor, and start the game again.");
}

void Keeping::cutAtLimit(double money, double vippoints) {
    if (money - maxAmount >= 0.005)
        tell("Your account holds the most the game keeps, " + dollarsText(maxAmount) + ": the " +
             dollarsText(money - maxAmount) + " above it could not be added and is gone.");
    if (vippoints - maxAmount >= 1)
        tell("You have the most VIP points the game keeps, " + pointsText(maxAmount) + ": the " +
             pointsText(vippoints - maxAmount) + " above it could not be added.");
}

void Keeping::creditsPastLimit(double total) {
    tell("Your account and the credits on this machine come to more than the most the game keeps, " +
         dollarsText(maxAmount) + ": the " + dollarsText(total - maxAmount) +
         " above it is not saved, and cashing out adds only what fits.");
}

void Keeping::kept(KeptFile file) {
    Trouble& t = trouble(file);
    t.message.clear();
    t.brief.clear();
}

std::string Keeping::signText() const {
    std::string text;
    for (KeptFile file : {KeptFile::Profile, KeptFile::Settings}) {
        const Trouble& t = trouble(file);
        if (t.brief.empty()) continue;
        if (!text.empty()) text += "   ";
        text += tag(file) + t.brief;
    }
    return text;
}

std::vector<std::string> Keeping::takeNews() {
    std::vector<std::string> taken;
    taken.swap(news);
    return taken;
}
