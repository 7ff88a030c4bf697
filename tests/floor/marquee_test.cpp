// The marquee popup: which glass carries a sign and where, the greeting,
// and the popup opening and closing over a machine.
#include <gtest/gtest.h>

#include "floor/floor_fixture.h"
#include "machine/marquee.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/display.h"

using namespace floortest;

namespace {

class MarqueeTest : public FloorTest {
protected:
    bool loaded(const std::string& path) { return loadedAssets().count(path) > 0; }
};

void pushRaw(Uint8 type) {
    SDL_Event e{};
    e.type = type;
    SDL_PushEvent(&e);
}

}  // namespace

TEST(MarqueeSign, GreetsByNameWithWholeVipPoints) {
    Player p;
    p.name = "Ann_Lee_Jr";
    p.vippoints = 1234.9;
    EXPECT_EQ("Ann Lee_Jr ----  You have 1234 VIP Points  ----      Welcome to Corvalo Casino."
              "   Seafood Buffet only $9.95!       Visit the gift shop today!    ",
              marqueeSignText(p));
    p.name = "Solo";
    p.vippoints = 0.5;
    EXPECT_EQ(0u, marqueeSignText(p).find("Solo Solo ----  You have 0 VIP"));
    // Far beyond what 32 bits count: held at the largest whole number.
    p.vippoints = 5e12;
    EXPECT_EQ(0u, marqueeSignText(p).find("Solo Solo ----  You have 2147483647 VIP"));
}

TEST_F(MarqueeTest, OpensOverTheMachineAndGivesItBackOnAPress) {
    StandIn machine("10x", 1.0f);
    std::vector<Uint16> before = screenPixels();
    clearLoadedAssets();
    // Motion, a button release and a key release do not close it; the key press does.
    pushMotion(5, 5);
    pushRelease(5, 5);
    pushRaw(SDL_KEYUP);
    pushRaw(SDL_KEYDOWN);
    pushRelease(5, 5);  // left for the machine
    showMarquee(&machine, "bottom");
    EXPECT_EQ(1, pendingEvents());
    EXPECT_TRUE(before == screenPixels());
    EXPECT_TRUE(loaded("../gfx/10x/bottom.png"));
    EXPECT_TRUE(loaded("../sounds/whoosh.wav"));
    EXPECT_FALSE(loaded("../fonts/ledfont.def"));  // no sign on the bottom glass

    pushPress(1, 1);
    showMarquee(&machine, "top");
    EXPECT_TRUE(loaded("../gfx/10x/top.png"));
    EXPECT_TRUE(loaded("../fonts/ledfont.def"));
    EXPECT_TRUE(before == screenPixels());
}

TEST_F(MarqueeTest, GlassWithoutSignAndSpinningReels) {
    StandIn climber("mountainclimber", 1.0f);
    clearLoadedAssets();
    pushPress(1, 1);
    showMarquee(&climber, "top");
    EXPECT_TRUE(loaded("../gfx/mountainclimber/top.png"));
    EXPECT_FALSE(loaded("../fonts/ledfont.def"));

    // Reels spinning: nothing at all, not even the sound.
    clearLoadedAssets();
    climber.menuEnabled = false;
    pushPress(1, 1);
    showMarquee(&climber, "top");
    EXPECT_EQ(1, pendingEvents());
    EXPECT_TRUE(loadedAssets().empty());
}

TEST_F(MarqueeTest, ClosingTheWindowClosesThePopupAndIsKept) {
    StandIn machine("5x", 1.0f);
    std::vector<Uint16> before = screenPixels();
    pushQuit();
    showMarquee(&machine, "top");
    EXPECT_TRUE(quitRequested());
    EXPECT_TRUE(before == screenPixels());
}
