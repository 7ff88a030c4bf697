// The player's save file: what goes in, what comes back, what survives.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <filesystem>
#include <string>

#include "machine/denomination.h"
#include "machine/money_input.h"
#include "player/money.h"
#include "player/player.h"
#include "player/stats_screen.h"
#include "shell/ini.h"
#include "support/runtime.h"

namespace {

std::string savePath(const std::string& name) {
    return testrt::root() + "/save/" + name + ".save";
}

// Every whole-number field of a machine record.
int MachineStats::* const countFields[] = {
    &MachineStats::hours,         &MachineStats::minutes,      &MachineStats::spinswon,
    &MachineStats::spinslost,     &MachineStats::winningstreak, &MachineStats::losingstreak,
    &MachineStats::largestsinglewin, &MachineStats::numberofhighpays, &MachineStats::numberoflowpays};

FileConfig saved(const std::string& name, const std::string& group) {
    FileConfig file = FileConfig::fromFile(savePath(name));
    file.setCurrentPath(group);
    return file;
}

}  // namespace

TEST(PlayerSave, RoundTripKeepsProfileAndRecords) {
    testrt::resetFiles();
    Player* p = new Player();
    p->name = "Ann_Lee";
    p->gender = "female";
    p->money = 123456.78;
    p->vippoints = 1234.05;
    p->firsttime = false;
    p->firsttimelobby = false;
    p->firsttimeslot = true;
    p->firsttimenickle = false;
    p->firsttimepoker = true;
    p->trophies = {"lamp", "prgrssvcar", "lamp"};
    p->winningRun = 4;
    MachineStats* s = p->findStats("wheelofcash");
    s->totalwon = 1.1;
    s->totalloss = 0.3 - 0.1;
    int value = 2000;
    for (auto field : countFields) s->*field = value++;
    p->findStats("zookeeper")->spinslost = 99;
    delete p;

    // The player's group as written (the cashier's first-visit flag always set).
    const std::string text = testrt::readFile(savePath("Ann_Lee"));
    EXPECT_EQ(text.substr(0, text.find("\n[")),
              "[Ann_Lee]\ngender=female\nmoney=123456.78\nvippoints=1234.05\nfirsttime=1\nfirsttimelobby=0\n"
              "firsttimeslot=1\nfirsttimenickle=0\nfirsttimepoker=1\ntrophies=lamp,prgrssvcar,lamp\n");

    Player back("Ann_Lee");
    EXPECT_EQ(back.money, 123456.78);  // exactly
    EXPECT_EQ(back.vippoints, 1234.05);
    EXPECT_EQ(back.trophies, (std::vector<std::string>{"lamp", "prgrssvcar", "lamp"}));
    EXPECT_EQ(back.winningRun + back.losingRun, 0);
    const MachineStats* r = back.findStats("wheelofcash");
    EXPECT_EQ(r->totalwon, 1.1);
    EXPECT_EQ(r->totalloss, 0.3 - 0.1);
    value = 2000;
    for (auto field : countFields) EXPECT_EQ(r->*field, value++);
    EXPECT_EQ(back.findStats("zookeeper")->spinslost, 99);
}

TEST(PlayerSave, MissingFileLoadsDefaultsAndAHandWrittenFileIsReadAndKept) {
    testrt::resetFiles();
    {
        Player p("Nobody_Here");
        EXPECT_EQ(p.gender, "unknown");
        EXPECT_EQ(p.money, 0.0);
        EXPECT_FALSE(p.firsttime || p.firsttimelobby || p.firsttimeslot || p.firsttimenickle || p.firsttimepoker);
        EXPECT_TRUE(p.trophies.empty());
    }
    EXPECT_TRUE(testrt::fileExists(savePath("Nobody_Here")));  // destroying it made the file

    testrt::writeFile(savePath("Hand_Made"),
                      "[Hand_Made]\nmoney=10\nnickname=Kip\nfirsttimelobby=7\nfirsttimeslot=0\ntrophies=a,,b,\n"
                      "[deepsea]\nspinswon=3\n[retiredmachine]\nspinswon=42\n");
    {
        Player p("Hand_Made");
        EXPECT_EQ(p.money, 10.0);
        EXPECT_TRUE(p.firsttimelobby);   // any non-zero number
        EXPECT_FALSE(p.firsttimeslot);
        EXPECT_FALSE(p.firsttimepoker);  // missing key
        EXPECT_EQ(p.trophies, (std::vector<std::string>{"a", "", "b", ""}));
        EXPECT_EQ(p.findStats("deepsea")->spinswon, 3);
        EXPECT_EQ(p.findStats("magic")->spinswon, 0);  // no group: zeros
        p.money = 5.5;
        p.trophies.clear();
    }
    FileConfig file = saved("Hand_Made", "Hand_Made");
    EXPECT_EQ(file.readEntry("nickname", ""), "Kip");
    EXPECT_TRUE(file.hasEntry("trophies"));
    EXPECT_EQ(file.readEntry("trophies", "?"), "");
    EXPECT_EQ(file.readEntry("money", 0.0), 5.5);
    EXPECT_EQ(saved("Hand_Made", "retiredmachine").readEntry("spinswon", 0L), 42L);
    EXPECT_TRUE(Player("Hand_Made").trophies.empty());
}

TEST(PlayerSave, DestructorSetsItsOwnFirstVisitFlag) {
    testrt::resetFiles();
    Player current;
    current.name = "Current_One";
    current.firsttime = false;
    currentPlayer = &current;
    {
        Player other;
        other.name = "Other_One";
        other.firsttime = false;
    }
    EXPECT_FALSE(current.firsttime);  // the current player is left alone
    EXPECT_EQ(saved("Other_One", "Other_One").readEntry("firsttime", 0L), 1L);
    currentPlayer = nullptr;
}

TEST(PlayerSave, NameOutsideTheSaveFolderIsNeverUsedAsAPath) {
    testrt::resetFiles();
    testing::internal::CaptureStderr();
    {
        Player bad("../config");
        EXPECT_EQ(bad.stats.size(), 50u);
    }
    EXPECT_FALSE(testing::internal::GetCapturedStderr().empty());
    EXPECT_FALSE(testrt::fileExists(testrt::root() + "/config.save"));
}

TEST(PlayerSave, MoneyMovesReachTheFileAtOnce) {
    testrt::resetFiles();
    buildDenominationTable();
    currentPlayer = new Player();
    currentPlayer->name = "Sam_Save";
    const Denomination* dollar = findDenominationValue(1.0f);
    int credits = 0;
    EXPECT_EQ(acceptMoneyAmount(40, credits, dollar), 40);
    EXPECT_EQ(saved("Sam_Save", "Sam_Save").readEntry("money", 0.0), 2460.0);
    credits = 15;
    returnCreditsToPlayer(credits, dollar);
    EXPECT_EQ(saved("Sam_Save", "Sam_Save").readEntry("money", 0.0), 2475.0);
    delete currentPlayer;
    currentPlayer = nullptr;
    freeDenominationTable();
}

TEST(PlayerSave, AFileThatCannotBeReadIsNeverWrittenOver) {
    testrt::resetFiles();
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
        }
        if (way == 1) {
            EXPECT_TRUE(testrt::fileExists(path + "/inner"));
        } else {
            EXPECT_EQ(testrt::readFile(path), unparsable) << way;
        }
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
    EXPECT_NE(err.find("money"), std::string::npos);
    EXPECT_NE(err.find("vippoints"), std::string::npos);
    EXPECT_EQ(p->money, maxAmount);
    EXPECT_EQ(p->vippoints, 0.0);
    MachineStats* s = p->findStats("deepsea");
    EXPECT_EQ(s->spinswon, INT_MAX);
    EXPECT_EQ(s->hours + s->minutes, 0);
    EXPECT_EQ(s->totalloss, 0.0);
    EXPECT_EQ(statTotalSpinsText(*s), "4294967294");
    p->losingRun = INT_MAX;
    p->recordPlay("deepsea", 1, 0, 1.0f);
    EXPECT_EQ(s->spinslost, INT_MAX);
    EXPECT_EQ(s->losingstreak, INT_MAX);
    EXPECT_EQ(wholeAmount(std::nan("")), 0);
    EXPECT_EQ(wholeAmount(1e300), 1000000000000L);
    // Amounts far past any the game holds still convert to positive cents.
    EXPECT_GT((Money::dollars(1e300) + Money::cents(500)).inCents(), 0);
    delete p;
    EXPECT_EQ(saved("Big_Num", "deepsea").readEntry("spinslost", 0L), 2147483647L);
}
