// The LED signs: laying the text out, scrolling one dot column per period
// and wrapping round, and a sign whose font is missing.
#include <gtest/gtest.h>

#include <string>

#include "floor/floor_fixture.h"
#include "shell/led_sign.h"
#include "shell/display.h"
#include "support/runtime.h"

using namespace floortest;

namespace {

// Two narrow glyphs that are easy to tell apart: 'I' one lit column, 'L' an
// upright and a foot; height 3, no spacing given (1).
const char* const tinyFont =
    "# a test font\nheight 3\n\n"
    "char 73\n#\n#\n#\n"
    "char 76\n#.\n#.\n##\n"
    "char 32\n..\n..\n..\n";

Uint32 fakeNow = 1000;
Uint32 fakeClock() { return fakeNow; }

class LedSignTest : public FloorTest {
protected:
    void SetUp() override {
        FloorTest::SetUp();
        testrt::writeFile(fontPath, tinyFont);
        mediaTicks = fakeClock;
        fakeNow = 1000;
    }
    const std::string fontPath = testrt::root() + "/tiny.def";
};

// The window's dots as text rows, '#' lit.
std::string window(const LedSign& sign) {
    std::string out;
    for (int r = 0; r < sign.rows(); ++r) {
        for (int c = 0; c < sign.columns(); ++c) out += sign.dotLit(c, r) ? '#' : '.';
        out += '\n';
    }
    return out;
}

}  // namespace

TEST_F(LedSignTest, LaysTextOutAndScrollsOneColumnPerPeriodThenWraps) {
    // 4 columns by 3 rows; "IL" is I, gap, L L, gap = 5 columns.
    LedSign sign(fontPath, "IL", 50, 10, 10, 12, 9, 255, 0, 0, 40, 0, 0);
    ASSERT_TRUE(sign.fontLoaded);
    EXPECT_EQ(20u, sign.period);  // 1000 / 50
    EXPECT_EQ(5, sign.textColumns());
    EXPECT_EQ("#.#.\n#.#.\n#.##\n", window(sign));
    // The first step draws without moving; then one column per period, and
    // one only however long the wait was; the end runs on into the beginning.
    std::string offsets;
    for (Uint32 wait : {0, 19, 1, 1000, 20, 20}) {
        fakeNow += wait;
        sign.step();
        offsets += std::to_string(sign.offset());
        if (sign.offset() == 1) {
            EXPECT_EQ(".#..\n.#..\n.##.\n", window(sign));
        }
    }
    EXPECT_EQ(".#.#\n.#.#\n.#.#\n", window(sign));
    fakeNow += 20;
    sign.step();
    EXPECT_EQ("001234", offsets);
    EXPECT_EQ(0, sign.offset());
}

TEST_F(LedSignTest, MissingFontLeavesADarkSignThatStillSteps) {
    testing::internal::CaptureStdout();
    LedSign sign(testrt::root() + "/nofont.def", "HELLO", 30, 0, 0, 15, 9, 255, 0, 0, 40, 0, 0);
    EXPECT_NE(std::string::npos, testing::internal::GetCapturedStdout().find("nofont.def"));
    EXPECT_FALSE(sign.fontLoaded);
    sign.step();
    fakeNow += 100;
    sign.step();
    EXPECT_GT(sign.columns(), 0);
    EXPECT_EQ(std::string::npos, window(sign).find('#'));
}
