// Loading pictures, cropped drawing at the screen edges, colour keys and
// sprites that erase themselves.
#include <SDL.h>
#include <gtest/gtest.h>

#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/media_fixture.h"

using namespace mediatest;

namespace {
class MediaImage : public MediaTest {};
}  // namespace

TEST_F(MediaImage, MissingFileReportsAndStaysEmpty) {
    const std::string path = pictureDir() + "nothing_here.png";
    clearLoadedAssets();
    testing::internal::CaptureStdout();
    Image picture(path);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ("Couldn't Load" + path + "\n", out);
    EXPECT_FALSE(picture.loaded);
    EXPECT_EQ(nullptr, picture.surface);
    EXPECT_EQ(0, picture.width());
    EXPECT_EQ(1u, loadedAssets().count(path));

    // Drawing an empty picture touches nothing.
    picture.blit(10, 10);
    EXPECT_TRUE(display->changedRects.empty());

    Sprite sprite(path, false, false, 5, 5);
    EXPECT_EQ(nullptr, sprite.background);
    sprite.draw();
    sprite.restoreBackground();
    EXPECT_TRUE(display->changedRects.empty());
}

TEST_F(MediaImage, LoadsAndConvertsToTheDisplayFormat) {
    const std::string path = pictureDir() + "plain.bmp";
    writePicture(path, 40, 30, Colour{0, 255, 0});
    Image converted(path);
    ASSERT_TRUE(converted.loaded);
    EXPECT_EQ(16, converted.surface->format->BitsPerPixel);

    Image kept(path, false, true);
    ASSERT_TRUE(kept.loaded);
    EXPECT_EQ(24, kept.surface->format->BitsPerPixel);

    converted.blit(100, 200);
    ASSERT_EQ(1u, display->changedRects.size());
    EXPECT_TRUE(rectsEqual(SDL_Rect{100, 200, 40, 30}, display->changedRects[0]));
    EXPECT_TRUE(areaIs(100, 200, 40, 30, Colour{0, 255, 0}));
    EXPECT_TRUE(areaIs(99, 200, 1, 30, Colour{0, 0, 0}));
}

TEST_F(MediaImage, CropsAtTheLeftAndTopEdges) {
    const std::string path = pictureDir() + "columns.bmp";
    writeColumnPicture(path, 50, 20);
    Image picture(path);
    ASSERT_TRUE(picture.loaded);

    picture.blit(-10, 20);
    ASSERT_EQ(1u, display->changedRects.size());
    EXPECT_EQ(0, display->changedRects[0].x);
    EXPECT_EQ(40, display->changedRects[0].w);
    // Screen column 0 shows picture column 10 (red 40), column 39 shows 49.
    Colour first = screenRGB(0, 20);
    Colour last = screenRGB(39, 20);
    EXPECT_NEAR(40, first.r, 8);
    EXPECT_NEAR(196, last.r, 8);
    EXPECT_EQ(0, screenRGB(40, 20).b);  // nothing past the cropped width

    display->changedRects.clear();
    picture.blit(30, -5);
    ASSERT_EQ(1u, display->changedRects.size());
    EXPECT_EQ(30, display->changedRects[0].x);
    EXPECT_EQ(0, display->changedRects[0].y);
    EXPECT_EQ(15, display->changedRects[0].h);
    // Screen row 0 shows picture row 5 (green 20).
    EXPECT_NEAR(20, screenRGB(30, 0).g, 8);

    // Wholly off the left or top: nothing drawn, nothing marked.
    display->changedRects.clear();
    picture.blit(-50, 100);
    picture.blit(100, -20);
    EXPECT_TRUE(display->changedRects.empty());
}

TEST_F(MediaImage, ColourKeyMakesTheCornerColourTransparent) {
    const std::string path = pictureDir() + "keyed.bmp";
    // Magenta corner, the rest white.
    writePicture(path, 10, 10, Colour{255, 255, 255}, Colour{255, 0, 255});
    fillScreen(Colour{0, 0, 255});

    Image keyed(path, true);
    keyed.blit(100, 100);
    EXPECT_EQ(0, screenRGB(100, 100).r);  // corner left out: blue shows
    EXPECT_TRUE(areaIs(101, 100, 9, 10, Colour{255, 255, 255}));

    Image opaque(path, false);
    opaque.blit(200, 100);
    Colour c = screenRGB(200, 100);
    EXPECT_GT(c.r, 240);
    EXPECT_EQ(0, c.g);
}

TEST_F(MediaImage, SpriteEraseRestoresTheScene) {
    const std::string path = pictureDir() + "sprite.bmp";
    writePicture(path, 20, 20, Colour{255, 255, 0});
    // A scene with some detail under the sprite.
    fillRect(300, 300, 10, 40, Colour{255, 0, 0});
    Sprite sprite(path, false, false, 295, 305);
    ASSERT_NE(nullptr, sprite.background);

    sprite.draw();
    EXPECT_TRUE(areaIs(295, 305, 20, 20, Colour{255, 255, 0}));
    ASSERT_EQ(1u, display->changedRects.size());
    SDL_Rect drawn = display->changedRects[0];
    display->update();

    sprite.restoreBackground();
    ASSERT_EQ(1u, display->changedRects.size());
    EXPECT_TRUE(rectsEqual(drawn, display->changedRects[0]));
    EXPECT_TRUE(areaIs(300, 305, 10, 20, Colour{255, 0, 0}));
    EXPECT_TRUE(areaIs(295, 305, 5, 20, Colour{0, 0, 0}));
    EXPECT_TRUE(areaIs(310, 305, 5, 20, Colour{0, 0, 0}));

    // A scene change while hidden: a fresh copy is erased to the new scene.
    fillRect(295, 305, 20, 20, Colour{0, 255, 0});
    sprite.saveBackground();
    sprite.draw();
    sprite.restoreBackground();
    EXPECT_TRUE(areaIs(295, 305, 20, 20, Colour{0, 255, 0}));
}
