// The three-reel machines' rule builders and outcome draw against small
// hand-made tables: which combinations a rule accepts, the slices of the
// draw numbers, a whole-bet rule's span, and tables that would break it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

#include "machine/three_reel_test_machine.h"
#include "shell/mtrand.h"

namespace {

// Symbols a, b, c, blank, wild; the wild doubles and stands for all but "wild".
void threeRuleTable(TableMachine& m) {
    for (const char* n : {"blank", "a", "b", "c", "wild"}) m.addSymbol(n, 1);
    m.addPlainWild(2);
    m.addThreeOfAKind(m.symbolList({"a"}), 10, 0);
    m.addThreeOfAKind(m.symbolList({"b"}), 20, 0);
    m.addNoWildRule(m.symbolList({"c"}), 40, -1, false);
}

}  // namespace

TEST(ThreeReelRules, GroupRulesAcceptExactlyTheMixedCombinations) {
    TableMachine m;
    for (const char* n : {"p", "q", "r", "s"}) m.addSymbol(n, 1);
    m.addGroupRule(m.symbols, 5);
    // Every one of the 64 combinations but the four of one symbol throughout.
    for (Symbol* a : m.symbols)
        for (Symbol* b : m.symbols)
            for (Symbol* c : m.symbols) {
                PayRule probe;
                probe.addSymbol(0, a);
                probe.addSymbol(1, b);
                probe.addSymbol(2, c);
                bool any = false;
                for (const PayRule& r : m.payRules) any = any || probe.coversChosen(r);
                EXPECT_EQ(any, !(a == b && b == c)) << a->name << b->name << c->name;
            }
}

TEST(ThreeReelRules, UndeclaredNamesAreLeftOutOfRules) {
    TableMachine m;
    m.addSymbol("a", 1);
    testing::internal::CaptureStdout();
    SymbolList list{m.findSymbol("a"), m.findSymbol("nosuch")};
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, " Could not find symbol: nosuch\n");
    m.addThreeOfAKind(list, 10, 0);
    for (const SymbolList& reel : m.payRules[0].accepted) {
        ASSERT_EQ(reel.size(), 1u);
        EXPECT_NE(reel[0], nullptr);
    }
    // A rule whose every name was unknown keeps empty lists and cannot be shown.
    m.addThreeOfAKind(SymbolList{nullptr}, 10, 0);
    EXPECT_FALSE(m.payRules[1].showable(3));
}

TEST(ThreeReelDraw, SliceEdgesPickTheirRule) {
    TableMachine m;
    threeRuleTable(m);
    m.coins = 1;
    m.buildActiveRules();
    ASSERT_EQ(m.activeRules.size(), 3u);

    m.wildChance = 0;  // no wilds shown: the win is the award
    // The last number of the first slice, the first of the second, and beyond the last slice: a loss.
    std::string drawn;
    for (long long stop : {m.activeRules[0].rangeEnd, m.activeRules[0].rangeEnd + 1, m.activeRules[2].rangeEnd + 1}) {
        m.forcedStop = stop;
        m.spin();
        drawn += std::to_string(m.result.matched) + "/" + std::to_string(m.win) + " ";
    }
    EXPECT_EQ(drawn, "1/40 1/20 0/0 ");
}

TEST(ThreeReelDraw, TablesThatCannotBeDrawnStillEnd) {
    struct Table {
        const char* what;
        void (*build)(TableMachine&);
        const char* said;  // what the draw must print, if anything
    } tables[] = {
        {"no rule in play at this bet", [](TableMachine& m) {
             threeRuleTable(m);
             m.payRules.clear();
         }, ""},
        {"every combination pays", [](TableMachine& m) {
             m.addSymbol("a", 1);
             m.addSymbol("b", 1);
             m.addGroupRule(m.symbols, 5);
             m.addThreeOfAKind(m.symbolList({"a"}), 10, 0);
             m.addThreeOfAKind(m.symbolList({"b"}), 10, 0);
             m.forcedStop = 10000000;
         }, " No losing combination on 10x\n"},
        {"every symbol named like a wild, awards of 0, no wild chance", [](TableMachine& m) {
             m.addSymbol("wild", 1);
             m.addPlainWild(2);
             m.wilds[0]->substituteList.push_back(m.symbols[0]);
             m.addOneOfRule(m.symbolList({"wild"}), 0);  // "others" are empty: never shown
             m.addThreeOfAKind(m.symbolList({"wild"}), 0, 0);
             m.wildChance = 0;
         }, ""},
        {"no symbols", [](TableMachine&) {}, ""},
    };
    for (const Table& t : tables) {
        TableMachine m;
        t.build(m);
        m.coins = 1;
        testing::internal::CaptureStdout();
        for (int i = 0; i < 50; ++i) m.spin();
        const std::string out = testing::internal::GetCapturedStdout();
        EXPECT_EQ(m.win, 0) << t.what;
        EXPECT_FALSE(m.result.matched) << t.what;
        EXPECT_EQ(m.result.chosen.size(), m.symbols.empty() ? 0u : 3u) << t.what;
        EXPECT_NE(out.find(t.said), std::string::npos) << t.what << ": " << out;
    }
}

// A wild that always comes up shows on two reels at most, multiplies the
// award by its multiplier once for each, and never shows on a rule that
// takes no wild or on a symbol it does not stand for.
TEST(ThreeReelDraw, AtMostTwoWildsASpin) {
    TableMachine m;
    for (const char* n : {"blank", "a", "c", "wild"}) m.addSymbol(n, 1);
    m.addPlainWild(3);
    m.wilds[0]->substituteList.erase(std::find(m.wilds[0]->substituteList.begin(),
                                               m.wilds[0]->substituteList.end(), m.findSymbol("c")));
    m.addThreeOfAKind(m.symbolList({"a"}), 10, 0);
    m.addNoWildRule(m.symbolList({"a"}), 20, -1, false);
    m.addThreeOfAKind(m.symbolList({"c"}), 40, 0);
    m.wildChance = 1;
    const struct {
        int award, coins, win;
        const char* shown;
    } spins[] = {{10, 1, 90, "wild wild a"}, {10, 3, 270, "wild wild a"},
                 {20, 2, 40, "a a a"},       {40, 1, 40, "c c c"}};
    for (const auto& s : spins) {
        m.coins = s.coins;
        m.buildActiveRules();
        for (const PayRule& r : m.activeRules)
            if (r.award == s.award) m.forcedStop = r.rangeStart;
        m.spin();
        std::string shown;
        for (int reel = 0; reel < 3; ++reel) shown += (reel ? " " : "") + m.result.chosenSymbol(reel)->name;
        EXPECT_EQ(shown, s.shown) << s.award;
        EXPECT_EQ(m.win, s.win) << s.award;
    }
}

// What the reels show of a drawn outcome (which of the rule's symbols, which
// picture of a symbol) is picked with the runtime's rand(), rand() % the
// number to choose among, and never with the game's generator: the outcome
// draws after it are the same whatever the reels show.
TEST(ThreeReelDraw, ShownSymbolsAndPicturesArePickedWithTheRuntimeGenerator) {
    TableMachine m;
    m.addSymbol("blank", 9);
    for (const char* n : {"a", "b", "c"}) m.addSymbol(n, 1);
    m.addThreeOfAKind(m.symbolList({"a", "b", "c"}), 10, 0);
    const SymbolList abc = m.symbolList({"a", "b", "c"});
    m.coins = 1;
    m.forcedStop = 0;  // the one rule is drawn; the draw takes nothing from the generator
    for (unsigned seed : {3u, 17u, 2026u}) {
        SCOPED_TRACE(seed);
        srand(seed);
        int draws[5];
        for (int& d : draws) d = rand();

        sgenrand(99);
        srand(seed);
        m.spin();
        ASSERT_TRUE(m.result.matched);
        for (int reel = 0; reel < 3; ++reel) EXPECT_EQ(m.result.chosenSymbol(reel), abc[draws[reel] % 3]) << reel;
        // One picture: nothing is drawn. Nine: the next draw picks one.
        EXPECT_EQ(m.findSymbol("a")->pictureName(), "a.png.0");
        EXPECT_EQ(m.findSymbol("blank")->pictureName(), "blank.png." + std::to_string(draws[3] % 9));
        EXPECT_EQ(rand(), draws[4]);
        EXPECT_EQ(genrand(), std::mt19937(99)()) << "the game's generator moved";
    }
}
