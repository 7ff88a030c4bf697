// The profile in memory: a new player, names, the statistics rule after each
// play and the playing-time clock.
#include <gtest/gtest.h>

#include <string>

#include "player/player.h"
#include "support/runtime.h"

namespace {

// A fresh profile made current for the test; deleted (and so saved into the
// test's private save folder) at the end.
class PlayerRecord : public ::testing::Test {
protected:
    void SetUp() override {
        testrt::resetFiles();
        currentPlayer = player = new Player();
        player->name = "Test_Player";
    }
    void TearDown() override {
        delete player;
        currentPlayer = nullptr;
    }
    // Plays `n` times on `id` at `coins` a play, each winning `won` coins.
    void play(const char* id, int n, int coins, int won, float value = 1.0f) {
        for (int i = 0; i < n; ++i) player->recordPlay(id, coins, won, value);
    }
    Player* player = nullptr;
};

}  // namespace

TEST_F(PlayerRecord, NewProfileNamesAndTheMinuteCounter) {
    Player p;
    p.name = "Defaults_Only";
    EXPECT_EQ(p.money, 2500.0);
    EXPECT_TRUE(p.firsttime && p.firsttimelobby && p.firsttimeslot && p.firsttimenickle && p.firsttimepoker);
    const auto& ids = statsMachineIds();
    ASSERT_EQ(p.stats.size(), ids.size());
    for (size_t i = 0; i < ids.size(); ++i) EXPECT_EQ(p.stats[i]->id, ids[i]);
    p.money = 100.0;
    EXPECT_TRUE(p.canAfford(100.0));
    EXPECT_FALSE(p.canAfford(100.01));

    EXPECT_EQ(firstNameOf("Ann_Lee_Jr") + "|" + lastNameOf("Ann_Lee_Jr") + "|" + lastNameOf("Solo"), "Ann|Lee_Jr|Solo");
    EXPECT_TRUE(isValidPlayerName("Mary-Jo_O'Neil2"));
    for (const char* bad : {"", "Solo", "_Lee", "Ann_", "Ann_Lee_Jr", "Ann Marie_Lee", "../x_y", "a/b_c"})
        EXPECT_FALSE(isValidPlayerName(bad)) << bad;

    MachineStats s;
    s.minutes = 59;
    s.addMinute();
    EXPECT_EQ(s.hours * 100 + s.minutes, 100);
    s.addMinute();
    EXPECT_EQ(s.hours * 100 + s.minutes, 101);
    // A reset record is hidden.
    p.findStats("cashcow")->reset();
    testing::internal::CaptureStdout();
    EXPECT_EQ(p.findStats("cashcow"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), " Could not find stat: cashcow\n");
}

TEST_F(PlayerRecord, RunsAndStreaksOverASequence) {
    play("baja7s", 2, 1, 0);
    play("baja7s", 1, 1, 5);
    play("baja7s", 1, 1, 0);
    MachineStats* s = player->findStats("baja7s");
    EXPECT_EQ(s->spinslost, 3);
    EXPECT_EQ(s->spinswon, 1);
    EXPECT_EQ(s->losingstreak, 2);
    EXPECT_EQ(s->winningstreak, 1);
    EXPECT_EQ(player->losingRun, 1);
    EXPECT_EQ(player->winningRun, 0);
    EXPECT_DOUBLE_EQ(s->totalloss, 4.0);  // every play bets, won or lost
    EXPECT_DOUBLE_EQ(s->totalwon, 5.0);

    // Runs belong to the player: they carry over to the next machine.
    play("baja7s", 2, 1, 0);
    play("cashcow", 1, 1, 0);
    MachineStats* other = player->findStats("cashcow");
    EXPECT_EQ(other->spinslost, 1);
    EXPECT_EQ(other->losingstreak, 4);
    EXPECT_EQ(s->losingstreak, 3);

    // A win ends the losing run; winning runs carry over as well.
    play("cashcow", 2, 2, 3);
    play("deepsea", 1, 2, 1);
    EXPECT_EQ(player->losingRun, 0);
    EXPECT_EQ(player->winningRun, 3);
    EXPECT_EQ(player->findStats("deepsea")->winningstreak, 3);
    EXPECT_EQ(other->winningstreak, 2);
    EXPECT_EQ(other->losingstreak, 4);  // a longest run is never shortened

    // An unknown machine records nothing, runs included.
    testing::internal::CaptureStdout();
    play("nosuchmachine", 1, 1, 10);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), " Could not find stat: nosuchmachine\n");
    EXPECT_EQ(player->winningRun, 3);
}

TEST_F(PlayerRecord, DollarsLargestWinAndPayClasses) {
    play("tripledice", 1, 3, 0, 0.25f);
    MachineStats* s = player->findStats("tripledice");
    EXPECT_NEAR(s->totalloss, 0.75, 1e-9);
    EXPECT_EQ(s->numberofhighpays + s->numberoflowpays, 0);  // a lost play counts in neither
    play("tripledice", 1, 1, 500, 0.05f);
    play("tripledice", 1, 1, 40, 0.05f);
    EXPECT_NEAR(s->totalwon, 27.0, 1e-5);
    EXPECT_EQ(s->largestsinglewin, 500);  // coins, and only the largest
    for (int won : {21, 20, 19, 1}) play("tripledice", 1, 1, won);  // more than 20 is a high pay
    EXPECT_EQ(s->numberofhighpays, 3);
    EXPECT_EQ(s->numberoflowpays, 3);
    EXPECT_EQ(s->spinswon, 6);
    EXPECT_EQ(s->spinslost, 1);
    // Money and VIP points are the machines' business, not the rule's.
    EXPECT_EQ(player->money, 2500.0);
    EXPECT_EQ(player->vippoints, 0.0);
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
    currentPlayer = nullptr;
    seconds = 59;
    playClockTickAt("super7s", seconds, last, now += 1000);
    EXPECT_EQ(seconds, 0);
    EXPECT_EQ(s->minutes, 1);
}
