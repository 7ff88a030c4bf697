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

TEST_F(MediaTextLabel, RightAlignedTextEndsAtTheAnchor) {
    TextLabel label(fontFile, 24, "1", 500, 300, 3, 255, 255, 0);
    ASSERT_NE(nullptr, label.font);
    EXPECT_EQ(500, label.left + label.extent.w);
    label.setText("123456");
    EXPECT_EQ(500, label.left + label.extent.w);
    EXPECT_EQ(300, label.baseline);

    EXPECT_EQ(0, inkedScreen());  // nothing drawn until draw()
    label.draw();
    int ink = inked(label.area());
    EXPECT_GT(ink, 0);
    EXPECT_EQ(ink, inkedScreen());  // all of it inside the text's area
    EXPECT_TRUE(display->changedRects.empty());
}

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

TEST_F(MediaTextLabel, EmptyTextLeavesNoBackground) {
    TextLabel label(fontFile, 24, "250", 100, 100, 1, 255, 255, 255);
    label.draw();
    const int left = label.left;
    label.setText("");
    EXPECT_EQ(0, inkedScreen());
    EXPECT_EQ(nullptr, label.background);
    EXPECT_EQ(left, label.left);  // placement kept

    // Paint over where the text was: erase() has nothing to put back.
    fillRect(left, 60, 60, 60, Colour{255, 0, 0});
    label.erase();
    EXPECT_TRUE(areaIs(left, 60, 60, 60, Colour{255, 0, 0}));
    label.draw();  // shows nothing
    EXPECT_TRUE(areaIs(left, 60, 60, 60, Colour{255, 0, 0}));

    // A new text takes a fresh copy of what is under it now.
    label.setText("7");
    label.draw();
    label.setText("");
    EXPECT_TRUE(areaIs(left, 60, 60, 60, Colour{255, 0, 0}));
}

TEST_F(MediaTextLabel, SharedFontDrawsEachLabelAtItsOwnSize) {
    sge_TTFont* font = sge_TTF_OpenFont(fontFile, 30);
    ASSERT_NE(nullptr, font);
    TextLabel big(font, 30, "Win", 100, 100, 0, 255, 255, 255);
    const int bigHeight = big.extent.h;
    TextLabel small(font, 17, "Win", 100, 300, 0, 255, 255, 255);
    EXPECT_FALSE(small.ownsFont);
    small.setSize(17);
    const int smallHeight = small.extent.h;
    ASSERT_LT(smallHeight, bigHeight);

    small.draw();  // leaves the shared font at 17
    big.draw();
    EXPECT_EQ(bigHeight, big.extent.h);
    small.draw();
    EXPECT_EQ(smallHeight, small.extent.h);
    EXPECT_GT(inked(big.area()), inked(small.area()));
    sge_TTF_CloseFont(font);  // the labels borrowed it
}

TEST_F(MediaTextLabel, MissingFontShowsNothing) {
    const std::string path = "../fonts/no-such-font.ttf";
    clearLoadedAssets();
    TextLabel label(path, 20, "Credits", 100, 100, 0, 255, 255, 255);
    EXPECT_EQ(1u, loadedAssets().count(path));
    EXPECT_EQ(nullptr, label.font);
    EXPECT_EQ(nullptr, label.background);
    label.draw();
    label.setText("More");
    label.setSize(30);
    label.erase();
    EXPECT_EQ(0, inkedScreen());
}
