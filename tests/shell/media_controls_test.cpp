// On-screen controls: hit test with excluded edges, button states and what
// they show, flashing buttons by the clock, menu buttons and hotspots.
#include <SDL.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "shell/controls.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/media_fixture.h"

using namespace mediatest;
namespace fs = std::filesystem;

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

TEST_F(MediaControls, HoverButtonLightsAndClears) {
    Button b("hover", pictureDir(), 100, 100, false, false, true);
    ASSERT_NE(nullptr, b.mouseOver);

    b.setState(1);
    EXPECT_EQ(1, b.state);
    EXPECT_TRUE(areaIs(100, 100, 40, 20, hoverColour));
    b.setState(-1);
    EXPECT_EQ(-1, b.state);
    EXPECT_TRUE(areaIs(100, 100, 40, 20, sceneColour));

    // No pressed picture: state 2 shows nothing and isn't recorded.
    markList();
    b.setState(2);
    EXPECT_EQ(-1, b.state);
    EXPECT_TRUE(areaIs(100, 100, 40, 20, sceneColour));
    EXPECT_TRUE(updated());

    // The same state again does not update the display.
    b.setState(1);
    markList();
    b.setState(1);
    EXPECT_FALSE(updated());
    b.setState(5);
    EXPECT_TRUE(updated());
    EXPECT_EQ(5, b.state);
    EXPECT_TRUE(areaIs(100, 100, 40, 20, sceneColour));
}

TEST_F(MediaControls, PressedButtonStaysUntilReleased) {
    Button b("press", pictureDir(), 200, 100, false, true, false);
    b.setState(2);
    EXPECT_TRUE(areaIs(200, 100, 40, 20, pressColour));
    b.setState(-1);  // the hover protocol leaves a pressed look alone
    EXPECT_EQ(-1, b.state);
    EXPECT_TRUE(areaIs(200, 100, 40, 20, pressColour));
    b.setState(4);  // released
    EXPECT_EQ(4, b.state);
    EXPECT_TRUE(areaIs(200, 100, 40, 20, sceneColour));
}

TEST_F(MediaControls, FlashButtonTogglesByThePeriod) {
    FlashButton f("gamble", pictureDir(), 300, 300, false, true, 500, 3);
    EXPECT_TRUE(areaIs(300, 300, 30, 30, flashColour));  // the initial state is drawn

    f.tick();  // starts the timing only
    EXPECT_EQ(3, f.state);
    fakeNow += 499;
    f.tick();
    EXPECT_EQ(3, f.state);
    fakeNow += 1;
    f.tick();
    EXPECT_EQ(0, f.state);
    EXPECT_TRUE(areaIs(300, 300, 30, 30, sceneColour));
    fakeNow += 600;
    f.tick();
    EXPECT_EQ(3, f.state);

    f.setState(2);
    EXPECT_TRUE(areaIs(300, 300, 30, 30, pressColour));
    for (int i = 0; i < 3; ++i) {
        fakeNow += 500;
        f.tick();
    }
    EXPECT_EQ(2, f.state);

    f.setState(0);
    f.setFlashPeriod(-1);
    fakeNow += 5000;
    f.tick();
    EXPECT_EQ(0, f.state);

    // Starting in state 0 draws nothing but the screen under it.
    FlashButton g("gamble", pictureDir(), 400, 300, false, true, 500, 0);
    EXPECT_TRUE(areaIs(400, 300, 30, 30, sceneColour));
}
