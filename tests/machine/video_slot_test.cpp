// The video slot family on a real member (Zookeeper, 9 coins a line at most):
// the panel's bet rules, line buttons, keys, a whole spin with its settle and
// the last-bet meter, and leaving the machine with the credits.
#include "floor/cashier.h"
#include "floor/lobby.h"
#include "machines/video/video_fixture.h"
#include "player/player.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/text_label.h"

using videotest::VideoFixture;

namespace {

class VideoSlotTest : public VideoFixture {
protected:
    void SetUp() override {
        VideoFixture::SetUp();
        open("zookeeper");
    }
    void key(SDLKey sym) { m->handleEvent(testrt::keyEvent(sym)); }
    int creditShown() { return std::stoi(m->creditMeter->text); }
    int betShown() { return std::stoi(m->betMeter->text); }
};

TEST_F(VideoSlotTest, OpensWithNoBetAndStartDoesNothing) {
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(m->credits, 100);
    EXPECT_EQ(m->lastBetLabel->text, "0");
    click("start");
    key(SDLK_RETURN);
    EXPECT_FALSE(m->spinning);
    EXPECT_TRUE(m->menuEnabled);
    // One coin and no line: a bet of nothing starts no spin and keeps the panel live.
    click("betone");
    EXPECT_EQ(m->coins, 1);
    click("start");
    EXPECT_FALSE(m->spinning);
    EXPECT_TRUE(m->menuEnabled);
}

TEST_F(VideoSlotTest, LineButtonsAndBetOneFollowTheCredits) {
    ASSERT_NE(m, nullptr);
    m->credits = 5;
    m->coins = 2;
    click("play3");
    EXPECT_EQ(m->lines, 0) << "3 lines of 2 coins need 6 credits";
    m->credits = 6;
    const int shownBefore = creditShown();
    click("play3");
    EXPECT_EQ(m->lines, 3);
    EXPECT_EQ(betShown(), 6);
    EXPECT_EQ(control("play3")->state, 2);
    EXPECT_EQ(creditShown(), shownBefore) << "choosing lines leaves the credit meter";
    click("play1");
    EXPECT_EQ(control("play3")->state, 4);
    EXPECT_EQ(control("play1")->state, 2);

    // Bet one: 8 of 9 coins stays when 9 x lines is one credit short; wraps at 9.
    m->lines = 5;
    m->coins = 8;
    m->credits = 44;
    key(SDLK_n);
    EXPECT_EQ(m->coins, 8);
    m->credits = 45;
    key(SDLK_n);
    EXPECT_EQ(m->coins, 9);
    EXPECT_EQ(creditShown(), 0);
    EXPECT_EQ(betShown(), 45);
    click("betone");
    EXPECT_EQ(m->coins, 1);
    EXPECT_EQ(betShown(), 5);

    // Cancel clears the coins, not the lines.
    click("cancel");
    EXPECT_EQ(m->coins, 0);
    EXPECT_EQ(m->lines, 5);
    EXPECT_EQ(betShown(), 0);
    EXPECT_EQ(creditShown(), 45);
}

TEST_F(VideoSlotTest, BetMaxNeedsTheWholeBetThenSpinsAndSettles) {
    ASSERT_NE(m, nullptr);
    click("play2");
    m->credits = 44;
    click("betmax");
    EXPECT_FALSE(m->spinning);
    EXPECT_EQ(control("play2")->state, 4) << "bet max releases the line button even when refused";
    EXPECT_EQ(m->lines, 2);

    m->credits = 45;
    sgenrand(7);
    key(SDLK_m);
    ASSERT_TRUE(m->spinning);
    EXPECT_FALSE(m->menuEnabled);
    EXPECT_EQ(m->coins, 9);
    EXPECT_EQ(m->lines, 5);
    EXPECT_EQ(creditShown(), 0);
    const int won = m->win;
    click("cashout");
    EXPECT_EQ(m->next, nullptr) << "clicks wait while the reels turn";
    finishSpin();
    EXPECT_TRUE(m->menuEnabled);
    EXPECT_EQ(m->credits, won) << "the bet is taken and the win counted on";
    EXPECT_EQ(m->lastBetLabel->text, "45");
    EXPECT_EQ(m->coins, 9);
    EXPECT_EQ(m->lines, 5);
}

TEST_F(VideoSlotTest, PayoutTestLeavesTheBetAndMenuAsFound) {
    ASSERT_NE(m, nullptr);
    m->credits = 1000;
    m->coins = 2;
    m->lines = 3;
    testing::internal::CaptureStdout();
    key(SDLK_t);
    testing::internal::GetCapturedStdout();
    EXPECT_EQ(m->coins, 2);
    EXPECT_EQ(m->lines, 3);
    EXPECT_EQ(m->credits, 1000);
    EXPECT_TRUE(m->menuEnabled);
}

}  // namespace
