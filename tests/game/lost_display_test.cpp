// The display lost while the game runs (the X server gone, xkill, the window
// destroyed from outside), and an exit() from inside a library: the game is
// saved and ends, and the files it leaves are the ones a window close
// leaves, also with credits on a machine and a play under way. The save on
// the way out reads nothing already taken down (the sanitizer build checks).
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "machine/machine.h"
#include "player/player.h"
#include "player/save_files.h"
#include "shell/app.h"
#include "shell/mtrand.h"
#include "shell/routes.h"
#include "support/headless.h"
#include "support/runtime.h"
#include "support/x_hooks.h"

namespace {

const char* const kPlayer = "Lo_St";
const std::string settingsPath = "/config.ini";

std::string savedFiles() {
    return testrt::readFile(testrt::root() + settingsPath) + "--\n" + testrt::readFile(savefiles::savePath(kPlayer));
}

// The game as the program runs it, sitting at a machine with $300 on it (of
// $1000) and 3 VIP points.
void sitDownAt(const std::string& machineId) {
    testrt::resetFiles("[global]\nplayers=Lo_St\nlastplayer=Lo_St\nfirsttimeever=0\n");
    testrt::writeFile(savefiles::savePath(kPlayer), "[Lo_St]\ngender=male\nmoney=1000\nvippoints=3\nfirsttime=0\n"
                                                    "firsttimelobby=0\nfirsttimeslot=0\nfirsttimenickle=0\n"
                                                    "firsttimepoker=0\n");
    testrt::runFast();
    testrt::startGame();
    ASSERT_NE(currentPlayer, nullptr);
    testrt::typeText("300\r");
    theApp->screen->next = machineScreen(machineId, 1.0f);
    theApp->step();
}

double savedPoints() { return savefiles::saved(kPlayer, kPlayer).readEntry("vippoints", -1.0); }

// On a machine with $300 on it, a full-bet play drawn, its reels still turning.
void playUnderWay() {
    sitDownAt("10x");
    Machine* m = dynamic_cast<Machine*>(theApp->screen.get());
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(m->credits, 300);
    sgenrand(4);
    m->handleEvent(testrt::keyEvent(SDLK_m));
    ASSERT_TRUE(m->spinning);
    ASSERT_TRUE(m->drawn.active);
}

// The files a window close leaves from that moment.
std::string filesAfterAClose() {
    testrt::pushQuit();
    runFrameLoop();
    testrt::stopGame();
    return savedFiles();
}

// Ends the game the display ended at the frame loop's next look, as the
// program does, and hands back why and with what status.
std::string endAtTheNextLook(int& status) {
    EXPECT_TRUE(quitRequested()) << "the game goes on after the display failed";
    if (!quitRequested()) testrt::pushQuit();
    runFrameLoop();
    testrt::stopGame();
    status = -1;
    const char* why = displayEnded(status);
    return why ? why : "";
}

}  // namespace

TEST(LostDisplay, AFailingDisplayEndsTheGameAtItsNextLookExactlyAsAWindowClose) {
    if (!testrt::xDisplayWatched()) GTEST_SKIP() << "built without the X display";
    testrt::XHooksKept hooks;
    watchTheDisplay();
    struct Failure {
        unsigned char code;
        int status;
        const char* why;
        const char* told;  // what the game then says on stderr
    };
    // A window or drawable that no longer exists is the window destroyed
    // from outside (no fault of the game's); anything else the server
    // refuses is a fault, said with a failing status.
    const Failure failures[] = {
        {testrt::xBadWindow, 0, "the window was destroyed", "Corvalo Slots lost its display (the window was destroyed)"},
        {testrt::xBadDrawable, 0, "the window was destroyed",
         "Corvalo Slots lost its display (the window was destroyed)"},
        {testrt::xBadAlloc, 1, "the X server refused a request",
         "Corvalo Slots stopped on a display error (the X server refused a request"}};
    for (const Failure& failure : failures) {
        SCOPED_TRACE(static_cast<int>(failure.code));
        playUnderWay();
        const std::string before = savedFiles();
        // Reported from inside whatever call noticed it: the hook returns,
        // and nothing is written from there.
        ASSERT_EQ(testrt::reportXError(failure.code), 0) << "no hook of the game's watches the display";
        EXPECT_EQ(savedFiles(), before);
        int status = -1;
        const std::string why = endAtTheNextLook(status);
        const std::string left = savedFiles();
        EXPECT_EQ(status, failure.status);
        EXPECT_EQ(why.rfind(failure.why, 0), 0u) << why;
        testing::internal::CaptureStderr();
        sayWhyTheGameEnded();
        const std::string told = testing::internal::GetCapturedStderr();
        EXPECT_EQ(told.rfind(failure.told, 0), 0u) << told;
        clearQuitRequest();
        // The same moment, closed by the player: the same files.
        playUnderWay();
        EXPECT_TRUE(filesAfterAClose() == left) << left;
        clearQuitRequest();
    }
}

TEST(LostDisplay, AnEndThatCannotReturnInsideAnActionLeavesTheLastWholeFile) {
    if (!testrt::xDisplayWatched()) GTEST_SKIP() << "built without the X display";
    testrt::XHooksKept hooks;
    watchTheDisplay();
    saveOnExit();
    const std::string atThatMoment = testrt::root() + "/files-at-the-end";
    // A poker deal as the frame loop hands it on: at its pause the hand is
    // kept, and the action then gives 7 more VIP points that nothing has
    // made whole yet when the end comes. The file must hold what it held:
    // what a kill -9 at that moment leaves.
    for (int way = 0; way < 2; ++way) {
        SCOPED_TRACE(way == 0 ? "connection lost" : "an exit() from inside a library");
        sitDownAt("jacksorbetter");
        ASSERT_NE(dynamic_cast<VideoPoker*>(theApp->screen.get()), nullptr);
        std::remove(atThatMoment.c_str());
        testrt::testClock.atPause = [&](Uint32) {
            testrt::writeFile(atThatMoment, savedFiles());
            currentPlayer->vippoints += 7;
            if (way == 0) testrt::reportLostConnection();
            else std::exit(3);
        };
        testrt::drainEvents();
        testrt::pushKey(SDLK_m);
        EXPECT_EXIT(theApp->pollEvent(), testing::ExitedWithCode(way == 0 ? 0 : 3), "");
        testrt::testClock.atPause = nullptr;
        ASSERT_TRUE(testrt::fileExists(atThatMoment)) << "the deal paused nowhere";
        const std::string left = savedFiles();
        EXPECT_TRUE(testrt::readFile(atThatMoment) == left) << left;
        EXPECT_EQ(savefiles::saved(kPlayer, "jacksorbetter").readEntry("spinslost", 0L) +
                      savefiles::saved(kPlayer, "jacksorbetter").readEntry("spinswon", 0L),
                  1)
            << "the dealt hand is kept";
        testrt::drainEvents();
        testrt::stopGame();
        clearQuitRequest();
    }
}

TEST(LostDisplay, ADerbySpinWaitingForItsRespinGivesNoPointsToTheFileHoweverTheGameEnds) {
    if (!testrt::xDisplayWatched()) GTEST_SKIP() << "built without the X display";
    testrt::XHooksKept hooks;
    watchTheDisplay();
    sitDownAt("demoderby");
    auto* d = dynamic_cast<DemoDerby*>(theApp->screen.get());
    ASSERT_NE(d, nullptr);
    testrt::press(*d, "betmax");
    ASSERT_TRUE(d->respinPending);
    // Five plays of five $1 coins give 25 points at the spin, but nothing
    // is bet until the respin: leaving now takes them back.
    EXPECT_DOUBLE_EQ(currentPlayer->vippoints, 28.0);
    // A minute at the machine is written at once, with the points the
    // player has until the respin: 3.
    for (int second = 0; second <= 61; ++second) {
        testrt::testClock.now += 1001;
        d->tick();
    }
    EXPECT_EQ(savefiles::saved(kPlayer, "demoderby").readEntry("minutes", 0L), 1);
    EXPECT_DOUBLE_EQ(savedPoints(), 3.0);
    EXPECT_DOUBLE_EQ(savefiles::savedMoney(kPlayer), 1000.0);
    // The connection lost during the hold.
    EXPECT_EXIT(testrt::reportLostConnection(), testing::ExitedWithCode(0), "lost its display");
    EXPECT_DOUBLE_EQ(savedPoints(), 3.0);
    EXPECT_DOUBLE_EQ(savefiles::savedMoney(kPlayer), 1000.0);
    // The window destroyed during the hold.
    ASSERT_EQ(testrt::reportXError(testrt::xBadWindow), 0);
    int status = -1;
    endAtTheNextLook(status);
    EXPECT_EQ(status, 0);
    EXPECT_DOUBLE_EQ(savedPoints(), 3.0);
    EXPECT_DOUBLE_EQ(savefiles::savedMoney(kPlayer), 1000.0);
    clearQuitRequest();
}

// The respin bets the first spin's points: from then on the file holds
// them, written by the play itself, by the minute's save and by leaving.
TEST(DerbyPoints, AfterTheRespinEverySaveWritesTheFirstSpinsPoints) {
    sitDownAt("demoderby");
    auto* d = dynamic_cast<DemoDerby*>(theApp->screen.get());
    ASSERT_NE(d, nullptr);
    sgenrand(11);
    testrt::press(*d, "betmax");
    ASSERT_TRUE(d->respinPending);
    EXPECT_DOUBLE_EQ(savedPoints(), 3.0) << "nothing is bet before the respin";
    testrt::press(*d, "respin");
    ASSERT_FALSE(d->respinPending);
    // Five plays of five $1 coins, bet: 25 points over the 3 the player had.
    EXPECT_DOUBLE_EQ(currentPlayer->vippoints, 28.0);
    EXPECT_DOUBLE_EQ(savedPoints(), 28.0) << "a kill after the respin keeps them";
    for (int second = 0; second <= 61; ++second) {
        testrt::testClock.now += 1001;
        d->tick();
    }
    EXPECT_EQ(savefiles::saved(kPlayer, "demoderby").readEntry("minutes", 0L), 1);
    EXPECT_DOUBLE_EQ(savedPoints(), 28.0) << "the minute's save";
    currentPlayer->saveNow();
    EXPECT_DOUBLE_EQ(savedPoints(), 28.0);
    testrt::pushQuit();
    EXPECT_EQ(runFrameLoop(), 0);
    testrt::stopGame();
    clearQuitRequest();
    EXPECT_DOUBLE_EQ(savedPoints(), 28.0) << "leaving after the respin";
}

TEST(LostDisplay, AWindowDestroyedFromOutsideWhileNothingIsDrawnEndsTheGame) {
    if (!testrt::xDisplayWatched()) GTEST_SKIP() << "built without the X display";
    if (!testrt::VirtualScreen::available()) GTEST_SKIP() << "no virtual X screen (Xvfb) here";
    testrt::VirtualScreen screen;
    ASSERT_TRUE(screen.up()) << screen.trouble();
    // In a process of its own, as the program runs: its window on the X
    // screen, a screen that draws nothing (so no drawing call can notice),
    // the window destroyed by another program. Only the window system's
    // note that it is gone can end the game now.
    EXPECT_EXIT(
        {
            SDL_Quit();
            setenv("SDL_VIDEODRIVER", "x11", 1);
            setenv("DISPLAY", screen.name(), 1);
            watchTheDisplay();
            SDL_Init(SDL_INIT_VIDEO);
            appHooks = AppHooks();
            appHooks.start = [] { return std::unique_ptr<Screen>(new testrt::BareScreen); };
            App app(SDL_ANYFORMAT);
            const unsigned long window = testrt::gameWindow();
            if (!window || !testrt::destroyWindowFromOutside(screen.name(), window)) _exit(5);
            for (Uint32 start = SDL_GetTicks(); SDL_GetTicks() - start < 5000 && !app.quit;) {
                app.pollEvent();
                app.step();
                SDL_Delay(2);
            }
            int status = -1;
            const char* why = displayEnded(status);
            std::fprintf(stderr, "%s\n", why ? why : "the game went on");
            _exit(app.quit ? status : 6);
        },
        testing::ExitedWithCode(0), "the window was destroyed");
}

TEST(LostDisplay, TheGameIsSavedAsAtACloseAndEndsWithStatusZero) {
    playUnderWay();
    // Both files go, so that what the way out writes shows.
    std::remove((testrt::root() + settingsPath).c_str());
    std::remove(savefiles::savePath(kPlayer).c_str());
    EXPECT_EXIT(endWithoutTheDisplay("the connection to the X server was lost", 0), testing::ExitedWithCode(0),
                "lost its display \\(the connection to the X server was lost\\): the game is saved and ends");
    const std::string left = savedFiles();
    // The same moment, closed instead: the same files.
    EXPECT_TRUE(filesAfterAClose() == left) << left;
    EXPECT_NE(savefiles::savedMoney(kPlayer), 1000.0) << "the play under way counts";
    EXPECT_EQ(savefiles::saved(kPlayer, "10x").readEntry("spinslost", 0L) +
                  savefiles::saved(kPlayer, "10x").readEntry("spinswon", 0L), 1);
}

TEST(LostDisplay, AnExitFromInsideALibrarySavesFirstAndReadsNothingTakenDown) {
    // As runGame arranges it, before anything of the game exists.
    saveOnExit();
    playUnderWay();
    std::remove((testrt::root() + settingsPath).c_str());
    std::remove(savefiles::savePath(kPlayer).c_str());
    EXPECT_EXIT(std::exit(3), testing::ExitedWithCode(3), "");
    const std::string left = savedFiles();
    EXPECT_TRUE(filesAfterAClose() == left) << left;
}

TEST(LostDisplay, DuringTheStartNothingIsWritten) {
    testrt::resetFiles("[global]\nplayers=Lo_St\nlastplayer=Lo_St\nfirsttimeever=0\n");
    testrt::writeFile(savefiles::savePath(kPlayer), "[Lo_St]\nmoney=40\n");
    const std::string before = savedFiles();
    EXPECT_EXIT(
        {
            beginStartupWatch("the window");
            endWithoutTheDisplay("the connection to the X server was lost", 0);
        },
        testing::ExitedWithCode(1), "could not start: the connection to the X server was lost while opening the window");
    EXPECT_EQ(savedFiles(), before);
}
