// The lobby and what hangs over the floor: a click on a machine starts it at
// one dollar, the doors lead on, the marquee popup opens over a machine and
// gives it back, and the LED signs scroll one dot column per period.
#include <gtest/gtest.h>

#include <string>

#include "floor/floor_fixture.h"
#include "floor/lobby.h"
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
    clickSpot(lobby, "mardigras");  // once a successor is named, another click changes nothing
    StandIn* machine = dynamic_cast<StandIn*>(lobby.next);
    ASSERT_NE(nullptr, machine);
    EXPECT_EQ("mardigras 1 1", machine->name + " " + doubleToString(machine->value) + " " + std::to_string(StandIn::built));
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

namespace {

class MarqueeTest : public FloorTest {};

bool loaded(const std::string& path) { return loadedAssets().count(path) > 0; }

}  // namespace

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
    dropEvents();
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
