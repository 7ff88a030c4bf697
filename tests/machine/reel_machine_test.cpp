// The reel layer and the multi-line family without a screen: reel picture
// names, the pay-table builders, line evaluation with line restrictions,
// and the settle.
#include <gtest/gtest.h>

#include <iomanip>
#include <sstream>
#include <string>
#include <vector>

#include "machine/multi_line.h"
#include "player/machine_stats.h"
#include "player/player.h"
#include "support/headless.h"

namespace {

// A multi-line machine whose tables are whatever the test declares; never
// put on the screen.
class LineTableMachine : public MultiLineMachine {
public:
    LineTableMachine() {
        name = "5linedouble";  // an id the player's statistics know
        reelCount = 3;
        maxLines = 5;
        maxCoins = 5;
        coins = 1;
        menuEnabled = true;
    }

    int adjustLinePay(const ReelSymbolList&, LinePay* p) override { return p->award; }
    void buildLinePays() override {}
    void buildReelGraphics() override {}
    void declareSymbols() override {}
    void buildPaylines() override {}
    void loadPaylineImages() override {}
    void onReelStop(int) override {}
    void playWinSound() override {}

    void stopOn(const std::vector<std::string>& pictures) {
        chosenGraphics.clear();
        for (const std::string& p : pictures)
            for (const auto& g : reelGraphics)
                if (g->name == p) chosenGraphics.push_back(g.get());
        ASSERT_EQ(chosenGraphics.size(), pictures.size());
    }
};

// A small dice-like table: the wild joins every three of a kind; three
// wilds pay 100 on line 2 only.
void defineSmallTable(LineTableMachine& m) {
    m.addSymbol("blank", 0);
    m.addSymbol("gold", 4);
    m.addSymbol("bar", 2);
    m.addSymbol("2bar", 2);
    m.addSymbol("wild", 10);
    m.addReelGraphics({"gold_blank_bar", "bar_blank_wild", "blank_2bar_blank", "wild_gold_blank", "blank_wild_2bar"});
    addLinePayRows(m, {
                          {LineRule::OneOf, {"gold"}, 2, -1},
                          {LineRule::TwoOf, {"gold", "wild"}, 5, -1},
                          {LineRule::ThreeOfAKind, {"gold", "wild"}, 10, -1},
                          {LineRule::SymbolPlus, {"bar", "2bar", "wild"}, 4, -1},
                          {LineRule::ThreeOfAKind, {"bar", "wild"}, 20, -1},
                          {LineRule::ThreeOfAKind, {"wild"}, 100, 2},
                      });
    addPaylineRows(m, {{1, {1, 1, 1}, 0, 0}, {2, {0, 0, 0}, 0, 0}, {3, {2, 2, 2}, 0, 0},
                       {4, {2, 1, 0}, 0, 0}, {5, {0, 1, 2}, 0, 0}});
}

}  // namespace

TEST(ReelRecords, UnknownPartsOfAPictureNameAreLeftOutAndReported) {
    LineTableMachine m;
    m.addSymbol("blank", 0);
    m.addSymbol("bar", 3);
    testing::internal::CaptureStdout();
    ReelGraphic bad("bar_cherry_blank", m.symbols);
    std::string out = testing::internal::GetCapturedStdout();

    // The picture has two rows, and reading a third gives nothing instead
    // of another row's symbol.
    ASSERT_EQ(bad.symbols.size(), 2u);
    EXPECT_EQ(bad.symbolAt(1)->name, "blank");
    EXPECT_EQ(bad.symbolAt(2), nullptr);
    EXPECT_EQ(bad.symbolAt(-1), nullptr);
    EXPECT_NE(out.find("The ReelGraphic bar_cherry_blank is probably named incorrectly. Wasn't able to find cherry"),
              std::string::npos);
    // A picture whose symbols weigh nothing gets no draw numbers.
    EXPECT_EQ(ReelGraphic("blank_blank_blank", m.symbols).drawShare(), 0);
}

class MultiLineSettle : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testrt::startHeadless("Line_Tester", 0.0, false)); }
    void TearDown() override { testrt::stopHeadless(); }
};

TEST_F(MultiLineSettle, OnlyPlayedLinesPayThenTheBetIsTakenThePlayRecordedAndTheWinCounted) {
    ReelMachine::countUpDelay = 0;
    LineTableMachine m;
    defineSmallTable(m);
    // Top row: wild wild wild (line 2); middle: gold 2bar wild; bottom: blank
    // blank 2bar.
    m.stopOn({"wild_gold_blank", "wild_gold_blank", "bar_blank_wild"});
    // Line 1 (middle): gold gold blank = 5; + line 2 (top: wild wild bar -> bar
    // three of a kind 20) + line 3 (bottom: blank blank wild = 0); more coins
    // per line multiply the whole win.
    std::string wins;
    for (auto [lines, coins] : {std::pair{1, 1}, {3, 3}, {3, 1}}) {
        m.lines = lines;
        m.coins = coins;
        m.evaluateLines();
        wins += std::to_string(m.win) + " ";
    }
    ASSERT_EQ(wins, "5 75 25 ");

    // Settling that last play of 3 lines of 1 coin at 0.25.
    m.setDenomination(0.25f);
    m.credits = 40;
    m.menuEnabled = false;
    m.spinning = true;
    m.settle();

    const MachineStats* s = currentPlayer->findStats("5linedouble");
    ASSERT_NE(s, nullptr);
    std::ostringstream state;
    state << std::setprecision(17) << "credits=" << m.credits << " lines=" << m.lines << " coins=" << m.coins
          << " idle=" << (m.menuEnabled && !m.spinning) << " won=" << s->spinswon << " bet=$" << s->totalloss.inDollars()
          << " paid=$" << s->totalwon.inDollars();
    EXPECT_EQ(state.str(), "credits=62 lines=0 coins=1 idle=1 won=1 bet=$0.75 paid=$6.25");

    // A huge win stops at the largest credit count.
    m.credits = 2147483000;
    m.lines = 1;
    m.win = 5000;
    m.settle();
    EXPECT_EQ(m.credits, 2147483647);
}

// The count-up of the reel families steps by what is already paid (twenty of
// 1, sixteen of 5, ninety of 10, then 100s) and takes 400 steps at most: a
// win those steps can't pay in 400 is paid whole by the 400th. 126 steps pay
// the first 1000, so 400 steps of the rule pay 28,400 exactly.
TEST_F(MultiLineSettle, TheCountUpOfAHugeWinTakesFourHundredStepsAtMost) {
    ReelMachine::countUpDelay = 0;
    LineTableMachine m;
    const struct {
        int win, steps;
    } cases[] = {{1000, 126}, {28300, 399}, {28400, 400}, {28401, 400}, {1000000, 400}, {2000000000, 400}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.win);
        m.credits = 5;
        m.win = c.win;
        EXPECT_EQ(m.countUpWin(), c.steps);
        EXPECT_EQ(m.credits, 5 + c.win);
    }
}
