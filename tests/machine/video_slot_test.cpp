// The video slot family on a real member (Zookeeper, 9 coins a line at most):
// the panel's bet rules and line buttons (every control of the panel pressed:
// tests/game/panel_test.cpp).
#include "machines/video/video_fixture.h"
#include "shell/text_label.h"

using videotest::VideoFixture;

namespace {

class VideoSlotTest : public VideoFixture {
protected:
    void SetUp() override {
        VideoFixture::SetUp();
        open("zookeeper");
        ASSERT_NE(m, nullptr);
    }
    void key(SDLKey sym) { m->handleEvent(testrt::keyEvent(sym)); }
    // The bet and the meters as the player sees them.
    std::string panel() {
        return "coins=" + std::to_string(m->coins) + " lines=" + std::to_string(m->lines) +
               " credit=" + m->creditMeter->text + " bet=" + m->betMeter->text;
    }
};

TEST_F(VideoSlotTest, LineButtonsBetOneAndCancelFollowTheCredits) {
    m->credits = 5;
    m->coins = 2;
    testrt::press(*m, "play3");
    EXPECT_EQ(m->lines, 0) << "3 lines of 2 coins need 6 credits";
    m->credits = 6;
    testrt::press(*m, "play3");
    EXPECT_EQ(m->lines, 3);
    EXPECT_EQ(m->betMeter->text, "6");

    // Bet one: 8 of 9 coins stays when 9 x lines is one credit short; wraps at 9.
    m->lines = 5;
    m->coins = 8;
    m->credits = 44;
    key(SDLK_n);
    EXPECT_EQ(m->coins, 8);
    m->credits = 45;
    key(SDLK_n);
    EXPECT_EQ(panel(), "coins=9 lines=5 credit=0 bet=45");
    testrt::press(*m, "betone");
    EXPECT_EQ(m->coins, 1);

    // Cancel clears the coins, not the lines.
    testrt::press(*m, "cancel");
    EXPECT_EQ(panel(), "coins=0 lines=5 credit=45 bet=0");
}

}  // namespace
