// The three-reel machines' symbols, wilds and rule builders against small
// hand-made tables.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>

#include "machine/three_reel_test_machine.h"

namespace {

// Machine with symbols a, b, c, blank and a declared "wild" plus its wild.
void smallTable(TableMachine& m) {
    for (const char* n : {"blank", "a", "b", "c", "wild"}) m.addSymbol(n, 1);
    m.addPlainWild(2);
}

}  // namespace

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
