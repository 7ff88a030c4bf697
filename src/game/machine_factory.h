// Builds a machine by id: the one place that knows every machine class.
#pragma once

#include <memory>
#include <string>

class Screen;

// Builds the machine at a coin value.
using MachineCreator = std::unique_ptr<Screen> (*)(float denomination);

// Creates the machine with that id at that coin value; null when the id is
// unknown.
std::unique_ptr<Screen> createMachine(const std::string& id, float denomination);

// Puts another creator in a machine's place and returns the one it had (null
// for an unknown id). The tests use it to put stand-in machines on the floor.
MachineCreator replaceMachineCreator(const std::string& id, MachineCreator creator);
