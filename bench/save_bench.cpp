// Reading and writing a save file: a profile as the game writes it (the
// player's group and the fifty machine records), and the same profile in a
// file grown to about 10 MB by groups and keys the game does not write
// (which it keeps): once as many small groups, once as one group with very
// many keys.
//
//   load: the profile made from its file, as at start-up or a player switch;
//   save: saveNow, which reads the file again and replaces it whole.
//
// Both must stay in proportion to the file's size: a 10 MB file well under a
// second.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "player/machine_stats.h"
#include "player/player.h"
#include "shell/ini.h"
#include "support/runtime.h"
#include "bench_app.h"

namespace {

const char* const player = "Bench_Mark";
const size_t bigFile = 10u << 20;

enum class Shape { Normal, ManyGroups, OneBigGroup };

std::string savePath() { return testrt::root() + "/save/" + player + ".save"; }

// The file a player who has played every machine has.
std::string normalProfile() {
    std::string text = std::string("[") + player +
                       "]\ngender=male\nmoney=12345.5\nvippoints=678.25\nfirsttime=1\nfirsttimelobby=0\n"
                       "firsttimeslot=0\nfirsttimenickle=0\nfirsttimepoker=0\ntrophies=car,boat\n";
    int n = 0;
    for (const std::string& id : statsMachineIds()) {
        ++n;
        text += "\n[" + id + "]\ntotalwon=" + std::to_string(n * 37) + ".25\ntotalloss=" + std::to_string(n * 41) +
                ".5\nhours=" + std::to_string(n % 7) + "\nminutes=" + std::to_string(n % 60) +
                "\nspinswon=" + std::to_string(n * 13) + "\nspinslost=" + std::to_string(n * 29) +
                "\nwinningstreak=3\nlosingstreak=9\nlargestsinglewin=" + std::to_string(n * 5) +
                "\nnumberofhighpays=2\nnumberoflowpays=" + std::to_string(n * 11) + "\n";
    }
    return text;
}

std::string profileOf(Shape shape) {
    std::string text = normalProfile();
    if (shape == Shape::Normal) return text;
    text.reserve(bigFile + 4096);
    if (shape == Shape::OneBigGroup) {
        // Notes another tool keeps in the player's own group.
        std::string head = std::string("[") + player + "]\n";
        std::string notes;
        for (long i = 0; text.size() + notes.size() < bigFile; ++i)
            notes += "note" + std::to_string(i) + "=kept by another tool, read back as it was\n";
        text.insert(head.size(), notes);
    } else {
        for (long i = 0; text.size() < bigFile; ++i) {
            const std::string n = std::to_string(i);
            text += "\n[extra" + n + "]\nowner=another tool\nsize=" + n + "\n; a comment kept as it is\nwhen=2024-01-01\n";
        }
    }
    return text;
}

const char* label(Shape shape) {
    return shape == Shape::Normal ? "normal profile" : shape == Shape::ManyGroups ? "10 MB, many groups" : "10 MB, one group";
}

void prepare(Shape shape) {
    benchapp::prepareRuntime(player, "500");
    testrt::writeFile(savePath(), profileOf(shape));
}

void BM_LoadProfile(benchmark::State& state) {
    const Shape shape = static_cast<Shape>(state.range(0));
    prepare(shape);
    state.SetLabel(label(shape));
    for (auto _ : state) {
        auto profile = std::make_unique<Player>(player);
        benchmark::DoNotOptimize(profile->money);
        state.PauseTiming();
        // Left as it was read: the next pass reads the same file.
        profile->fileWritable = false;
        profile.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(profileOf(shape).size()));
}

void BM_SaveNow(benchmark::State& state) {
    const Shape shape = static_cast<Shape>(state.range(0));
    prepare(shape);
    state.SetLabel(label(shape));
    Player profile(player);
    for (auto _ : state) {
        profile.money += 1;
        profile.saveNow();
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(profileOf(shape).size()));
    profile.fileWritable = false;
}

void shapes(benchmark::internal::Benchmark* b) {
    b->ArgNames({"shape"});
    b->Arg(static_cast<int>(Shape::Normal));
    b->Arg(static_cast<int>(Shape::ManyGroups));
    b->Arg(static_cast<int>(Shape::OneBigGroup));
}

BENCHMARK(BM_LoadProfile)->Apply(shapes)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SaveNow)->Apply(shapes)->Unit(benchmark::kMillisecond);

}  // namespace
