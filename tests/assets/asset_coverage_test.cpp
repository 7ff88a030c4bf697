// The generated art covers the game: every screen and every machine is
// opened headless and walked through (see Session::exercise); every file it
// asked for must exist and it must not print a single "Couldn't Load" line.
// A fixed list covers what a short visit doesn't reach (the jackpot movies,
// the money popup's bills, the help pages, every coin-value badge).
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "assets/asset_session.h"
#include "player/machine_table.h"
#include "shell/asset_log.h"
#include "shell/screen.h"

using assettest::Session;

namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines) s += "  " + l + "\n";
    return s;
}

std::vector<std::string> everyScreen() {
    std::vector<std::string> all = {"lobby", "cashier", "stats", "trophy"};
    for (const MachineInfo& m : machineTable()) all.push_back(m.id);
    return all;
}

class Assets : public ::testing::TestWithParam<std::string> {};

TEST_P(Assets, EveryFileItAsksForIsGeneratedAndLoads) {
    Session session;
    ASSERT_TRUE(session.ok()) << "headless session could not start";
    clearLoadedAssets();
    testing::internal::CaptureStdout();
    Screen* s = session.open(GetParam());
    if (s) {
        session.exercise(s);
        session.close(s);
    }
    std::istringstream out(testing::internal::GetCapturedStdout());
    ASSERT_NE(s, nullptr) << "not built";
    EXPECT_GT(loadedAssets().size(), 0u);
    EXPECT_EQ("", joined(assettest::missingFiles(loadedAssets()))) << "asked for but not generated";
    std::string failures;
    for (std::string line; std::getline(out, line);)
        if (line.find("Couldn't Load") != std::string::npos) failures += line + "\n";
    EXPECT_EQ("", failures);
}

INSTANTIATE_TEST_SUITE_P(Game, Assets, ::testing::ValuesIn(everyScreen()),
                         [](const ::testing::TestParamInfo<std::string>& i) { return "s" + i.param; });

TEST(GeneratedTree, HoldsTheFilesAShortVisitDoesNotReach) {
    Session session;  // makes the working folder the game's bin/
    ASSERT_TRUE(session.ok());
    std::set<std::string> names = {"../gfx/money/popup.png", "../gfx/help/loading.png"};
    auto frames = [&](const std::string& stem, int from, int to, const std::string& tail = "") {
        for (int i = from; i <= to; ++i) names.insert(stem + std::to_string(i) + tail);
    };
    frames("../gfx/jackpotmovies/carjack.png.", 0, 20);
    frames("../gfx/jackpotmovies/jackpot.png.", 0, 18);
    frames("../gfx/money/bill.png.", 0, 6);
    frames("../gfx/money/pokerbill.png.", 0, 6);
    frames("../gfx/help/slot_", 1, 6, ".png");
    frames("../gfx/help/nickel_", 1, 6, ".png");
    frames("../gfx/nicklepaylines/payline_", 1, 9, ".png");
    frames("../gfx/nickle5buttons/play", 1, 5, "_click.png");
    for (const char* value : {"5_cent", "10_cent", "25_cent", "50_cent", "1", "5", "25", "100", "500", "1000"})
        for (const char* dir : {"denominations/", "nickledenominations/"})
            names.insert(std::string("../gfx/") + dir + value + ".png");
    for (const char* b : {"betmax", "betone", "cashout", "change", "spin"})
        names.insert(std::string("../gfx/machinebuttons/") + b + "_mo.png");
    for (const char* b : {"betmax", "betone", "cashout", "cancel", "start", "change"})
        names.insert(std::string("../gfx/nickle5buttons/") + b + "_mo.png");
    for (const char* clip : {"welcome", "lobybaks", "lobybakm", "lobyneed", "lobbysnd", "slotamb", "prize", "onepull",
                             "slothit1", "digicnt", "pop", "click3", "coindrp4", "coinin1", "elecdrp3", "elecreel",
                             "yodel1", "yodel2", "yodel3"})
        names.insert(std::string("../sounds/") + clip + ".wav");
    EXPECT_EQ("", joined(assettest::missingFiles(names))) << "not generated";
}

}  // namespace
