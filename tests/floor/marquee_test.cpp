// The marquee popup opening and closing over a machine, with the sign on
// its top glass only.
#include <gtest/gtest.h>

#include "floor/floor_fixture.h"
#include "machine/marquee.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/display.h"

using namespace floortest;

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
    EXPECT_TRUE(loaded("../gfx/10x/bottom.png"));
    EXPECT_TRUE(loaded("../sounds/whoosh.wav"));
    EXPECT_FALSE(loaded("../fonts/ledfont.def"));  // no sign on the bottom glass

    pushPress(1, 1);
    showMarquee(&machine, "top");
    EXPECT_TRUE(loaded("../gfx/10x/top.png"));
    EXPECT_TRUE(loaded("../fonts/ledfont.def"));
    EXPECT_TRUE(before == screenPixels());

    pushQuit();
    showMarquee(&machine, "top");
    EXPECT_TRUE(quitRequested());
    EXPECT_TRUE(before == screenPixels());
}
