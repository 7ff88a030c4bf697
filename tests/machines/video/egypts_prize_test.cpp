// Egypt's prize: three tuts on a played line win the progressive meter of
// the machine's coin value in place of the line's pay.
#include <string>

#include "machine/multi_line.h"
#include "machine/progressive.h"
#include "machines/video/egypts_prize.h"
#include "shell/util.h"
#include "video_fixture.h"

namespace {

class MultiLineMachines : public videotest::ReelFixture<MultiLineMachine> {
protected:
    // The reels stop on these pictures; `played` lines are evaluated.
    void stopOn(const std::string& pictures, int played) {
        m->chosenGraphics.clear();
        for (const std::string& p : videotest::words(pictures))
            for (ReelGraphic* g : m->reelGraphics)
                if (g->name == p) m->chosenGraphics.push_back(g);
        ASSERT_EQ(m->chosenGraphics.size(), 3u) << pictures;
        m->lines = played;
        m->coins = 1;
        m->evaluateLines();
    }
};

}  // namespace

TEST_F(MultiLineMachines, EgyptsPrizeTutsWinTheProgressive) {
    open("egyptsprize");
    m->tick();
    EgyptsPrize* egypt = dynamic_cast<EgyptsPrize*>(m);
    ASSERT_NE(egypt, nullptr);
    EXPECT_EQ(egypt->progressiveCaption(), "$" + doubleToString(progressiveValue(m->denomination)));

    // Three tuts on the middle row, all three lines played: the meter in
    // whole coins replaces the whole win, and the meter keeps its value.
    stopOn("blank_tut_blank blank_tut_blank blank_tut_blank", 3);
    ASSERT_EQ(m->win, 500);
    const double meter = progressiveValue(m->denomination);
    m->credits = 100;
    m->spinning = true;
    m->settle();
    EXPECT_EQ(m->credits, 100 - 3 + static_cast<int>(meter));
    EXPECT_DOUBLE_EQ(progressiveValue(m->denomination), meter);
    // Not on a line that isn't played.
    stopOn("tut_blank_3bar tut_blank_3bar tut_blank_3bar", 1);
    EXPECT_EQ(m->win, 0);
}

