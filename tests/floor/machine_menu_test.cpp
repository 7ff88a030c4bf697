// The right-button machine menu: its tabs, a machine started at the chosen
// coin value, buttons that cannot start anything, a press on no button, and
// the times it does not open at all.
#include <gtest/gtest.h>

#include "floor/floor_fixture.h"
#include "floor/machine_menu.h"
#include "machine/denomination.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/display.h"

using namespace floortest;
using namespace machinemenu;

namespace {

int categoryIndex(MachineCategory c) {
    for (int i = 0; i < 4; ++i)
        if (categories[i] == c) return i;
    return -1;
}

int indexIn(MachineCategory c, const std::string& id) {
    std::vector<const MachineInfo*> list = machinesIn(c);
    for (size_t i = 0; i < list.size(); ++i)
        if (id == list[i]->id) return static_cast<int>(i);
    return -1;
}

// A machine offered at some value other than 1.0, and that value's tab.
bool offeredAwayFromOne(std::string& id, int& tab) {
    for (size_t t = 0; t < denominationTable.size(); ++t) {
        if (denominationTable[t]->value == 1.0f || denominationTable[t]->machineIds.empty()) continue;
        id = denominationTable[t]->machineIds.front();
        tab = static_cast<int>(t);
        return true;
    }
    return false;
}

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
        built = StandIn::built;
    }
    void TearDown() override {
        delete host->next;
        delete host;
        FloorTest::TearDown();
    }
    StandIn* host = nullptr;
    int built = 0;
};

}  // namespace

TEST_F(MenuTest, ChoosingAMachineStartsItAtTheTabsCoinValue) {
    std::string id;
    int tab = 0;
    ASSERT_TRUE(offeredAwayFromOne(id, tab));
    StandInLine line(id);
    const MachineInfo* info = findMachine(id);
    ASSERT_NE(nullptr, info);
    int cat = categoryIndex(info->category);

    pushClick(denominationTabRect(tab));
    pushClick(categoryTabRect(cat));
    pushMotion(5, 5);
    pushClick(machineButtonRect(indexIn(info->category, id)));
    showMachineMenu(host);

    ASSERT_NE(nullptr, host->next);
    StandIn* machine = dynamic_cast<StandIn*>(host->next);
    ASSERT_NE(nullptr, machine);
    EXPECT_EQ(id, machine->name);
    EXPECT_EQ(denominationTable[tab]->value, machine->value);
    EXPECT_EQ(1, pendingEvents());  // the release of the choosing click is the screen's
    // The next opening starts on the tabs chosen last.
    EXPECT_EQ(tab, lastDenominationTab);
    EXPECT_EQ(cat, lastCategoryTab);
}

TEST_F(MenuTest, ButtonsThatCannotStartAMachineKeepTheMenuOpenAndAMissGivesTheScreenBack) {
    std::vector<Uint16> before = screenPixels();
    // Not offered at the coin value of the tab: look for such a pair.
    int tab = -1, index = -1;
    std::string notOffered;
    for (size_t t = 0; t < denominationTable.size() && tab < 0; ++t) {
        std::vector<const MachineInfo*> list = machinesIn(MachineCategory::ThreeReel);
        for (size_t i = 1; i < list.size(); ++i)
            if (!denominationTable[t]->offers(list[i]->id)) {
                tab = static_cast<int>(t);
                index = static_cast<int>(i);
                notOffered = list[i]->id;
                break;
            }
    }
    ASSERT_GE(tab, 0);
    StandInLine line(notOffered);

    pushClick(denominationTabRect(tab));
    pushClick(machineButtonRect(index));            // not offered here: nothing
    pushPress(790, 590);                            // no button: the menu closes
    pushRelease(790, 590);
    showMachineMenu(host);

    EXPECT_EQ(nullptr, host->next);
    EXPECT_EQ(built, StandIn::built);
    EXPECT_EQ(1, pendingEvents());
    EXPECT_TRUE(before == screenPixels());
    EXPECT_FALSE(playableAt(*findMachine(notOffered), denominationTable[tab]->value));
}

TEST_F(MenuTest, RightPressOpensItOnlyWhileInputIsEnabledAndSomeoneIsRegistered) {
    moveMouse(400, 300);
    SDL_Event right{};
    right.type = SDL_MOUSEBUTTONDOWN;
    right.button.button = SDL_BUTTON_RIGHT;
    right.button.x = 400;
    right.button.y = 300;

    // Enabled: the menu opens and takes the press that closes it.
    pushPress(790, 590);
    host->handleEvent(right);
    EXPECT_EQ(0, pendingEvents());

    // Reels spinning: no menu.
    host->menuEnabled = false;
    pushPress(790, 590);
    host->handleEvent(right);
    EXPECT_EQ(1, pendingEvents());
    dropEvents();
    host->menuEnabled = true;

    // Nobody registered yet: no machine can be reached.
    Player* player = currentPlayer;
    currentPlayer = nullptr;
    pushPress(790, 590);
    showMachineMenu(host);
    currentPlayer = player;
    EXPECT_EQ(1, pendingEvents());
    EXPECT_EQ(nullptr, host->next);
}

TEST_F(MenuTest, ClosingTheWindowClosesTheMenuAndIsKept) {
    std::vector<Uint16> before = screenPixels();
    pushClick(categoryTabRect(2));
    pushQuit();
    showMachineMenu(host);
    EXPECT_TRUE(quitRequested());
    EXPECT_EQ(nullptr, host->next);
    EXPECT_TRUE(before == screenPixels());
}
