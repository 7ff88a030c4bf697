// The lobby and what opens over the floor: a click on a machine starts it at
// one dollar, the doors lead on, the marquee popup opens over a machine and
// gives it back, the LED signs scroll one dot column per period, and the
// right-button machine menu starts a machine at the chosen tab's coin value,
// ignores what starts nothing and opens only while there is someone to play.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

#include "floor/floor_fixture.h"
#include "floor/lobby.h"
#include "floor/machine_menu.h"
#include "machine/denomination.h"
#include "machine/marquee.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/led_sign.h"
#include "shell/util.h"
#include "support/runtime.h"

using namespace floortest;

namespace {

void clickSpot(Lobby& lobby, const std::string& id) {
    for (const LobbySpot& s : lobbySpots())
        if (id == s.id) return clickAt(lobby, s.x + s.width / 2, s.y + s.height / 2);
    FAIL() << "no spot for " << id;
}

using LobbyTest = FloorTest;
using MarqueeTest = FloorTest;

bool loaded(const std::string& path) { return loadedAssets().count(path) > 0; }

}  // namespace

TEST_F(LobbyTest, AMachineStartsAtOneDollarAndTheDoorsLeadOn) {
    standInFor("mardigras");
    Lobby lobby;
    // Input disabled, or between cabinets: nothing.
    lobby.menuEnabled = false;
    clickSpot(lobby, "mardigras");
    lobby.menuEnabled = true;
    clickAt(lobby, 14 + 74, 150);
    EXPECT_EQ(nullptr, lobby.next);

    clickSpot(lobby, "mardigras");
    clickSpot(lobby, "mardigras");  // once a successor is named, another click changes nothing
    std::unique_ptr<Screen> next = takeNext(lobby);
    StandIn* machine = dynamic_cast<StandIn*>(next.get());
    ASSERT_NE(nullptr, machine);
    EXPECT_EQ("mardigras 1 1", machine->name + " " + doubleToString(machine->value) + " " + std::to_string(StandIn::built));

    for (const char* door : {"stats", "trophy"}) {
        Widget* w = lobby.buttonNamed(door);
        clickAt(lobby, w->x + 20, w->y + 20);
        EXPECT_EQ(door, nextName(lobby));
    }
}

TEST_F(MarqueeTest, OpensOverTheMachineAndGivesItBackOnAPressOrAClose) {
    StandIn machine("10x", 1.0f);
    std::vector<Uint16> before = screenPixels();
    clearLoadedAssets();
    // Motion, a button release and a key release do not close it; the key press does.
    pushMotion(5, 5);
    pushRelease(5, 5);
    pushKey(SDLK_a);     // the press closes it ...
    pushRelease(5, 5);  // ... and the key-up and this are left for the machine
    showMarquee(&machine, "bottom");
    EXPECT_EQ(2, pendingEvents());
    testrt::drainEvents();
    EXPECT_TRUE(before == screenPixels());
    EXPECT_TRUE(loaded("../gfx/10x/bottom.png") && loaded("../sounds/whoosh.wav"));
    EXPECT_FALSE(loaded("../fonts/ledfont.def"));  // no sign on the bottom glass

    pushPress(1, 1);
    showMarquee(&machine, "top");
    EXPECT_TRUE(loaded("../gfx/10x/top.png") && loaded("../fonts/ledfont.def"));

    pushQuit();
    showMarquee(&machine, "top");
    EXPECT_TRUE(quitRequested());
    EXPECT_TRUE(before == screenPixels());
}

namespace {

// Two narrow glyphs that are easy to tell apart: 'I' one lit column, 'L' an
// upright and a foot; height 3, no spacing given (1).
const char* const tinyFont =
    "# a test font\nheight 3\n\n"
    "char 73\n#\n#\n#\n"
    "char 76\n#.\n#.\n##\n"
    "char 32\n..\n..\n..\n";

Uint32 fakeNow = 1000;
Uint32 fakeClock() { return fakeNow; }

class LedSignTest : public FloorTest {
protected:
    void SetUp() override {
        FloorTest::SetUp();
        testrt::writeFile(fontPath, tinyFont);
        mediaTicks = fakeClock;
        fakeNow = 1000;
    }
    const std::string fontPath = testrt::root() + "/tiny.def";
};

// The window's dots as text rows, '#' lit.
std::string window(const LedSign& sign) {
    std::string out;
    for (int r = 0; r < sign.rows(); ++r) {
        for (int c = 0; c < sign.columns(); ++c) out += sign.dotLit(c, r) ? '#' : '.';
        out += '\n';
    }
    return out;
}

}  // namespace

TEST_F(LedSignTest, LaysTextOutScrollsOneColumnPerPeriodWrapsAndStaysDarkWithoutAFont) {
    // 4 columns by 3 rows; "IL" is I, gap, L L, gap = 5 columns.
    LedSign sign(fontPath, "IL", 50, 10, 10, 12, 9, 255, 0, 0, 40, 0, 0);
    ASSERT_TRUE(sign.fontLoaded);
    EXPECT_EQ("#.#.\n#.#.\n#.##\n", window(sign));
    // The first step draws without moving; then one column per period, and
    // one only however long the wait was; the end runs on into the beginning.
    std::string offsets;
    for (Uint32 wait : {0, 19, 1, 1000, 20, 20}) {
        fakeNow += wait;
        sign.step();
        offsets += std::to_string(sign.offset());
    }
    EXPECT_EQ(".#.#\n.#.#\n.#.#\n", window(sign));
    fakeNow += 20;
    sign.step();
    EXPECT_EQ("0012340", offsets + std::to_string(sign.offset()));

    // Without its font the sign stays dark and still steps.
    testing::internal::CaptureStdout();
    LedSign dark(testrt::root() + "/nofont.def", "HELLO", 30, 0, 0, 15, 9, 255, 0, 0, 40, 0, 0);
    testing::internal::GetCapturedStdout();
    dark.step();
    fakeNow += 100;
    dark.step();
    EXPECT_EQ("...\n", window(dark).substr(0, 3) + "\n");
    EXPECT_EQ(std::string::npos, window(dark).find('#'));
}

namespace {

using namespace machinemenu;

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
    testrt::drainEvents();

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
        testrt::drainEvents();
    }
    host->menuEnabled = true;
    // ... and someone is registered.
    Player* player = currentPlayer;
    currentPlayer = nullptr;
    pushPress(790, 590);
    showMachineMenu(host);
    currentPlayer = player;
    EXPECT_EQ(1, pendingEvents());
    testrt::drainEvents();

    // Closing the window closes it and is kept.
    before = screenPixels();
    pushClick(categoryTabRect(2));
    pushQuit();
    showMachineMenu(host);
    EXPECT_TRUE(quitRequested());
    EXPECT_EQ(nullptr, host->next);
    EXPECT_TRUE(before == screenPixels());
}
