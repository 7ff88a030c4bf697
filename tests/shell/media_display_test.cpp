// The changed-rectangle list, clipping, whole-screen save/restore and the
// colour helpers of the display.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

#include "shell/display.h"
#include "shell/media_fixture.h"

using namespace mediatest;

namespace {

SDL_Rect R(int x, int y, int w, int h) { return SDL_Rect{Sint16(x), Sint16(y), Uint16(w), Uint16(h)}; }

void expectRect(const SDL_Rect& got, int x, int y, int w, int h) {
    EXPECT_EQ(x, got.x);
    EXPECT_EQ(y, got.y);
    EXPECT_EQ(w, got.w);
    EXPECT_EQ(h, got.h);
}

class MediaDisplay : public MediaTest {};

}  // namespace

TEST_F(MediaDisplay, ChangedListMergesEqualAndContainedRectangles) {
    display->addDirtyRect(R(10, 10, 50, 50));
    display->addDirtyRect(R(10, 10, 50, 50));
    ASSERT_EQ(1u, display->changedRects.size());

    // A smaller rectangle inside a listed one adds nothing.
    display->addDirtyRect(R(20, 20, 5, 5));
    ASSERT_EQ(1u, display->changedRects.size());

    // Overlapping without containment: both kept, in the order added.
    display->addDirtyRect(R(40, 40, 50, 50));
    ASSERT_EQ(2u, display->changedRects.size());
    expectRect(display->changedRects[0], 10, 10, 50, 50);
    expectRect(display->changedRects[1], 40, 40, 50, 50);

    // Equal edges count as contained.
    EXPECT_TRUE(rectContains(R(0, 0, 100, 100), R(90, 90, 10, 10)));
    EXPECT_FALSE(rectContains(R(0, 0, 100, 100), R(90, 90, 11, 10)));
}

TEST_F(MediaDisplay, ClipsToTheScreenKeepingSizeAtTheNearEdges) {
    SDL_Rect r = R(790, 590, 20, 20);
    display->clipToScreen(r);
    expectRect(r, 790, 590, 10, 10);

    r = R(-5, -5, 20, 20);
    display->clipToScreen(r);
    expectRect(r, 0, 0, 20, 20);

    r = R(-100, 10, 1000, 20);
    display->clipToScreen(r);
    expectRect(r, 0, 10, 800, 20);

    // Wholly beyond the right or bottom edge: nothing left to send.
    r = R(850, 10, 20, 20);
    display->clipToScreen(r);
    EXPECT_EQ(0, r.w);
    r = R(10, 600, 20, 20);
    display->clipToScreen(r);
    EXPECT_EQ(0, r.h);

    // update() sends them, skipping what lies off screen, and empties the list.
    display->addDirtyRect(R(790, 590, 20, 20));
    display->addDirtyRect(R(-5, -5, 20, 20));
    display->addDirtyRect(R(900, 700, 20, 20));
    display->update();
    EXPECT_TRUE(display->changedRects.empty());
}

TEST_F(MediaDisplay, SaveAndRestoreBringTheScreenBack) {
    fillRect(100, 100, 50, 50, Colour{255, 0, 0});
    display->saveScreen();
    fillScreen(Colour{0, 0, 255});
    display->changedRects.clear();

    display->restoreScreen();
    EXPECT_TRUE(areaIs(100, 100, 50, 50, Colour{255, 0, 0}));
    EXPECT_TRUE(areaIs(0, 0, 100, 100, Colour{0, 0, 0}));
    ASSERT_EQ(1u, display->changedRects.size());
    expectRect(display->changedRects[0], 0, 0, 800, 600);
    EXPECT_EQ(nullptr, display->savedScreen);

    // Without a saved copy nothing is drawn but the screen is still marked.
    fillScreen(Colour{0, 0, 255});
    display->update();
    display->restoreScreen();
    EXPECT_TRUE(areaIs(0, 0, 800, 600, Colour{0, 0, 255}));
    ASSERT_EQ(1u, display->changedRects.size());

    // Saving again replaces the outer copy.
    fillScreen(Colour{255, 0, 0});
    display->saveScreen();
    fillScreen(Colour{0, 255, 0});
    display->saveScreen();  // an inner popup
    fillScreen(Colour{0, 0, 255});
    display->restoreScreen();  // inner restore: green again
    EXPECT_TRUE(areaIs(0, 0, 800, 600, Colour{0, 255, 0}));
    display->restoreScreen();  // outer restore has nothing left
    EXPECT_TRUE(areaIs(0, 0, 800, 600, Colour{0, 255, 0}));

    // drawSavedScreen keeps the copy for another wipe.
    display->saveScreen();
    fillScreen(Colour{0, 0, 255});
    display->drawSavedScreen();
    EXPECT_NE(nullptr, display->savedScreen);
    EXPECT_TRUE(areaIs(0, 0, 800, 600, Colour{0, 255, 0}));
    display->freeSavedScreen();
    EXPECT_EQ(nullptr, display->savedScreen);
}

TEST(MediaDisplayNoVideo, FailedModeReportsAndLeavesNoSurface) {
    // A video driver that doesn't exist: the mode can't be set.
    std::string driver = getenv("SDL_VIDEODRIVER") ? getenv("SDL_VIDEODRIVER") : "";
    setenv("SDL_VIDEODRIVER", "no-such-driver", 1);
    testing::internal::CaptureStdout();
    Display d(SDL_ANYFORMAT);
    std::string out = testing::internal::GetCapturedStdout();
    setenv("SDL_VIDEODRIVER", driver.c_str(), 1);
    EXPECT_FALSE(d.hasSurface());
    EXPECT_EQ(0u, out.find("Couldn't allocate screen buffer(s). SDL error"));
    // Nothing else may fall over without a surface.
    d.addDirtyRect(SDL_Rect{0, 0, 10, 10});
    d.update();
    d.saveScreen();
    d.restoreScreen();
    EXPECT_EQ(0u, d.mapColor(1, 2, 3));
    EXPECT_EQ(0u, d.screenKeyColor());
}
