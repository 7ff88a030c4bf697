// TrueType text labels: placement by alignment, erasing through the saved
// background, empty texts and fonts shared between labels.
#include <SDL.h>
#include <gtest/gtest.h>
#include <sge.h>

#include <string>

#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/media_fixture.h"
#include "shell/text_label.h"

using namespace mediatest;

namespace {

const char* const fontFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const Colour scene{0, 0, 255};

class MediaTextLabel : public MediaTest {
protected:
    void SetUp() override {
        MediaTest::SetUp();
        ASSERT_EQ(0, sge_TTF_Init());
        fillScreen(scene);
    }
    // Pixels of the area that no longer show the scene.
    int inked(const SDL_Rect& r) {
        int n = 0;
        const Uint32 bg = display->mapColor(scene.r, scene.g, scene.b);
        for (int y = r.y; y < r.y + r.h; ++y)
            for (int x = r.x; x < r.x + r.w; ++x)
                if (screenPixel(x, y) != bg) ++n;
        return n;
    }
    int inkedScreen() { return inked(SDL_Rect{0, 0, 800, 600}); }
};

}  // namespace

TEST_F(MediaTextLabel, ChangingTheTextErasesTheOldOne) {
    {
        // Digits that sit on the baseline (a video slot meter): a shorter
        // number leaves no sliver of the longer one.
        TextLabel meter("../fonts/nickle4.ttf", 14, "730", 500, 500, 3, 255, 255, 255);
        meter.draw();
        meter.setText("73");
        meter.draw();
        meter.setText("");
        EXPECT_EQ(0, inkedScreen());
    }
    TextLabel label(fontFile, 24, "8888", 100, 100, 0, 255, 255, 255);
    label.draw();
    ASSERT_GT(inkedScreen(), 0);
    EXPECT_EQ((scene.r << 16) | (scene.g << 8) | scene.b, int(label.backgroundColour));

    label.setText("1");
    EXPECT_EQ(0, inkedScreen());
    label.draw();
    const int one = inkedScreen();

    // The same text again restores and re-saves the same area: same pixels.
    SDL_Rect before = label.area();
    label.setText("1");
    EXPECT_EQ(0, inkedScreen());
    label.draw();
    EXPECT_EQ(one, inkedScreen());
    EXPECT_TRUE(rectsEqual(before, label.area()));

    // Destroying the label leaves its text on the screen.
    auto* other = new TextLabel(fontFile, 24, "VIP", 300, 300, 0, 255, 255, 255);
    other->draw();
    const int ink = inkedScreen();
    delete other;
    EXPECT_EQ(ink, inkedScreen());
}
