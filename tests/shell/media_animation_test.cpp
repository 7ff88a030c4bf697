// Frame animations: the play modes, frame timing by the tick clock, shared
// frames between clones, and missing pictures of every kind left harmless.
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "shell/animation.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/media_fixture.h"
#include "shell/mtrand.h"

using namespace mediatest;

namespace {

const int AX = 100, AY = 100;

class MediaAnimation : public MediaTest {
protected:
    // Frames "<name>.png.i" of 10x10, frame i coloured red = 8 * i so the
    // frame on the screen can be read back.
    void writeFrames(const std::string& name, int count) {
        for (int i = 0; i < count; ++i)
            writePicture(pictureDir() + name + ".png." + std::to_string(i), 10, 10, Colour{Uint8(8 * i), 0, 255});
    }
    // The frames drawn by `steps` updates `ms` apart, "." for an update that drew nothing.
    std::string run(Animation& a, int steps, Uint32 ms) {
        std::string out;
        for (int i = 0; i < steps; ++i) {
            fakeNow += ms;
            fillRect(a.x, a.y, 10, 10, Colour{0, 0, 0});
            display->changedRects.clear();
            a.update();
            out += display->changedRects.empty() ? "." : std::to_string(screenRGB(a.x, a.y).r >> 3);
            out += " ";
        }
        return out;
    }
};

}  // namespace

TEST_F(MediaAnimation, EachModeStepsOneFrameAPeriodInItsOrder) {
    writeFrames("f", 20);
    // Once at 20 frames a second: the first update draws at once, 49 ms is not yet due.
    Animation once(pictureDir(), "f", 7, 20, AX, AY, animOnce);
    EXPECT_EQ("0 ", run(once, 1, 0));
    EXPECT_EQ(". ", run(once, 1, 49));
    EXPECT_EQ("1 ", run(once, 1, 1));
    EXPECT_EQ("2 3 4 5 6 ", run(once, 5, 50));
    EXPECT_FALSE(once.atEnd());
    EXPECT_EQ(". ", run(once, 1, 50));  // moves to the end without drawing
    EXPECT_TRUE(once.atEnd());
    once.rewind();
    EXPECT_EQ("0 1 2 3 4 5 6 ", run(once, 7, 50));

    Animation loop(pictureDir(), "f", 4, 10, AX, AY, animLoop);
    EXPECT_EQ("1 2 3 0 1 2 ", run(loop, 6, 100));
    Animation back(pictureDir(), "f", 20, 10, AX, AY, animBackward);
    EXPECT_EQ("18 17 16 15 14 13 12 11 10 9 8 7 6 5 4 3 2 1 0 19 18 ", run(back, 21, 100));

    // Shuffled: the first pass in load order from a random start, then
    // passes in fresh orders, each frame once a pass.
    sgenrand(4357);
    Animation mix(pictureDir(), "f", 6, 10, AX, AY, animShuffle);
    std::string first;
    for (int i = mix.position + 1; i < 6; ++i) first += std::to_string(i) + " ";
    EXPECT_EQ(first, run(mix, 5 - mix.position, 100));
    std::string passes[3];
    for (std::string& pass : passes) {
        pass = run(mix, 6, 100);
        std::string sorted = pass;
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ("      012345", sorted);
    }
    EXPECT_FALSE(passes[0] == passes[1] && passes[1] == passes[2]);
}

TEST_F(MediaAnimation, ClonesShareFramesUntilTheLastHolderGoes) {
    writeFrames("reel", 3);
    Animation* original = new Animation(pictureDir(), "reel", 3, 10, AX, AY, animLoop);
    Animation* a = original->clone("reel1", 20, 200, 100, animBackward);
    Animation* b = original->clone("reel2", 40, 300, 100, animOnce);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(original->frames[i], b->frames[i]);
        EXPECT_EQ(3, original->frames[i]->uses);
    }
    delete original;
    EXPECT_EQ("1 ", run(*a, 1, 0));
    delete a;
    EXPECT_EQ(1, b->frames[0]->uses);
    EXPECT_EQ("0 ", run(*b, 1, 0));
    delete b;
}

TEST_F(MediaAnimation, MissingPicturesAreReportedAndDrawNothing) {
    testing::internal::CaptureStdout();
    Image picture(pictureDir() + "none.png");
    Sprite sprite(pictureDir() + "none.png", false, false, 5, 5);
    Animation empty(pictureDir(), "none", 4, 10, AX, AY, animOnce);
    AnimatedSprite car(pictureDir(), "none", 2, 10, AX, AY, animLoop);
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(8, std::count(out.begin(), out.end(), '\n'));
    EXPECT_EQ(0u, out.find("Couldn't Load" + pictureDir() + "none.png\n"));
    EXPECT_TRUE(empty.atEnd());  // a wait loop on it ends at once
    picture.blit(10, 10);
    sprite.draw();
    sprite.restoreBackground();
    for (int mode = 0; mode < 4; ++mode) {
        empty.setMode(mode);
        empty.update(true);
    }
    Animation* copy = empty.clone("copy", 10, 0, 0, animLoop);
    copy->update();
    delete copy;
    car.update();
    car.restoreBackground();
    EXPECT_TRUE(display->changedRects.empty());
}
