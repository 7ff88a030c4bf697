#include "player/player.h"

#include <cctype>
#include <iostream>

#include "shell/ini.h"

Player* currentPlayer = nullptr;

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

namespace {

// The name becomes part of a path: refuse names that would leave the save
// folder or have no file name at all.
bool usableAsFileName(const std::string& name) {
    return !name.empty() && name[0] != '.' && name.find_first_of("/\\") == std::string::npos;
}

}  // namespace

Player::Player(const std::string& name_)
    : name(name_), gender("unknown"), money(0.0), vippoints(0.0),
      firsttime(true), firsttimelobby(true), firsttimeslot(true),
      firsttimenickle(true), firsttimepoker(true), winningRun(0), losingRun(0) {
    load();
}

Player::Player()
    : name("unknown"), gender("unknown"), money(2500.0), vippoints(0.0),
      firsttime(true), firsttimelobby(true), firsttimeslot(true),
      firsttimenickle(true), firsttimepoker(true), winningRun(0), losingRun(0) {
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
        MachineStats* record = new MachineStats();
        record->reset();
        record->id = id;
        stats.push_back(record);
    }
}

void Player::freeStats() {
    for (MachineStats* record : stats) delete record;
    stats.clear();
}

void Player::load() {
    if (!usableAsFileName(name)) {
        std::cerr << "Not a usable player name: \"" << name << "\"" << std::endl;
        buildStats();
        return;
    }
    FileConfig file = FileConfig::fromFile(saveFileName(name));
    file.setCurrentPath(name);
    gender = file.readEntry("gender", gender);
    money = file.readEntry("money", 0.0);
    vippoints = file.readEntry("vippoints", 0.0);
    firsttime = file.readEntry("firsttime", 0L) != 0;
    firsttimelobby = file.readEntry("firsttimelobby", 0L) != 0;
    firsttimeslot = file.readEntry("firsttimeslot", 0L) != 0;
    firsttimenickle = file.readEntry("firsttimenickle", 0L) != 0;
    firsttimepoker = file.readEntry("firsttimepoker", 0L) != 0;
    trophies.clear();
    std::string prizes = file.readEntry("trophies", "");
    if (!prizes.empty()) {
        size_t start = 0;
        for (;;) {
            size_t comma = prizes.find(',', start);
            if (comma == std::string::npos) {
                trophies.push_back(prizes.substr(start));
                break;
            }
            trophies.push_back(prizes.substr(start, comma - start));
            start = comma + 1;
        }
    }
    buildStats();
    for (MachineStats* record : stats) record->load(file);
}

void Player::save() {
    if (!usableAsFileName(name)) {
        std::cerr << "Not a usable player name: \"" << name << "\"" << std::endl;
        freeStats();
        return;
    }
    // Start from the file as it is, so groups and keys the game does not
    // write survive; write everything; replace the file in one go.
    std::string fileName = saveFileName(name);
    FileConfig file = FileConfig::fromFile(fileName);
    file.setCurrentPath(name);
    file.writeEntry("gender", gender);
    file.writeEntry("money", money);
    file.writeEntry("vippoints", vippoints);
    file.writeEntry("firsttime", firsttime ? 1L : 0L);
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
    for (const MachineStats* record : stats) record->save(file);
    file.saveToFile(fileName);
    freeStats();
}

MachineStats* Player::findStats(const std::string& machineId) {
    for (MachineStats* record : stats) {
        if (record->id == machineId) return record;
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
    if (coinsWon <= 0) {
        ++record->spinslost;
        winningRun = 0;
        ++losingRun;
        if (losingRun > record->losingstreak) record->losingstreak = losingRun;
    } else {
        ++record->spinswon;
        losingRun = 0;
        ++winningRun;
        if (winningRun > record->winningstreak) record->winningstreak = winningRun;
    }
    record->totalloss += coinsBet * coinValue;
    record->totalwon += coinsWon * coinValue;
    if (coinsWon > record->largestsinglewin) record->largestsinglewin = coinsWon;
    if (coinsWon > highPayThreshold) ++record->numberofhighpays;
    else if (coinsWon > 0) ++record->numberoflowpays;
}
