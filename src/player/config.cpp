#include "player/config.h"

#include "player/keeping.h"
#include "player/player.h"
#include "shell/ini.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

const char* const configFileName = "../config.ini";
std::unique_ptr<Config> config;

namespace {
int runtimeLock = -1;
}

bool lockRuntimeFolder() {
    if (runtimeLock >= 0) return true;
    const char* const lockFile = "../corvalo.lock";
    int fd = open(lockFile, O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0) {
        std::fprintf(stderr, "Couldn't open %s (%s): no lock against a second copy\n", lockFile, std::strerror(errno));
        return true;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        const bool held = errno == EWOULDBLOCK;
        close(fd);
        return !held;
    }
    runtimeLock = fd;
    return true;
}

void releaseRuntimeFolder() {
    if (runtimeLock < 0) return;
    close(runtimeLock);
    runtimeLock = -1;
}

std::vector<std::string> splitNames(const std::string& text) {
    std::vector<std::string> names;
    if (text.empty()) return names;
    size_t start = 0;
    for (;;) {
        size_t comma = text.find(',', start);
        if (comma == std::string::npos) {
            names.push_back(text.substr(start));
            break;
        }
        names.push_back(text.substr(start, comma - start));
        start = comma + 1;
    }
    return names;
}

std::string joinNames(const std::vector<std::string>& names) {
    std::string text;
    for (size_t i = 0; i < names.size(); ++i) {
        if (i) text += ',';
        text += names[i];
    }
    return text;
}

Config::Config() : firstTimeEver(true), players(), lastPlayer("Quenmark"), fileWritable(true) {
    removeStaleTempFiles("..", {"config.ini"});
    removeStaleTempFiles("../save", {".save"});
    read();
    if (!firstTimeEver) {
        currentPlayer.reset();
        currentPlayer = std::make_unique<Player>(lastPlayer);
    }
}

Config::~Config() {
    write();
    // Whoever is current is saved, also when a first run ended with a
    // player picked from the list rather than registered.
    currentPlayer.reset();
}

void Config::read() {
    FileStatus status;
    FileConfig file = FileConfig::fromFile(configFileName, &status);
    fileWritable = status != FileStatus::Unusable;
    if (fileWritable) keeping.kept(KeptFile::Settings);
    else keeping.unreadable(KeptFile::Settings, "config.ini", file.problem(), file.readError());
    file.setCurrentPath("global");
    for (const std::string& name : splitNames(file.readEntry("players", ""))) {
        players.push_back(name);
    }
    lastPlayer = file.readEntry("lastplayer", "");
    firstTimeEver = file.readEntry("firsttimeever", 0L) != 0;
    // Without a usable last player there is no profile to open: start as a
    // first run, on the cashier, where a player can register or be picked.
    if (!firstTimeEver && !isValidPlayerName(lastPlayer)) firstTimeEver = true;
}

void Config::write() {
    if (!fileWritable) return;
    FileStatus status;
    FileConfig file = FileConfig::fromFile(configFileName, &status);
    if (status == FileStatus::Unusable) {
        fileWritable = false;
        keeping.unreadable(KeptFile::Settings, "config.ini", file.problem(), file.readError());
        return;
    }
    file.setCurrentPath("global");
    file.writeEntry("players", joinNames(players));
    file.writeEntry("lastplayer", currentPlayer ? currentPlayer->name : lastPlayer);
    // Once a player is current the next start opens that player's lobby.
    bool firstRun = firstTimeEver && currentPlayer == nullptr;
    file.writeEntry("firsttimeever", firstRun ? 1L : 0L);
    int error = 0;
    if (file.saveToFile(configFileName, &error)) keeping.kept(KeptFile::Settings);
    else keeping.writeFailed(KeptFile::Settings, "config.ini", error);
}
