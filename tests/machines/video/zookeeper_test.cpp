// Zookeeper: line pays by the of-a-kind rules, the zebra
// scatter, its win sounds, and its return per coin from the reel tables
// against seeded spins.

#include "machines/video/zookeeper.h"
#include "video_fixture.h"

using videotest::VideoFixture;

namespace {

class ZookeeperTest : public VideoFixture {
protected:
    void SetUp() override {
        VideoFixture::SetUp();
        open("zookeeper");
    }
};

TEST_F(ZookeeperTest, ZebraScatterPaysTheWholeBetTimesItsFactor) {
    ASSERT_NE(m, nullptr);
    // Zebras on reels 2 and 5 only, in rows no line of 1 reads: 3 coins x 5 lines x 2.
    stopOn("10_9_queen jack_10_zebra 9_10_king 9_jack_lion zebra_queen_9", 5, 3);
    const int lineWins = m->win - 30;
    EXPECT_TRUE(m->scatterWin);
    m->evaluateLines();
    EXPECT_EQ(lineWins, m->win) << "the scatter comes on top of the line wins";

    // A single zebra pays nothing and sets no scatter.
    stopOn("10_zebra_queen 10_9_queen 9_10_king 9_jack_lion king_10_9", 5, 3);
    EXPECT_FALSE(m->scatterWin);
    m->afterEvaluate(m->chosenGraphics);
    const int withHook = m->win;
    m->evaluateLines();
    EXPECT_EQ(withHook, m->win);

    // Five zebra reels at 9 coins on 5 lines: 250 x 45 on top of the lines.
    stopOn("zebra_10_king zebra_jack_ape zebra_queen_9 jack_zebra_10 queen_giraffe_zebra", 5, 9);
    const int all = m->win;
    m->evaluateLines();
    EXPECT_EQ(all - m->win, 250 * 45);

    // No line played: no pay, but the scatter still counts for its sound.
    stopOn("zebra_10_king zebra_jack_ape 9_10_king 9_jack_lion king_10_9", 0, 1);
    EXPECT_EQ(m->win, 0);
    EXPECT_TRUE(m->scatterWin);
}

}  // namespace
