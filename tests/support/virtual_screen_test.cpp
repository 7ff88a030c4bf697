// The tests' own virtual X screen: up only once its server answers, on a
// number no other screen holds, whatever socket files lie about.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "support/x_hooks.h"

namespace {

// Socket files with no server behind them, as a server that died leaves
// them, on numbers that have none; only the files made here, and only while
// they are still the ones made here, go again at the end (a server that
// takes the number replaces the file with its own socket).
class LeftBehindSockets {
public:
    LeftBehindSockets() {
        // X servers make this folder as they start; it stays.
        if (mkdir(kFolder, 01777) == 0) chmod(kFolder, 01777);
    }
    ~LeftBehindSockets() {
        for (const auto& file : made) {
            struct stat now;
            if (lstat(file.first.c_str(), &now) == 0 && S_ISREG(now.st_mode) && now.st_ino == file.second)
                std::remove(file.first.c_str());
        }
    }
    LeftBehindSockets(const LeftBehindSockets&) = delete;
    LeftBehindSockets& operator=(const LeftBehindSockets&) = delete;

    void leaveOn(int number) {
        const std::string path = std::string(kFolder) + "/X" + std::to_string(number);
        struct stat seen;
        if (lstat(path.c_str(), &seen) == 0) return;
        FILE* f = std::fopen(path.c_str(), "wx");
        if (!f) return;
        std::fclose(f);
        if (lstat(path.c_str(), &seen) == 0) made.emplace_back(path, seen.st_ino);
    }

private:
    static constexpr const char* kFolder = "/tmp/.X11-unix";
    std::vector<std::pair<std::string, ino_t>> made;
};

}  // namespace

TEST(VirtualScreen, IsUpOnlyOnceItsOwnServerAnswersThoughSocketFilesAreLeftBehind) {
    if (!testrt::xDisplayWatched()) GTEST_SKIP() << "built without the X display";
    if (!testrt::VirtualScreen::available()) GTEST_SKIP() << "no virtual X screen (Xvfb) here";
    // Stale files on the lowest numbers, where a free number is looked for
    // first, and on the numbers a screen might take from this process's id.
    LeftBehindSockets stale;
    for (int n = 0; n < 4; ++n) stale.leaveOn(n);
    for (int n = 300 + getpid() % 400, i = 0; i < 4; ++i) stale.leaveOn(n + i);

    testrt::VirtualScreen first;
    ASSERT_TRUE(first.up()) << first.trouble();
    // Up means a program can connect at once, not after some wait.
    EXPECT_TRUE(testrt::displayAnswers(first.name())) << first.name();
    // A second screen beside it has a number of its own, and answers too.
    testrt::VirtualScreen second;
    ASSERT_TRUE(second.up()) << second.trouble();
    EXPECT_STRNE(first.name(), second.name());
    EXPECT_TRUE(testrt::displayAnswers(second.name())) << second.name();
    EXPECT_TRUE(testrt::displayAnswers(first.name())) << first.name();
}
