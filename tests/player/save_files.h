// The files a profile lives in, read back the way the tests look at them.
#pragma once

#include <string>

#include "shell/ini.h"
#include "support/runtime.h"

namespace savefiles {

inline std::string savePath(const std::string& name) { return testrt::root() + "/save/" + name + ".save"; }

// One group of a player's save file as it stands on disk.
inline FileConfig saved(const std::string& name, const std::string& group) {
    FileConfig file = FileConfig::fromFile(savePath(name));
    file.setCurrentPath(group);
    return file;
}

inline double savedMoney(const std::string& name) { return saved(name, name).readEntry("money", -1.0); }

// The money line of a save file's text (its player's group comes first);
// -1 when there is none.
inline double moneyIn(const std::string& text) {
    const size_t at = text.find("\nmoney=");
    return at == std::string::npos ? -1.0 : std::stod(text.substr(at + 7));
}

// A returning player who has seen every welcome: the settings name them as
// the last player and their save file holds `money` in the account.
inline void returningPlayer(const std::string& name, const std::string& gender, const std::string& money) {
    testrt::resetFiles("[global]\nplayers=" + name + "\nlastplayer=" + name + "\nfirsttimeever=0\n");
    testrt::writeFile(savePath(name), "[" + name + "]\ngender=" + gender + "\nmoney=" + money +
                                          "\nfirsttimelobby=0\nfirsttimeslot=0\nfirsttimenickle=0\nfirsttimepoker=0\n");
}

}  // namespace savefiles
