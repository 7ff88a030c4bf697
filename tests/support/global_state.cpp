// Every test leaves the process as it found it: the environment, the sound
// folder, what is known of the files kept, the notice, the clock and input
// source in use and the tests' own (with their recorded pauses), the game's
// hooks and routes, the floor's remembered tabs and machine creators, the
// SDL event queue, and the services a test may make (the App, current player,
// display, sound player and settings), which a test must also delete: one
// left behind fails it. One listener saves them when a test (or a whole
// suite) starts and puts them back when it ends, so the test
// program passes as one process as well as one test at a time.
#include <gtest/gtest.h>

#include <SDL.h>

#include <functional>
#include <string>
#include <vector>

#include "floor/cashier.h"
#include "floor/machine_menu.h"
#include "game/machine_factory.h"
#include "machine/prize_wheel.h"
#include "machine/reel_machine.h"
#include "machine/three_reel.h"
#include "machine/video_slot.h"
#include "machines/threereel/dragon_spin.h"
#include "machines/threereel/gamble_wheel.h"
#include "machines/video/bonus_prize.h"
#include "derby/demo_derby.h"
#include "poker/video_poker.h"
#include "player/config.h"
#include "player/keeping.h"
#include "player/machine_table.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/clock.h"
#include "shell/display.h"
#include "shell/ini.h"
#include "shell/mtrand.h"
#include "shell/notice.h"
#include "shell/routes.h"
#include "shell/screen.h"
#include "shell/sound.h"
#include "shell/waiting.h"
#include "support/headless.h"

extern char** environ;

namespace {

// The saved values, each with the way to put it back.
class Saved {
public:
    void take() {
        undo.clear();
        keepService(theApp, "the application object");
        keepService(currentPlayer, "the current player");
        keepService(display, "the display");
        keepService(soundPlayer, "the sound player");
        keepService(config, "the settings");
        keep(syncWritesToDisk);
        keepInstalled(installWriteFaults, writeFaults());
        keep(keeping);
        keepInstalled(installNoticeBoard, noticeBoard());
        keep(soundDir);
        keep(lastMachineId);
        keep(developmentSeed);
        keep(machinemenu::lastDenominationTab);
        keep(machinemenu::lastCategoryTab);
        keep(ThreeReelMachine::countUpDelay);
        keep(ReelMachine::countUpDelay);
        keep(VideoSlotMachine::flashDelay);
        keep(DragonSpin::pauseMs);
        keep(Cashier::firstRunDelayMs);
        keepInstalled(installClock, gameClock());
        keepInstalled(installInput, gameInput());
        keep(testrt::testClock);
        keep(testrt::testInput);
        keep(appHooks);
        keep(routes);
        keepEnvironment();
        keepMachineCreators();
    }

    void restore() const {
        for (const std::function<void()>& putBack : undo) putBack();
        clearQuitRequest();
        // Events a test pushed and never read.
        if (SDL_WasInit(SDL_INIT_VIDEO)) {
            SDL_Event e;
            while (SDL_PollEvent(&e)) {
            }
        }
    }

private:
    std::vector<std::function<void()>> undo;

    template <class T>
    void keep(T& global) {
        undo.push_back([&global, value = global] { global = value; });
    }

    // The clock or input source in use, put back with its installer.
    template <class T>
    void keepInstalled(T* (*install)(T*), T& inUse) {
        undo.push_back([install, was = &inUse] { install(was); });
    }

    // A service a test makes must also be dropped (or deleted) by it.
    template <class T>
    void keepService(std::unique_ptr<T>& service, const char* what) {
        undo.push_back([&service, value = service.get(), what] {
            EXPECT_EQ(service.get(), value) << what << " was left behind";
            if (!value) service.reset();
        });
    }
    template <class T>
    void keepService(T*& service, const char* what) {
        undo.push_back([&service, value = service, what] {
            EXPECT_EQ(service, value) << what << " was left behind";
            service = value;
        });
    }

    void keepEnvironment() {
        std::vector<std::string> entries;
        for (char** e = environ; *e; ++e) entries.push_back(*e);
        undo.push_back([entries] {
            clearenv();
            for (const std::string& entry : entries) {
                const size_t eq = entry.find('=');
                if (eq != std::string::npos) setenv(entry.substr(0, eq).c_str(), entry.c_str() + eq + 1, 1);
            }
        });
    }

    void keepMachineCreators() {
        std::vector<MachineCreator> creators;
        for (const MachineInfo& m : machineTable()) {
            creators.push_back(replaceMachineCreator(m.id, nullptr));
            replaceMachineCreator(m.id, creators.back());
        }
        undo.push_back([creators] {
            for (size_t i = 0; i < creators.size(); ++i) replaceMachineCreator(machineTable()[i].id, creators[i]);
        });
    }
};

class GlobalStateKeeper : public testing::EmptyTestEventListener {
    Saved suite, test;
    void OnTestSuiteStart(const testing::TestSuite&) override { suite.take(); }
    void OnTestSuiteEnd(const testing::TestSuite&) override { suite.restore(); }
    void OnTestStart(const testing::TestInfo&) override { test.take(); }
    void OnTestEnd(const testing::TestInfo&) override { test.restore(); }
};

}  // namespace

namespace testrt {

void keepGlobalState() { testing::UnitTest::GetInstance()->listeners().Append(new GlobalStateKeeper); }

}  // namespace testrt
