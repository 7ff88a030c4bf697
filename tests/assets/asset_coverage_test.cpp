// The generated art covers the game: every screen and every machine is
// opened headless and walked through (see Session::exercise); every file it
// asked for must exist and it must not print a single "Couldn't Load" line.
// What a short visit doesn't reach is listed from the game's own tables: the
// reel pictures a three-reel machine picks at random, every coin-value badge,
// the jackpot movies, the paylines and the yodels; and every TrueType face
// must open and draw.
#include <gtest/gtest.h>
#include <sge.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "assets/asset_session.h"
#include "machine/denomination.h"
#include "machine/three_reel.h"
#include "machine/three_reel_rules.h"
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
    testing::internal::CaptureStdout();  // from the start: the ambient loops load with the session
    Session session;
    clearLoadedAssets();
    Screen* s = session.ok() ? session.open(GetParam()) : nullptr;
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
    Session session;  // makes the working folder the game's bin/ and builds the coin values
    ASSERT_TRUE(session.ok());
    std::set<std::string> names;
    auto frames = [&](const std::string& stem, int from, int to, const std::string& tail) {
        for (int i = from; i <= to; ++i) names.insert(stem + std::to_string(i) + tail);
    };
    frames("../gfx/jackpotmovies/carjack.png.", 0, 20, "");
    frames("../gfx/jackpotmovies/jackpot.png.", 0, 18, "");
    frames("../gfx/nicklepaylines/payline_", 1, 9, ".png");
    frames("../sounds/yodel", 1, 3, ".wav");
    for (const auto& d : denominationTable)
        for (const char* dir : {"denominations/", "nickledenominations/"})
            names.insert(std::string("../gfx/") + dir + d->picture);
    ASSERT_FALSE(denominationTable.empty());
    EXPECT_EQ("", joined(assettest::missingFiles(names))) << "not generated";

    // Every face opens and draws digits (the game shows money in all of them).
    size_t faces = 0;
    for (const auto& entry : std::filesystem::directory_iterator("../fonts")) {
        if (entry.path().extension() != ".ttf") continue;
        ++faces;
        sge_TTFont* f = sge_TTF_OpenFont(entry.path().c_str(), 20);
        ASSERT_NE(f, nullptr) << entry.path();
        EXPECT_GT(sge_TTF_TextSize(f, const_cast<char*>("0123456789")).w, 0) << entry.path() << " draws no digits";
        sge_TTF_CloseFont(f);
    }
    EXPECT_GE(faces, 12u);
}

TEST(GeneratedTree, HoldsEveryReelPictureOfEveryThreeReelMachine) {
    Session session;
    ASSERT_TRUE(session.ok());
    int checked = 0;
    std::set<std::string> files;
    for (const MachineInfo& info : machineTable()) {
        Screen* s = session.open(info.id);
        ASSERT_NE(s, nullptr) << info.id;
        if (auto* m = dynamic_cast<ThreeReelMachine*>(s)) {
            ++checked;
            auto add = [&](const Symbol& sym) {
                int count = sym.variants < 1 ? 1 : sym.variants;
                if (sym.kind == symbolArrowUp || sym.kind == symbolArrowDown) count = count < 3 ? 3 : count;
                for (int k = 0; k < count; ++k) files.insert(m->graphicsDir + sym.name + ".png." + std::to_string(k));
            };
            for (const Symbol* sym : m->symbols) add(*sym);
            for (const WildSymbol* w : m->wilds) add(*w);
            for (int k = 0; k < 20; ++k) files.insert(m->graphicsDir + "b.png." + std::to_string(k));
        }
        session.close(s);
    }
    EXPECT_GT(checked, 0);
    EXPECT_EQ("", joined(assettest::missingFiles(files))) << "reel pictures the generator doesn't make";
}

}  // namespace
