// The lobby: what a click on a machine starts, and the doors.
#include <gtest/gtest.h>

#include "floor/floor_fixture.h"
#include "shell/led_sign.h"
#include "floor/lobby.h"
#include "player/player.h"
#include "shell/asset_log.h"
#include "shell/display.h"

using namespace floortest;

namespace {

void clickSpot(Lobby& lobby, const std::string& id) {
    for (const LobbySpot& s : lobbySpots())
        if (id == s.id) return clickAt(lobby, s.x + s.width / 2, s.y + s.height / 2);
    FAIL() << "no spot for " << id;
}

class LobbyTest : public FloorTest {};

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
    StandIn* machine = dynamic_cast<StandIn*>(lobby.next);
    ASSERT_NE(nullptr, machine);
    EXPECT_EQ("mardigras", machine->name);
    EXPECT_FLOAT_EQ(1.0f, machine->value);
    // Once a successor is named, another click changes nothing.
    clickSpot(lobby, "mardigras");
    EXPECT_EQ(1, StandIn::built);
    delete lobby.next;
    lobby.next = nullptr;

    for (const char* door : {"stats", "trophy"}) {
        Widget* w = lobby.buttonNamed(door);
        clickAt(lobby, w->x + 20, w->y + 20);
        ASSERT_NE(nullptr, lobby.next);
        EXPECT_EQ(door, lobby.next->name);
        delete lobby.next;
        lobby.next = nullptr;
    }
}
