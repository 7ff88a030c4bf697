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
