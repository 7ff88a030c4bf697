// A real session on one machine of each family, through the application
// object as the program runs it: money onto the machine, seeded full-bet
// plays (with a bonus game on the machines that have one), a window close
// with credits still on the machine, and a restart that reads the save file
// back: money, VIP points and the machine's record exactly as they were.
#include <gtest/gtest.h>

#include <SDL.h>

#include <string>

#include "player/machine_stats.h"
#include "player/player.h"
#include "player/save_files.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/routes.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace {

void startGame() {
    testrt::runFast();
    testrt::startGame();
}

class GameSession : public ::testing::TestWithParam<const char*> {};

}  // namespace

TEST_P(GameSession, MoneyPointsAndRecordSurviveAShutDownWithCreditsOnTheMachine) {
    const std::string id = GetParam();
    testrt::resetFiles("[global]\nplayers=Ses_Sion\nlastplayer=Ses_Sion\nfirsttimeever=0\n");
    testrt::writeFile(savefiles::savePath("Ses_Sion"),
                      "[Ses_Sion]\ngender=female\nmoney=1000\nvippoints=12.5\nfirsttime=0\nfirsttimelobby=0\n"
                      "firsttimeslot=0\nfirsttimenickle=0\nfirsttimepoker=0\n");
    startGame();
    ASSERT_NE(currentPlayer, nullptr);
    testrt::noPauses();

    // Into the machine from the lobby, with $300 typed into its money prompt.
    testrt::typeText("300\r");
    theApp->screen->next = machineScreen(id, 1.0f);
    theApp->step();
    Bank* bank = dynamic_cast<Bank*>(theApp->screen.get());
    ASSERT_NE(bank, nullptr) << id;
    EXPECT_EQ(bank->credits, 300);
    EXPECT_DOUBLE_EQ(currentPlayer->money, 700.0);

    // This seed brings the bonus game up on each machine that has one.
    seedGenerators(8);
    clearLoadedAssets();
    for (int round = 0; round < 25; ++round) {
        testrt::playOnce(*theApp->screen);
        theApp->step();
    }
    bool bonusShown = false;
    for (const std::string& p : loadedAssets()) bonusShown = bonusShown || p.find("../gfx/bonus/") == 0;
    EXPECT_EQ(bonusShown, id == "wheelofcash" || id == "balloonblitz" || id == "patriotspinforcash") << id;
    const MachineStats played = *currentPlayer->findStats(id);
    EXPECT_GT(played.totalloss.inDollars(), 0.0) << id;
    EXPECT_GT(currentPlayer->vippoints, 12.5);
    const double money = currentPlayer->money + bank->worth(bank->credits).inDollars();
    const double points = currentPlayer->vippoints;

    // The window closes with the credits on the machine.
    testrt::pushQuit();
    EXPECT_EQ(runFrameLoop(), 0);
    testrt::stopGame();
    ASSERT_EQ(currentPlayer, nullptr);

    startGame();
    ASSERT_NE(currentPlayer, nullptr);
    EXPECT_EQ(currentPlayer->name, "Ses_Sion");
    EXPECT_DOUBLE_EQ(currentPlayer->money, money);
    EXPECT_DOUBLE_EQ(currentPlayer->vippoints, points);
    const MachineStats* back = currentPlayer->findStats(id);
    ASSERT_NE(back, nullptr);
    EXPECT_DOUBLE_EQ(back->totalwon.inDollars(), played.totalwon.inDollars());
    EXPECT_DOUBLE_EQ(back->totalloss.inDollars(), played.totalloss.inDollars());
    EXPECT_EQ(back->spinswon, played.spinswon);
    EXPECT_EQ(back->spinslost, played.spinslost);
    EXPECT_DOUBLE_EQ(back->largestsinglewin, played.largestsinglewin);
    testrt::stopGame();
}

INSTANTIATE_TEST_SUITE_P(OneOfEachFamily, GameSession,
                         ::testing::Values("wheelofcash", "egyptsprize", "balloonblitz", "jacksorbetter",
                                           "patriotspinforcash", "demoderby"));
