// The settings file: players list, last player, first run, and everything
// else in the file left alone.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "player/config.h"
#include "player/player.h"
#include "shell/ini.h"
#include "support/runtime.h"

namespace {

std::string configPath() { return testrt::root() + "/config.ini"; }

FileConfig written(const std::string& group = "global") {
    FileConfig file = FileConfig::fromFile(configPath());
    file.setCurrentPath(group);
    return file;
}

}  // namespace

TEST(CoreConfig, PlayersListReadsAndWritesBackUnchanged) {
    struct Case { const char* text; std::vector<std::string> names; };
    const Case cases[] = {{"first_one,second_two", {"first_one", "second_two"}}, {"a,,b", {"a", "", "b"}},
                          {",x,", {"", "x", ""}}, {"", {}}};
    for (const Case& c : cases) {
        testrt::resetFiles(std::string("[global]\nplayers=") + c.text + "\nfirsttimeever=1\n");
        {
            Config cfg;
            EXPECT_EQ(cfg.players, c.names) << c.text;
            EXPECT_EQ(currentPlayer, nullptr);
        }
        EXPECT_EQ(written().readEntry("players", "?"), c.text);
    }
}

TEST(CoreConfig, LastPlayerOpensThatProfileAndUnknownKeysSurvive) {
    testrt::resetFiles("[global]\nplayers=Ann_Lee\nvolume=7\nlastplayer=Ann_Lee\nfirsttimeever=0\n[window]\nx=10\n");
    testrt::writeFile(testrt::root() + "/save/Ann_Lee.save", "[Ann_Lee]\nmoney=77.5\ngender=female\n");
    config = new Config();
    EXPECT_FALSE(config->firstTimeEver);
    ASSERT_NE(currentPlayer, nullptr);
    EXPECT_EQ(currentPlayer->name, "Ann_Lee");
    EXPECT_EQ(currentPlayer->money, 77.5);

    // The cashier switches players: the file names the new one at shut-down
    // even though lastPlayer still holds the name read at start.
    delete currentPlayer;
    currentPlayer = new Player("Bo_Ray");
    config->players.push_back("Bo_Ray");
    currentPlayer->money = 12.25;
    delete config;
    config = nullptr;
    EXPECT_EQ(currentPlayer, nullptr);

    FileConfig file = written();
    EXPECT_EQ(file.readEntry("lastplayer", ""), "Bo_Ray");
    EXPECT_EQ(file.readEntry("players", ""), "Ann_Lee,Bo_Ray");
    EXPECT_EQ(file.readEntry("firsttimeever", 9L), 0L);
    EXPECT_EQ(file.readEntry("volume", 0L), 7L);
    EXPECT_EQ(written("window").readEntry("x", 0L), 10L);
    // The current player was saved after the settings were written.
    FileConfig save = FileConfig::fromFile(testrt::root() + "/save/Bo_Ray.save");
    save.setCurrentPath("Bo_Ray");
    EXPECT_EQ(save.readEntry("money", 0.0), 12.25);
}

TEST(CoreConfig, FirstRunWithoutAUsableLastPlayer) {
    // A missing file, a missing or empty lastplayer, or a name that is not a
    // player name: no profile to open, so the cashier comes first.
    for (const char* text : {"", "[global]\nfirsttimeever=0\n", "[global]\nlastplayer=\nfirsttimeever=0\n",
                             "[global]\nlastplayer=../../etc/passwd\nfirsttimeever=0\n",
                             "[global]\nlastplayer=NoUnderscore\n"}) {
        testrt::resetFiles(text);
        Config cfg;
        EXPECT_TRUE(cfg.firstTimeEver) << text;
        EXPECT_EQ(currentPlayer, nullptr) << text;
    }
}

TEST(CoreConfig, StartUpRemovesOnlyStaleTemporariesOfItsOwnFiles) {
    testrt::resetFiles();
    const std::string root = testrt::root();
    const std::string stale[] = {root + "/config.ini.tmp999999999", root + "/save/Ann_Lee.save.tmp999999999"};
    const std::string kept[] = {root + "/notes.txt.tmp999999999", root + "/save/Ann_Lee.save.tmp1",  // pid 1 runs
                                root + "/save/Ann_Lee.save.tmpx"};
    for (const std::string& path : stale) testrt::writeFile(path, "half");
    for (const std::string& path : kept) testrt::writeFile(path, "other");
    { Config cfg; }
    for (const std::string& path : stale) EXPECT_FALSE(testrt::fileExists(path)) << path;
    for (const std::string& path : kept) {
        EXPECT_TRUE(testrt::fileExists(path)) << path;
        std::remove(path.c_str());
    }
}

TEST(CoreConfig, AFileThatCannotBeParsedKeepsItsPlayersAndIsNeverWrittenOver) {
    const std::string text = "[global]\nplayers=Ann_Lee,Bo_Ray\nlastplayer=Ann_Lee\nfirsttimeever=0\n<<garbage>>\n";
    testrt::resetFiles(text);
    testing::internal::CaptureStderr();
    {
        Config cfg;
        EXPECT_EQ(cfg.players, (std::vector<std::string>{"Ann_Lee", "Bo_Ray"}));
        ASSERT_NE(currentPlayer, nullptr);
        cfg.players.push_back("Cy_Dee");
        cfg.write();
    }
    EXPECT_NE(testing::internal::GetCapturedStderr().find("config.ini"), std::string::npos);
    EXPECT_EQ(testrt::readFile(configPath()), text);
}
