// The profile in memory: a new player, names, the statistics rule after each
// play and the playing-time clock.
#include <gtest/gtest.h>

#include <string>

#include "player/player.h"
#include "support/runtime.h"

namespace {

// A fresh profile made current for the test; deleted (and so saved into the
// test's private save folder) at the end.
struct CurrentPlayer {
    CurrentPlayer() {
        testrt::resetFiles();
        currentPlayer = new Player();
        currentPlayer->name = "Test_Player";
    }
    ~CurrentPlayer() {
        delete currentPlayer;
        currentPlayer = nullptr;
    }
    Player* operator->() { return currentPlayer; }
};

}  // namespace

TEST(PlayerRecord, MinutesRollIntoHoursAndResetHidesTheRecord) {
    MachineStats s;
    s.minutes = 59;
    s.addMinute();
    EXPECT_EQ(s.hours, 1);
    EXPECT_EQ(s.minutes, 0);
    s.hours = 2;
    s.minutes = 58;
    s.addMinute();
    EXPECT_EQ(s.hours, 2);
    EXPECT_EQ(s.minutes, 59);

    Player p;
    p.name = "Reset_Test";
    MachineStats* rec = p.findStats("cashcow");
    ASSERT_NE(rec, nullptr);
    rec->spinswon = 4;
    rec->reset();
    EXPECT_EQ(rec->spinswon, 0);
    testing::internal::CaptureStdout();
    EXPECT_EQ(p.findStats("cashcow"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), " Could not find stat: cashcow\n");
}

TEST(PlayerRecord, RunsAndStreaksOverASequence) {
    CurrentPlayer player;
    // lost, lost, won, lost
    player->recordPlay("baja7s", 1, 0, 1.0f);
    player->recordPlay("baja7s", 1, 0, 1.0f);
    player->recordPlay("baja7s", 1, 5, 1.0f);
    player->recordPlay("baja7s", 1, 0, 1.0f);
    MachineStats* s = player->findStats("baja7s");
    EXPECT_EQ(s->spinslost, 3);
    EXPECT_EQ(s->spinswon, 1);
    EXPECT_EQ(s->losingstreak, 2);
    EXPECT_EQ(s->winningstreak, 1);
    EXPECT_EQ(player->losingRun, 1);
    EXPECT_EQ(player->winningRun, 0);
    EXPECT_DOUBLE_EQ(s->totalloss, 4.0);   // every play bets, won or lost
    EXPECT_DOUBLE_EQ(s->totalwon, 5.0);

    // Runs belong to the player: they carry over to the next machine.
    player->recordPlay("baja7s", 1, 0, 1.0f);
    player->recordPlay("baja7s", 1, 0, 1.0f);
    player->recordPlay("cashcow", 1, 0, 1.0f);
    MachineStats* other = player->findStats("cashcow");
    EXPECT_EQ(other->spinslost, 1);
    EXPECT_EQ(other->losingstreak, 4);
    EXPECT_EQ(s->losingstreak, 3);

    // A win ends the losing run; winning runs carry over as well.
    player->recordPlay("cashcow", 2, 3, 1.0f);
    player->recordPlay("cashcow", 2, 3, 1.0f);
    player->recordPlay("deepsea", 2, 1, 1.0f);
    EXPECT_EQ(player->losingRun, 0);
    EXPECT_EQ(player->winningRun, 3);
    EXPECT_EQ(player->findStats("deepsea")->winningstreak, 3);
    EXPECT_EQ(other->winningstreak, 2);
    EXPECT_EQ(other->losingstreak, 4);   // a longest run is never shortened

    // An unknown machine records nothing, runs included.
    testing::internal::CaptureStdout();
    player->recordPlay("nosuchmachine", 1, 10, 1.0f);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), " Could not find stat: nosuchmachine\n");
    EXPECT_EQ(player->winningRun, 3);
}

TEST(PlayerRecord, DollarsLargestWinAndPayClasses) {
    CurrentPlayer player;
    player->recordPlay("tripledice", 3, 0, 0.25f);
    MachineStats* s = player->findStats("tripledice");
    EXPECT_NEAR(s->totalloss, 0.75, 1e-9);
    EXPECT_EQ(s->numberofhighpays + s->numberoflowpays, 0);   // a lost play counts in neither

    player->recordPlay("tripledice", 1, 500, 0.05f);
    EXPECT_NEAR(s->totalwon, 25.0, 1e-5);
    EXPECT_EQ(s->largestsinglewin, 500);
    player->recordPlay("tripledice", 1, 40, 0.05f);
    EXPECT_EQ(s->largestsinglewin, 500);   // coins, and only the largest

    EXPECT_EQ(s->numberofhighpays, 2);
    player->recordPlay("tripledice", 1, 21, 1.0f);
    EXPECT_EQ(s->numberofhighpays, 3);
    player->recordPlay("tripledice", 1, 20, 1.0f);   // exactly 20: still a low pay
    player->recordPlay("tripledice", 1, 19, 1.0f);
    player->recordPlay("tripledice", 1, 1, 1.0f);
    EXPECT_EQ(s->numberofhighpays, 3);
    EXPECT_EQ(s->numberoflowpays, 3);
    EXPECT_EQ(s->spinswon, 6);
    EXPECT_EQ(s->spinslost, 1);
    // Money and VIP points are the machines' business, not the rule's.
    EXPECT_EQ(player->money, 2500.0);
    EXPECT_EQ(player->vippoints, 0.0);
}

TEST(PlayerRecord, ClockCountsOneSecondPerFrameAndWholeMinutes) {
    CurrentPlayer player;
    MachineStats* s = player->findStats("super7s");
    int seconds = 0;
    Uint32 last = 0;

    // The first frame at a machine counts a second at once.
    playClockTickAt("super7s", seconds, last, 5000);
    EXPECT_EQ(seconds, 1);
    // Within the same second nothing counts, however many frames.
    playClockTickAt("super7s", seconds, last, 5999);
    EXPECT_EQ(seconds, 1);
    // A long stall (a bonus game) still counts one second only.
    playClockTickAt("super7s", seconds, last, 65000);
    EXPECT_EQ(seconds, 2);

    Uint32 now = 65000;
    for (int i = 0; i < 57; ++i) playClockTickAt("super7s", seconds, last, now += 1000);
    EXPECT_EQ(seconds, 59);
    EXPECT_EQ(s->minutes, 0);
    playClockTickAt("super7s", seconds, last, now += 1000);
    EXPECT_EQ(seconds, 0);
    EXPECT_EQ(s->minutes, 1);

    EXPECT_EQ(player->findStats("cashcow")->minutes, 0);

    // With no current player the clock still runs and touches nothing.
    Player* keep = currentPlayer;
    currentPlayer = nullptr;
    seconds = 59;
    playClockTickAt("super7s", seconds, last, now += 1000);
    EXPECT_EQ(seconds, 0);
    currentPlayer = keep;
}
