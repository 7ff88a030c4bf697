// On-screen controls: hit test with excluded edges, button states and what
// they show, flashing buttons by the clock.
#include <SDL.h>
#include <gtest/gtest.h>

#include "shell/controls.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/media_fixture.h"

using namespace mediatest;

namespace {

const Colour sceneColour{0, 0, 128};
const Colour hoverColour{255, 255, 0};
const Colour pressColour{255, 0, 0};
const Colour flashColour{0, 255, 0};

class MediaControls : public MediaTest {
protected:
    void SetUp() override {
        MediaTest::SetUp();
        fillScreen(sceneColour);
        writePicture(pictureDir() + "hover_mo.png", 40, 20, hoverColour);
        writePicture(pictureDir() + "press_click.png", 40, 20, pressColour);
        writePicture(pictureDir() + "gamble_click.png", 30, 30, pressColour);
        writePicture(pictureDir() + "gamble_flash.png", 30, 30, flashColour);
    }
    // Marks the list so a later check can tell whether update() ran.
    void markList() {
        display->update();
        display->addDirtyRect(SDL_Rect{700, 500, 1, 1});
    }
    bool updated() { return display->changedRects.empty(); }
};

}  // namespace

TEST_F(MediaControls, ContainsExcludesAllFourEdgesAndAButtonWithoutPicturesIsHarmless) {
    Hotspot spot("area", 10, 20, 100, 40);
    EXPECT_TRUE(spot.contains(11, 21) && spot.contains(109, 59));
    for (auto [x, y] : {std::pair{10, 30}, {110, 30}, {50, 20}, {50, 60}}) EXPECT_FALSE(spot.contains(x, y)) << x << "," << y;
    spot.setSize(5, 5);
    EXPECT_FALSE(spot.contains(50, 30));

    testing::internal::CaptureStdout();
    Button b("nothing", pictureDir(), 10, 10, true, true, true);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, out.find("Couldn't Load" + pictureDir() + "nothing_std.png"));
    EXPECT_EQ(0, b.width());
    for (int s : {-1, 0, 1, 2, 3, 4, 5}) b.setState(s);
    EXPECT_FALSE(b.contains(11, 11));
}

TEST_F(MediaControls, HoverLightsAndClearsPressStaysUntilReleased) {
    Button b("hover", pictureDir(), 100, 100, false, false, true);
    b.setState(1);
    EXPECT_TRUE(areaIs(100, 100, 40, 20, hoverColour));
    b.setState(-1);
    EXPECT_TRUE(areaIs(100, 100, 40, 20, sceneColour));
    // No pressed picture: state 2 shows nothing and isn't recorded.
    b.setState(2);
    EXPECT_EQ(-1, b.state);
    // The same state again does not update the display.
    b.setState(1);
    markList();
    b.setState(1);
    EXPECT_FALSE(updated());

    Button p("press", pictureDir(), 200, 100, false, true, false);
    p.setState(2);
    EXPECT_TRUE(areaIs(200, 100, 40, 20, pressColour));
    p.setState(-1);  // the hover protocol leaves a pressed look alone
    EXPECT_TRUE(areaIs(200, 100, 40, 20, pressColour));
    p.setState(4);  // released
    EXPECT_EQ(4, p.state);
    EXPECT_TRUE(areaIs(200, 100, 40, 20, sceneColour));
}

TEST_F(MediaControls, FlashButtonTogglesByThePeriodUntilPressedOrStopped) {
    FlashButton f("gamble", pictureDir(), 300, 300, false, true, 500, 3);
    EXPECT_TRUE(areaIs(300, 300, 30, 30, flashColour));  // the initial state is drawn
    // The first tick starts the timing only.
    std::string states;
    for (Uint32 wait : {0, 499, 1, 600}) {
        fakeNow += wait;
        f.tick();
        states += std::to_string(f.state);
    }
    EXPECT_EQ("3303", states);
    f.setState(2);  // pressed: no more flashing
    EXPECT_TRUE(areaIs(300, 300, 30, 30, pressColour));
    for (int stopped : {0, 1}) {
        if (stopped) f.setState(0), f.setFlashPeriod(-1);
        for (int i = 0; i < 3; ++i) {
            fakeNow += 500;
            f.tick();
        }
        EXPECT_EQ(stopped ? 0 : 2, f.state);
    }
}
