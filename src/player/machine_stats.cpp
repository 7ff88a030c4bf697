#include "player/machine_stats.h"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "player/machine_table.h"
#include "player/player.h"
#include "shell/display.h"
#include "shell/ini.h"
#include "shell/waiting.h"

const std::vector<std::string>& statsMachineIds() {
    // The machines of the floor's table, in its order.
    static const std::vector<std::string> ids = [] {
        std::vector<std::string> all;
        for (const MachineInfo& m : machineTable()) all.push_back(m.id);
        return all;
    }();
    return ids;
}

namespace {

double keptWithin(double value, double top) { return std::isnan(value) || value < 0 ? 0.0 : (value > top ? top : value); }

double withinBounds(const FileConfig& file, const std::string& key, double value, double top) {
    double kept = keptWithin(value, top);
    if (kept != value)
        std::fprintf(stderr, "[%s] %s=%.17g is out of range: %.17g used\n", file.currentPath().c_str(), key.c_str(),
                     value, kept);
    return kept;
}

}  // namespace

double keptAmount(double amount) { return keptWithin(amount, maxAmount); }

double readAmount(const FileConfig& file, const std::string& key) {
    return withinBounds(file, key, file.readEntry(key, 0.0), maxAmount);
}

std::vector<std::string> amountsAboveLimit(FileConfig& file, const std::string& playerGroup) {
    const std::string was = file.currentPath();
    std::vector<std::string> above;
    auto over = [&file](const char* key) {
        // A quick look first, so that a value that is no number is not
        // reported on stderr a second time.
        const double rough = std::strtod(file.readEntry(key, "").c_str(), nullptr);
        return std::isfinite(rough) && rough > maxAmount && file.readEntry(key, 0.0) > maxAmount;
    };
    file.setCurrentPath(playerGroup);
    if (over("money")) above.push_back("money");
    if (over("vippoints")) above.push_back("VIP points");
    for (const MachineInfo& machine : machineTable()) {
        file.setCurrentPath(machine.id);
        if (over("totalwon") || over("totalloss")) above.push_back(std::string("the statistics of ") + machine.title);
    }
    file.setCurrentPath(was);
    return above;
}

std::vector<UnusableAmount> unusableAmounts(FileConfig& file, const std::string& playerGroup) {
    const std::string was = file.currentPath();
    file.setCurrentPath(playerGroup);
    std::vector<UnusableAmount> unusable;
    for (const char* key : {"money", "vippoints"}) {
        if (!file.hasEntry(key)) continue;
        const std::string text = file.readEntry(key, "");
        double value = 0;
        const bool number = FileConfig::plainDecimal(text, &value);
        if (!number || value < 0) unusable.push_back(UnusableAmount{key, text, number});
    }
    file.setCurrentPath(was);
    return unusable;
}

Money readMoney(const FileConfig& file, const std::string& key) { return Money::dollars(readAmount(file, key)); }

void writeMoney(FileConfig& file, const std::string& key, Money amount) {
    file.writeEntry(key, keptAmount(amount.inDollars()));
}

int readCount(const FileConfig& file, const std::string& key) {
    return static_cast<int>(withinBounds(file, key, static_cast<double>(file.readEntry(key, 0L)), INT_MAX));
}

long wholeAmount(double amount) {
    if (!(amount > 0)) return 0;
    return static_cast<long>(amount < maxAmount ? amount : maxAmount);
}

void countOne(int& counter) {
    if (counter < INT_MAX) ++counter;
}

MachineStats::MachineStats() {
    reset();
}

void MachineStats::reset() {
    id = "none";
    totalwon = Money();
    totalloss = Money();
    hours = 0;
    minutes = 0;
    spinswon = 0;
    spinslost = 0;
    winningstreak = 0;
    losingstreak = 0;
    largestsinglewin = 0;
    numberofhighpays = 0;
    numberoflowpays = 0;
}

void MachineStats::addMinute() {
    if (minutes >= 59) {
        countOne(hours);
        minutes = 0;
    } else {
        ++minutes;
    }
}

void MachineStats::load(FileConfig& file) {
    file.setCurrentPath(id);
    totalwon = readMoney(file, "totalwon");
    totalloss = readMoney(file, "totalloss");
    hours = readCount(file, "hours");
    minutes = readCount(file, "minutes");
    spinswon = readCount(file, "spinswon");
    spinslost = readCount(file, "spinslost");
    winningstreak = readCount(file, "winningstreak");
    losingstreak = readCount(file, "losingstreak");
    largestsinglewin = readCount(file, "largestsinglewin");
    numberofhighpays = readCount(file, "numberofhighpays");
    numberoflowpays = readCount(file, "numberoflowpays");
}

void MachineStats::save(FileConfig& file) const {
    file.setCurrentPath(id);
    writeMoney(file, "totalwon", totalwon);
    writeMoney(file, "totalloss", totalloss);
    file.writeEntry("hours", static_cast<long>(hours));
    file.writeEntry("minutes", static_cast<long>(minutes));
    file.writeEntry("spinswon", static_cast<long>(spinswon));
    file.writeEntry("spinslost", static_cast<long>(spinslost));
    file.writeEntry("winningstreak", static_cast<long>(winningstreak));
    file.writeEntry("losingstreak", static_cast<long>(losingstreak));
    file.writeEntry("largestsinglewin", static_cast<long>(largestsinglewin));
    file.writeEntry("numberofhighpays", static_cast<long>(numberofhighpays));
    file.writeEntry("numberoflowpays", static_cast<long>(numberoflowpays));
}

void playClockTickAt(const std::string& machineId, int& seconds, Uint32& lastTick, Uint32 now) {
    if (now - lastTick <= 999) {
        wakeBy(lastTick + 1000);  // the game's rest keeps each second exact
        return;
    }
    ++seconds;
    if (seconds > 59) {
        MachineStats* record = currentPlayer ? currentPlayer->findStats(machineId) : nullptr;
        seconds = 0;
        if (record) {
            record->addMinute();
            // Kept at once, as a play is: a game killed later keeps it.
            currentPlayer->saveNow();
        }
    }
    lastTick = now;
    wakeBy(now + 1000);
}

void playClockTick(const std::string& machineId, int& seconds, Uint32& lastTick) {
    playClockTickAt(machineId, seconds, lastTick, mediaTicks());
}

void playClockTick(const std::string& machineId, int& seconds, int& lastTick) {
    Uint32 last = static_cast<Uint32>(lastTick);
    playClockTick(machineId, seconds, last);
    lastTick = static_cast<int>(last);
}
