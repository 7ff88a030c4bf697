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

struct Setup {
    Setup() {
        testrt::setUp();  // a throw-away save folder for the bench player
        sgenrand(5489);
        buildDenominationTable();
        currentPlayer = new Player();
        currentPlayer->name = "Bench_Player";
    }
    ~Setup() {
        delete currentPlayer;
        currentPlayer = nullptr;
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
