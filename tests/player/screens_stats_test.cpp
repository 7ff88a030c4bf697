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

MachineStats record(double won, double bet, int spinsWon, int spinsLost, int hours = 0, int minutes = 0) {
    MachineStats s;
    s.id = "cursed";
    s.totalwon = won;
    s.totalloss = bet;
    s.spinswon = spinsWon;
    s.spinslost = spinsLost;
    s.hours = hours;
    s.minutes = minutes;
    return s;
}

// Every figure of a page, in the page's order.
std::string figures(const MachineStats& s) {
    std::string out;
    for (auto text : {statTotalSpinsText, statTotalBetText, statAverageBetText, statWonLossText, statReturnPercentText,
                      statPerHourText, statSpinsWonText, statSpinsLostText, statPercentWonText, statPercentLostText,
                      statWinningStreakText, statLosingStreakText, statLargestWinText, statHighPaysText,
                      statLowPaysText, statTimePlayedText})
        out += text(s) + " ";
    return out;
}

}  // namespace

TEST(StatsFigures, EveryFigureOfAPage) {
    MachineStats big = record(45, 60, 5, 6);
    big.largestsinglewin = 400;  // a coin count, shown as it is kept
    struct Row { MachineStats s; const char* page; };
    const Row rows[] = {
        {MachineStats(), "0 $0 $0 $0 0% $0 0 0 0% 0% 0 0 $0 0 0 00:00:00 "},
        {big, "11 $60 $5.45455 $-15 75% $0 5 6 45.4545% 54.5455% 0 0 $400 0 0 00:00:00 "},
        // A win with nothing bet has no return to speak of.
        {record(50, 0, 1, 0), "1 $0 $0 $50 0% $0 1 0 100% 0% 0 0 $0 0 0 00:00:00 "},
        // Shares are taken in full precision and only then kept as floats.
        {record(0, 23, 21, 2), "23 $23 $1 $-23 0% $0 21 2 91.3043% 8.69565% 0 0 $0 0 0 00:00:00 "},
        {record(0, 37, 18, 19), "37 $37 $1 $-37 0% $0 18 19 48.6486% 51.3514% 0 0 $0 0 0 00:00:00 "},
        {record(0, 2500000.0, 0, 1), "1 $2.5e+06 $2.5e+06 $-2.5e+06 0% $0 0 1 0% 100% 0 0 $0 0 0 00:00:00 "},
        // Minutes are scaled up to an hour; whole hours only, once there is one.
        {record(0, 30, 0, 3, 0, 20), "3 $30 $10 $-30 0% $-90 0 3 0% 100% 0 0 $0 0 0 00:20:00 "},
        {record(0, 120, 0, 3, 1, 59), "3 $120 $40 $-120 0% $-120 0 3 0% 100% 0 0 $0 0 0 01:59:00 "},
        {record(90, 0, 3, 0, 2, 0), "3 $0 $0 $90 0% $45 3 0 100% 0% 0 0 $0 0 0 02:00:00 "},
        {record(0, 0, 0, 0, 123, 5), "0 $0 $0 $0 0% $0 0 0 0% 0% 0 0 $0 0 0 123:05:00 "},
    };
    for (const Row& row : rows) EXPECT_EQ(row.page, figures(row.s));

    // Without a record the page shows fewer texts: its labels only.
    EXPECT_LT(statsPageTexts(nullptr).size(), statsPageTexts(&big).size());
}

TEST_F(StatsScreenTest, TheFirstPageWaitsForAMachineToBeLeftOrClicked) {
    StatsScreen screen;
    // No machine left yet: no page, and the arrows have nothing to step from.
    EXPECT_EQ("", screen.machineId);
    screen.handleButton(screen.buttonNamed("next"));
    screen.handleButton(screen.buttonNamed("previous"));
    EXPECT_EQ("", screen.machineId);

    Widget* icon = screen.buttonNamed("deepsea");
    ASSERT_GT(icon->width(), 2) << "menu icon picture missing";
    SDL_WarpMouse(icon->x + icon->width() / 2, icon->y + icon->height() / 2);
    SDL_Event press{};
    press.type = SDL_MOUSEBUTTONDOWN;
    press.button.button = SDL_BUTTON_LEFT;
    press.button.state = SDL_PRESSED;
    screen.handleEvent(press);
    EXPECT_EQ("deepsea", screen.machineId);
    EXPECT_EQ(nullptr, screen.next);
}

TEST_F(StatsScreenTest, OpensOnTheMachineLastLeftWrapsAroundAndGoesBack) {
    lastMachineId = "cursed";
    StatsScreen screen;
    EXPECT_EQ("cursed", screen.machineId);
    Widget* next = screen.buttonNamed("next");
    Widget* previous = screen.buttonNamed("previous");
    screen.showMachine("zookeeper");
    screen.handleButton(next);
    EXPECT_EQ("10sorbetter", screen.machineId);
    screen.handleButton(previous);
    EXPECT_EQ("zookeeper", screen.machineId);
    for (int i = 0; i < 50; ++i) screen.handleButton(previous);
    EXPECT_EQ("zookeeper", screen.machineId);

    // A missing record is reported, not read; stepping on works from there.
    currentPlayer->findStats("magic")->reset();
    testing::internal::CaptureStdout();
    screen.showMachine("magic");
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStdout().find(" Could not find stat: magic"));
    screen.handleButton(next);
    EXPECT_EQ("mardigras", screen.machineId);

    screen.handleButton(screen.buttonNamed("lobby"));
    ASSERT_NE(nullptr, dynamic_cast<Lobby*>(screen.next));
    delete screen.next;
    screen.next = nullptr;
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
