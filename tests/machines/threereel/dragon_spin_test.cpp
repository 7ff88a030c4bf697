// Vevuri Zero: the third reel that spins again on the first three-reel win
// of a visit, played through the real reel-stop steps.
#include "machines/threereel/dragon_spin.h"
#include "machines/threereel/three_reel_session.h"

using namespace reelsession;

namespace {

class DragonSpinTest : public MachineFixture {};

}  // namespace

TEST_F(DragonSpinTest, ThirdReelSpinsAgainOnceAVisit) {
    DragonSpin* m = open<DragonSpin>(1.0f, "100");
    ASSERT_EQ(m->credits, 100);
    const SDL_Event oneCoin = testrt::keyEvent(SDLK_n);
    const SDL_Event spin = testrt::keyEvent(SDLK_RETURN);

    int respins = 0;
    for (int pull = 0; pull < 400 && respins == 0; ++pull) {
        m->credits = 100;
        m->handleEvent(oneCoin);
        m->handleEvent(spin);
        ASSERT_TRUE(m->spinning);
        const bool takesIt = m->result.matched && m->result.reelCount == 3;
        const int won = m->win;
        clearLoadedAssets();
        finishSpin(*m);
        ASSERT_FALSE(m->spinning);
        EXPECT_EQ(heard("yeo.wav"), takesIt);
        EXPECT_EQ(m->dragonSpun, takesIt);
        EXPECT_EQ(m->credits, 100 - 1 + won);
        if (takesIt) {
            ++respins;
            // The blank shown on the third reel before it spins again (no
            // three-reel win shows a blank otherwise).
            bool blankShown = false;
            for (const std::string& path : loadedAssets())
                blankShown = blankShown || path.rfind("../gfx/dragonspin/blank.png.", 0) == 0;
            EXPECT_TRUE(blankShown);
            EXPECT_EQ(m->spinSoundChannel, nullptr);
        }
    }
    ASSERT_EQ(respins, 1);

    // Never again on this visit.
    for (int pull = 0; pull < 200; ++pull) {
        m->credits = 100;
        m->handleEvent(oneCoin);
        m->handleEvent(spin);
        clearLoadedAssets();
        finishSpin(*m);
        EXPECT_FALSE(heard("yeo.wav"));
    }
    delete m;

    // A new visit starts afresh.
    DragonSpin* again = open<DragonSpin>();
    EXPECT_FALSE(again->dragonSpun);
    delete again;
}
