// The lobby: where the machines stand, what a click on one starts, the
// doors, and the help pages of a first visit.
#include <gtest/gtest.h>

#include <set>

#include "floor/floor_fixture.h"
#include "shell/led_sign.h"
#include "floor/lobby.h"
#include "player/player.h"
#include "shell/asset_log.h"
#include "shell/display.h"

using namespace floortest;

namespace {

class LobbyTest : public FloorTest {
protected:
    void clickSpot(Lobby& lobby, const std::string& id) {
        for (const LobbySpot& s : lobbySpots())
            if (id == s.id) return clickAt(lobby, s.x + s.width / 2, s.y + s.height / 2);
        FAIL() << "no spot for " << id;
    }
};

}  // namespace

TEST_F(LobbyTest, ClickingABuiltMachineStartsItAtOneDollar) {
    StandInLine line("mardigras");
    Lobby lobby;
    EXPECT_EQ("lobby", lobby.name);
    EXPECT_NE(nullptr, lobby.sign);
    clickSpot(lobby, "mardigras");
    ASSERT_NE(nullptr, lobby.next);
    StandIn* machine = dynamic_cast<StandIn*>(lobby.next);
    ASSERT_NE(nullptr, machine);
    EXPECT_EQ("mardigras", machine->name);
    EXPECT_FLOAT_EQ(1.0f, machine->value);
    // Once a successor is named, another click changes nothing.
    clickSpot(lobby, "mardigras");
    EXPECT_EQ(1, StandIn::built);
    delete lobby.next;
    lobby.next = nullptr;
}

TEST_F(LobbyTest, DisabledInputAndEmptyFloorDoNothing) {
    StandInLine line("magic");
    Lobby lobby;
    lobby.menuEnabled = false;
    clickSpot(lobby, "magic");
    EXPECT_EQ(nullptr, lobby.next);
    // Between cabinets there is nothing to click.
    lobby.menuEnabled = true;
    clickAt(lobby, 14 + 74, 150);
    EXPECT_EQ(nullptr, lobby.next);
}

TEST_F(LobbyTest, DoorsLeadToTheStatisticsAndThePrizeRoom) {
    Lobby lobby;
    for (const char* door : {"stats", "trophy"}) {
        Widget* w = lobby.buttonNamed(door);
        ASSERT_NE(nullptr, w);
        clickAt(lobby, w->x + 20, w->y + 20);
        ASSERT_NE(nullptr, lobby.next);
        EXPECT_EQ(door, lobby.next->name);
        delete lobby.next;
        lobby.next = nullptr;
    }
}
