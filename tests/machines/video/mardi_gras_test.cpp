// Zuzod Uriz: the nine-line panel, the mask's doubling, the scatter's pays,
// the win sounds, and the return per coin from the reel tables against
// seeded spins.

#include "machines/video/mardi_gras.h"
#include "shell/text_label.h"
#include "video_fixture.h"

using videotest::VideoFixture;

namespace {

class MardiGrasTest : public VideoFixture {
protected:
    void SetUp() override {
        VideoFixture::SetUp();
        open("mardigras");
    }
};

TEST_F(MardiGrasTest, OfferedAtItsSixCoinValuesAndOpensAtOneElsewhere) {
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(offeredValues("mardigras"), (std::vector<float>{100, 5, 1, 0.5f, 0.25f, 0.05f}));
    // No dime play: asked for 0.10 it plays at 1.00.
    m->denomination = nullptr;
    m->setDenomination(0.1f);
    ASSERT_NE(m->denomination, nullptr);
    EXPECT_EQ(m->denomination->value, 1.0f);
}

TEST_F(MardiGrasTest, NineLinePanelFollowsTheCredits) {
    ASSERT_NE(m, nullptr);
    m->coins = 3;
    m->credits = 20;
    click("play7");
    EXPECT_EQ(m->lines, 0) << "7 lines of 3 coins need 21";
    click("play5");
    EXPECT_EQ(m->lines, 5);
    click("play9");
    EXPECT_EQ(m->lines, 5);
    m->coins = 0;
    click("play9");
    EXPECT_EQ(m->lines, 9) << "with no coins every line button is taken";
    EXPECT_EQ(control("play9")->state, 2);

    // Bet max is five coins on nine lines.
    m->credits = 44;
    click("betmax");
    EXPECT_FALSE(m->spinning);
    m->credits = 45;
    click("betmax");
    EXPECT_TRUE(m->spinning);
    EXPECT_EQ(m->coins, 5);
    EXPECT_EQ(m->lines, 9);
    EXPECT_EQ(m->creditMeter->text, "0");
    finishSpin();
}

TEST_F(MardiGrasTest, MaskStandsInAndDoubles) {
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(pay("mask king king king 10"), 150);
    EXPECT_EQ(pay("king mask king king king"), 550);
    EXPECT_EQ(pay("jack jack mask mask mask"), 300);
    EXPECT_EQ(pay("mask mask mask mask 10"), 2000);
    EXPECT_EQ(pay("mask mask mask mask mask"), 20000);
    EXPECT_EQ(pay("mask mask mask trumpet trumpet"), 150);
    EXPECT_EQ(pay("mask trumpet 10 10 10"), 4);
    EXPECT_EQ(pay("trumpet trumpet jack scatter mask"), 2);
    EXPECT_EQ(pay("scatter mask mask mask mask"), 0);
    EXPECT_EQ(pay("flag flag flag flag flag", 9), 2500);
    EXPECT_EQ(pay("jack jack queen queen queen"), 0);
}

TEST_F(MardiGrasTest, ScatterPaysByReelsAndBet) {
    ASSERT_NE(m, nullptr);
    // Scatters on the top row of reel 1 and the bottom row of reel 3.
    const std::string two = "scatter_ace_trumpet 10_jack_queen ace_10_scatter ace_trumpet_king trumpet_king_queen";
    stopOn(two, 9, 5);
    const int atMax = m->win;
    m->evaluateLines();
    EXPECT_EQ(atMax - m->win, 250);
    EXPECT_TRUE(m->scatterWin);
    stopOn(two, 8, 5);
    const int eight = m->win;
    m->evaluateLines();
    EXPECT_EQ(eight - m->win, 200);

    stopOn("scatter_ace_trumpet 10_scatter_ace scatter_flag_ace ace_10_scatter flag_10_scatter", 1, 1);
    const int five = m->win;
    m->evaluateLines();
    EXPECT_EQ(five - m->win, 60);
    m->coins = 5;
    m->lines = 9;
    auto* mg = dynamic_cast<MardiGras*>(m);
    ASSERT_NE(mg, nullptr);
    EXPECT_EQ(mg->scatterPay(5), 5000);
    EXPECT_EQ(mg->scatterPay(3), 750);
    EXPECT_EQ(mg->scatterPay(1), 0);

    // No line played: nothing paid, the scatter sound all the same.
    stopOn(two, 0, 1);
    EXPECT_EQ(m->win, 0);
    auto sounds = soundsDuring([&] { m->playWinSound(); });
    EXPECT_EQ(sounds, std::set<std::string>{"mgfx4.wav"});
}

TEST_F(MardiGrasTest, LineSounds) {
    ASSERT_NE(m, nullptr);
    // Aces on the middle row of reels 1-3 (line 1), anything after; scatters on reels 2 and 4.
    stopOn("flag_ace_10 scatter_ace_trumpet flag_ace_10 10_scatter_ace jack_flag_king", 1, 1);
    int started = 0;
    auto sounds = soundsDuring([&] { m->playWinSound(); }, &started);
    EXPECT_EQ(sounds, (std::set<std::string>{"mgfx3.wav", "mgfx4.wav"}));
    // Flags across the top: line 2 only.
    stopOn("flag_ace_10 flag_king_trumpet flag_10_scatter 10_jack_queen 10_jack_queen", 2, 1);
    sounds = soundsDuring([&] { m->playWinSound(); }, &started);
    EXPECT_EQ(sounds, std::set<std::string>{"mgfx1.wav"});
    EXPECT_EQ(started, 1);
    // A mask then two aces plays nothing.
    stopOn("mask_jack_flag ace_10_jack ace_trumpet_king 10_jack_queen 10_jack_queen", 2, 1);
    sounds = soundsDuring([&] { m->playWinSound(); }, &started);
    EXPECT_TRUE(sounds.empty());
}

TEST_F(MardiGrasTest, ReturnPerCoinFromTheTablesMatchesSeededSpins) {
    ASSERT_NE(m, nullptr);
    videotest::ReturnTable t = returnTable({
        {"trumpet", {0, 0, 2, 5, 15, 75}},  {"10", {0, 0, 5, 10, 25, 100}},   {"jack", {0, 0, 0, 10, 50, 150}},
        {"queen", {0, 0, 0, 15, 60, 200}},  {"king", {0, 0, 0, 25, 75, 275}}, {"ace", {0, 0, 0, 50, 100, 500}},
        {"flag", {0, 0, 0, 60, 100, 2500}}, {"mask", {0, 0, 0, 75, 1000, 10000}}, {"scatter", {0, 0, 0, 0, 0, 0}},
    });
    t.scatter = symbolIndex("scatter");
    t.wild = symbolIndex("mask");
    // One coin on nine lines: the scatter pays 5, 15, 35, 60 times the bet.
    t.factor = [](int z) { return z == 2 ? 5 : z == 3 ? 15 : z == 4 ? 35 : z == 5 ? 60 : 0; };
    t.lines = {{1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}, {2, 2, 2, 2, 2}, {0, 1, 2, 1, 0}, {2, 1, 0, 1, 2},
               {0, 1, 1, 1, 2}, {2, 1, 1, 1, 0}, {1, 1, 0, 1, 1}, {1, 1, 2, 1, 1}};

    expectReturnMatchesSpins(t, "mardigras", 30000);
}

}  // namespace
