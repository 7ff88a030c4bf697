// The statistics screen: the figures of a page, opening on the machine last
// left, stepping through the fifty machines, missing records, going back to
// the lobby, and a session that survives a missing screen font.
#include <gtest/gtest.h>

#include <SDL.h>
#include <sge.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "floor/lobby.h"
#include "player/machine_table.h"
#include "player/machine_stats.h"
#include "player/player.h"
#include "player/stats_screen.h"
#include "player/config.h"
#include "shell/display.h"
#include "shell/screen.h"
#include "shell/sound.h"
#include "support/runtime.h"
#include "player_screen_session.h"

namespace {

class StatsScreenTest : public PlayerScreenSession {
protected:
    void SetUp() override {
        PlayerScreenSession::SetUp();
        lastMachineId.clear();
    }
};

Uint16 pixelAt(int x, int y) {
    SDL_Surface* s = display->screen;
    SDL_LockSurface(s);
    Uint16 pixel = static_cast<Uint16*>(s->pixels)[y * s->pitch / 2 + x];
    SDL_UnlockSurface(s);
    return pixel;
}

MachineStats record(double won, double bet, int spinsWon, int spinsLost) {
    MachineStats s;
    s.id = "cursed";
    s.totalwon = won;
    s.totalloss = bet;
    s.spinswon = spinsWon;
    s.spinslost = spinsLost;
    return s;
}

}  // namespace

TEST(StatsFigures, WinLossReturnAndPercentages) {
    MachineStats s = record(45, 60, 5, 6);
    s.largestsinglewin = 400;
    EXPECT_EQ("11", statTotalSpinsText(s));
    EXPECT_EQ("$60", statTotalBetText(s));
    EXPECT_EQ("$5.45455", statAverageBetText(s));
    EXPECT_EQ("$-15", statWonLossText(s));
    EXPECT_EQ("75%", statReturnPercentText(s));
    EXPECT_EQ("45.4545%", statPercentWonText(s));
    EXPECT_EQ("54.5455%", statPercentLostText(s));
    // The share is taken in full precision and only then kept as a float, so
    // the last digit shown is the right one.
    EXPECT_EQ("91.3043%", statPercentWonText(record(0, 23, 21, 2)));
    EXPECT_EQ("48.6486%", statPercentWonText(record(0, 37, 18, 19)));
    EXPECT_EQ("51.3514%", statPercentLostText(record(0, 37, 18, 19)));
    // The largest win is a coin count, shown as it is kept.
    EXPECT_EQ("$400", statLargestWinText(s));
    EXPECT_EQ("$2.5e+06", statTotalBetText(record(0, 2500000.0, 0, 1)));
}

TEST(StatsFigures, HourlyFigureAndTimePlayed) {
    MachineStats s = record(0, 30, 0, 3);
    s.minutes = 20;
    EXPECT_EQ("$-90", statPerHourText(s));  // minutes scaled up to an hour
    s = record(0, 120, 0, 3);
    s.hours = 1;
    s.minutes = 59;
    EXPECT_EQ("$-120", statPerHourText(s));  // whole hours only, once there is one
    s = record(90, 0, 3, 0);
    s.hours = 2;
    EXPECT_EQ("$45", statPerHourText(s));

    s.hours = 3;
    s.minutes = 7;
    EXPECT_EQ("03:07:00", statTimePlayedText(s));
    s.hours = 123;
    s.minutes = 5;
    EXPECT_EQ("123:05:00", statTimePlayedText(s));
}

TEST_F(StatsScreenTest, OpensWithoutPageUntilAMachineWasLeft) {
    StatsScreen screen;
    EXPECT_EQ("", screen.machineId);
    // The page area stays as the background left it: no white panel.
    Uint32 white = SDL_MapRGB(display->screen->format, 255, 255, 255);
    EXPECT_NE(white, pixelAt(40, 70));
    screen.showMachine("5x");
    EXPECT_EQ(white, pixelAt(40, 70));
    screen.machineId.clear();
    screen.handleButton(screen.buttonNamed("next"));
    screen.handleButton(screen.buttonNamed("previous"));
    EXPECT_EQ("", screen.machineId);
    EXPECT_EQ(nullptr, screen.next);
}

TEST_F(StatsScreenTest, OpensOnTheMachineLastLeftAndWrapsAround) {
    lastMachineId = "cursed";
    StatsScreen screen;
    EXPECT_EQ("cursed", screen.machineId);
    EXPECT_EQ("Cursed", screen.titles[screen.buttonIndex("cursed") - statsFirstIcon]);

    Widget* next = screen.buttonNamed("next");
    Widget* previous = screen.buttonNamed("previous");
    screen.showMachine("zookeeper");
    screen.handleButton(next);
    EXPECT_EQ("10sorbetter", screen.machineId);
    screen.handleButton(previous);
    EXPECT_EQ("zookeeper", screen.machineId);
    // Fifty steps come back to the start.
    for (int i = 0; i < 50; ++i) screen.handleButton(previous);
    EXPECT_EQ("zookeeper", screen.machineId);
}

TEST_F(StatsScreenTest, MissingRecordIsReportedAndNotRead) {
    currentPlayer->findStats("magic")->reset();  // its id is now "none"
    StatsScreen screen;
    testing::internal::CaptureStdout();
    screen.showMachine("magic");
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, out.find(" Could not find stat: magic")) << out;
    EXPECT_EQ("magic", screen.machineId);
    // Stepping on works from there.
    screen.handleButton(screen.buttonNamed("next"));
    EXPECT_EQ("mardigras", screen.machineId);
}

// Without its font the screen cannot be shown and the game ends, but the
// settings and the player's profile are written first.
TEST_F(StatsScreenTest, MissingFontEndsTheGameButKeepsTheSession) {
    namespace fs = std::filesystem;
    const std::string alt = testrt::root() + "/nofont";
    fs::create_directories(alt + "/bin");
    fs::create_directories(alt + "/save");
    fs::create_directories(alt + "/fonts");
    testrt::writeFile(alt + "/config.ini", "[global]\nfirsttimeever=0\nplayers=Ann_Lee\nlastplayer=Ann_Lee\n");

    EXPECT_EXIT(
        {
            if (chdir((alt + "/bin").c_str()) != 0) std::exit(3);
            delete currentPlayer;
            currentPlayer = nullptr;
            config = new Config();
            if (!currentPlayer) std::exit(4);
            currentPlayer->money = 1234.5;
            currentPlayer->trophies.push_back("mug");
            new StatsScreen();
        },
        testing::ExitedWithCode(1), "TT error: ");

    std::string save = testrt::readFile(alt + "/save/Ann_Lee.save");
    EXPECT_NE(std::string::npos, save.find("money=1234.5")) << save;
    EXPECT_NE(std::string::npos, save.find("trophies=mug")) << save;
    EXPECT_NE(std::string::npos, testrt::readFile(alt + "/config.ini").find("lastplayer=Ann_Lee"));
}
