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
#include "support/runtime.h"

namespace {

const char* const settings = "[global]\nplayers=Bench_Mark\nlastplayer=Bench_Mark\nfirsttimeever=0\n";

void prepareRuntime() {
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    testrt::setUp();
    testrt::resetFiles(settings);
    testrt::writeFile(testrt::root() + "/save/Bench_Mark.save",
                      "[Bench_Mark]\ngender=male\nmoney=500\nfirsttimelobby=0\nfirsttimeslot=0\n");
}

void startApp() {
    SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO);
    theApp = new App(SDL_ANYFORMAT);
}

void stopApp() {
    delete theApp;
    theApp = nullptr;
    SDL_Quit();
}

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
    prepareRuntime();
    for (auto _ : state) {
        startApp();
        theApp->pollEvent();
        theApp->step();
        state.PauseTiming();
        stopApp();
        testrt::resetFiles(settings);
        testrt::writeFile(testrt::root() + "/save/Bench_Mark.save",
                          "[Bench_Mark]\ngender=male\nmoney=500\nfirsttimelobby=0\n");
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_IdleFrameOverLobby(benchmark::State& state) {
    prepareRuntime();
    startApp();
    for (auto _ : state) {
        theApp->pollEvent();
        theApp->step();
    }
    stopApp();
}
BENCHMARK(BM_IdleFrameOverLobby)->Unit(benchmark::kMicrosecond);

void BM_IdleFrameOverEmptyScreen(benchmark::State& state) {
    prepareRuntime();
    startApp();
    theApp->setScreen(new EmptyScreen());
    for (auto _ : state) {
        theApp->pollEvent();
        theApp->step();
    }
    stopApp();
}
BENCHMARK(BM_IdleFrameOverEmptyScreen)->Unit(benchmark::kMicrosecond);

}  // namespace
