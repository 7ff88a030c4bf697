// How fast the three-reel draw runs: the hidden pay-out test (10000 test
// plays with the statistics rule, nothing drawn) and a million bare draws,
// both on the 10X table.
#include <benchmark/benchmark.h>

#include <iostream>
#include <sstream>

#include "machine/denomination.h"
#include "machine/three_reel_test_machine.h"
#include "player/player.h"
#include "shell/mtrand.h"
#include "support/runtime.h"

namespace {

// The 10X table, written out as the machine writes it (the real machine
// would need a screen).
void defineTenXTable(TableMachine& m) {
    m.addSymbol("blank", 9);
    for (const char* n : {"x", "bar", "2bar", "3bar", "10bar", "wild"}) m.addSymbol(n, 2);
    m.addPlainWild(10);
    SymbolList x = m.symbolList({"x"});
    m.addOneOfRule(x, 2);
    m.addTwoOfRule(x, 5);
    m.addThreeOfAKind(x, 10, 0);
    m.addGroupRule(m.symbolList({"bar", "2bar", "3bar", "10bar"}), 5);
    m.addThreeOfAKind(m.symbolList({"bar"}), 10, 0);
    m.addThreeOfAKind(m.symbolList({"2bar"}), 25, 0);
    m.addThreeOfAKind(m.symbolList({"3bar"}), 40, 0);
    m.addThreeOfAKind(m.symbolList({"10bar"}), 80, 0);
    m.addNoWildRule(m.symbolList({"wild"}), 800, 3, false);
    m.addNoWildRule(m.symbolList({"wild"}), 5000, 3, true);
    m.wildChance = 20;
}

struct Setup {
    Setup() {
        testrt::setUp();  // a throw-away save folder for the bench player
        sgenrand(5489);
        buildDenominationTable();
        currentPlayer = std::make_unique<Player>();
        currentPlayer->name = "Bench_Player";
    }
    ~Setup() {
        currentPlayer.reset();
        freeDenominationTable();
    }
};

void BM_PayoutTest10000(benchmark::State& state) {
    Setup setup;
    TableMachine m;
    defineTenXTable(m);
    m.setDenomination(1.0f);
    m.menuEnabled = true;
    m.credits = 100;
    std::ostringstream sink;
    std::streambuf* old = std::cout.rdbuf(sink.rdbuf());
    for (auto _ : state) {
        m.payoutTest();  // 10000 test plays, each recorded
        sink.str("");
    }
    std::cout.rdbuf(old);
    state.SetItemsProcessed(state.iterations() * Machine::payoutTestPlays);
}
BENCHMARK(BM_PayoutTest10000)->Unit(benchmark::kMillisecond);

void BM_MillionDraws(benchmark::State& state) {
    Setup setup;
    TableMachine m;
    defineTenXTable(m);
    m.coins = static_cast<int>(state.range(0));
    long long won = 0;
    for (auto _ : state) {
        for (int i = 0; i < 1000000; ++i) {
            m.spin();
            won += m.win;
        }
    }
    benchmark::DoNotOptimize(won);
    state.SetItemsProcessed(state.iterations() * 1000000);
}
BENCHMARK(BM_MillionDraws)->Arg(1)->Arg(3)->Unit(benchmark::kMillisecond);

}  // namespace
