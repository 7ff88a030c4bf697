// A headless game session for the art-coverage tests: display, sound (on the
// dummy audio driver, so clips are really loaded), TrueType engine, settings
// with a registered player, denomination table and progressive meters. The
// session opens a screen or machine the way the game does, walks it through
// its help pages, its marquee glass and the machine menu, and then reads back
// every file the game asked for.
#pragma once

#include <set>
#include <string>
#include <vector>

class Screen;

namespace assettest {

class Session {
public:
    Session();
    ~Session();

    // Opens "lobby", "cashier", "stats", "trophy" or a machine id (at coin
    // value 1, as the lobby does). Null when the machine isn't built.
    Screen* open(const std::string& what);
    // Shows the screen's help pages, then (for machines) both marquee panels,
    // then the machine menu, closing each with a queued press; runs a few
    // frames of the screen's tick in between.
    void exercise(Screen* screen);
    // Deletes the screen (as the frame step does when it switches).
    void close(Screen* screen);

    bool ok() const { return ok_; }

private:
    bool ok_ = false;
};

// Queued input for modal parts: a key press (with its typed character) and a
// left click at a point.
void queueKey(int sym, unsigned short unicode);
void queueClick(int x, int y);
void flushEvents();

// The paths among `paths` (relative to the working folder, as the game names
// them) that don't exist.
std::vector<std::string> missingFiles(const std::set<std::string>& paths);

// Lines of `output` that report a file the game couldn't load.
std::vector<std::string> loadFailures(const std::string& output);

// Machine ids of the table whose machine is built.
std::vector<std::string> builtMachineIds();

}  // namespace assettest
