// Hostile save and settings files: the seed files under fuzz_corpus/ and
// mutants of them go through everything such a file meets, as the player's
// save file and as the settings file at once. The sanitizer build runs this
// too, so a loader that reads past a line or converts a wild number is caught
// here even where no specific test thought of the input.
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "player/config.h"
#include "player/player.h"
#include "player/save_files.h"
#include "player/stats_screen.h"
#include "support/runtime.h"

namespace {

const char* const fuzzName = "Fuzz_Me";

bool unusable(const std::string& path) {
    FileStatus status;
    testing::internal::CaptureStderr();
    FileConfig::fromFile(path, &status);
    testing::internal::GetCapturedStderr();
    return status == FileStatus::Unusable;
}

void fuzzOneInput(const std::string& bytes) {
    const std::string savePath = savefiles::savePath(fuzzName);
    const std::string configPath = testrt::root() + "/config.ini";
    testrt::resetFiles(bytes);
    testrt::writeFile(savePath, bytes);
    const bool badSave = unusable(savePath);
    const bool badConfig = unusable(configPath);
    testing::internal::CaptureStderr();

    auto p = std::make_unique<Player>(fuzzName);
    for (double amount : {p->money, p->vippoints}) EXPECT_TRUE(amount >= 0 && amount <= maxAmount) << amount;
    ASSERT_EQ(p->stats.size(), 50u);
    for (MachineStats& record : p->stats) {
        MachineStats* s = &record;
        for (int n : {s->hours, s->minutes, s->spinswon, s->spinslost, s->winningstreak, s->losingstreak,
                      s->largestsinglewin, s->numberofhighpays, s->numberoflowpays})
            EXPECT_GE(n, 0);
        for (double total : {s->totalwon.inDollars(), s->totalloss.inDollars()}) EXPECT_TRUE(total >= 0 && total <= maxAmount);
        statsPageTexts(s);
    }
    p->recordPlay("deepsea", 500, 1000, 0.05f);
    const double money = p->money;
    p.reset();
    if (badSave) {
        // An unusable file is never written over.
        EXPECT_EQ(testrt::readFile(savePath), bytes);
    } else {
        // What was written reads back the same and writes out the same again.
        const std::string written = testrt::readFile(savePath);
        p = std::make_unique<Player>(fuzzName);
        EXPECT_EQ(p->money, money);
        EXPECT_GE(p->findStats("deepsea")->spinswon, 1);
        p.reset();
        EXPECT_EQ(testrt::readFile(savePath), written);
    }
    { Config settings; }
    if (badConfig) {
        EXPECT_EQ(testrt::readFile(configPath), bytes);
    }
    testing::internal::GetCapturedStderr();
}

// Small changes of the kinds that broke files before: stray carriage
// returns, NULs, brackets, huge, negative and non-decimal numbers.
std::string mutant(std::string text, std::mt19937& random) {
    static const char* const pieces[] = {"\r", "\n", "=", "[", "]", "" /* a NUL */, "-", "9", ".",
                                         "e", "1e300", "nan", "-1", "99999999999", "0x1p3", "2147483647",
                                         "\r\r\r\n", "\n[deepsea]\nspinslost=", "\nmoney=", "\"", ","};
    for (int edits = 1 + random() % 4; edits > 0; --edits) {
        const size_t at = text.empty() ? 0 : random() % text.size();
        std::string piece = pieces[random() % (sizeof pieces / sizeof *pieces)];
        if (piece.empty()) piece = std::string(1, '\0');
        const unsigned kind = random() % 3;
        if (kind == 0) {
            text.insert(at, piece);
        } else if (kind == 1) {
            text.replace(at, 1, piece);
        } else {
            text.erase(at, random() % 8);
        }
    }
    return text;
}

}  // namespace

TEST(SaveFileFuzz, SeedsAndTheirMutantsKeepEveryPromise) {
    std::mt19937 random(20261206);
    int seeds = 0;
    const std::string corpus = std::string(CORVALO_ROOT) + "/tests/player/fuzz_corpus";
    for (const auto& entry : std::filesystem::directory_iterator(corpus)) {
        const std::string seed = testrt::readFile(entry.path().string());
        ASSERT_FALSE(seed.empty()) << entry.path();
        ++seeds;
        fuzzOneInput(seed);
        for (int i = 0; i < 40; ++i) fuzzOneInput(mutant(seed, random));
    }
    EXPECT_EQ(seeds, 3);
    testrt::resetFiles();
}
