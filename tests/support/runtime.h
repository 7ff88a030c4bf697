// A throw-away copy of the game's runtime folders for tests and benchmarks.
//
// The game reads everything relative to the parent of its working folder
// ("../gfx/", "../save/", "../config.ini"), so a test runs inside
// <tmp>/bin with the generated art, fonts and sounds linked in beside it and
// a save folder and settings file of its own. The player's real save files
// are never touched.
#pragma once

#include <string>

namespace testrt {

// Creates the folder tree (once per process) and makes <tmp>/bin the
// working folder. Called by the test main before any test runs.
void setUp();

// The root of the temporary tree (the parent of bin/).
const std::string& root();

// Empties save/ and writes config.ini with the given text; an empty text
// removes config.ini altogether.
void resetFiles(const std::string& configText = "[global]\nfirsttimeever=1\n");

// Whole-file helpers for the files the game writes.
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& text);
bool fileExists(const std::string& path);

// Saves the process-wide state every test may touch when a test or suite
// starts and puts it back when it ends (see global_state.cpp).
void keepGlobalState();

// For the paths that must end the game when a font is missing: a runtime
// tree <root>/<name> with no fonts whose settings name Ann_Lee as the last
// player. Returns its root.
std::string makeFontlessRuntime(const std::string& name);
// Inside a death test: moves into that tree's bin/ and loads its settings
// and player as the game does (exits 3 or 4 when it cannot).
void openFontlessRuntime(const std::string& tree);

}  // namespace testrt
