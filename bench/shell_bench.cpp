// Start-up and the cost of one idle frame.
//
//   start-up: SDL started, every service created, the lobby built and the
//             first frame stepped (the budget is 300 ms);
//   idle frame: one pass of the frame loop with nothing happening (the
//             budget is 20 us), over the lobby and over an empty screen.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>
#include <string>

#include "player/player.h"
#include "shell/app.h"
#include "shell/screen.h"
#include "bench_app.h"
#include "support/runtime.h"

namespace {


class EmptyScreen : public Screen {
public:
    EmptyScreen() { name = "empty"; }
    void createButtons() override {}
    void tick() override {}
    void checkHover() override { Screen::checkHover(); }
    void handleButton(Widget*) override {}
    void setHovered(Widget* control) override { Screen::setHovered(control); }
    void redraw() override {}
};

void BM_StartUpToFirstFrame(benchmark::State& state) {
    benchapp::prepareRuntime("Bench_Mark", "500");
    for (auto _ : state) {
        benchapp::startApp();
        theApp->pollEvent();
        theApp->step();
        state.PauseTiming();
        benchapp::stopApp();
        benchapp::writeProfile("Bench_Mark", "500");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_IdleFrameOverLobby(benchmark::State& state) {
    benchapp::prepareRuntime("Bench_Mark", "500");
    benchapp::startApp();
    for (auto _ : state) {
        theApp->pollEvent();
        theApp->step();
    }
    benchapp::stopApp();
}
BENCHMARK(BM_IdleFrameOverLobby)->Unit(benchmark::kMicrosecond);

void BM_IdleFrameOverEmptyScreen(benchmark::State& state) {
    benchapp::prepareRuntime("Bench_Mark", "500");
    benchapp::startApp();
    theApp->setScreen(std::make_unique<EmptyScreen>());
    for (auto _ : state) {
        theApp->pollEvent();
        theApp->step();
    }
    benchapp::stopApp();
}
BENCHMARK(BM_IdleFrameOverEmptyScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
