// Hostile save and settings files: the seed files under fuzz_corpus/ and a
// few hundred mutants of them go through everything such a file meets.
// fuzzOneInput takes any bytes, so a fuzzing engine can drive it as well.
#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>

#include "player/config.h"
#include "player/player.h"
#include "player/save_files.h"
#include "player/stats_screen.h"
#include "shell/ini.h"
#include "support/runtime.h"

namespace {

const char* const fuzzName = "Fuzz_Me";

std::string savePath() { return savefiles::savePath(fuzzName); }
std::string configPath() { return testrt::root() + "/config.ini"; }

bool unusable(const std::string& path) {
    FileStatus status;
    testing::internal::CaptureStderr();
    FileConfig::fromFile(path, &status);
    testing::internal::GetCapturedStderr();
    return status == FileStatus::Unusable;
}

// The same bytes as the player's save file and as the settings file.
void fuzzOneInput(const std::string& bytes) {
    testrt::resetFiles(bytes);
    testrt::writeFile(savePath(), bytes);
    const bool badSave = unusable(savePath());
    const bool badConfig = unusable(configPath());
    testing::internal::CaptureStderr();

    Player* p = new Player(fuzzName);
    for (double amount : {p->money, p->vippoints}) EXPECT_TRUE(amount >= 0 && amount <= maxAmount) << amount;
    EXPECT_EQ(p->stats.size(), 50u);
    for (MachineStats* s : p->stats) {
        for (int n : {s->hours, s->minutes, s->spinswon, s->spinslost, s->winningstreak, s->losingstreak,
                      s->largestsinglewin, s->numberofhighpays, s->numberoflowpays})
            EXPECT_GE(n, 0);
        for (double total : {s->totalwon, s->totalloss}) EXPECT_TRUE(total >= 0 && total <= maxAmount);
        statsPageTexts(s);
    }
    p->recordPlay("deepsea", 500, 1000, 0.05f);
    p->findStats("deepsea")->addMinute();
    const double money = p->money, points = p->vippoints;
    delete p;
    if (badSave) {
        EXPECT_EQ(testrt::readFile(savePath()), bytes);
    } else {
        // What was written reads back the same and writes out the same again.
        const std::string written = testrt::readFile(savePath());
        Player* again = new Player(fuzzName);
        EXPECT_EQ(again->money, money);
        EXPECT_EQ(again->vippoints, points);
        EXPECT_GE(again->findStats("deepsea")->spinswon, 1);
        delete again;
        EXPECT_EQ(testrt::readFile(savePath()), written);
    }

    { Config settings; }
    if (badConfig) {
        EXPECT_EQ(testrt::readFile(configPath()), bytes);
    }
    EXPECT_EQ(currentPlayer, nullptr);
    testing::internal::GetCapturedStderr();
}

// Small changes of the kinds that broke files before: stray carriage
// returns, NULs, brackets, huge, negative and non-decimal numbers.
std::string mutant(std::string text, std::mt19937& random) {
    static const char* const pieces[] = {"\r", "\n", "=", "[", "]", "" /* a NUL */, "-", "9", ".",
                                         "e", "1e300", "nan", "-1", "99999999999", "0x1p3", "2147483647",
                                         "\r\r\r\n", "\n[deepsea]\nspinslost=", "\nmoney=", "\"", ","};
    int edits = 1 + random() % 4;
    for (int i = 0; i < edits; ++i) {
        size_t at = text.empty() ? 0 : random() % text.size();
        std::string piece = pieces[random() % (sizeof pieces / sizeof *pieces)];
        if (piece.empty()) piece = std::string(1, '\0');
        switch (random() % 3) {
            case 0: text.insert(at, piece); break;
            case 1: text.replace(at, 1, piece); break;
            default: text.erase(at, random() % 8);
        }
    }
    return text;
}

}  // namespace

TEST(SaveFileFuzz, SeedsAndTheirMutantsKeepEveryPromise) {
    std::mt19937 random(20261206);
    int inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::string(CORVALO_ROOT) + "/tests/player/fuzz_corpus")) {
        const std::string seed = testrt::readFile(entry.path().string());
        ASSERT_FALSE(seed.empty()) << entry.path();
        fuzzOneInput(seed);
        for (int i = 0; i < 40; ++i, ++inputs) fuzzOneInput(mutant(seed, random));
        ++inputs;
    }
    EXPECT_GE(inputs, 120);
    testrt::resetFiles();
}
