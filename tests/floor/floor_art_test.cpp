// Every picture, sound and font the floor asks for is among the generated
// files: the lobby with its help pages, the cashier and its form, every tab
// of the machine menu and both glasses of every reel machine.
#include <gtest/gtest.h>

#include <string>

#include "floor/cashier.h"
#include "floor/floor_fixture.h"
#include "floor/lobby.h"
#include "floor/machine_menu.h"
#include "machine/marquee.h"
#include "floor/registration_form.h"
#include "machine/denomination.h"
#include "player/player.h"
#include "shell/asset_log.h"
#include "support/runtime.h"

using namespace floortest;

class FloorArtTest : public FloorTest {};

TEST_F(FloorArtTest, GeneratedArtCoversEverythingTheFloorLoads) {
    clearLoadedAssets();
    currentPlayer->firsttimelobby = true;
    pushPress(1, 1);
    pushPress(1, 1);
    { Lobby lobby; }

    currentPlayer->money = 10.0;
    {
        Cashier desk;
        desk.drawAdditionalFunds();
        pushClick(formlayout::titleButton(1));
        pushKey(SDLK_x, 'x');  // refused: no name yet
        pushClick(formlayout::done());
        pushKey(SDLK_ESCAPE);
        desk.runRegistrationForm();
    }

    StandIn host("host", 1.0f);
    for (int t = 0; t < static_cast<int>(denominationTable.size()); ++t) pushClick(machinemenu::denominationTabRect(t));
    for (int c = 0; c < 4; ++c) pushClick(machinemenu::categoryTabRect(c));
    pushMotion(machinemenu::machineButtonRect(0).x + 5, machinemenu::machineButtonRect(0).y + 5);
    pushPress(799, 599);
    showMachineMenu(&host);
    EXPECT_EQ(nullptr, host.next);

    int glasses = 0;
    for (const MachineInfo& m : machineTable()) {
        if (m.category != MachineCategory::ThreeReel && m.category != MachineCategory::Video) continue;
        StandIn machine(m.id, 1.0f);
        for (const char* panel : {"top", "bottom"}) {
            pushPress(1, 1);
            showMarquee(&machine, panel);
            ++glasses;
        }
    }
    EXPECT_EQ(80, glasses);

    int checked = 0;
    for (const std::string& path : loadedAssets()) {
        EXPECT_TRUE(testrt::fileExists(path)) << path;
        ++checked;
    }
    // Enough to know the walk above really loaded the floor's files.
    EXPECT_GT(checked, 250);
    EXPECT_TRUE(loadedAssets().count("../gfx/menu/zookeeper_disabled.png") ||
                loadedAssets().count("../gfx/menu/zookeeper.png"));
    EXPECT_TRUE(loadedAssets().count("../gfx/cashier/titlemark.png"));
    EXPECT_TRUE(loadedAssets().count("../sounds/lobyneed.wav"));
}
