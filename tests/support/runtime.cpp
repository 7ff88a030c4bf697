#include "support/runtime.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <filesystem>
#include <unistd.h>

#include "player/config.h"
#include "player/player.h"

namespace fs = std::filesystem;

namespace testrt {

namespace {

std::string g_root;

// Where the generated pictures, fonts and sounds of the source tree are.
std::string assetRoot() {
    const char* env = std::getenv("CORVALO_ASSETS");
    if (env && *env) return env;
    return CORVALO_ROOT;
}

}  // namespace

const std::string& root() { return g_root; }

void setUp() {
    if (!g_root.empty()) return;
    char tmpl[] = "/tmp/corvalo-test-XXXXXX";
    char* made = mkdtemp(tmpl);
    if (!made) {
        std::perror("mkdtemp");
        std::exit(2);
    }
    g_root = made;
    fs::create_directories(g_root + "/bin");
    fs::create_directories(g_root + "/save");
    for (const char* dir : {"gfx", "fonts", "sounds"}) {
        fs::path src = fs::path(assetRoot()) / dir;
        std::error_code ec;
        if (fs::exists(src)) fs::create_directory_symlink(src, fs::path(g_root) / dir, ec);
        else fs::create_directories(fs::path(g_root) / dir);
    }
    resetFiles();
    if (chdir((g_root + "/bin").c_str()) != 0) {
        std::perror("chdir");
        std::exit(2);
    }
}

void resetFiles(const std::string& configText) {
    std::error_code ec;
    fs::remove_all(g_root + "/save", ec);
    fs::create_directories(g_root + "/save");
    fs::remove(g_root + "/config.ini", ec);
    if (!configText.empty()) writeFile(g_root + "/config.ini", configText);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
}

bool fileExists(const std::string& path) { return fs::exists(path); }

std::string makeFontlessRuntime(const std::string& name) {
    const std::string tree = root() + "/" + name;
    for (const char* dir : {"/bin", "/save", "/fonts"}) std::filesystem::create_directories(tree + dir);
    writeFile(tree + "/config.ini", "[global]\nfirsttimeever=0\nplayers=Ann_Lee\nlastplayer=Ann_Lee\n");
    return tree;
}

void openFontlessRuntime(const std::string& tree) {
    if (chdir((tree + "/bin").c_str()) != 0) std::exit(3);
    currentPlayer.reset();
    config = std::make_unique<Config>();
    if (!currentPlayer) std::exit(4);
}

}  // namespace testrt
