// Every test leaves the process as it found it: the environment, the sound
// folder, the timing and pointer hooks, the game's hooks and routes, the
// floor's remembered tabs and machine creators, the SDL event queue, and the
// services a test may make (the App, current player, display, sound player
// and settings), which a test must also delete: one left behind fails it.
// One listener saves them when a test (or a whole suite) starts and puts
// them back when it ends, so the test program passes as one process as well
// as one test at a time.
#include <gtest/gtest.h>

#include <SDL.h>

#include <map>
#include <string>
#include <vector>

#include "floor/cashier.h"
#include "floor/machine_menu.h"
#include "game/machine_factory.h"
#include "machine/prize_wheel.h"
#include "machine/reel_machine.h"
#include "machine/three_reel.h"
#include "machine/video_slot.h"
#include "machines/threereel/bonus_pause.h"
#include "machines/threereel/dragon_spin.h"
#include "machines/threereel/gamble_wheel.h"
#include "machines/video/bonus_prize.h"
#include "derby/demo_derby.h"
#include "poker/video_poker.h"
#include "player/config.h"
#include "player/machine_table.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/display.h"
#include "shell/ini.h"
#include "shell/routes.h"
#include "shell/screen.h"
#include "shell/sound.h"
#include "shell/waiting.h"

extern char** environ;

namespace {

struct Saved {
    std::map<std::string, std::string> env;
    std::string soundFolder, lastMachine;
    int denominationTab, categoryTab;
    int threeReelCountUp, reelCountUp, flash, dragonPause, firstRunDelay;
    void (*bonus)(Uint32), (*videoBonus)(Uint32), (*wheel)(Uint32), (*derby)(Uint32), (*poker)(Uint32);
    void (*gamblePoint)(int*, int*), (*pokerMouse)(int*, int*);
    void (*gambleWheel)(const PrizeWheelSpec&, Animation&, int&, std::string&);
    Uint32 (*ticks)();
    void (*rest)(Uint32);
    App* app;
    Display* screen;
    SoundPlayer* sound;
    Config* settings;
    bool syncWrites;
    AppHooks hooks;
    Routes ways;
    Player* player;
    std::vector<MachineCreator> creators;

    void take() {
        env.clear();
        for (char** e = environ; *e; ++e) {
            std::string entry = *e;
            size_t eq = entry.find('=');
            if (eq != std::string::npos) env[entry.substr(0, eq)] = entry.substr(eq + 1);
        }
        soundFolder = soundDir;
        lastMachine = lastMachineId;
        denominationTab = machinemenu::lastDenominationTab;
        categoryTab = machinemenu::lastCategoryTab;
        threeReelCountUp = ThreeReelMachine::countUpDelay;
        reelCountUp = ReelMachine::countUpDelay;
        flash = VideoSlotMachine::flashDelay;
        dragonPause = DragonSpin::pauseMs;
        firstRunDelay = Cashier::firstRunDelayMs;
        bonus = bonusPause;
        videoBonus = videoBonusPause;
        wheel = wheelDelay;
        derby = derbyDelay;
        poker = pokerDelay;
        gamblePoint = gamblePointer;
        pokerMouse = pokerMouseState;
        gambleWheel = gambleSpin;
        ticks = mediaTicks;
        rest = idleRest;
        app = theApp;
        screen = display;
        sound = soundPlayer;
        settings = config;
        syncWrites = syncWritesToDisk;
        player = currentPlayer;
        hooks = appHooks;
        ways = routes;
        creators.clear();
        for (const MachineInfo& m : machineTable()) {
            creators.push_back(replaceMachineCreator(m.id, nullptr));
            replaceMachineCreator(m.id, creators.back());
        }
    }

    void restore() const {
        EXPECT_EQ(theApp, app) << "the application object was left behind";
        EXPECT_EQ(currentPlayer, player) << "the current player was left behind";
        theApp = app;
        EXPECT_EQ(display, screen) << "the display was left behind";
        EXPECT_EQ(soundPlayer, sound) << "the sound player was left behind";
        EXPECT_EQ(config, settings) << "the settings were left behind";
        display = screen;
        soundPlayer = sound;
        config = settings;
        syncWritesToDisk = syncWrites;
        currentPlayer = player;
        std::vector<std::string> extra;
        for (char** e = environ; *e; ++e) {
            std::string entry = *e;
            std::string key = entry.substr(0, entry.find('='));
            if (!env.count(key)) extra.push_back(key);
        }
        for (const std::string& key : extra) unsetenv(key.c_str());
        for (const auto& [key, value] : env) setenv(key.c_str(), value.c_str(), 1);
        soundDir = soundFolder;
        lastMachineId = lastMachine;
        machinemenu::lastDenominationTab = denominationTab;
        machinemenu::lastCategoryTab = categoryTab;
        ThreeReelMachine::countUpDelay = threeReelCountUp;
        ReelMachine::countUpDelay = reelCountUp;
        VideoSlotMachine::flashDelay = flash;
        DragonSpin::pauseMs = dragonPause;
        Cashier::firstRunDelayMs = firstRunDelay;
        bonusPause = bonus;
        videoBonusPause = videoBonus;
        wheelDelay = wheel;
        derbyDelay = derby;
        pokerDelay = poker;
        gamblePointer = gamblePoint;
        pokerMouseState = pokerMouse;
        gambleSpin = gambleWheel;
        mediaTicks = ticks;
        idleRest = rest;
        appHooks = hooks;
        routes = ways;
        for (size_t i = 0; i < creators.size(); ++i) replaceMachineCreator(machineTable()[i].id, creators[i]);
        clearQuitRequest();
        // Events a test pushed and never read.
        if (SDL_WasInit(SDL_INIT_VIDEO)) {
            SDL_Event e;
            while (SDL_PollEvent(&e)) {
            }
        }
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
