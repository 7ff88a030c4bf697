#include "player/keeping.h"

#include <cerrno>

#include "shell/ini.h"

Keeping keeping;

namespace {

std::string opening(KeptFile file) {
    return file == KeptFile::Profile ? "Your progress can't be saved: " : "Your settings can't be saved: ";
}

// What the player loses while the file is not kept.
std::string consequence(KeptFile file) {
    return file == KeptFile::Profile ? "What you win and do from now on is not kept when the game ends."
                                     : "New players and who played last are not remembered.";
}

std::string tag(KeptFile file) { return file == KeptFile::Profile ? "PROGRESS NOT SAVED: " : "SETTINGS NOT SAVED: "; }

}  // namespace

void Keeping::set(KeptFile file, const std::string& what, const std::string& todo, const std::string& brief) {
    Trouble& t = trouble(file);
    std::string message = opening(file) + what + " " + consequence(file) + " " + todo;
    // The same trouble again (the next failed save) is no news.
    const bool fresh = message != t.message;
    if (fresh) news.push_back(message);
    t.message = message;
    t.brief = brief;
    if (fresh && onNews) onNews();
}

void Keeping::unreadable(KeptFile file, const std::string& shownPath, const std::string& problem, int readError) {
    const std::string why = readError ? plainErrorText(readError) : problem;
    const std::string todo = readError
        ? "Quit, make the file readable and writable again, and start the game again."
        : "Quit, mend or remove that line with a text editor (or move the file away), and start the game again.";
    set(file, shownPath + " can't be read (" + why + "). Nothing in it has been changed.", todo,
        shownPath + " can't be read");
}

void Keeping::writeFailed(KeptFile file, const std::string& shownPath, int error) {
    const std::string todo = error == ENOSPC || error == EDQUOT
        ? "Make room on the disk: the game tries again every time it saves."
        : "The game tries again every time it saves; if this stays, check that the folder can be written.";
    set(file, shownPath + " can't be written (" + plainErrorText(error) + "). It still holds what was saved before.",
        todo, shownPath + " can't be written");
}

void Keeping::saveFolderIsAFile(const std::string& shownFolder) {
    set(KeptFile::Profile, shownFolder + " is a file, not a folder. It has been left as it is.",
        "Quit, move that file away, and start the game again: the folder is then made.",
        shownFolder + " is not a folder");
}

void Keeping::saveFolderNotMade(const std::string& shownFolder, int error) {
    set(KeptFile::Profile, "the folder " + shownFolder + " is missing and can't be made (" + plainErrorText(error) + ").",
        "Quit, make the folder " + shownFolder + " beside config.ini, and start the game again.",
        "no folder " + shownFolder);
}

void Keeping::saveFolderNotWritable(const std::string& shownFolder, int error) {
    set(KeptFile::Profile, "nothing can be written in the folder " + shownFolder + " (" + plainErrorText(error) + ").",
        "Quit, allow writing in that folder, and start the game again.", shownFolder + " can't be written");
}

void Keeping::kept(KeptFile file) {
    Trouble& t = trouble(file);
    t.message.clear();
    t.brief.clear();
}

std::string Keeping::signText() const {
    std::string text;
    for (KeptFile file : {KeptFile::Profile, KeptFile::Settings}) {
        const Trouble& t = trouble(file);
        if (t.brief.empty()) continue;
        if (!text.empty()) text += "   ";
        text += tag(file) + t.brief;
    }
    return text;
}

std::vector<std::string> Keeping::takeNews() {
    std::vector<std::string> taken;
    taken.swap(news);
    return taken;
}
