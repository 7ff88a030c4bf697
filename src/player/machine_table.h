// The fifty machines of the casino floor, in one table: id, title and menu tab.
//
// Every place that needs to know the machines (the lobby's hot spots, the
// right-button machine menu, the statistics screen, the denomination lists)
// reads this table. The classes behind the ids are built by the game's
// machine factory (game/machine_factory.h), which sits above the machines.
#pragma once

#include <string>
#include <vector>

// Which tab of the machine menu a machine sits under.
enum class MachineCategory {
    ThreeReel,  // single-payline three-reel slots, the patriot family included
    Video,      // multi-line three-reel slots and five/nine-line video slots
    Poker,      // video poker
    Specialty,  // machines with a screen of their own (demolition derby)
};

struct MachineInfo {
    const char* id;          // lower-case machine id: save-file group, picture folder, ...
    const char* title;       // the name shown to the player
    MachineCategory category;
};

// All fifty machines, in the fixed order of the statistics screen.
const std::vector<MachineInfo>& machineTable();

// The entry for an id, or null for an unknown id.
const MachineInfo* findMachine(const std::string& id);
