// Speed of the poker hand evaluation: every five-card hand of a natural
// machine, the worst wild-card search (three wild cards), and every deal of
// the deuce and all-wild decks counted by hand.
#include <benchmark/benchmark.h>

#include <vector>

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

// Every deal of a wild machine's deck, counted by the hand the search
// reports. Deals differ only in their ordinary cards and in how many wild
// cards they hold, so each set of ordinary cards is searched once and
// counted for every choice of that many wild cards. Figures: deuces wild
// four of a kind 31552 and full house 12672 of 2598960 deals; all wild
// straight 109068 and three of a kind 570900 of 3162510.
void BM_WildDealCounts(benchmark::State& state) {
    const char* machine = state.range(0) == 0 ? "deuceswild" : "allwild";
    const poker::PayTable& table = *poker::payTableFor(machine);
    const int wildCards = table.wild == poker::WildKind::Deuces ? 4 : 6;
    std::vector<Card> ordinary;
    for (int s = 0; s < 4; ++s)
        for (int r = 2; r <= 14; ++r)
            if (!poker::isWild(table.wild, r)) ordinary.push_back({s, r, false, false});
    auto choose = [](int n, int k) {
        long long c = 1;
        for (int i = 1; i <= k; ++i) c = c * (n - k + i) / i;
        return k < 0 || k > n ? 0LL : c;
    };
    for (auto _ : state) {
        long long counts[static_cast<int>(poker::Hand::Count)] = {0};
        const int n = static_cast<int>(ordinary.size());
        for (int k = 0; k <= 5 && k <= wildCards; ++k) {
            const int m = 5 - k;
            int pick[5] = {0, 1, 2, 3, 4};
            for (;;) {
                Card cards[5];
                const Card* five[5];
                for (int i = 0; i < 5; ++i) {
                    // The deuce stands for any wild card: each is tried as every card.
                    cards[i] = i < m ? ordinary[static_cast<size_t>(pick[i])] : Card{0, 2, false, false};
                    five[i] = &cards[i];
                }
                poker::WildSearch search(table, 1);
                counts[static_cast<int>(search.run(five).hand)] += choose(wildCards, k);
                int i = m - 1;
                while (i >= 0 && pick[i] == n - m + i) --i;
                if (i < 0) break;
                ++pick[i];
                for (int j = i + 1; j < m; ++j) pick[j] = pick[j - 1] + 1;
            }
        }
        for (int h = 1; h < static_cast<int>(poker::Hand::Count); ++h)
            if (counts[h]) state.counters[poker::handName(static_cast<poker::Hand>(h))] = static_cast<double>(counts[h]);
    }
}
BENCHMARK(BM_WildDealCounts)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
