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

TEST_F(ZookeeperTest, LinesPayExactlyNOfAKindFromTheLeft) {
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(pay("9 9 zebra 9 9"), 2) << "the zebra ends the run of nines";
    EXPECT_EQ(pay("9 9 9 10 10"), 10);
    EXPECT_EQ(pay("queen queen queen queen jack"), 75);
    EXPECT_EQ(pay("king king king king king"), 500);
    EXPECT_EQ(pay("ape ape 9 9 9"), 0) << "two apes pay nothing";
    EXPECT_EQ(pay("giraffe giraffe 9 9 9"), 0);
    EXPECT_EQ(pay("ape ape ape jack jack"), 500);
    EXPECT_EQ(pay("giraffe giraffe giraffe giraffe 9"), 1250);
    EXPECT_EQ(pay("lion lion 9 lion lion"), 100);
    EXPECT_EQ(pay("lion lion lion lion lion"), 3000);
    EXPECT_EQ(pay("zebra zebra zebra zebra zebra"), 0) << "the zebra has no line pay";
    EXPECT_EQ(pay("9 10 9 9 9"), 0) << "the run counts from the leftmost reel";
    EXPECT_EQ(pay("jack jack jack jack jack", 5), 250) << "every line pays";
}

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
    EXPECT_EQ(Zookeeper::scatterFactor(3), 10);
    EXPECT_EQ(Zookeeper::scatterFactor(4), 50);
    EXPECT_EQ(Zookeeper::scatterFactor(1), 0);
}

TEST_F(ZookeeperTest, FiveApesAtNineCoinsAndWinSounds) {
    ASSERT_NE(m, nullptr);
    // Apes on the middle row of every reel: line 1 reads five apes.
    stopOn("10_ape_king jack_ape_9 lion_ape_queen jack_ape_9 10_ape_king", 1, 9);
    EXPECT_EQ(m->win, 5000 * 9);
    EXPECT_TRUE(m->paylines[0]->hit);

    // Tens across the top on lines 2 (and line 4 starts 10 at the top, then row 1).
    stopOn("10_9_queen 10_king_9 10_king_jack 10_ape_king 10_9_queen", 2, 1);
    int started = 0;
    auto sounds = soundsDuring([&] { m->playWinSound(); }, &started);
    EXPECT_EQ(sounds, std::set<std::string>{"ape.wav"});
    EXPECT_EQ(started, 1);

    // Two zebra reels and three giraffes on the middle row of line 1.
    stopOn("9_giraffe_queen 9_giraffe_queen 9_giraffe_queen jack_zebra_10 10_zebra_queen", 1, 1);
    EXPECT_TRUE(m->scatterWin);
    sounds = soundsDuring([&] { m->playWinSound(); }, &started);
    EXPECT_EQ(sounds, std::set<std::string>{"stampede.wav"});
    EXPECT_EQ(started, 2) << "one for the scatter, one for the giraffes";

    // Five lions pay 3000 per coin and sound nothing.
    stopOn("9_lion_ape 9_lion_ape 9_lion_ape 9_lion_ape 9_lion_ape", 1, 1);
    EXPECT_EQ(m->win, 3000);
    sounds = soundsDuring([&] { m->playWinSound(); }, &started);
    EXPECT_TRUE(sounds.empty());
    EXPECT_EQ(started, 0);
}

TEST_F(ZookeeperTest, ReturnPerCoinFromTheTablesMatchesSeededSpins) {
    ASSERT_NE(m, nullptr);
    // The pay table as the machine's rules give it, by symbol name.
    videotest::ReturnTable t = returnTable({
        {"9", {0, 0, 2, 10, 75, 250}},       {"10", {0, 0, 2, 10, 75, 250}},
        {"jack", {0, 0, 5, 10, 75, 250}},    {"queen", {0, 0, 5, 10, 75, 250}},
        {"king", {0, 0, 10, 20, 100, 500}},  {"lion", {0, 0, 100, 300, 1000, 3000}},
        {"giraffe", {0, 0, 0, 400, 1250, 4000}}, {"ape", {0, 0, 0, 500, 1500, 5000}},
        {"zebra", {0, 0, 0, 0, 0, 0}},
    });
    t.scatter = symbolIndex("zebra");
    t.factor = [](int z) { return z == 2 ? 2 : z == 3 ? 10 : z == 4 ? 50 : z == 5 ? 250 : 0; };
    t.lines = {{1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}, {2, 2, 2, 2, 2}, {0, 1, 2, 1, 0}, {2, 1, 0, 1, 2}};

    expectReturnMatchesSpins(t, "zookeeper", 40000);
}

}  // namespace
