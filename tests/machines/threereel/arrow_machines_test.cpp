// The arrow machines (balloonmania, doubledicedeluxe, tripledicedeluxe,
// gettinhot): their pay tables at one and three coins, the return they pay
// against what their tables promise, and the arrow step after the reels stop.
#include <cmath>

#include "machine/three_reel_test_machine.h"
#include "machines/threereel/balloon_mania.h"
#include "machines/threereel/bonus_machine_fixture.h"
#include "machines/threereel/double_dice_deluxe.h"
#include "machines/threereel/gettin_hot.h"
#include "machines/threereel/triple_dice_deluxe.h"

using bonustest::heard;
using bonustest::loadedPicture;

namespace {

class ArrowMachines : public bonustest::MachineTest {};

}  // namespace

TEST_F(ArrowMachines, LosingSpinsShowNoWildOrYellowBalloon) {
    BalloonMania* b = open<BalloonMania>();
    for (int coins = 1; coins <= 3; ++coins) {
        b->coins = coins;
        for (int i = 0; i < 4000; ++i) {
            b->spin();
            if (!b->result.matched) {
                EXPECT_EQ(b->win, 0);
                for (int reel = 0; reel < 3; ++reel) {
                    const std::string& n = b->result.chosenSymbol(reel)->name;
                    EXPECT_TRUE(n != "wild" && n.find("yellowballoon") == std::string::npos) << n;
                }
            }
        }
    }
    delete b;
}
