// What the video slots do beyond their line pays on chosen reel stops: the
// scatters (and their sound, which needs no played line), the bonus games a
// stop arms with their stakes, the rules that change at the largest bet; and
// the progressive that three tuts win on Egypt's prize.
#include <string>

#include "machine/multi_line.h"
#include "machine/progressive.h"
#include "shell/asset_log.h"
#include "shell/sound.h"
#include "video_fixture.h"

namespace {

struct Stop {
    const char* id;
    const char* pictures;  // reels 1 to 5
    int lines, coins;
    int extra;     // credits on top of the line pays
    bool scatter;  // the scatter counts (and sounds)
    int stake;     // see armedStake
};

// Rows of one machine run in order on one machine: an armed bonus stands
// until a settle spends it.
const Stop stops[] = {
    // Four bullseye reels (the fourth after a gap) at the largest bet; three at 9 coins on 4 lines: 9 x 15.
    {"balloonblitz", "box_bullseye_3box bullseye_car_2box bullseye_clown_3box box_clown_3box dart_bullseye_register",
     5, 9, 600, false, 0},
    {"balloonblitz", "box_bullseye_3box bullseye_car_2box bullseye_clown_3box box_clown_3box box_clown_3box", 4, 9,
     135, false, 0},
    // Hankies: two, a gap, two is no bonus; three at the largest bet, at 9 coins on 4 lines, five at 1 coin.
    {"magic", "aces_hanky_dove hanky_dove_kings aces_dove_queens magic_aces_hanky stars_rabbit_hanky", 5, 9, 0, false,
     -1},
    {"magic", "aces_hanky_dove hanky_dove_kings magic_aces_hanky aces_dove_queens aces_dove_queens", 5, 9, 0, false,
     200},
    {"magic", "aces_hanky_dove hanky_dove_kings magic_aces_hanky aces_dove_queens aces_dove_queens", 4, 9, 0, false,
     135},
    {"magic", "aces_hanky_dove hanky_dove_kings magic_aces_hanky rabbit_queens_hanky stars_rabbit_hanky", 1, 1, 0,
     false, 60},
    // No hanky: the stake goes, the armed bonus stands.
    {"magic", "aces_dove_queens aces_dove_queens aces_dove_queens aces_dove_queens aces_dove_queens", 5, 1, 0, false,
     0},
    // Sharks (mermaid_star_shark) two, a gap, two; sharks then a fish: neither is a run of three.
    {"deepsea", "mermaid_star_shark mermaid_star_shark crab_marlin_star mermaid_star_shark mermaid_star_shark", 1, 1,
     0, false, -1},
    {"deepsea", "mermaid_star_shark mermaid_star_shark crab_fish_mermaid crab_marlin_star crab_marlin_star", 1, 1, 0,
     false, -1},
    // Three, four (after a gap) and five shark reels: 20, 30 and 40 times the coins.
    {"deepsea", "mermaid_star_shark mermaid_star_shark mermaid_star_shark crab_marlin_star crab_marlin_star", 1, 1, 0,
     false, 20},
    {"deepsea", "mermaid_star_shark mermaid_star_shark mermaid_star_shark crab_marlin_star mermaid_star_shark", 1, 2,
     0, false, 60},
    {"deepsea", "mermaid_star_shark mermaid_star_shark mermaid_star_shark mermaid_star_shark mermaid_star_shark", 1, 1,
     0, false, 40},
    // A run of fish is a scatter with a stake of 20 times the coins.
    {"deepsea", "crab_marlin_star crab_fish_mermaid crab_fish_mermaid crab_fish_mermaid crab_marlin_star", 1, 3, 0,
     true, 60},
    // Zebras on reels 2 and 5 in rows no line reads: 2 x the whole bet; one zebra: nothing; five: 250 x 45.
    {"zookeeper", "10_9_queen jack_10_zebra 9_10_king 9_jack_lion zebra_queen_9", 5, 3, 30, true, -1},
    {"zookeeper", "10_zebra_queen 10_9_queen 9_10_king 9_jack_lion king_10_9", 5, 3, 0, false, -1},
    {"zookeeper", "zebra_10_king zebra_jack_ape zebra_queen_9 jack_zebra_10 queen_giraffe_zebra", 5, 9, 250 * 45, true,
     -1},
    {"zookeeper", "zebra_10_king zebra_jack_ape 9_10_king 9_jack_lion king_10_9", 0, 1, 0, true, -1},
    // Scatters on reels 1 and 3: a fixed 250 at the largest bet, else 5 x the whole bet; five: 60 x the bet.
    {"mardigras", "scatter_ace_trumpet 10_jack_queen ace_10_scatter ace_trumpet_king trumpet_king_queen", 9, 5, 250,
     true, -1},
    {"mardigras", "scatter_ace_trumpet 10_jack_queen ace_10_scatter ace_trumpet_king trumpet_king_queen", 8, 5, 200,
     true, -1},
    {"mardigras", "scatter_ace_trumpet 10_scatter_ace scatter_flag_ace ace_10_scatter flag_10_scatter", 1, 1, 60, true,
     -1},
    {"mardigras", "scatter_ace_trumpet 10_jack_queen ace_10_scatter ace_trumpet_king trumpet_king_queen", 0, 1, 0, true,
     -1},
};

using VideoRules = videotest::VideoFixture;
using MultiLineMachines = videotest::ReelFixture<MultiLineMachine>;

}  // namespace

TEST_F(VideoRules, ScattersAndBonusesOnChosenStops) {
    for (const Stop& row : stops) {
        SCOPED_TRACE(testing::Message() << row.id << " " << row.pictures << " at " << row.lines << " x " << row.coins);
        if (!m || m->name != row.id) open(row.id);
        stopOn(row.pictures, row.lines, row.coins);
        const int total = m->win;
        m->evaluateLines();
        EXPECT_EQ(total - m->win, row.extra);
        EXPECT_EQ(m->scatterWin, row.scatter);
        EXPECT_EQ(videotest::armedStake(m), row.stake);
        if (m->tables.scatterSound) {
            clearLoadedAssets();
            m->playWinSound();
            EXPECT_EQ(loadedAssets().count(soundDir + m->tables.scatterSound), row.scatter ? 1u : 0u);
        }
    }
}

// Three tuts on a played line win the progressive meter of the machine's coin
// value, in whole coins, in place of the whole win; the meter keeps its value.
TEST_F(MultiLineMachines, EgyptsPrizeTutsWinTheProgressive) {
    open("egyptsprize");
    stopOn("blank_tut_blank blank_tut_blank blank_tut_blank", 3, 1);
    ASSERT_EQ(m->win, 500);
    const double meter = progressiveValue(m->denomination);
    m->credits = 100;
    m->spinning = true;
    m->settle();
    EXPECT_EQ(m->credits, 100 - 3 + static_cast<int>(meter));
    EXPECT_DOUBLE_EQ(progressiveValue(m->denomination), meter);
}
