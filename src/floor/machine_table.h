// The fifty machines of the casino floor, in one table.
//
// Every place that needs to know the machines (the lobby's hot spots, the
// right-button machine menu, the statistics screen, the denomination lists)
// reads this table. Adding a machine is one line in machine_table.cpp.
#pragma once

#include <string>
#include <vector>

class Screen;

// Which tab of the machine menu a machine sits under.
enum class MachineCategory {
    ThreeReel,  // single-payline three-reel slots, the patriot family included
    Video,      // multi-line three-reel slots and five/nine-line video slots
    Poker,      // video poker
    Specialty,  // machines with a screen of their own (demolition derby)
};

// Builds the machine at a coin value; null where the machine is not built yet.
using MachineCreator = Screen* (*)(float denomination);

struct MachineInfo {
    const char* id;          // lower-case machine id: save-file group, picture folder, ...
    const char* title;       // the name shown to the player
    MachineCategory category;
    MachineCreator create;   // null: the machine is not on the floor yet
};

// All fifty machines, in the fixed order of the statistics screen.
const std::vector<MachineInfo>& machineTable();

// The entry for an id, or null for an unknown id.
const MachineInfo* findMachine(const std::string& id);

// Creates the machine with that id at that coin value; null when the id is
// unknown or the machine is not built yet.
Screen* createMachine(const std::string& id, float denomination);

// Puts another creator in a machine's line and returns the one it had (null
// for an unknown id). The tests use it to put stand-in machines on the floor.
MachineCreator replaceMachineCreator(const std::string& id, MachineCreator creator);
