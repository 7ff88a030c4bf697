// How the game waits. A stop signal while any part of the game waits for
// the player (or plays something out) ends that part at once; the game then
// shuts down in order, with exit status 0, and the player's money is saved.
// And resting between passes never makes a timed thing late.
#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <csignal>
#include <functional>
#include <string>
#include <vector>

#include "derby/demo_derby.h"
#include "floor/cashier.h"
#include "floor/lobby.h"
#include "floor/machine_menu.h"
#include "floor/registration_form.h"
#include "game/machine_factory.h"
#include "machine/denomination.h"
#include "machine/machine.h"
#include "machine/marquee.h"
#include "machine/money_input.h"
#include "machine/prize_wheel.h"
#include "machine/slot_cabinet.h"
#include "machines/threereel/crazy_dice.h"
#include "machines/threereel/gamble_wheel.h"
#include "machines/threereel/hole_in_one.h"
#include "machines/threereel/mountain_climber.h"
#include "machines/video/balloon_blitz.h"
#include "machines/video/deep_sea.h"
#include "machines/video/magic.h"
#include "player/config.h"
#include "player/jackpot_movies.h"
#include "player/player.h"
#include "player/save_files.h"
#include "player/trophy_room.h"
#include "poker/poker_machines.h"
#include "shell/animation.h"
#include "shell/app.h"
#include "shell/display.h"
#include "shell/led_sign.h"
#include "shell/mtrand.h"
#include "shell/waiting.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace {

using testrt::testClock;

// The first rest of the game from now on (timed pauses rest too) raises
// this stop signal.
int stopSignal = SIGTERM;
void raiseStopAtFirstRest() {
    testClock.pausesWait = true;
    testClock.atRest = [first = true](Uint32) mutable {
        if (first) std::raise(stopSignal);
        first = false;
    };
}

void armStop() {
    installStopSignalHandlers();
    raiseStopAtFirstRest();
}

// The screen a modal part is opened on, once the stop signal is armed.
template <class M>
M* armed(M* screen) {
    armStop();
    return screen;
}

// A machine made current, its entry prompt answered with Return.
template <class M>
M* enter(const char* id) {
    testrt::pushKey(SDLK_RETURN, '\r');
    std::unique_ptr<Screen> machine = createMachine(id, 1.0f);
    M* entered = dynamic_cast<M*>(machine.get());
    theApp->setScreen(std::move(machine));
    return entered;
}

struct ModalPart {
    const char* name;
    std::function<void()> open;  // makes what it needs, armStop(), then opens the part
    int signal = SIGTERM;        // each of the stop signals ends some of them
};

// The game as the program starts it, in the lobby, for a player who has
// seen every help page.
void writeFiles() {
    testrt::resetFiles("[global]\nplayers=Stop_Here\nlastplayer=Stop_Here\nfirsttimeever=0\n");
    testrt::writeFile(savefiles::savePath("Stop_Here"),
                      "[Stop_Here]\ngender=female\nmoney=40\nfirsttimelobby=0\nfirsttimeslot=0\n"
                      "firsttimenickle=0\nfirsttimepoker=0\n");
}

void startGame() {
    writeFiles();
    testrt::startGame();
}

int runGameAsProgram() {
    char prog[] = "corvalo";
    char* argv[] = {prog, nullptr};
    return runGame(1, argv);
}

class StopSignal : public testing::TestWithParam<ModalPart> {};

TEST_P(StopSignal, EndsThePartAndTheGameSavingThePlayer) {
    startGame();
    currentPlayer->money = 321.25;
    stopSignal = GetParam().signal;
    GetParam().open();
    EXPECT_TRUE(quitRequested()) << "the part saw no stop signal";
    EXPECT_EQ(runFrameLoop(), 0);
    testrt::stopGame();
    for (int stop : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) std::signal(stop, SIG_DFL);

    EXPECT_GE(savefiles::savedMoney("Stop_Here"), 321.25) << "what the player had is saved";
}

TEST(StopSignals, EachEndsTheProgramWithStatusZeroAndThePlayerSaved) {
    for (int signal : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) {
        writeFiles();
        const std::string handWritten = testrt::readFile(savefiles::savePath("Stop_Here"));
        stopSignal = signal;
        EXPECT_EXIT(
            {
                raiseStopAtFirstRest();
                std::exit(runGameAsProgram());
            },
            testing::ExitedWithCode(0), "")
            << signal;
        EXPECT_NE(testrt::readFile(savefiles::savePath("Stop_Here")), handWritten) << signal << ": not saved";
        EXPECT_EQ(savefiles::savedMoney("Stop_Here"), 40.0) << signal;
    }
}

INSTANTIATE_TEST_SUITE_P(
    EveryModalPart, StopSignal,
    testing::Values(
        ModalPart{"money_prompt", [] {
                      int credits = 0;
                      armStop();
                      MoneyInput(credits, findDenominationValue(1.0f), reelMoneyPopup);
                  }},
        ModalPart{"help_pages", [] { armed(enter<Screen>("10x")); showSlotHelpPages(); }, SIGHUP},
        ModalPart{"marquee", [] { showMarquee(armed(enter<Screen>("10x")), "top"); }},
        ModalPart{"machine_menu", [] { showMachineMenu(armed(theApp->screen.get())); }, SIGINT},
        ModalPart{"registration_form", [] { armStop(); runRegistrationForm(); }, SIGQUIT},
        ModalPart{"purchase_dialogue", [] {
                      auto room = std::make_unique<TrophyRoom>();
                      TrophyRoom* shown = room.get();
                      theApp->setScreen(std::move(room));
                      armed(shown)->runPurchaseDialogue(prizeIds.front());
                  }},
        ModalPart{"movie", [] { armStop(); playJackpotMovie(nullptr); }, SIGHUP},
        ModalPart{"double_up_offer", [] {
                      int amount = 10;
                      armed(enter<DoubleUpBonus>("doubleupbonus"))->offerDoubleUp(amount);
                  }},
        ModalPart{"double_up_pick", [] {
                      DoubleUpBonus* m = armed(enter<DoubleUpBonus>("doubleupbonus"));
                      // The cards are dealt: the first card beside the dealer's is taken.
                      const int result = m->playDoubleUp(10);
                      EXPECT_EQ(result, m->doubleUpResult(10, DoubleUpBonus::kUnpickedCard));
                  }},
        ModalPart{"cash_wheel", [] { armStop(); runCashWheelBonus(); }, SIGINT},
        ModalPart{"wheel_gamble", [] { armStop(); runGambleWheelBonus(diceWheel(), diceGamble()); }},
        ModalPart{"dice_bonus", [] {
                      // The dice are thrown as drawn, yet the roll's seven
                      // seconds are not waited for.
                      CrazyDice* m = armed(enter<CrazyDice>("crazydice"));
                      const Uint32 start = SDL_GetTicks();
                      m->runDiceBonus();
                      EXPECT_LT(SDL_GetTicks() - start, 3000u) << "the dice rolled on in real time";
                  }, SIGQUIT},
        ModalPart{"golf_shot", [] { armed(enter<HoleInOne>("holeinone"))->playBallAnimation(0, 0); }},
        ModalPart{"mountain_climb", [] { armed(enter<MountainClimber>("mountainclimber"))->runClimbBonus(); }},
        ModalPart{"balloons", [] { armed(enter<BalloonBlitz>("balloonblitz"))->runBalloonBonus(); }},
        ModalPart{"deep_sea", [] { armed(enter<DeepSea>("deepsea"))->runDeepSeaBonus(); }},
        ModalPart{"magic_hat", [] { armed(enter<Magic>("magic"))->runHatBonus(); }},
        ModalPart{"derby_prompt", [] { armed(enter<DemoDerby>("demoderby"))->insertMoney(); }},
        ModalPart{"derby_attract", [] { armed(enter<DemoDerby>("demoderby"))->showAttract("top"); }},
        ModalPart{"cashier_first_run", [] {
                      config->firstTimeEver = true;
                      Cashier::firstRunDelayMs = 6000;
                      armStop();
                      theApp->setScreen(std::make_unique<Cashier>());
                  }}),
    [](const testing::TestParamInfo<ModalPart>& info) { return std::string(info.param.name); });

// A stop signal while the reels turn no longer gives the bet back: the play
// was drawn when it started, and it settles exactly as drawn, so the save
// file holds what the same draws played through leave, points included.
TEST(StopSignalWhileTheReelsTurn, SettlesThePlayAsDrawn) {
    auto play = [](uint32_t seed, bool stopped) {
        startGame();  // $40, no VIP points
        testrt::typeMoney("20");
        std::unique_ptr<Screen> made = createMachine("10x", 1.0f);
        Machine* m = dynamic_cast<Machine*>(made.get());
        EXPECT_NE(m, nullptr);
        theApp->setScreen(std::move(made));
        seedGenerators(seed);
        m->handleEvent(testrt::keyEvent(SDLK_m));
        EXPECT_TRUE(m->spinning);
        if (stopped) {
            armStop();
            EXPECT_EQ(runFrameLoop(), 0);
        } else {
            testrt::finishSpin(*m);
        }
        testrt::stopGame();
        for (int stop : {SIGTERM, SIGINT, SIGHUP, SIGQUIT}) std::signal(stop, SIG_DFL);
        // The next round starts with no stop pending.
        clearQuitRequest();
        testClock.atRest = nullptr;
        testClock.pausesWait = false;
        return testrt::readFile(savefiles::savePath("Stop_Here"));
    };
    int winning = 0;
    for (uint32_t seed = 1; seed <= 5; ++seed) {
        const std::string through = play(seed, false);
        const std::string stopped = play(seed, true);
        EXPECT_EQ(stopped, through) << "seed " << seed;
        // Three coins of $1 bet: three VIP points; the bet is gone either way.
        EXPECT_EQ(savefiles::saved("Stop_Here", "Stop_Here").readEntry("vippoints", -1.0), 3.0);
        if (savefiles::savedMoney("Stop_Here") > 37.0) ++winning;
    }
    EXPECT_GT(winning, 0) << "no seed won: the win side is untested";
}

// A clock that moves only while the game rests, and what is seen at each rest.
Uint32& fakeNow = testClock.now;
std::function<void()> atRest;
Uint32 longestRest = 0;

Uint32 restAsked = 0;

void stopTheClock() {
    testClock.stop(5000);
    testClock.atRest = [](Uint32 ms) {
        restAsked = ms;
        atRest();
        longestRest = std::max(longestRest, ms);
    };
}

// Each time a value changes, the clock has moved on by exactly `period`.
struct Cadence {
    Uint32 period, lastSeen = 0, changes = 0;
    long long last = -1;
    void see(long long value) {
        if (value == last) return;
        if (last != -1) {
            EXPECT_EQ(fakeNow - lastSeen, period) << "step " << changes;
        }
        last = value;
        lastSeen = fakeNow;
        ++changes;
    }
};

TEST(Waiting, ARestLastsUntilTheNextTimedThingAtMostTenMsAndAPauseEndsAtACloseOrAStopSignal) {
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
    stopTheClock();
    std::vector<Uint32> rests;  // the length of each rest asked for
    atRest = [&] { rests.push_back(restAsked); };
    const auto restsTaken = [&](const std::function<void()>& wait) {
        rests.clear();
        wait();
        return rests;
    };
    using Rests = std::vector<Uint32>;
    restUntilDue();  // forgets what earlier screens told
    EXPECT_EQ(restsTaken([] { restUntilDue(); }), Rests{10});  // nothing timed
    EXPECT_EQ(restsTaken([] { wakeBy(fakeNow + 500); restUntilDue(); }), Rests{10});
    EXPECT_EQ(restsTaken([] { wakeBy(fakeNow + 7); wakeBy(fakeNow + 4); wakeBy(fakeNow + 9); restUntilDue(); }), Rests{4});
    EXPECT_EQ(restsTaken([] { wakeBy(fakeNow - 5); restUntilDue(); }), Rests{1});  // already late
    EXPECT_EQ(restsTaken([] { restUntilDue(); }), Rests{10}) << "the times told are forgotten after a rest";
    EXPECT_EQ(restsTaken([] { modalPause(35); }), (Rests{10, 10, 10, 5}));

    // A window close waiting behind other input ends a pause at once and stays queued.
    testrt::tapKey(SDLK_a);
    testrt::pushQuit();
    EXPECT_EQ(restsTaken([] { modalPause(5000); }), Rests{});
    EXPECT_EQ(testrt::pendingEvents(), 3);
    testrt::drainEvents();
    // A stop signal during a pause ends it after the rest it came in.
    installStopSignalHandlers();
    atRest = [&] {
        rests.push_back(restAsked);
        if (rests.size() == 2) std::raise(SIGHUP);
    };
    EXPECT_EQ(restsTaken([] { modalPause(5000); }), (Rests{10, 10}));
    EXPECT_TRUE(quitRequested());
    std::signal(SIGHUP, SIG_DFL);
    atRest = nullptr;
    SDL_Quit();
}

TEST(Waiting, AControlComingUnderAStillMouseLightsUpAsSoonAtRestAsWithoutAndTheExitEndsTheLoop) {
    startGame();
    stopTheClock();
    Screen* lobby = theApp->screen.get();
    Widget* target = nullptr;
    for (auto& w : lobby->buttons)
        if (!target && w->kind == widgetButton) target = w.get();
    ASSERT_NE(target, nullptr);
    const int x = target->x + target->width() / 2, y = target->y + target->height() / 2;
    ASSERT_EQ(lobby->buttonAt(x, y), target);
    SDL_WarpMouse(static_cast<Uint16>(x), static_cast<Uint16>(y));
    testrt::drainEvents();  // no motion event: only the counted looks can see it
    const Uint32 start = fakeNow;
    atRest = [&] {
        if (lobby->hovered == target || fakeNow - start > 5000) theApp->quit = 1;
    };
    runFrameLoop();
    EXPECT_EQ(lobby->hovered, target);
    EXPECT_EQ(target->state, 1);
    EXPECT_LE(fakeNow - start, static_cast<Uint32>(hoverCheckInterval + 10)) << "one look every 50 ms at rest";
    // And the lobby's exit ends the frame loop.
    theApp->quit = 0;
    testrt::clickControl(*lobby, "exit");
    EXPECT_EQ(theApp->quit, 1);
    testrt::stopGame();
    atRest = nullptr;
}

TEST(Waiting, RestsNeverMakeAReelFrameAReelStopOrTheLedSignLate) {
    startGame();
    stopTheClock();
    longestRest = 0;

    // The lobby's sign scrolls one column a period, however long the rests.
    LedSign* sign = static_cast<Lobby*>(theApp->screen.get())->sign.get();
    ASSERT_NE(sign, nullptr);
    Cadence scroll{sign->period};
    const Uint32 signEnd = fakeNow + 40 * sign->period;
    atRest = [&] {
        scroll.see(sign->offset());
        if (fakeNow >= signEnd) theApp->quit = 1;
    };
    runFrameLoop();
    EXPECT_GE(scroll.changes, 38u);

    // A spin: every reel frame one frame period after the last, every reel
    // stop at its start plus its delay.
    atRest = [] {};
    theApp->quit = 0;
    Machine* m = enter<Machine>("10x");
    m->credits = 100;
    m->coins = 1;
    m->pull();
    ASSERT_TRUE(m->spinning);
    const std::vector<int> starts = m->reelStartTimes, delays = m->reelStopDelays;
    std::vector<Cadence> frames;
    for (auto& reel : m->reels) frames.push_back(Cadence{static_cast<Uint32>(reel->framePeriod)});
    std::vector<bool> stopped(starts.size(), false);
    atRest = [&] {
        for (size_t i = 0; i < starts.size(); ++i) {
            if (m->reelStartTimes[i] != -1) {
                frames[i].see(m->reels[i]->lastStep);
            } else if (!stopped[i]) {
                stopped[i] = true;
                EXPECT_EQ(fakeNow, static_cast<Uint32>(starts[i] + delays[i])) << "reel " << i;
            }
        }
        if (!m->spinning) theApp->quit = 1;
    };
    runFrameLoop();
    for (size_t i = 0; i < frames.size(); ++i) EXPECT_GE(frames[i].changes, 10u) << "reel " << i;
    EXPECT_EQ(std::count(stopped.begin(), stopped.end(), true), static_cast<long>(stopped.size()));
    EXPECT_GT(longestRest, 1u) << "the game rested longer than a millisecond where it could";

    testrt::stopGame();
    atRest = nullptr;
}

}  // namespace
