// How much of a processor the game takes while nothing happens, and how
// soon hover feedback follows the mouse.
//
//   CPU (counter cpu_percent: processor time per wall time, all threads) for
//   about 1.5 s each of the lobby at rest, a machine at rest and a help page
//   waiting for a click, and for one whole reel spin from pull to settle
//   (which also reports its length, spin_ms). Each runs with the game's
//   rests (rest:1) and without any (rest:0: the loops as they were before
//   they rested; its timed pauses then wait busily). Goal: under 2% of one
//   core at rest, no slower spin.
//   Hover latency (hover_ms, the worst of ten): from a lobby machine coming
//   under the mouse right after a hover look to the machine's hover look,
//   with the mouse moving onto it (moved:1) or standing still (moved:0);
//   goal under 60 ms.
#include <benchmark/benchmark.h>

#include <SDL.h>

#include <chrono>
#include <cstdlib>
#include <ctime>

#include "game/machine_factory.h"
#include "machine/machine.h"
#include "machine/slot_cabinet.h"
#include "shell/app.h"
#include "shell/clock.h"
#include "shell/mtrand.h"
#include "shell/screen.h"
#include "shell/waiting.h"
#include "bench_app.h"
#include "support/runtime.h"

namespace {

const Uint32 windowMs = 1500;

double processSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double wallSeconds() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

// The real clock with the frame loop's and the modal loops' rest watched:
// it ends the loop being measured when its time is up or its condition is
// met, and else rests as the game does (or, for rest:0, not at all, as the
// loops were).
bool resting = true;
Uint32 until = 0;
bool (*done)() = nullptr;

class WatchedClock : public RealClock {
public:
    void rest(Uint32 ms) override {
        if (theApp && (SDL_GetTicks() >= until || (done && done()))) {
            theApp->quit = 1;
            return;
        }
        if (resting) RealClock::rest(ms);
    }
};
WatchedClock watchedClock;

// Runs `loop` until it returns (its end is set by watchedRest) and records
// the processor time it took per wall second.
template <typename Loop>
void measure(benchmark::State& state, Loop loop) {
    resting = state.range(0) != 0;
    installClock(&watchedClock);
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        theApp->quit = 0;
        until = SDL_GetTicks() + windowMs;
        const double c0 = processSeconds(), w0 = wallSeconds();
        loop();
        cpu += processSeconds() - c0;
        wall += wallSeconds() - w0;
    }
    theApp->quit = 0;
    installClock(nullptr);
    done = nullptr;
    state.counters["cpu_percent"] = 100.0 * cpu / wall;
}

void pushReturn() {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.sym = SDLK_RETURN;
    e.key.keysym.unicode = '\r';
    SDL_PushEvent(&e);
}

// The 10X machine with 500 credits, its entry prompt answered with Return.
Machine* openMachine() {
    pushReturn();
    std::unique_ptr<Screen> machine = createMachine("10x", 1.0f);
    auto* m = static_cast<Machine*>(machine.get());
    theApp->setScreen(std::move(machine));
    m->credits = 500;
    return m;
}

void BM_LobbyAtRest(benchmark::State& state) {
    benchapp::prepareRuntime("Rest_Bench", "5000");
    benchapp::startApp();
    measure(state, [] { runFrameLoop(); });
    benchapp::stopApp();
}
BENCHMARK(BM_LobbyAtRest)->ArgName("rest")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_MachineAtRest(benchmark::State& state) {
    benchapp::prepareRuntime("Rest_Bench", "5000");
    benchapp::startApp();
    openMachine();
    measure(state, [] { runFrameLoop(); });
    benchapp::stopApp();
}
BENCHMARK(BM_MachineAtRest)->ArgName("rest")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

Machine* spinning = nullptr;

void BM_ReelSpin(benchmark::State& state) {
    benchapp::prepareRuntime("Rest_Bench", "5000");
    benchapp::startApp();
    spinning = openMachine();
    double spinMs = 0;
    measure(state, [&] {
        sgenrand(7);
        spinning->coins = 1;
        spinning->pull();
        done = [] { return !spinning->spinning; };
        until = SDL_GetTicks() + 20000;
        const Uint32 start = SDL_GetTicks();
        runFrameLoop();
        spinMs += SDL_GetTicks() - start;
    });
    state.counters["spin_ms"] = spinMs / static_cast<double>(state.iterations());
    benchapp::stopApp();
}
BENCHMARK(BM_ReelSpin)->ArgName("rest")->Arg(0)->Arg(1)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_HelpPageWaiting(benchmark::State& state) {
    benchapp::prepareRuntime("Rest_Bench", "5000");
    benchapp::startApp();
    openMachine();
    measure(state, [] { showSlotHelpPages(); });
    benchapp::stopApp();
}
BENCHMARK(BM_HelpPageWaiting)->ArgName("rest")->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

Widget* hoverTarget = nullptr;

// moved:1 the mouse moves onto the machine (a motion event); moved:0 the
// machine comes under a mouse that stands still (no event: only the
// counted hover look finds it).
void BM_HoverLatency(benchmark::State& state) {
    benchapp::prepareRuntime("Rest_Bench", "5000");
    benchapp::startApp();
    Screen* lobby = theApp->screen.get();
    hoverTarget = lobby->buttons.empty() ? nullptr : lobby->buttons.front().get();
    if (!hoverTarget) {
        state.SkipWithError("the lobby has no controls");
        benchapp::stopApp();
        return;
    }
    installClock(&watchedClock);
    resting = true;
    double worst = 0;
    for (auto _ : state) {
        // Away from every control, then onto the machine just after a look.
        SDL_WarpMouse(0, 0);
        lobby->setHovered(nullptr);
        SDL_Event e;
        while (SDL_PollEvent(&e)) {
        }
        lobby->hoverCounter = 1;
        SDL_WarpMouse(static_cast<Uint16>(hoverTarget->x + hoverTarget->width() / 2),
                      static_cast<Uint16>(hoverTarget->y + hoverTarget->height() / 2));
        if (state.range(0) == 0)
            while (SDL_PollEvent(&e)) {
            }
        done = [] { return theApp->screen->hovered == hoverTarget; };
        until = SDL_GetTicks() + 1000;
        theApp->quit = 0;
        const double start = wallSeconds();
        runFrameLoop();
        const double ms = (wallSeconds() - start) * 1000.0;
        if (ms > worst) worst = ms;
    }
    theApp->quit = 0;
    installClock(nullptr);
    done = nullptr;
    state.counters["hover_ms"] = worst;
    benchapp::stopApp();
}
BENCHMARK(BM_HoverLatency)->ArgName("moved")->Arg(0)->Arg(1)->Iterations(10)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
