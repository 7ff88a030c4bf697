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

TEST_F(MediaControls, ContainsExcludesAllFourEdges) {
    Hotspot spot("area", 10, 20, 100, 40);
    EXPECT_TRUE(spot.contains(11, 21));
    EXPECT_TRUE(spot.contains(109, 59));
    EXPECT_FALSE(spot.contains(10, 30));
    EXPECT_FALSE(spot.contains(110, 30));
    EXPECT_FALSE(spot.contains(50, 20));
    EXPECT_FALSE(spot.contains(50, 60));
    spot.setSize(5, 5);
    EXPECT_FALSE(spot.contains(50, 30));
    EXPECT_TRUE(spot.contains(12, 22));
}

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

TEST_F(MediaControls, ButtonWithoutPicturesIsHarmless) {
    testing::internal::CaptureStdout();
    Button b("nothing", pictureDir(), 10, 10, true, true, true);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_NE(std::string::npos, out.find("Couldn't Load" + pictureDir() + "nothing_std.png"));
    EXPECT_NE(std::string::npos, out.find("Couldn't Load" + pictureDir() + "nothing_mo.png"));
    EXPECT_EQ(0, b.width());
    EXPECT_EQ(0, b.height());
    EXPECT_EQ(nullptr, b.background);
    for (int s : {-1, 0, 1, 2, 3, 4, 5}) b.setState(s);
    EXPECT_FALSE(b.contains(11, 11));
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

TEST_F(MediaControls, MenuButtonEnablesAndDisables) {
    // The menu pictures live in ../gfx/menu/: give this test a private gfx
    // folder and put the shared one back afterwards.
    const fs::path gfx = fs::path(testrt::root()) / "gfx";
    fs::path linkTarget;
    if (fs::is_symlink(gfx)) {
        linkTarget = fs::read_symlink(gfx);
        fs::remove(gfx);
    }
    writePicture((gfx / "menu" / "testmachine_mo.png").string(), 50, 20, hoverColour);
    writePicture((gfx / "menu" / "testmachine_disabled.png").string(), 50, 20, Colour{128, 128, 128});

    {
        MenuButton m("testmachine", 20, 30);
        m.setState(5);
        EXPECT_FALSE(m.enabled);
        EXPECT_TRUE(areaIs(20, 30, 50, 20, Colour{128, 128, 128}));
        m.setState(1);
        EXPECT_TRUE(areaIs(20, 30, 50, 20, hoverColour));
        EXPECT_FALSE(m.enabled);
        m.setState(-1);
        EXPECT_TRUE(m.enabled);
        EXPECT_TRUE(areaIs(20, 30, 50, 20, sceneColour));
        markList();
        m.setState(-1);  // no test for an unchanged state
        EXPECT_TRUE(updated());
    }

    if (!linkTarget.empty()) {
        fs::remove_all(gfx);
        fs::create_directory_symlink(linkTarget, gfx);
    }
}
