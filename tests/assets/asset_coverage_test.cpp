// The generated art covers the game: every screen and every built machine is
// opened headless, walked through its help pages, marquee glass and the
// machine menu, and then
//  - every picture, font, sound and LED font it asked for must exist in the
//    generated tree, and
//  - it must not have printed a single "Couldn't Load" line.
// A fixed list covers the files that a short visit doesn't reach (jackpot
// movies, bonus-only sounds, the money popup's bills, every badge).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assets/asset_session.h"
#include "shell/asset_log.h"
#include "shell/screen.h"

using assettest::Session;

namespace {

std::string joined(const std::vector<std::string>& lines) {
    std::string s;
    for (const std::string& l : lines) s += "  " + l + "\n";
    return s;
}

// Opens a screen, exercises it, and checks that every file it asked for is
// generated and that it printed no "Couldn't Load" line.
void expectCovered(const std::string& what) {
    Session session;
    ASSERT_TRUE(session.ok()) << "headless session could not start";
    clearLoadedAssets();
    testing::internal::CaptureStdout();
    Screen* s = session.open(what);
    const bool opened = s != nullptr;
    if (s) {
        session.exercise(s);
        session.close(s);
    }
    std::string out = testing::internal::GetCapturedStdout();
    ASSERT_TRUE(opened) << what << " is not built";
    std::set<std::string> asked = loadedAssets();
    EXPECT_GT(asked.size(), 0u) << what << " loaded nothing at all";
    std::vector<std::string> missing = assettest::missingFiles(asked);
    EXPECT_TRUE(missing.empty()) << what << " asks for files the generator doesn't make:\n" << joined(missing);
    std::vector<std::string> failures = assettest::loadFailures(out);
    EXPECT_TRUE(failures.empty()) << what << " printed:\n" << joined(failures);
}

}  // namespace

// ---- the screens of the floor -------------------------------------------------------

class ScreenAssets : public ::testing::TestWithParam<std::string> {};

TEST_P(ScreenAssets, EveryFileItAsksForIsGeneratedAndLoads) { expectCovered(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Floor, ScreenAssets, ::testing::Values("lobby", "cashier", "stats", "trophy"),
                         [](const ::testing::TestParamInfo<std::string>& i) { return i.param; });

// ---- every machine that is built ----------------------------------------------------

class MachineAssets : public ::testing::TestWithParam<std::string> {};

TEST_P(MachineAssets, EveryFileItAsksForIsGeneratedAndLoads) { expectCovered(GetParam()); }

INSTANTIATE_TEST_SUITE_P(Built, MachineAssets, ::testing::ValuesIn(assettest::builtMachineIds()),
                         [](const ::testing::TestParamInfo<std::string>& i) { return "m" + i.param; });
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(MachineAssets);

// ---- files a short visit doesn't reach --------------------------------------------

namespace {

std::vector<std::string> numbered(const std::string& stem, int count) {
    std::vector<std::string> v;
    for (int i = 0; i < count; ++i) v.push_back(stem + std::to_string(i));
    return v;
}

std::vector<std::string> fixedNames() {
    std::vector<std::string> names = {
        // fonts the code opens by name, and the LED signs' dot font
        "../fonts/cashname.ttf", "../fonts/crazydicebonus.ttf", "../fonts/deepseabonus.ttf",
        "../fonts/demoderby.ttf", "../fonts/insertmoney.ttf", "../fonts/led4.ttf", "../fonts/nickle3.ttf",
        "../fonts/nickle4.ttf", "../fonts/poker2.ttf", "../fonts/progressive2.ttf", "../fonts/stats3.ttf",
        "../fonts/balloonbonus.ttf", "../fonts/ledfont.def",
        // the money popup and the help folder's shared pages
        "../gfx/money/popup.png", "../gfx/help/loading.png",
        // sounds of the shell and every machine's spin
        "../sounds/welcome.wav", "../sounds/lobybaks.wav", "../sounds/lobybakm.wav", "../sounds/lobyneed.wav",
        "../sounds/lobbysnd.wav", "../sounds/slotamb.wav", "../sounds/prize.wav", "../sounds/onepull.wav",
        "../sounds/slothit1.wav", "../sounds/digicnt.wav", "../sounds/pop.wav", "../sounds/click3.wav",
        "../sounds/coindrp4.wav", "../sounds/coinin1.wav", "../sounds/elecdrp3.wav", "../sounds/elecreel.wav",
        "../sounds/yodel1.wav", "../sounds/yodel2.wav", "../sounds/yodel3.wav",
    };
    for (const char* value : {"5_cent", "10_cent", "25_cent", "50_cent", "1", "5", "25", "100", "500", "1000"}) {
        names.push_back(std::string("../gfx/denominations/") + value + ".png");
        names.push_back(std::string("../gfx/nickledenominations/") + value + ".png");
    }
    for (const std::string& f : numbered("../gfx/jackpotmovies/carjack.png.", 21)) names.push_back(f);
    for (const std::string& f : numbered("../gfx/jackpotmovies/jackpot.png.", 19)) names.push_back(f);
    for (const std::string& f : numbered("../gfx/money/bill.png.", 7)) names.push_back(f);
    for (const std::string& f : numbered("../gfx/money/pokerbill.png.", 7)) names.push_back(f);
    for (int i = 1; i <= 6; ++i) {
        names.push_back("../gfx/help/slot_" + std::to_string(i) + ".png");
        names.push_back("../gfx/help/nickel_" + std::to_string(i) + ".png");
    }
    for (int i = 1; i <= 9; ++i) names.push_back("../gfx/nicklepaylines/payline_" + std::to_string(i) + ".png");
    for (const char* b : {"betmax", "betone", "cashout", "change", "spin"})
        names.push_back(std::string("../gfx/machinebuttons/") + b + "_mo.png");
    for (const char* b : {"betmax", "betone", "cashout", "cancel", "start", "change"})
        names.push_back(std::string("../gfx/nickle5buttons/") + b + "_mo.png");
    for (int i = 1; i <= 5; ++i) names.push_back("../gfx/nickle5buttons/play" + std::to_string(i) + "_click.png");
    return names;
}

}  // namespace

TEST(GeneratedTree, HoldsTheFilesNamedInTheCode) {
    Session session;   // makes the working folder the game's bin/
    ASSERT_TRUE(session.ok());
    std::vector<std::string> names = fixedNames();
    std::vector<std::string> missing = assettest::missingFiles(std::set<std::string>(names.begin(), names.end()));
    EXPECT_TRUE(missing.empty()) << "not generated:\n" << joined(missing);
}
