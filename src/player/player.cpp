#include "player/player.h"

#include "player/config.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <climits>
#include <iostream>

#include "player/held_money.h"
#include "player/keeping.h"
#include "shell/ini.h"

std::unique_ptr<Player> currentPlayer;

std::string saveFileName(const std::string& name) {
    return "../save/" + name + ".save";
}

std::string firstNameOf(const std::string& name) {
    size_t cut = name.find('_');
    return cut == std::string::npos ? name : name.substr(0, cut);
}

std::string lastNameOf(const std::string& name) {
    size_t cut = name.find('_');
    return cut == std::string::npos ? name : name.substr(cut + 1);
}

bool isValidPlayerName(const std::string& name) {
    size_t cut = name.find('_');
    if (cut == std::string::npos || cut == 0 || cut + 1 >= name.size()) return false;
    for (size_t i = 0; i < name.size(); ++i) {
        unsigned char c = static_cast<unsigned char>(name[i]);
        if (i == cut) continue;
        if (!(std::isalnum(c) || c == '-' || c == '\'')) return false;
    }
    return true;
}

std::string existingSaveName(const std::string& name) {
    auto lowered = [](std::string s) {
        for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    const std::string wanted = lowered(name) + ".save";
    std::string found;
    if (DIR* dir = opendir("../save")) {
        while (dirent* entry = readdir(dir)) {
            std::string file = entry->d_name;
            std::string player = file.size() > 5 ? file.substr(0, file.size() - 5) : "";
            if (found.empty() && lowered(file) == wanted && isValidPlayerName(player)) found = player;
        }
        closedir(dir);
    }
    return found;
}

namespace {

// The name becomes part of a path: refuse names that would leave the save
// folder or have no file name at all.
bool usableAsFileName(const std::string& name) {
    return !name.empty() && name[0] != '.' && name.find_first_of("/\\") == std::string::npos;
}

// A path as the player sees it: from the game's folder, not from bin/.
std::string shownPath(const std::string& path) { return path.compare(0, 3, "../") == 0 ? path.substr(3) : path; }

}  // namespace

namespace {

// The statistics rule on one record and the runs over all machines.
void applyPlay(MachineStats& record, int& winningRun, int& losingRun, long long coinsBet, long long coinsWon,
               float coinValue) {
    if (coinsWon <= 0) {
        countOne(record.spinslost);
        winningRun = 0;
        countOne(losingRun);
        if (losingRun > record.losingstreak) record.losingstreak = losingRun;
    } else {
        countOne(record.spinswon);
        losingRun = 0;
        countOne(winningRun);
        if (winningRun > record.winningstreak) record.winningstreak = winningRun;
    }
    // In whole cents: a coin's value is a whole number of cents.
    const Money coin = Money::dollars(coinValue);
    record.totalloss += coin * coinsBet;
    record.totalwon += coin * coinsWon;
    if (coinsWon > record.largestsinglewin)
        record.largestsinglewin = coinsWon > INT_MAX ? INT_MAX : static_cast<int>(coinsWon);
    if (coinsWon > highPayThreshold) countOne(record.numberofhighpays);
    else if (coinsWon > 0) countOne(record.numberoflowpays);
}

}  // namespace

bool readySaveFolder() {
    const char* const folder = "../save";
    struct stat found;
    if (stat(folder, &found) != 0) {
        if (errno != ENOENT || mkdir(folder, 0777) != 0) {
            keeping.saveFolderNotMade("save", errno);
            return false;
        }
        std::cerr << "Made the missing save folder" << std::endl;
        return true;
    }
    if (!S_ISDIR(found.st_mode)) {
        keeping.saveFolderIsAFile("save");
        return false;
    }
    if (access(folder, W_OK | X_OK) != 0) {
        keeping.saveFolderNotWritable("save", errno);
        return false;
    }
    return true;
}

Player::Player(const std::string& name_)
    : name(name_), gender("unknown"), money(0.0), vippoints(0.0),
      firsttime(true), firsttimelobby(true), firsttimeslot(true),
      firsttimenickle(true), firsttimepoker(true), winningRun(0), losingRun(0), fileWritable(true),
      toldCreditsPastLimit(false),
      creditsPastLimitDue(0) {
    load();
}

Player::Player()
    : name("unknown"), gender("unknown"), money(2500.0), vippoints(0.0),
      firsttime(true), firsttimelobby(true), firsttimeslot(true),
      firsttimenickle(true), firsttimepoker(true), winningRun(0), losingRun(0), fileWritable(true),
      toldCreditsPastLimit(false),
      creditsPastLimitDue(0) {
    buildStats();
}

Player::~Player() {
    // The saved profile always comes back with the cashier's first-visit
    // flag set: it is this profile's own flag, whoever is current.
    firsttime = true;
    save();
    freeStats();
}

void Player::buildStats() {
    freeStats();
    for (const std::string& id : statsMachineIds()) {
        MachineStats record;
        record.reset();
        record.id = id;
        stats.push_back(record);
    }
}

void Player::freeStats() {
    stats.clear();
}

void Player::load() {
    if (!usableAsFileName(name)) {
        std::cerr << "Not a usable player name: \"" << name << "\"" << std::endl;
        buildStats();
        return;
    }
    // A profile just opened: what happens to its file is all that counts now.
    keeping.kept(KeptFile::Profile);
    const bool folderReady = readySaveFolder();
    FileStatus status;
    FileConfig file = FileConfig::fromFile(saveFileName(name), &status);
    if (status == FileStatus::Unusable) {
        fileWritable = false;
        keeping.unreadable(KeptFile::Profile, shownPath(saveFileName(name)), file.problem(), file.readError());
        std::cerr << "The profile of " << name << " will not be saved: its save file could not be read" << std::endl;
    }
    // The defaults stand, and the player is told why the profile is empty.
    if (status == FileStatus::Missing && folderReady) keeping.profileNotFound(shownPath(saveFileName(name)));
    file.setCurrentPath(name);
    gender = file.readEntry("gender", gender);
    money = readAmount(file, "money");
    vippoints = readAmount(file, "vippoints");
    firsttime = file.readEntry("firsttime", 0L) != 0;
    firsttimelobby = file.readEntry("firsttimelobby", 0L) != 0;
    firsttimeslot = file.readEntry("firsttimeslot", 0L) != 0;
    firsttimenickle = file.readEntry("firsttimenickle", 0L) != 0;
    firsttimepoker = file.readEntry("firsttimepoker", 0L) != 0;
    trophies.clear();
    for (const std::string& prize : splitNames(file.readEntry("trophies", ""))) trophies.push_back(prize);
    buildStats();
    for (MachineStats& record : stats) record.load(file);
    // Told at once, before any save writes what is used instead: the notice
    // quotes what the file held, so nothing is lost without the player
    // knowing what it was.
    const std::string shown = shownPath(saveFileName(name));
    keeping.unusableAmounts(shown, unusableAmounts(file, name), fileWritable);
    std::vector<std::string> above = amountsAboveLimit(file, name);
    if (!above.empty()) keeping.amountsAboveLimit(shown, above);
}

void Player::save() {
    writeFile(firsttime);
    freeStats();
}

void Player::saveNow() {
    // The file always holds the cashier's first-visit flag set, as the
    // destructor writes it.
    writeFile(true);
}

void Player::writeFile(bool firsttimeFlag) {
    if (!usableAsFileName(name)) {
        std::cerr << "Not a usable player name: \"" << name << "\"" << std::endl;
        return;
    }
    if (!fileWritable || !readySaveFolder()) return;
    // Start from the file as it is, so groups and keys the game does not
    // write survive; write everything; replace the file in one go. A file
    // that has become unreadable since is left alone.
    std::string fileName = saveFileName(name);
    FileStatus status;
    FileConfig file = FileConfig::fromFile(fileName, &status);
    if (status == FileStatus::Unusable) {
        fileWritable = false;
        keeping.unreadable(KeptFile::Profile, shownPath(fileName), file.problem(), file.readError());
        std::cerr << "The profile of " << name << " is not saved: its save file could not be read" << std::endl;
        return;
    }
    // What is written is what the next start reads: past the top, the
    // profile stops at it here too, and the player is told what was cut
    // once the file holds what fits.
    const double wantedMoney = money, wantedPoints = vippoints;
    money = keptAmount(money);
    vippoints = keptAmount(vippoints);
    // The file holds all the player owns: the credits on the machine at its
    // coin value and a play under way as drawn count as money, so that a
    // game that ends without settling them (killed, a power cut) loses and
    // gains nothing.
    const Money held = heldMoneyTotal();
    const double total = (Money::dollars(money) + held).inDollars();
    const double owned = keptAmount(total);
    file.setCurrentPath(name);
    file.writeEntry("gender", gender);
    file.writeEntry("money", owned);
    // Points given for a play not yet bet are not the player's until it is:
    // the file holds them as leaving the machine leaves them.
    const Money pointsNotBet = pointsNotYetBetTotal();
    const Money pointsOwned = Money::dollars(vippoints) - pointsNotBet;
    if (pointsNotBet == Money()) file.writeEntry("vippoints", vippoints);
    else file.writeEntry("vippoints", pointsOwned > Money() ? pointsOwned.inDollars() : 0.0);
    file.writeEntry("firsttime", firsttimeFlag ? 1L : 0L);
    file.writeEntry("firsttimelobby", firsttimelobby ? 1L : 0L);
    file.writeEntry("firsttimeslot", firsttimeslot ? 1L : 0L);
    file.writeEntry("firsttimenickle", firsttimenickle ? 1L : 0L);
    file.writeEntry("firsttimepoker", firsttimepoker ? 1L : 0L);
    std::string prizes;
    for (size_t i = 0; i < trophies.size(); ++i) {
        if (i) prizes += ',';
        prizes += trophies[i];
    }
    file.writeEntry("trophies", prizes);
    // A play drawn but not yet shown is written as recorded.
    const std::vector<DrawnPlay> drawn = drawnPlays();
    if (drawn.empty()) {
        for (const MachineStats& record : stats) record.save(file);
    } else {
        std::vector<MachineStats> written = stats;
        int wins = winningRun, losses = losingRun;
        for (const DrawnPlay& play : drawn)
            for (MachineStats& record : written)
                if (record.id == play.machineId)
                    applyPlay(record, wins, losses, play.coinsBet, play.coinsWon, play.coinValue);
        for (const MachineStats& record : written) record.save(file);
    }
    int error = 0;
    if (file.saveToFile(fileName, &error)) keeping.kept(KeptFile::Profile);
    else keeping.writeFailed(KeptFile::Profile, shownPath(fileName), error);
    // Told only now: the notice waits for the player, and a game ended
    // while it is up must find the file already holding all that fit.
    keeping.cutAtLimit(wantedMoney, wantedPoints);
    // Credits won on a machine that carry the total past the top are told
    // there, once, rather than first at the cash-out that cuts them; while
    // the machine still shows the play that won them, once it has shown it.
    const bool creditsPastTop = held > Money() && owned < total;
    if (!creditsPastTop) {
        toldCreditsPastLimit = false;
        creditsPastLimitDue = 0;
    } else if (!toldCreditsPastLimit) {
        creditsPastLimitDue = total;
        if (!showingAPlay()) playShown();
    }
}

void Player::playShown() {
    if (toldCreditsPastLimit || creditsPastLimitDue <= 0) return;
    keeping.creditsPastLimit(creditsPastLimitDue);
    toldCreditsPastLimit = true;
    creditsPastLimitDue = 0;
}

MachineStats* Player::findStats(const std::string& machineId) {
    for (MachineStats& record : stats) {
        if (record.id == machineId) return &record;
    }
    std::cout << " Could not find stat: " << machineId << std::endl;
    return nullptr;
}

bool Player::canAfford(double amount) const {
    return money >= amount;
}


void Player::recordPlay(const std::string& machineId, int coinsBet, int coinsWon, float coinValue) {
    MachineStats* record = findStats(machineId);
    if (!record) return;
    applyPlay(*record, winningRun, losingRun, coinsBet, coinsWon, coinValue);
}
