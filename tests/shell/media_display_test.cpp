// The changed-rectangle list, clipping, whole-screen save/restore and the
// colour helpers of the display.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "shell/display.h"
#include "shell/media_fixture.h"

using namespace mediatest;

namespace {

SDL_Rect R(int x, int y, int w, int h) { return SDL_Rect{Sint16(x), Sint16(y), Uint16(w), Uint16(h)}; }

std::string text(const SDL_Rect& r) {
    return std::to_string(r.x) + "," + std::to_string(r.y) + " " + std::to_string(r.w) + "x" + std::to_string(r.h);
}

class MediaDisplay : public MediaTest {};

}  // namespace

TEST_F(MediaDisplay, ChangedRectanglesAreClippedToTheScreen) {
    // Clipped at the far edges, kept whole at the near ones; wholly beyond: empty.
    std::string clipped;
    for (SDL_Rect r : {R(790, 590, 20, 20), R(-5, -5, 20, 20), R(-100, 10, 1000, 20), R(850, 10, 20, 20),
                       R(10, 600, 20, 20)}) {
        display->clipToScreen(r);
        clipped += text(r) + " | ";
    }
    EXPECT_EQ("790,590 10x10 | 0,0 20x20 | 0,10 800x20 | 850,10 0x20 | 10,600 20x0 | ", clipped);
    display->addDirtyRect(R(900, 700, 20, 20));
    display->update();
    EXPECT_TRUE(display->changedRects.empty());
}

TEST_F(MediaDisplay, SaveAndRestoreBringTheScreenBackOnceAndNest) {
    fillRect(100, 100, 50, 50, Colour{255, 0, 0});
    display->saveScreen();
    fillScreen(Colour{0, 0, 255});
    display->changedRects.clear();
    display->restoreScreen();
    EXPECT_TRUE(areaIs(100, 100, 50, 50, Colour{255, 0, 0}));
    EXPECT_TRUE(areaIs(0, 0, 100, 100, Colour{0, 0, 0}));
    ASSERT_EQ(1u, display->changedRects.size());
    EXPECT_EQ("0,0 800x600", text(display->changedRects[0]));
    EXPECT_EQ(nullptr, display->savedScreen);

    // Saving again replaces the outer copy: the outer restore has nothing left.
    fillScreen(Colour{0, 255, 0});
    display->saveScreen();
    display->saveScreen();
    fillScreen(Colour{0, 0, 255});
    display->restoreScreen();
    display->restoreScreen();
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

TEST_F(MediaDisplay, KeyColourIsTheTopLeftPixel) {
    fillRect(0, 0, 1, 1, Colour{255, 0, 255});
    EXPECT_EQ(0xFF00FFu, display->screenKeyColor());
    // An 8-bit picture reads its palette entry, not four pixels at once.
    SDL_Surface* indexed = SDL_CreateRGBSurface(SDL_SWSURFACE, 4, 1, 8, 0, 0, 0, 0);
    SDL_Color palette[2] = {{10, 20, 30, 0}, {200, 100, 50, 0}};
    SDL_SetColors(indexed, palette, 0, 2);
    static_cast<Uint8*>(indexed->pixels)[0] = 1;
    static_cast<Uint8*>(indexed->pixels)[1] = 255;
    EXPECT_EQ(0xC86432u, display->surfaceKeyColor(indexed));
    SDL_FreeSurface(indexed);
}
