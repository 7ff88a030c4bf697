// One full-bet pull of a three-reel machine in the whole game, on a clock
// that moves only by the rests and pauses the game takes, played through or
// cut by a window close (or a stop signal) at one moment of it. A moment is
// each rest and each timed pause the game takes after the pull. The save
// file can be read at every moment, and is read once the game has closed.
#pragma once

#include <gtest/gtest.h>

#include <csignal>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "game/machine_factory.h"
#include "machine/machine.h"
#include "player/player.h"
#include "player/save_files.h"
#include "shell/app.h"
#include "shell/mtrand.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace keptplay {

inline const char* const kPlayer = "Kept_Play";
// The save file's money before the pull: $20 in the account and $20 of
// credits at $1 a coin.
inline constexpr double kMoneyBefore = 40.0;

struct PlayRun {
    std::string save;            // the save file once the game has closed
    double finalMoney = -1;      // its money
    std::vector<double> money;   // the save file's money at each moment (when looked at)
    std::vector<bool> inBonus;   // the part under test was running at that moment
    std::vector<bool> isPause;   // the moment was a timed pause, not a rest
    std::vector<double> expected;  // what the plan says the save file holds then (when looked at)
    int closedAt = -1;           // the moment the close came at, -1: none
    int pulledWin = 0;           // the machine's win right after the pull's draw
};

struct Plan {
    Plan(const char* machineId, uint32_t drawSeed, std::function<bool(Machine&)> running)
        : id(machineId), seed(drawSeed), inBonus(std::move(running)) {}

    const char* id;
    uint32_t seed;
    std::function<bool(Machine&)> inBonus;       // whether the part under test runs now
    std::function<void(Machine&)> before;        // sets the machine up before the pull (may be empty)
    int closeAt = -1;                            // the moment to close at; -1: played through
    bool bySignal = false;                       // a stop signal rather than a window close
    bool look = false;                           // read the save file at every moment
    // The money the save file should hold at a moment, as the rules give
    // it from what the machine shows then (with `look`; may be empty).
    std::function<double(Machine&)> expected;
    // Runs at each moment until the close, before it comes (the player's
    // input for the part under test, say; may be empty).
    std::function<void(Machine&)> atMoment;
};

inline PlayRun play(const Plan& plan) {
    using testrt::testClock;
    savefiles::returningPlayer(kPlayer, "female", "40");
    testrt::startGame();
    testrt::typeMoney("20");
    std::unique_ptr<Screen> made = createMachine(plan.id, 1.0f);
    Machine* m = dynamic_cast<Machine*>(made.get());
    PlayRun run;
    EXPECT_NE(m, nullptr) << plan.id;
    if (!m) {
        testrt::stopGame();
        return run;
    }
    theApp->setScreen(std::move(made));
    if (plan.bySignal) installStopSignalHandlers();

    testClock.stop(1000, 0);
    testClock.pausesWait = false;
    bool ended = false;
    auto moment = [&](bool pause) {
        if (run.closedAt >= 0 || ended) return;
        // Played through: once the play is paid, the window closes.
        if (!m->spinning && !m->drawn.active) {
            ended = true;
            testrt::pushQuit();
            return;
        }
        const int index = static_cast<int>(run.inBonus.size());
        run.inBonus.push_back(plan.inBonus(*m));
        run.isPause.push_back(pause);
        if (plan.look) run.money.push_back(savefiles::savedMoney(kPlayer));
        if (plan.look && plan.expected) run.expected.push_back(plan.expected(*m));
        if (plan.atMoment) plan.atMoment(*m);
        if (index == plan.closeAt) {
            run.closedAt = index;
            if (plan.bySignal)
                std::raise(SIGTERM);
            else
                testrt::pushQuit();
        }
    };
    testClock.atRest = [&](Uint32) { moment(false); };
    testClock.atPause = [&](Uint32) { moment(true); };

    if (plan.before) plan.before(*m);
    seedGenerators(plan.seed);
    m->handleEvent(testrt::keyEvent(SDLK_m));  // bet max
    run.pulledWin = m->win;
    EXPECT_TRUE(m->spinning) << plan.id;
    EXPECT_EQ(runFrameLoop(), 0);
    testrt::stopGame();

    testClock.atRest = nullptr;
    testClock.atPause = nullptr;
    if (plan.bySignal)
        for (int stop : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) std::signal(stop, SIG_DFL);
    clearQuitRequest();
    testrt::drainEvents();
    run.save = testrt::readFile(savefiles::savePath(kPlayer));
    run.finalMoney = savefiles::savedMoney(kPlayer);
    return run;
}

// At every moment the save file held what the plan expected.
inline void expectKeptAtEveryMoment(const PlayRun& run, const char* id) {
    ASSERT_EQ(run.money.size(), run.expected.size()) << id;
    int wrong = 0;
    for (size_t i = 0; i < run.money.size() && wrong < 5; ++i)
        if (run.money[i] != run.expected[i]) {
            ++wrong;
            ADD_FAILURE() << id << ": at moment " << i << (run.inBonus[i] ? " (in the part)" : "")
                          << " the save file holds $" << run.money[i] << ", the play drawn so far leaves $"
                          << run.expected[i];
        }
}

// The moments at which the part under test ran, in order.
inline std::vector<int> bonusMoments(const PlayRun& run) {
    std::vector<int> moments;
    for (size_t i = 0; i < run.inBonus.size(); ++i)
        if (run.inBonus[i]) moments.push_back(static_cast<int>(i));
    return moments;
}

// A few moments of the part: its first, its last but one and some between.
// (Its very last moment may be a rest that the sound's own timing adds or
// leaves out, so a run may never reach it.)
inline std::vector<int> someOf(const std::vector<int>& moments, int count = 4) {
    std::vector<int> picked;
    if (moments.empty()) return picked;
    const size_t usable = moments.size() > 1 ? moments.size() - 1 : 1;
    for (int k = 0; k < count; ++k) {
        const int at = moments[usable * k / count];
        if (picked.empty() || picked.back() != at) picked.push_back(at);
    }
    if (picked.back() != moments[usable - 1]) picked.push_back(moments[usable - 1]);
    return picked;
}

// The moments from the pull up to the part under test: the reels turn.
inline std::vector<int> momentsBeforeThePart(const PlayRun& run) {
    std::vector<int> moments;
    for (size_t i = 0; i < run.inBonus.size() && !run.inBonus[i]; ++i) moments.push_back(static_cast<int>(i));
    return moments;
}

// Every moment from the pull on the save file held `money`.
inline void expectHeldFromThePull(const PlayRun& run, double money, const char* id) {
    ASSERT_FALSE(run.money.empty()) << id;
    int wrong = 0;
    for (size_t i = 0; i < run.money.size() && wrong < 5; ++i)
        if (run.money[i] != money) {
            ++wrong;
            ADD_FAILURE() << id << ": at moment " << i << (run.inBonus[i] ? " (in the part)" : " (the reels turn)")
                          << " the save file holds $" << run.money[i] << ", the play as drawn at the pull $" << money;
        }
}

// The played-through run of the plan, then a close at several moments of
// the part under test (the last by a stop signal) and at two while the
// reels turn before it: each closed run leaves the save file byte for byte
// as the played-through one. Returns the played-through run.
inline PlayRun expectCloseKeepsThePlay(Plan plan) {
    plan.closeAt = -1;
    const PlayRun through = play(plan);
    const std::vector<int> moments = bonusMoments(through);
    EXPECT_FALSE(moments.empty()) << plan.id << " seed " << plan.seed << ": the part under test never ran";
    std::vector<int> closes = someOf(momentsBeforeThePart(through), 2);
    for (int at : someOf(moments)) closes.push_back(at);
    for (size_t k = 0; k < closes.size(); ++k) {
        Plan closing = plan;
        closing.closeAt = closes[k];
        closing.bySignal = k + 1 == closes.size() && !moments.empty();
        const PlayRun closed = play(closing);
        EXPECT_EQ(closed.closedAt, closes[k]) << plan.id;
        EXPECT_EQ(closed.save, through.save)
            << plan.id << " seed " << plan.seed << ": closed at moment " << closes[k] << " of "
            << through.inBonus.size() << (closing.bySignal ? " by a stop signal" : " by a window close");
    }
    return through;
}

}  // namespace keptplay
