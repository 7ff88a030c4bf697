// Frame animations: the four play modes, frame timing by the tick clock,
// shared frames between clones, missing frames and animated sprites.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

#include "shell/animation.h"
#include "shell/display.h"
#include "shell/media_fixture.h"
#include "shell/mtrand.h"

using namespace mediatest;

namespace {

const int AX = 100, AY = 100;

class MediaAnimation : public MediaTest {
protected:
    // Frames "<name>.png.i" of 10x10, frame i coloured red = 8 * i so the
    // frame on the screen can be read back.
    void writeFrames(const std::string& name, int count, const std::set<int>& skip = {}) {
        for (int i = 0; i < count; ++i)
            if (!skip.count(i)) writePicture(pictureDir() + name + ".png." + std::to_string(i), 10, 10,
                                             Colour{Uint8(8 * i), 0, 255});
    }
    // Number of the frame shown at the animation's place; -1 when none.
    int shownFrame(int x = AX, int y = AY) {
        Colour c = screenRGB(x, y);
        if (c.b == 0) return -1;
        return c.r >> 3;
    }
    // Steps the clock by one period and updates; returns the frame drawn or -1.
    int step(Animation& a, Uint32 ms) {
        fakeNow += ms;
        fillRect(AX, AY, 10, 10, Colour{0, 0, 0});
        display->changedRects.clear();
        a.update();
        return display->changedRects.empty() ? -1 : shownFrame(a.x, a.y);
    }
};

}  // namespace

TEST_F(MediaAnimation, OncePlaysEveryFrameAtItsPeriodThenEnds) {
    writeFrames("once", 7);
    Animation a(pictureDir(), "once", 7, 20, AX, AY, animOnce);
    ASSERT_EQ(7, a.frameCount());

    std::vector<int> shown;
    shown.push_back(step(a, 0));  // the first update draws at once
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(-1, step(a, 49)) << "not due yet";
        shown.push_back(step(a, 1));
    }
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5, 6}), shown);
    EXPECT_FALSE(a.atEnd());
    EXPECT_EQ(-1, step(a, 50));  // moves to the end without drawing
    EXPECT_TRUE(a.atEnd());

    a.rewind();
    shown.clear();
    for (int i = 0; i < 7; ++i) shown.push_back(step(a, 50));
    EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5, 6}), shown);
}

TEST_F(MediaAnimation, LoopForwardAndBackwardOrders) {
    writeFrames("loop", 4);
    Animation fwd(pictureDir(), "loop", 4, 10, AX, AY, animLoop);
    std::vector<int> shown;
    for (int i = 0; i < 6; ++i) shown.push_back(step(fwd, 100));
    EXPECT_EQ((std::vector<int>{1, 2, 3, 0, 1, 2}), shown);
    EXPECT_EQ(2, fwd.frameIndex);

    writeFrames("back", 20);
    Animation back(pictureDir(), "back", 20, 10, AX, AY, animBackward);
    EXPECT_EQ(18, step(back, 100));
    for (int i = 17; i >= 0; --i) EXPECT_EQ(i, step(back, 100));
    EXPECT_EQ(19, step(back, 100));
    EXPECT_EQ(18, step(back, 100));
}

TEST_F(MediaAnimation, ShuffledLoopVisitsEveryFrameEachPass) {
    writeFrames("mix", 6);
    sgenrand(4357);
    Animation a(pictureDir(), "mix", 6, 10, AX, AY, animShuffle);
    // The first pass runs in load order from a random start, then come
    // passes in fresh orders, each frame once per pass.
    for (int i = a.position + 1; i < 6; ++i) EXPECT_EQ(i, step(a, 100));
    std::vector<std::vector<int>> passes;
    for (int p = 0; p < 4; ++p) {
        std::vector<int> pass;
        for (int i = 0; i < 6; ++i) pass.push_back(step(a, 100));
        std::vector<int> sorted = pass;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ((std::vector<int>{0, 1, 2, 3, 4, 5}), sorted);
        passes.push_back(pass);
    }
    EXPECT_FALSE(passes[0] == passes[1] && passes[1] == passes[2] && passes[2] == passes[3]);
}

TEST_F(MediaAnimation, ClonesShareFramesUntilTheLastHolderGoes) {
    writeFrames("reel", 3);
    Animation* original = new Animation(pictureDir(), "reel", 3, 10, AX, AY, animLoop);
    Animation* a = original->clone("reel1", 20, 200, 100, animBackward);
    Animation* b = original->clone("reel2", 40, 300, 100, animOnce);
    ASSERT_EQ(3, a->frameCount());
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(original->frames[i], a->frames[i]);
        EXPECT_EQ(original->frames[i], b->frames[i]);
        EXPECT_EQ(3, original->frames[i]->uses);
    }

    delete original;
    EXPECT_EQ(2, a->frames[0]->uses);
    a->update();
    EXPECT_EQ(1, shownFrame(200, 100));
    delete a;
    EXPECT_EQ(1, b->frames[0]->uses);
    b->update();
    EXPECT_EQ(0, shownFrame(300, 100));
    delete b;
}
