// The derby's pay table and the settlement of a finished game: marks, the
// car jackpot, the bet, the statistics and the count-up.
#include <algorithm>
#include <map>

#include "derby/derby_fixture.h"
#include "shell/app.h"

using namespace derbytest;

namespace {

// A finished game on the machine, as the respin leaves it.
void setGame(DemoDerby& d, int coins, const std::vector<DerbyLine>& lines) {
    d.betPlays = static_cast<int>(lines.size());
    d.betCoins = coins;
    d.lines = lines;
}

const DerbyLine kLoser = {"flag", "car", "tire"};

}  // namespace

// Two golden figures: the pays of all 729 lines summed, and how often each
// symbol comes up in a seeded run of the weighted draw.
TEST(DerbyPayTable, LinePaysAndTheSymbolDraw) {
    long total = 0;
    for (int a = 0; a < 9; ++a)
        for (int b = 0; b < 9; ++b)
            for (int c = 0; c < 9; ++c)
                total += DemoDerby::linePayOf({DemoDerby::symbolName(a), DemoDerby::symbolName(b), DemoDerby::symbolName(c)});
    EXPECT_EQ(total, 838);
    EXPECT_EQ(DemoDerby::linePayOf({"Flag", "flag", "flag"}), 0) << "names are exact";
    sgenrand(99);
    std::map<std::string, int> seen;
    for (int i = 0; i < 100000; ++i) ++seen[DemoDerby::pickSymbol()];
    std::string counts;
    for (const auto& s : seen) counts += s.first + ":" + std::to_string(s.second) + " ";
    EXPECT_EQ(counts, "2bar:9973 2tire:15048 3bar:7994 3tire:15122 bar:11895 car:5961 flag:3901 tire:25033 trophy:5073 ");
}

TEST_F(DerbyTest, SettlementPaysEveryRowTimesTheCoins) {
    DemoDerby* d = open("100");
    ASSERT_EQ(d->credits, 100);
    const MachineStats was = stats();
    // 3 plays of 2 coins: 30 + 0 + 1 per coin.
    setGame(*d, 2, {{"3bar", "3bar", "3bar"}, kLoser, {"tire", "2tire", "tire"}});
    clearLoadedAssets();
    d->payout();
    EXPECT_EQ(d->credits, 100 - 6 + 62);
    EXPECT_EQ(d->paidMeter->text, "62");
    EXPECT_EQ(d->creditMeter->text, "156");
    EXPECT_TRUE(assetTried("../gfx/demoderby/win.png"));
    EXPECT_TRUE(assetTried("../sounds/race1.wav"));
    EXPECT_TRUE(assetTried("../sounds/digicnt.wav"));
    const MachineStats& s = stats();
    EXPECT_EQ(s.spinswon, was.spinswon + 1);
    EXPECT_EQ(s.spinslost, was.spinslost);
    EXPECT_DOUBLE_EQ(s.totalloss, was.totalloss + 6.0);
    EXPECT_DOUBLE_EQ(s.totalwon, was.totalwon + 62.0);
    EXPECT_EQ(s.largestsinglewin, 62);
    EXPECT_EQ(s.numberofhighpays, was.numberofhighpays + 1);
    // 62 counts 10 five times, then 1 twelve times; one pause each, then the second's rest.
    EXPECT_EQ(countPauses(200), 5 + 12);
    EXPECT_EQ(countPauses(1000), 1);
    EXPECT_EQ(d->plays, 1) << "the player's own choice is left alone";
    delete d;
}

TEST_F(DerbyTest, ALosingGameCountsAsLostAndShowsTheDebitedCredits) {
    DemoDerby* d = open("50");
    d->showPaid(77);
    const MachineStats was = stats();
    currentPlayer->losingRun = 2;
    currentPlayer->winningRun = 4;
    setGame(*d, 2, {kLoser, kLoser, kLoser});
    clearLoadedAssets();
    d->payout();
    EXPECT_EQ(d->credits, 44);
    EXPECT_EQ(d->creditMeter->text, "44");
    EXPECT_EQ(d->paidMeter->text, "77") << "a losing game leaves the paid meter";
    EXPECT_EQ(countPauses(200), 0);
    EXPECT_EQ(countPauses(1000), 1);
    EXPECT_FALSE(assetTried("../gfx/demoderby/win.png"));
    const MachineStats& s = stats();
    EXPECT_EQ(s.spinslost, was.spinslost + 1);
    EXPECT_EQ(currentPlayer->winningRun, 0);
    EXPECT_EQ(currentPlayer->losingRun, 3);
    EXPECT_EQ(s.losingstreak, std::max(was.losingstreak, 3));
    EXPECT_DOUBLE_EQ(s.totalloss, was.totalloss + 6.0);
    EXPECT_EQ(s.numberoflowpays + s.numberofhighpays, was.numberoflowpays + was.numberofhighpays);
    delete d;
}

TEST_F(DerbyTest, ThreeFlagsOnPlayFiveAtFiveCoinsWinTheCarInsteadOfCoins) {
    DemoDerby* d = open("100");
    mediaTicks = [] { return clockNow += 100; };  // the movie runs by the clock
    const MachineStats was = stats();
    const size_t prizes = currentPlayer->trophies.size();
    setGame(*d, 5, {{"3bar", "3bar", "3bar"}, kLoser, kLoser, kLoser, {"flag", "flag", "flag"}});
    clearLoadedAssets();
    d->payout();
    ASSERT_EQ(currentPlayer->trophies.size(), prizes + 1);
    EXPECT_EQ(currentPlayer->trophies.back(), "prgrssvcar");
    EXPECT_TRUE(assetTried("../sounds/racejack.wav"));
    EXPECT_TRUE(assetTried("../gfx/jackpotmovies/carjack.png.0"));
    EXPECT_EQ(d->credits, 75) << "the bet is taken, the marked row is not paid";
    EXPECT_EQ(countPauses(200), 0) << "no count-up";
    EXPECT_EQ(stats().spinslost, was.spinslost + 1);
    EXPECT_DOUBLE_EQ(stats().totalwon, was.totalwon);
    delete d;
}

TEST_F(DerbyTest, CountUpThrowsAwayOneWaitingEventPerStepButKeepsAWindowClose) {
    DemoDerby* d = open("100");
    setGame(*d, 1, {{"bar", "bar", "bar"}, {"bar", "2bar", "bar"}, {"tire", "2tire", "tire"}});  // 16: seven steps
    for (int i = 0; i < 10; ++i) pushEventOfType(SDL_MOUSEMOTION);
    d->payout();
    EXPECT_EQ(pendingEvents(), 10 - 7);
    drainEvents();

    SDL_Event quit{};
    quit.type = SDL_QUIT;
    SDL_PushEvent(&quit);
    setGame(*d, 1, {{"tire", "tire", "2tire"}});
    d->payout();
    EXPECT_TRUE(quitRequested()) << "the request to close the window is not lost";
    delete d;
}
