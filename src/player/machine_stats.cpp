#include "player/machine_stats.h"

#include "player/machine_table.h"
#include "player/player.h"
#include "shell/ini.h"

const std::vector<std::string>& statsMachineIds() {
    // The machines of the floor's table, in its order.
    static const std::vector<std::string> ids = [] {
        std::vector<std::string> all;
        for (const MachineInfo& m : machineTable()) all.push_back(m.id);
        return all;
    }();
    return ids;
}

MachineStats::MachineStats() {
    reset();
}

void MachineStats::reset() {
    id = "none";
    totalwon = 0.0;
    totalloss = 0.0;
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
        ++hours;
        minutes = 0;
    } else {
        ++minutes;
    }
}

void MachineStats::load(FileConfig& file) {
    file.setCurrentPath(id);
    totalwon = file.readEntry("totalwon", 0.0);
    totalloss = file.readEntry("totalloss", 0.0);
    hours = static_cast<int>(file.readEntry("hours", 0L));
    minutes = static_cast<int>(file.readEntry("minutes", 0L));
    spinswon = static_cast<int>(file.readEntry("spinswon", 0L));
    spinslost = static_cast<int>(file.readEntry("spinslost", 0L));
    winningstreak = static_cast<int>(file.readEntry("winningstreak", 0L));
    losingstreak = static_cast<int>(file.readEntry("losingstreak", 0L));
    largestsinglewin = static_cast<int>(file.readEntry("largestsinglewin", 0L));
    numberofhighpays = static_cast<int>(file.readEntry("numberofhighpays", 0L));
    numberoflowpays = static_cast<int>(file.readEntry("numberoflowpays", 0L));
}

void MachineStats::save(FileConfig& file) const {
    file.setCurrentPath(id);
    file.writeEntry("totalwon", totalwon);
    file.writeEntry("totalloss", totalloss);
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
    if (now - lastTick <= 999) return;
    ++seconds;
    if (seconds > 59) {
        MachineStats* record = currentPlayer ? currentPlayer->findStats(machineId) : nullptr;
        if (record) record->addMinute();
        seconds = 0;
    }
    lastTick = now;
}

void playClockTick(const std::string& machineId, int& seconds, Uint32& lastTick) {
    playClockTickAt(machineId, seconds, lastTick, SDL_GetTicks());
}

void playClockTick(const std::string& machineId, int& seconds, int& lastTick) {
    Uint32 last = static_cast<Uint32>(lastTick);
    playClockTick(machineId, seconds, last);
    lastTick = static_cast<int>(last);
}
