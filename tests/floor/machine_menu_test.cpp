// The right-button machine menu: its tabs, a machine started at the chosen
// coin value, buttons that cannot start anything, a press on no button, and
// the times it does not open at all.
#include <gtest/gtest.h>

#include <algorithm>

#include "floor/floor_fixture.h"
#include "floor/machine_menu.h"
#include "machine/denomination.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/display.h"

using namespace floortest;
using namespace machinemenu;

namespace {

class MenuTest : public FloorTest {
protected:
    void SetUp() override {
        FloorTest::SetUp();
        lastDenominationTab = -1;
        lastCategoryTab = 0;
        host = new StandIn("host", 1.0f);
        // Something on the screen for the menu to cover and give back.
        SDL_Rect band = {0, 200, 800, 100};
        SDL_FillRect(display->screen, &band, display->mapColor(200, 100, 0));
        display->update();
    }
    void TearDown() override {
        delete host->next;
        delete host;
        FloorTest::TearDown();
    }
    StandIn* host = nullptr;
};

}  // namespace

TEST_F(MenuTest, ChoosingAMachineStartsItAtTheTabsCoinValue) {
    // A machine offered at some value other than 1.0, on its tabs.
    int tab = 0;
    while (denominationTable[tab]->value == 1.0f || denominationTable[tab]->machineIds.empty()) ++tab;
    const std::string id = denominationTable[tab]->machineIds.front();
    standInFor(id);
    const MachineCategory category = findMachine(id)->category;
    const int cat = static_cast<int>(std::find(categories, categories + 4, category) - categories);
    std::vector<const MachineInfo*> list = machinesIn(category);
    const int index = static_cast<int>(std::find(list.begin(), list.end(), findMachine(id)) - list.begin());

    pushClick(denominationTabRect(tab));
    pushClick(categoryTabRect(cat));
    pushMotion(5, 5);
    pushClick(machineButtonRect(index));
    showMachineMenu(host);

    StandIn* machine = dynamic_cast<StandIn*>(host->next);
    ASSERT_NE(nullptr, machine);
    EXPECT_EQ(id, machine->name);
    EXPECT_EQ(denominationTable[tab]->value, machine->value);
    EXPECT_EQ(1, pendingEvents());  // the release of the choosing click is the screen's
    // The next opening starts on the tabs chosen last.
    EXPECT_EQ(tab, lastDenominationTab);
    EXPECT_EQ(cat, lastCategoryTab);
}

TEST_F(MenuTest, WhatStartsNoMachineKeepsOrClosesTheMenuAndGivesTheScreenBack) {
    std::vector<Uint16> before = screenPixels();
    // A three-reel machine not offered at some tab's coin value.
    int tab = 0, index = 1;
    std::vector<const MachineInfo*> list = machinesIn(MachineCategory::ThreeReel);
    while (denominationTable[tab]->offers(list[index]->id))
        if (++index == static_cast<int>(list.size())) index = 1, ++tab;
    standInFor(list[index]->id);
    EXPECT_FALSE(playableAt(*list[index], denominationTable[tab]->value));

    pushClick(denominationTabRect(tab));
    pushClick(machineButtonRect(index));  // not offered here: nothing
    pushPress(790, 590);                  // no button: the menu closes
    pushRelease(790, 590);
    showMachineMenu(host);
    EXPECT_EQ(nullptr, host->next);
    EXPECT_EQ(1, StandIn::built);  // the host only
    EXPECT_EQ(1, pendingEvents());
    EXPECT_TRUE(before == screenPixels());
    dropEvents();

    // A right press opens it only while input is enabled ...
    moveMouse(400, 300);
    SDL_Event right{};
    right.type = SDL_MOUSEBUTTONDOWN;
    right.button.button = SDL_BUTTON_RIGHT;
    for (bool enabled : {true, false}) {
        host->menuEnabled = enabled;
        pushPress(790, 590);
        host->handleEvent(right);
        EXPECT_EQ(enabled ? 0 : 1, pendingEvents()) << enabled;  // the open menu takes the closing press
        dropEvents();
    }
    host->menuEnabled = true;
    // ... and someone is registered.
    Player* player = currentPlayer;
    currentPlayer = nullptr;
    pushPress(790, 590);
    showMachineMenu(host);
    currentPlayer = player;
    EXPECT_EQ(1, pendingEvents());
    dropEvents();

    // Closing the window closes it and is kept.
    before = screenPixels();
    pushClick(categoryTabRect(2));
    pushQuit();
    showMachineMenu(host);
    EXPECT_TRUE(quitRequested());
    EXPECT_EQ(nullptr, host->next);
    EXPECT_TRUE(before == screenPixels());
}
