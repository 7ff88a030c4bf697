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

namespace {

const char* const kPlayer = "Lo_St";
const std::string settingsPath = "/config.ini";

std::string savedFiles() {
    return testrt::readFile(testrt::root() + settingsPath) + "--\n" + testrt::readFile(savefiles::savePath(kPlayer));
}

// The game as the program runs it, on a machine with $300 on it (of $1000)
// and a full-bet play drawn, its reels still turning.
void playUnderWay() {
    testrt::resetFiles("[global]\nplayers=Lo_St\nlastplayer=Lo_St\nfirsttimeever=0\n");
    testrt::writeFile(savefiles::savePath(kPlayer), "[Lo_St]\ngender=male\nmoney=1000\nvippoints=3\nfirsttime=0\n"
                                                    "firsttimelobby=0\nfirsttimeslot=0\nfirsttimenickle=0\n"
                                                    "firsttimepoker=0\n");
    testrt::runFast();
    testrt::startGame();
    ASSERT_NE(currentPlayer, nullptr);
    testrt::typeText("300\r");
    theApp->screen->next = machineScreen("10x", 1.0f);
    theApp->step();
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

}  // namespace

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
