// The arrow machine Balloon Mania: its wild and its yellow balloons (wilds
// that stand in for nothing) never show on a losing spin.
#include "machines/threereel/balloon_mania.h"
#include "machines/threereel/three_reel_session.h"

using namespace reelsession;

using ArrowMachines = MachineFixture;

TEST_F(ArrowMachines, LosingSpinsShowNoWildOrYellowBalloon) {
    std::unique_ptr<BalloonMania> b(open<BalloonMania>());
    for (int coins = 1; coins <= 3; ++coins) {
        b->coins = coins;
        for (int i = 0; i < 4000; ++i) {
            b->spin();
            if (b->result.matched) continue;
            EXPECT_EQ(b->win, 0);
            for (int reel = 0; reel < 3; ++reel) {
                const std::string& n = b->result.chosenSymbol(reel)->name;
                EXPECT_TRUE(n != "wild" && n.find("yellowballoon") == std::string::npos) << n;
            }
        }
    }
}
