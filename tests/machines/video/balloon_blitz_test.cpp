// Ziriruv Uvove: the target's stand-in and doubling, the bullseye count and
// scatter, the balloon bonus on a seeded generator, and the return per coin
// from the reel tables against seeded spins.
#include <algorithm>

#include "machines/video/balloon_blitz.h"
#include "machines/video/bonus_prize.h"
#include "video_fixture.h"

using videotest::VideoFixture;

namespace {

void noPause(Uint32) {}

class BalloonBlitzTest : public VideoFixture {
protected:
    BalloonBlitz* bb = nullptr;
    void SetUp() override {
        VideoFixture::SetUp();
        open("balloonblitz");
        bb = dynamic_cast<BalloonBlitz*>(m);
        videoBonusPause = noPause;
    }
    int countFor(const std::string& pattern) {
        std::vector<ReelGraphic*> chosen;
        for (const std::string& w : videotest::words(pattern))
            for (ReelGraphic* g : m->reelGraphics)
                if (g->name == (w == "B" ? "box_bullseye_3box" : "box_clown_3box")) chosen.push_back(g);
        return BalloonBlitz::bullseyeCount(chosen);
    }
    std::vector<int> valuesFor(uint32_t seed) {
        sgenrand(seed);
        std::vector<Balloon*> list;
        bb->createBalloons(list);
        std::vector<int> values;
        for (Balloon* b : list) {
            values.push_back(b->value);
            delete b;
        }
        return values;
    }
    // Clicks balloon i (eight to a row, four rows), by default in its middle.
    static void clickBalloon(size_t i, int dx = 33, int dy = 40) {
        const int xs[8] = {71, 144, 214, 286, 357, 430, 503, 575};
        const int ys[4] = {140, 235, 322, 409};
        assettest::queueClick(xs[i % 8] + dx, ys[i / 8] + dy);
    }
};

TEST_F(BalloonBlitzTest, BullseyesCountInARowAndPayTheScatter) {
    ASSERT_NE(bb, nullptr);
    std::string counts;
    for (const char* p : {"B B B - B", "B B - B B", "- - B B B"}) counts += std::to_string(countFor(p));
    EXPECT_EQ(counts, "423");

    const std::string four = "box_bullseye_3box bullseye_car_2box bullseye_clown_3box box_clown_3box dart_bullseye_register";
    stopOn(four, 5, 9);
    EXPECT_TRUE(bb->bonusPending);
    const int withScatter = m->win;
    m->evaluateLines();
    EXPECT_EQ(withScatter - m->win, 600);
    bb->bonusPending = false;

    stopOn("box_bullseye_3box bullseye_car_2box bullseye_clown_3box box_clown_3box box_clown_3box", 4, 9);
    const int three = m->win;
    m->evaluateLines();
    EXPECT_EQ(three - m->win, 135) << "9 x 15 below the largest bet";
    EXPECT_TRUE(bb->bonusPending);
}

TEST_F(BalloonBlitzTest, BonusPaysThePoppedCashUpToTheFirstBust) {
    ASSERT_NE(bb, nullptr);
    m->coins = 2;
    const std::vector<int> values = valuesFor(31);
    size_t cash = 0, bust = 0;
    while (values[cash] == 0) ++cash;
    while (values[bust] != 0) ++bust;
    assettest::flushEvents();
    SDL_PumpEvents();
    assettest::queueKey(SDLK_ESCAPE, 27);  // dropped
    clickBalloon(cash, 0, 0);              // the balloon's edge pixel: nothing
    clickBalloon(cash);                    // cash
    clickBalloon(cash);                    // popped already: nothing
    clickBalloon(bust);                    // bust
    sgenrand(31);
    testing::internal::CaptureStdout();
    const int total = bb->runBalloonBonus();
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.find("Couldn't Load"), std::string::npos) << out;
    EXPECT_EQ(total, values[cash]);
}

TEST_F(BalloonBlitzTest, BonusRunsInTheSettleOnASpinWithoutLineWin) {
    ASSERT_NE(bb, nullptr);
    stopOn("box_bullseye_3box bullseye_car_2box bullseye_clown_3box box_clown_3box box_clown_3box", 1, 1);
    ASSERT_TRUE(bb->bonusPending);
    const int scatterOnly = m->win;
    EXPECT_EQ(scatterOnly, 15);
    m->credits = 10;
    const std::vector<int> values = valuesFor(5);
    size_t bust = 0;
    while (values[bust] != 0) ++bust;
    assettest::flushEvents();
    SDL_PumpEvents();
    assettest::queueClick(300, 20);  // above the balloons: nothing
    clickBalloon(bust);
    sgenrand(5);
    m->settle();
    EXPECT_FALSE(bb->bonusPending);
    EXPECT_EQ(m->credits, 10 - 1 + scatterOnly) << "a first-click bust adds nothing";
}

}  // namespace
