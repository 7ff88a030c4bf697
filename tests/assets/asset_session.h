// A headless game session for the art-coverage tests: the shared headless
// game with sound (on the dummy audio driver, so clips are really loaded),
// settings with a registered player, and progressive meters.
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
    // value 1, as the lobby does).
    Screen* open(const std::string& what);
    // Walks the screen through its help pages, both marquee glasses (machines),
    // the registration form (cashier) and the machine menu (every tab from the
    // lobby), closing each with queued input.
    void exercise(Screen* screen);
    void close(Screen* screen);

    bool ok() const { return ok_; }

private:
    bool ok_ = false;
};

// The paths among `paths` (relative to the working folder) that don't exist.
std::vector<std::string> missingFiles(const std::set<std::string>& paths);

}  // namespace assettest
