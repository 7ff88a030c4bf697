// The player's files: the save file (what goes in, what comes back, what
// survives), the settings file (players list, last player, first run,
// everything else left alone), both when unreadable, and the profile in
// memory (names, the statistics rule after each play, the playing-time clock).
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "machine/money_input.h"
#include "player/config.h"
#include "player/keeping.h"
#include "player/money.h"
#include "player/player.h"
#include "player/save_files.h"
#include "player/stats_screen.h"
#include "shell/ini.h"
#include "shell/util.h"
#include "support/runtime.h"

using savefiles::saved;
using savefiles::savedMoney;
using savefiles::savePath;

namespace {

// Every whole-number field of a machine record.
int MachineStats::* const countFields[] = {
    &MachineStats::hours,         &MachineStats::minutes,      &MachineStats::spinswon,
    &MachineStats::spinslost,     &MachineStats::winningstreak, &MachineStats::losingstreak,
    &MachineStats::largestsinglewin, &MachineStats::numberofhighpays, &MachineStats::numberoflowpays};

std::string configPath() { return testrt::root() + "/config.ini"; }

// A machine's group as the game writes it: dollars won and bet, then the counters.
std::string recordGroup(const std::string& id, const std::string& won, const std::string& bet,
                        const std::vector<int>& counts) {
    static const char* const keys[] = {"hours",        "minutes",          "spinswon",
                                       "spinslost",    "winningstreak",    "losingstreak",
                                       "largestsinglewin", "numberofhighpays", "numberoflowpays"};
    std::string text = "\n[" + id + "]\ntotalwon=" + won + "\ntotalloss=" + bet + "\n";
    for (size_t i = 0; i < 9; ++i) text += std::string(keys[i]) + "=" + std::to_string(counts[i]) + "\n";
    return text;
}

// A profile the way the game wrote it before the records kept whole cents:
// 3 plays of 2 coins at $0.25 on baja7s (one won 5 coins), 4 plays of one
// coin at $5 on deepsea (one won 10) and 12 minutes there, nothing elsewhere.
std::string profileWrittenBefore() {
    std::string text = "[Old_Timer]\ngender=male\nmoney=2412.75\nvippoints=88.5\nfirsttime=1\nfirsttimelobby=0\n"
                       "firsttimeslot=1\nfirsttimenickle=1\nfirsttimepoker=1\ntrophies=\n";
    for (const std::string& id : statsMachineIds()) {
        if (id == "baja7s")
            text += recordGroup(id, "1.25", "1.5", {0, 0, 1, 2, 1, 1, 5, 0, 1});
        else if (id == "deepsea")
            text += recordGroup(id, "50", "20", {0, 12, 1, 3, 1, 3, 10, 0, 1});
        else
            text += recordGroup(id, "0", "0", std::vector<int>(9, 0));
    }
    return text;
}

}  // namespace

TEST(PlayerSave, AProfileWrittenBeforeCentsComesBackByteForByteAndADriftedTotalReadsToTheCent) {
    testrt::resetFiles();
    const std::string before = profileWrittenBefore();
    testrt::writeFile(savePath("Old_Timer"), before);
    {
        Player p("Old_Timer");
        EXPECT_EQ(p.findStats("baja7s")->totalwon.inCents() * 1000 + p.findStats("baja7s")->totalloss.inCents(),
                  125150);
        EXPECT_EQ(p.findStats("deepsea")->totalwon.inCents() * 10000 + p.findStats("deepsea")->totalloss.inCents(),
                  50002000);
        p.saveNow();
    }
    EXPECT_EQ(testrt::readFile(savePath("Old_Timer")), before);

    // Seven bets of $0.10 as the float sum once recorded them.
    testrt::writeFile(savePath("Old_Timer"), "[Old_Timer]\n[zookeeper]\ntotalloss=0.7000000104308128\n");
    {
        Player p("Old_Timer");
        EXPECT_EQ(p.findStats("zookeeper")->totalloss.inCents(), 70);
    }
    EXPECT_EQ(saved("Old_Timer", "zookeeper").readEntry("totalloss", ""), "0.7");
}

TEST(PlayerSave, RoundTripKeepsProfileAndRecords) {
    testrt::resetFiles();
    Player* p = new Player();
    p->name = "Ann_Lee";
    p->gender = "female";
    p->money = 123456.78;
    p->vippoints = 1234.05;
    p->firsttime = p->firsttimelobby = p->firsttimenickle = false;
    p->firsttimeslot = p->firsttimepoker = true;
    p->trophies = {"lamp", "prgrssvcar", "lamp"};
    p->winningRun = 4;
    MachineStats* s = p->findStats("wheelofcash");
    s->totalwon = Money::cents(110);
    s->totalloss = Money::cents(20);
    int value = 2000;
    for (auto field : countFields) s->*field = value++;
    p->findStats("zookeeper")->spinslost = 99;
    delete p;

    // The player's group and a machine's as written (the cashier's first-visit
    // flag always set; the runs are the session's, not the file's).
    const std::string text = testrt::readFile(savePath("Ann_Lee"));
    EXPECT_EQ(text.substr(0, text.find("\n[")),
              "[Ann_Lee]\ngender=female\nmoney=123456.78\nvippoints=1234.05\nfirsttime=1\nfirsttimelobby=0\n"
              "firsttimeslot=1\nfirsttimenickle=0\nfirsttimepoker=1\ntrophies=lamp,prgrssvcar,lamp\n");
    EXPECT_NE(text.find("[wheelofcash]\ntotalwon=1.1\ntotalloss=0.2\nhours=2000\nminutes=2001\n"
                        "spinswon=2002\nspinslost=2003\nwinningstreak=2004\nlosingstreak=2005\nlargestsinglewin=2006\n"
                        "numberofhighpays=2007\nnumberoflowpays=2008\n"),
              std::string::npos);
    // Read back, every value comes out exactly as it went in.
    { Player back("Ann_Lee"); }
    EXPECT_EQ(testrt::readFile(savePath("Ann_Lee")), text);
}

TEST(PlayerSave, MissingFileLoadsDefaultsABadNameIsNoPathAndAHandWrittenFileIsReadAndKept) {
    testrt::resetFiles();
    {
        Player p("Nobody_Here");
        EXPECT_EQ(p.gender + doubleToString(p.money), "unknown0");
        EXPECT_FALSE(p.firsttime || p.firsttimelobby || p.firsttimeslot || p.firsttimenickle || p.firsttimepoker);
    }
    EXPECT_TRUE(testrt::fileExists(savePath("Nobody_Here")));  // destroying it made the file
    // A name that would leave the save folder is never used as a path.
    testing::internal::CaptureStderr();
    {
        Player bad("../config");
        EXPECT_EQ(bad.stats.size(), 50u);
    }
    EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
    EXPECT_FALSE(testrt::fileExists(testrt::root() + "/config.save"));

    testrt::writeFile(savePath("Hand_Made"),
                      "[Hand_Made]\nmoney=10\nnickname=Kip\nfirsttimelobby=7\nfirsttimeslot=0\ntrophies=a,,b,\n"
                      "[deepsea]\nspinswon=3\n[retiredmachine]\nspinswon=42\n");
    {
        Player p("Hand_Made");
        EXPECT_EQ(p.money, 10.0);
        // Any non-zero number is true; a missing key is false.
        EXPECT_TRUE(p.firsttimelobby && !p.firsttimeslot && !p.firsttimepoker);
        EXPECT_EQ(p.trophies, (std::vector<std::string>{"a", "", "b", ""}));
        EXPECT_EQ(p.findStats("deepsea")->spinswon * 10 + p.findStats("magic")->spinswon, 30);  // no group: zeros
        p.money = 5.5;
        p.trophies.clear();
    }
    FileConfig file = saved("Hand_Made", "Hand_Made");
    EXPECT_EQ(file.readEntry("nickname", "") + file.readEntry("trophies", "?") + file.readEntry("money", ""), "Kip5.5");
    EXPECT_EQ(saved("Hand_Made", "retiredmachine").readEntry("spinswon", 0L), 42L);
    EXPECT_TRUE(Player("Hand_Made").trophies.empty());
}

TEST(PlayerSave, AFileThatCannotBeReadIsNeverWrittenOver) {
    const std::string path = savePath("Kim_Ko");
    const std::string unparsable = "[Kim_Ko]\nmoney=812.5\nthis is no ini line\n";
    testing::internal::CaptureStderr();
    for (int way = 0; way < 3; ++way) {
        testrt::resetFiles();
        if (way == 0) testrt::writeFile(path, unparsable);
        if (way == 1) std::filesystem::create_directories(path + "/inner");
        {
            Player p("Kim_Ko");
            EXPECT_EQ(p.money, way == 0 ? 812.5 : 0.0) << way;   // what could be read
            // way 2: readable at first, spoilt while the game runs.
            if (way == 2) testrt::writeFile(path, unparsable);
            p.money = 1.0;
            p.saveNow();
            // The window is told, in the player's words.
            EXPECT_NE(keeping.message(KeptFile::Profile).find("save/Kim_Ko.save can't be read ("), std::string::npos)
                << way;
        }
        EXPECT_TRUE(way == 1 ? testrt::fileExists(path + "/inner") : testrt::readFile(path) == unparsable) << way;
    }
    EXPECT_NE(testing::internal::GetCapturedStderr().find("Kim_Ko.save"), std::string::npos);
}

TEST(PlayerSave, NumbersOutOfRangeAreBroughtWithinAndCountersStopAtTheTop) {
    testrt::resetFiles();
    testrt::writeFile(savePath("Big_Num"),
                      "[Big_Num]\nmoney=1e300\nvippoints=nan\n"
                      "[deepsea]\nspinswon=99999999999\nspinslost=2147483647\nlosingstreak=2147483647\n"
                      "hours=1234.56abc\nminutes=-3\ntotalloss=-1\n");
    testing::internal::CaptureStderr();
    Player* p = new Player("Big_Num");
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_NE(err.find("vippoints"), std::string::npos);
    EXPECT_TRUE(p->money == maxAmount && p->vippoints == 0.0);
    MachineStats* s = p->findStats("deepsea");
    EXPECT_EQ(s->spinswon, INT_MAX);
    EXPECT_EQ(s->hours + s->minutes + s->totalloss.inCents(), 0);
    EXPECT_EQ(statTotalSpinsText(*s), "4294967294");
    p->losingRun = INT_MAX;
    p->recordPlay("deepsea", 1, 0, 1.0f);
    EXPECT_EQ(s->spinslost, INT_MAX);
    EXPECT_EQ(s->losingstreak, INT_MAX);
    EXPECT_EQ(wholeAmount(std::nan("")), 0);
    EXPECT_EQ(wholeAmount(1e300), 1000000000000L);
    // Amounts far past any the game holds still convert to positive cents.
    EXPECT_GT((Money::dollars(1e300) + Money::cents(500)).inCents(), 0);
    // Amounts that pass the top of 10^12 in play stop there when written, in
    // the profile as in the file, and read back as written without a report.
    p->money = 1e12 + 1000.0;
    p->vippoints = 5e14;
    s->totalwon = Money::dollars(2e12);
    p->saveNow();
    EXPECT_TRUE(p->money == 1e12 && p->vippoints == 1e12);
    EXPECT_EQ(saved("Big_Num", "Big_Num").readEntry("money", ""), "1000000000000");
    EXPECT_EQ(saved("Big_Num", "deepsea").readEntry("totalwon", ""), "1000000000000");
    testing::internal::CaptureStderr();
    {
        Player again("Big_Num");
        EXPECT_TRUE(again.money == 1e12 && again.vippoints == 1e12);
    }
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    delete p;
    EXPECT_EQ(saved("Big_Num", "deepsea").readEntry("spinslost", 0L), 2147483647L);
}

TEST(CoreConfig, PlayersListWritesBackUnchangedAndNoUsableLastPlayerIsAFirstRun) {
    // Players lists read and written back as they were; a missing file, a
    // missing or empty lastplayer, or a name that is not a player name: no
    // profile to open, so the cashier comes first.
    struct Case { const char* players; std::vector<std::string> names; const char* rest; };
    const Case cases[] = {{"first_one,second_two", {"first_one", "second_two"}, ""}, {"a,,b", {"a", "", "b"}, ""},
                          {",x,", {"", "x", ""}, ""}, {"", {}, ""}, {"", {}, "lastplayer=\nfirsttimeever=0\n"},
                          {"", {}, "firsttimeever=0\n"}, {"", {}, "lastplayer=../../etc/passwd\nfirsttimeever=0\n"},
                          {"", {}, "lastplayer=NoUnderscore\n"}};
    for (const Case& c : cases) {
        testrt::resetFiles(std::string("[global]\nplayers=") + c.players + "\n" + c.rest);
        {
            Config cfg;
            EXPECT_EQ(cfg.players, c.names) << c.players;
            EXPECT_TRUE(cfg.firstTimeEver && !currentPlayer) << c.rest;
        }
        EXPECT_NE(testrt::readFile(configPath()).find(std::string("\nplayers=") + c.players + "\n"), std::string::npos);
    }
}

TEST(CoreConfig, LastPlayerOpensThatProfileAndUnknownKeysSurvive) {
    testrt::resetFiles("[global]\nplayers=Ann_Lee\nvolume=7\nlastplayer=Ann_Lee\nfirsttimeever=0\n[window]\nx=10\n");
    testrt::writeFile(savePath("Ann_Lee"), "[Ann_Lee]\nmoney=77.5\ngender=female\n");
    config = std::make_unique<Config>();
    ASSERT_NE(currentPlayer, nullptr);
    EXPECT_EQ(currentPlayer->name + doubleToString(currentPlayer->money), "Ann_Lee77.5");

    // The cashier switches players: the file names the new one at shut-down
    // even though lastPlayer still holds the name read at start.
    currentPlayer.reset();
    currentPlayer = std::make_unique<Player>("Bo_Ray");
    config->players.push_back("Bo_Ray");
    currentPlayer->money = 12.25;
    config.reset();
    EXPECT_EQ(currentPlayer, nullptr);

    EXPECT_EQ(testrt::readFile(configPath()),
              "[global]\nplayers=Ann_Lee,Bo_Ray\nvolume=7\nlastplayer=Bo_Ray\nfirsttimeever=0\n[window]\nx=10\n");
    // The current player was saved after the settings were written.
    EXPECT_EQ(savedMoney("Bo_Ray"), 12.25);
}

TEST(CoreConfig, AKillBetweenWriteAndRenameLosesNothingAndTheNextStartClearsUpOnlyItsOwnLeftovers) {
    testrt::resetFiles();
    const std::string root = testrt::root(), save = savePath("Ann_Lee");
    testrt::writeFile(save, "[Ann_Lee]\nmoney=12.5\n");
    // The game is killed once the new file is written, before it replaces the old one.
    EXPECT_EXIT(
        {
            struct KilledBeforeRename : WriteFaults {
                int before(WriteStep step) override { return step == WriteStep::Rename ? (std::_Exit(7), 0) : 0; }
            } killed;
            installWriteFaults(&killed);
            Player ann("Ann_Lee");
            ann.money = 99;
            ann.saveNow();
        },
        testing::ExitedWithCode(7), "");
    EXPECT_EQ(testrt::readFile(save), "[Ann_Lee]\nmoney=12.5\n");
    std::vector<std::string> left;
    for (const auto& entry : std::filesystem::directory_iterator(root + "/save")) left.push_back(entry.path());
    ASSERT_EQ(left.size(), 2u);
    const std::string temp = left[0] == save ? left[1] : left[0];
    EXPECT_NE(testrt::readFile(temp).find("money=99"), std::string::npos);

    const std::string stale = root + "/config.ini.tmp999999999";
    const std::string kept[] = {root + "/notes.txt.tmp999999999", root + "/save/Ann_Lee.save.tmp1",  // pid 1 runs
                                root + "/save/Ann_Lee.save.tmpx"};
    testrt::writeFile(stale, "half");
    for (const std::string& path : kept) testrt::writeFile(path, "other");
    { Config cfg; }
    for (const std::string& path : {stale, temp}) EXPECT_FALSE(testrt::fileExists(path)) << path;
    EXPECT_EQ(testrt::readFile(save), "[Ann_Lee]\nmoney=12.5\n");
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
        EXPECT_NE(keeping.message(KeptFile::Settings).find("config.ini can't be read (line 5"), std::string::npos);
    }
    EXPECT_NE(testing::internal::GetCapturedStderr().find("config.ini"), std::string::npos);
    EXPECT_EQ(testrt::readFile(configPath()), text);
}

namespace {

// A fresh profile made current for the test; deleted (and so saved into the
// test's private save folder) at the end.
class PlayerRecord : public ::testing::Test {
protected:
    void SetUp() override {
        testrt::resetFiles();
        currentPlayer = std::make_unique<Player>();
        player = currentPlayer.get();
        player->name = "Test_Player";
    }
    void TearDown() override {
        currentPlayer.reset();
    }
    // Plays `n` times on `id` at `coins` a play, each winning `won` coins.
    void play(const char* id, int n, int coins, int won, float value = 1.0f) {
        for (int i = 0; i < n; ++i) player->recordPlay(id, coins, won, value);
    }
    // A machine's record: won/lost plays, longest winning/losing runs,
    // dollars won/bet, largest win, high/low pays.
    std::string record(const char* id) {
        const MachineStats* s = player->findStats(id);
        char out[160];
        std::snprintf(out, sizeof out, "%d/%d %d/%d $%g/$%g %d %d/%d", s->spinswon, s->spinslost, s->winningstreak,
                      s->losingstreak, s->totalwon.inDollars(), s->totalloss.inDollars(), s->largestsinglewin, s->numberofhighpays,
                      s->numberoflowpays);
        return out;
    }
    Player* player = nullptr;
};

}  // namespace

TEST_F(PlayerRecord, NewProfileNamesAndTheMinuteCounter) {
    const Player& p = *player;  // a new profile: every first visit ahead
    EXPECT_TRUE(p.firsttime && p.firsttimelobby && p.firsttimeslot && p.firsttimenickle && p.firsttimepoker);

    EXPECT_EQ(firstNameOf("Ann_Lee_Jr") + "|" + lastNameOf("Ann_Lee_Jr") + "|" + lastNameOf("Solo"), "Ann|Lee_Jr|Solo");
    EXPECT_TRUE(isValidPlayerName("Mary-Jo_O'Neil2"));
    for (const char* bad : {"", "Solo", "_Lee", "Ann_", "Ann_Lee_Jr", "Ann Marie_Lee", "../x_y", "a/b_c"})
        EXPECT_FALSE(isValidPlayerName(bad)) << bad;

    MachineStats s;
    s.minutes = 59;
    s.addMinute();
    s.addMinute();
    EXPECT_EQ(s.hours * 100 + s.minutes, 101);
}

TEST_F(PlayerRecord, RunsStreaksDollarsAndPayClasses) {
    play("baja7s", 2, 1, 0);
    play("baja7s", 1, 1, 5);
    play("baja7s", 1, 1, 0);
    EXPECT_EQ("1/3 1/2 $5/$4 5 0/1", record("baja7s"));  // every play bets, won or lost
    EXPECT_EQ(player->losingRun * 10 + player->winningRun, 10);

    // Runs belong to the player: they carry over to the next machine; a win
    // ends the losing run; a longest run is never shortened.
    play("baja7s", 2, 1, 0);
    play("cashcow", 1, 1, 0);
    play("cashcow", 2, 2, 3);
    play("deepsea", 1, 2, 1);
    EXPECT_EQ("1/5 1/3 $5/$6 5 0/1", record("baja7s"));
    EXPECT_EQ("2/1 2/4 $6/$5 3 0/2", record("cashcow"));
    EXPECT_EQ("1/0 3/0 $1/$2 1 0/1", record("deepsea"));
    EXPECT_EQ(player->losingRun * 10 + player->winningRun, 3);

    // An unknown machine records nothing, runs included.
    testing::internal::CaptureStdout();
    play("nosuchmachine", 1, 1, 10);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), " Could not find stat: nosuchmachine\n");
    EXPECT_EQ(player->winningRun, 3);

    // Dollars at the coin value; largest win in coins; more than 20 coins is a high pay.
    play("tripledice", 1, 3, 0, 0.25f);
    play("tripledice", 1, 1, 500, 0.05f);
    play("tripledice", 1, 1, 40, 0.05f);
    for (int won : {21, 20, 19, 1}) play("tripledice", 1, 1, won);
    EXPECT_EQ("6/1 6/1 $88/$4.85 500 3/3", record("tripledice"));
    // Seven bets of $0.10 are $0.70 to the cent, in the record and in the file.
    play("zookeeper", 7, 1, 0, 0.10f);
    EXPECT_EQ(player->findStats("zookeeper")->totalloss.inCents(), 70);
    player->saveNow();
    EXPECT_EQ(saved("Test_Player", "zookeeper").readEntry("totalloss", ""), "0.7");
    // Money and VIP points are the machines' business, not the rule's.
    EXPECT_EQ(player->money + player->vippoints, 2500.0);
}

TEST_F(PlayerRecord, ClockCountsOneSecondPerFrameAndWholeMinutes) {
    MachineStats* s = player->findStats("super7s");
    int seconds = 0;
    Uint32 last = 0;
    // The first frame counts a second at once; frames within that second
    // nothing; a long stall (a bonus game) one second only.
    for (Uint32 at : {5000u, 5999u, 65000u}) playClockTickAt("super7s", seconds, last, at);
    EXPECT_EQ(seconds, 2);
    Uint32 now = 65000;
    for (int i = 0; i < 57; ++i) playClockTickAt("super7s", seconds, last, now += 1000);
    EXPECT_EQ(seconds * 100 + s->minutes, 5900);
    playClockTickAt("super7s", seconds, last, now += 1000);
    EXPECT_EQ(seconds * 100 + s->minutes, 1);
    EXPECT_EQ(player->findStats("cashcow")->minutes, 0);

    // With no current player the clock still runs and touches nothing.
    std::unique_ptr<Player> away = std::move(currentPlayer);
    seconds = 59;
    playClockTickAt("super7s", seconds, last, now += 1000);
    EXPECT_EQ(seconds, 0);
    EXPECT_EQ(s->minutes, 1);
    currentPlayer = std::move(away);
}
