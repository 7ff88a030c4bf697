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

    // No line played: nothing paid, the scatter sound all the same.
    stopOn(two, 0, 1);
    EXPECT_EQ(m->win, 0);
    auto sounds = soundsDuring([&] { m->playWinSound(); });
    EXPECT_EQ(sounds, std::set<std::string>{"mgfx4.wav"});
}

}  // namespace
