// The derby's pay table and the settlement of a finished game: marks, the
// car jackpot, the bet, the record and the count-up.
#include <map>

#include "derby/derby_fixture.h"
#include "player/save_files.h"

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
                total += DemoDerby::linePayOf(
                    {DemoDerby::symbolName(a), DemoDerby::symbolName(b), DemoDerby::symbolName(c)});
    EXPECT_EQ(total, 838);
    EXPECT_EQ(DemoDerby::linePayOf({"Flag", "flag", "flag"}), 0) << "names are exact";
    sgenrand(99);
    std::map<std::string, int> seen;
    for (int i = 0; i < 100000; ++i) ++seen[DemoDerby::pickSymbol()];
    std::string counts;
    for (const auto& s : seen) counts += s.first + ":" + std::to_string(s.second) + " ";
    EXPECT_EQ(counts,
              "2bar:9973 2tire:15048 3bar:7994 3tire:15122 bar:11895 car:5961 flag:3901 tire:25033 trophy:5073 ");
}

TEST_F(DerbyTest, SettlementPaysEveryRowTimesTheCoinsAndShowsTheDebitedCredits) {
    std::unique_ptr<DemoDerby> d(open("100"));
    struct Row {
        std::vector<DerbyLine> lines;
        int credits, won, countSteps;
    };
    // At 2 coins a play: 30 + 0 + 1 per coin, 62 counted 10 five times, then 1 twelve times;
    // a game that wins nothing; three flags on play five, paid in coins below five coins.
    const Row rows[] = {{{{"3bar", "3bar", "3bar"}, kLoser, {"tire", "2tire", "tire"}}, 100 - 6 + 62, 62, 5 + 12},
                        {{kLoser, kLoser, kLoser}, 156 - 6, 0, 0},
                        {{kLoser, kLoser, kLoser, kLoser, {"flag", "flag", "flag"}}, 150 - 10 + 800, 800, 7 + 9 + 10}};
    for (const Row& row : rows) {
        SCOPED_TRACE("won " + std::to_string(row.won));
        const MachineStats was = stats();
        d->showPaid(77);
        setGame(*d, 2, row.lines);
        testClock.pauses.clear();
        clearLoadedAssets();
        d->payout();
        EXPECT_EQ(d->credits, row.credits);
        EXPECT_EQ(d->creditMeter->text, std::to_string(row.credits));
        EXPECT_EQ(d->paidMeter->text, std::to_string(row.won > 0 ? row.won : 77)) << "a loss leaves the paid meter";
        EXPECT_EQ(assetTried("../gfx/demoderby/win.png"), row.won > 0);
        EXPECT_TRUE(row.won == 0 || assetTried("../sounds/digicnt.wav")) << "a win counts up with its click";
        EXPECT_EQ(countPauses(200), row.countSteps);
        EXPECT_EQ(countPauses(1000), 1);
        EXPECT_DOUBLE_EQ(stats().totalloss.inDollars(), was.totalloss.inDollars() + 2.0 * row.lines.size());
        EXPECT_DOUBLE_EQ(stats().totalwon.inDollars(), was.totalwon.inDollars() + row.won);
    }
    EXPECT_EQ(d->plays, 1) << "the player's own choice is left alone";
}

TEST_F(DerbyTest, ThreeFlagsOnPlayFiveAtFiveCoinsWinTheCarInsteadOfCoins) {
    std::unique_ptr<DemoDerby> d(open("100"));
    testClock.perLook = 100;  // the movie runs by the clock
    const MachineStats was = stats();
    const size_t prizes = currentPlayer->trophies.size();
    setGame(*d, 5, {{"3bar", "3bar", "3bar"}, kLoser, kLoser, kLoser, {"flag", "flag", "flag"}});
    clearLoadedAssets();
    d->keepGame();  // the rows drawn: the car is the player's, in the file too
    ASSERT_EQ(currentPlayer->trophies.size(), prizes + 1);
    EXPECT_EQ(savefiles::saved(currentPlayer->name, currentPlayer->name).readEntry("trophies", ""), "prgrssvcar");
    d->payout();
    ASSERT_EQ(currentPlayer->trophies.size(), prizes + 1);
    EXPECT_EQ(currentPlayer->trophies.back(), "prgrssvcar");
    EXPECT_TRUE(assetTried("../sounds/racejack.wav"));
    EXPECT_TRUE(assetTried("../gfx/jackpotmovies/carjack.png.0"));
    EXPECT_EQ(d->credits, 75) << "the bet is taken, the marked row is not paid";
    EXPECT_EQ(countPauses(200), 0) << "no count-up";
    EXPECT_EQ(stats().spinslost, was.spinslost + 1);
    EXPECT_DOUBLE_EQ(stats().totalwon.inDollars(), was.totalwon.inDollars());

    // Below five coins, or on another play, three flags are paid in coins: 400 a coin.
    setGame(*d, 4, {kLoser, kLoser, kLoser, kLoser, {"flag", "flag", "flag"}});
    d->payout();
    EXPECT_EQ(d->credits, 75 - 20 + 1600);
    setGame(*d, 5, {{"flag", "flag", "flag"}, kLoser, kLoser, kLoser, kLoser});
    d->payout();
    EXPECT_EQ(d->credits, 1655 - 25 + 2000);
    EXPECT_EQ(currentPlayer->trophies.size(), prizes + 1);
}

TEST_F(DerbyTest, CountUpThrowsAwayOneWaitingEventPerStepButKeepsAWindowClose) {
    std::unique_ptr<DemoDerby> d(open("100"));
    setGame(*d, 1, {{"bar", "bar", "bar"}, {"bar", "2bar", "bar"}, {"tire", "2tire", "tire"}});  // 16: seven steps
    for (int i = 0; i < 10; ++i) testrt::pushClick(10, 10, SDL_MOUSEBUTTONUP);
    d->payout();
    EXPECT_EQ(testrt::pendingEvents(), 10 - 7);
    testrt::drainEvents();

    testrt::pushQuit();
    setGame(*d, 1, {{"tire", "tire", "2tire"}});
    d->payout();
    EXPECT_TRUE(quitRequested()) << "the request to close the window is not lost";
}
