// Speed of the poker hand evaluation: every five-card hand of a natural
// machine, and the worst wild-card search (three wild cards).
#include <benchmark/benchmark.h>

#include "poker/hand_eval.h"
#include "poker/pay_tables.h"

namespace {

void BM_ClassifyAllHands(benchmark::State& state) {
    const poker::PayTable& table = *poker::payTableFor("jacksorbetter");
    int rank[52], suit[52];
    for (int i = 0; i < 52; ++i) { rank[i] = 2 + i % 13; suit[i] = i / 13; }
    for (auto _ : state) {
        long paying = 0, hands = 0;
        for (int a = 0; a < 52; ++a)
        for (int b = a + 1; b < 52; ++b)
        for (int c = b + 1; c < 52; ++c)
        for (int d = c + 1; d < 52; ++d)
        for (int e = d + 1; e < 52; ++e) {
            const int r[5] = {rank[a], rank[b], rank[c], rank[d], rank[e]};
            const int s[5] = {suit[a], suit[b], suit[c], suit[d], suit[e]};
            paying += poker::payFor(table, poker::handShape(r, s, false, table.pairMinRank), 1).payPerCoin > 0;
            ++hands;
        }
        benchmark::DoNotOptimize(paying);
        state.counters["hands"] = static_cast<double>(hands);
        state.counters["paying"] = static_cast<double>(paying);
    }
}
BENCHMARK(BM_ClassifyAllHands)->Unit(benchmark::kMillisecond);

void BM_ThreeWildSearch(benchmark::State& state) {
    const char* machine = state.range(0) == 0 ? "allwild" : "deuceswild";
    const poker::PayTable& table = *poker::payTableFor(machine);
    // Three wild cards and two unmatched ordinary cards: nothing prunes the search.
    Card cards[5] = {{0, 2, false, false}, {1, 2, false, false}, {2, 2, false, false},
                     {3, 9, false, false}, {1, 4, false, false}};
    if (state.range(0) == 0) cards[2] = {0, 0, false, false};
    const Card* five[5] = {&cards[0], &cards[1], &cards[2], &cards[3], &cards[4]};
    for (auto _ : state) {
        poker::WildSearch search(table, 5);
        const poker::Evaluation e = search.run(five);
        benchmark::DoNotOptimize(e.payPerCoin);
        state.counters["trials"] = static_cast<double>(search.trials);
        state.counters["pay"] = e.payPerCoin;
    }
}
BENCHMARK(BM_ThreeWildSearch)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
