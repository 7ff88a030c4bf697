// What every benchmark of the whole game needs: a headless runtime folder
// with one registered player, and the application started and stopped
// around the measured part.
#pragma once

namespace benchapp {

// Points SDL at its dummy drivers, lays out the test runtime folders, wires
// the game and writes a settings file and a save file for `player` with the
// given money.
void prepareRuntime(const char* player, const char* money);
// Writes that settings file and save file again (after a run changed them).
void writeProfile(const char* player, const char* money);
void startApp();
void stopApp();

}  // namespace benchapp
