// The three-reel machines' symbols, wilds and rule builders against small
// hand-made tables.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "machine/three_reel_test_machine.h"

namespace {

std::set<std::string> names(const SymbolList& list) {
    std::set<std::string> out;
    for (Symbol* s : list) out.insert(s ? s->name : "<null>");
    return out;
}

// Machine with symbols a, b, c, blank and a declared "wild" plus its wild.
void smallTable(TableMachine& m) {
    for (const char* n : {"blank", "a", "b", "c", "wild"}) m.addSymbol(n, 1);
    m.addPlainWild(2);
}

}  // namespace

TEST(ThreeReelRules, SymbolPicturesAndLookup) {
    Symbol one("x", 1);
    srand(7);
    int before = rand();
    srand(7);
    EXPECT_EQ(one.pictureName(), "x.png.0");
    EXPECT_EQ(rand(), before) << "a symbol with one picture draws no random number";

    Symbol two("bar", 2);
    std::set<std::string> seen;
    for (int i = 0; i < 200; ++i) seen.insert(two.pictureName());
    EXPECT_EQ(seen, (std::set<std::string>{"bar.png.0", "bar.png.1"}));

    TableMachine m;
    m.addSymbol("blank", 9);
    m.addArrowSymbol("arrowup_yellowballoon", 3, symbolArrowUp);
    EXPECT_EQ(m.findSymbol("yellowballoon")->name, "arrowup_yellowballoon");
    EXPECT_EQ(m.findSymbol("yellowballoon")->kind, symbolArrowUp);

    testing::internal::CaptureStdout();
    EXPECT_EQ(m.findSymbol("cherry"), nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), " Could not find symbol: cherry\n");

    // A list naming an undeclared symbol reports it and leaves it out.
    testing::internal::CaptureStdout();
    SymbolList l = m.symbolList({"blank", "ghost"});
    EXPECT_EQ(testing::internal::GetCapturedStdout(), " Could not find symbol: ghost\n");
    EXPECT_EQ(names(l), std::set<std::string>{"blank"});
}

TEST(ThreeReelRules, WildSubstitutesAndReelLists) {
    TableMachine m;
    smallTable(m);
    WildSymbol* w = m.wilds[0];
    EXPECT_EQ(w->kind, symbolWild);
    EXPECT_EQ(w->multiplier, 2);
    EXPECT_EQ(names(w->substituteList), (std::set<std::string>{"blank", "a", "b", "c"}));
    EXPECT_FALSE(w->substitutes(m.findSymbol("wild")));

    PayRule r;
    // Reels are filled in order; a skipped reel still gets its (empty) list.
    r.addSymbol(0, m.symbols[1]);
    r.addSymbol(2, m.symbols[2]);
    ASSERT_EQ(r.accepted.size(), 3u);
    EXPECT_TRUE(r.accepted[1].empty());
    EXPECT_FALSE(r.showable(3));
    EXPECT_EQ(r.pickChosenSymbol(1), nullptr);
}

TEST(ThreeReelRules, OneOfAndTwoOfLeaveWildsOutOfOthers) {
    TableMachine m;
    smallTable(m);
    m.addOneOfRule(m.symbolList({"a"}), 2, 0.1f);
    m.addTwoOfRule(m.symbolList({"a"}), 5, 0.2f);
    ASSERT_EQ(m.payRules.size(), 6u);
    const std::set<std::string> others{"blank", "b", "c"};
    for (int k = 0; k < 3; ++k) {
        const PayRule& one = m.payRules[k];
        EXPECT_EQ(one.award, 2);
        EXPECT_FLOAT_EQ(one.share, 0.1f);
        EXPECT_EQ(one.wildReels, 0u);
        EXPECT_EQ(one.reelCount, -1);
        for (int reel = 0; reel < 3; ++reel)
            EXPECT_EQ(names(one.accepted[reel]), reel == k ? std::set<std::string>{"a"} : others);
    }
    // Two-of: L/L/O wild 0; O/L/L wild 1; L/O/L wild 2.
    const int otherReel[3] = {2, 0, 1};
    for (int k = 0; k < 3; ++k) {
        const PayRule& two = m.payRules[3 + k];
        EXPECT_EQ(two.wildReels, 1u << k);
        for (int reel = 0; reel < 3; ++reel)
            EXPECT_EQ(names(two.accepted[reel]), reel == otherReel[k] ? others : std::set<std::string>{"a"});
    }
}

TEST(ThreeReelRules, GroupRulesAcceptExactlyTheMixedCombinations) {
    TableMachine m;
    for (const char* n : {"p", "q", "r", "s"}) m.addSymbol(n, 1);
    m.addGroupRule(m.symbols, 5, 0.2f);
    int covered = 0;
    for (Symbol* a : m.symbols)
        for (Symbol* b : m.symbols)
            for (Symbol* c : m.symbols) {
                PayRule probe;
                probe.addSymbol(0, a);
                probe.addSymbol(1, b);
                probe.addSymbol(2, c);
                bool any = false;
                for (const PayRule& r : m.payRules) any = any || probe.coversChosen(r);
                bool allSame = a == b && b == c;
                EXPECT_EQ(any, !allSame) << a->name << b->name << c->name;
                covered += any;
            }
    EXPECT_EQ(covered, 64 - 4);
}

TEST(ThreeReelRules, CoversChosen) {
    TableMachine m;
    smallTable(m);
    PayRule shown;
    shown.addSymbol(0, m.findSymbol("a"));
    shown.addSymbol(1, m.findSymbol("b"));
    shown.addSymbol(2, m.findSymbol("a"));
    m.addTwoOfRule(m.symbolList({"a"}), 5, 0.2f);
    EXPECT_FALSE(shown.coversChosen(m.payRules[0]));  // L/L/O: reel 1 shows b, not a
    EXPECT_TRUE(shown.coversChosen(m.payRules[2]));   // L/O/L
    PayRule nothing;
    EXPECT_TRUE(nothing.coversChosen(m.payRules[0]));
}

TEST(ThreeReelRules, UndeclaredNamesAreLeftOutOfRules) {
    TableMachine m;
    smallTable(m);
    testing::internal::CaptureStdout();
    SymbolList list{m.findSymbol("a"), m.findSymbol("nosuch")};
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out, " Could not find symbol: nosuch\n");
    m.addThreeOfAKind(list, 10, 0.1f, 0);
    for (const SymbolList& reel : m.payRules[0].accepted) {
        ASSERT_EQ(reel.size(), 1u);
        EXPECT_NE(reel[0], nullptr);
    }
    // A rule whose every name was unknown keeps empty lists and cannot be shown.
    m.addThreeOfAKind(SymbolList{nullptr}, 10, 0.1f, 0);
    EXPECT_FALSE(m.payRules[1].showable(3));
}
