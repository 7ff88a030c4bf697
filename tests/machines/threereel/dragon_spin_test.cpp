// Vevuri Zero: the third reel that spins again on the first three-reel win
// of a visit, played through the real reel-stop steps.
#include "machines/threereel/dragon_spin.h"
#include "machines/threereel/kept_play.h"
#include "machines/threereel/three_reel_session.h"

using namespace reelsession;

using DragonSpinTest = MachineFixture;

TEST_F(DragonSpinTest, ThirdReelSpinsAgainOnceAVisit) {
    DragonSpin* m = open<DragonSpin>(1.0f, "100");
    ASSERT_EQ(m->credits, 100);
    const SDL_Event oneCoin = testrt::keyEvent(SDLK_n);
    const SDL_Event spin = testrt::keyEvent(SDLK_RETURN);

    // Only the visit's first three-reel win takes the re-spin; then 200
    // pulls more without it.
    int respins = 0, pullsAfter = 0;
    for (int pull = 0; pull < 600 && pullsAfter < 200; ++pull) {
        m->credits = 100;
        m->handleEvent(oneCoin);
        m->handleEvent(spin);
        ASSERT_TRUE(m->spinning);
        const bool takesIt = respins == 0 && m->result.matched && m->result.reelCount == 3;
        const int won = m->win;
        clearLoadedAssets();
        finishSpin(*m);
        ASSERT_FALSE(m->spinning);
        EXPECT_EQ(heard("yeo.wav"), takesIt);
        EXPECT_EQ(m->dragonSpun, takesIt || respins > 0);
        EXPECT_EQ(m->credits, 100 - 1 + won);
        pullsAfter += respins;
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
    EXPECT_EQ(respins, 1);
    EXPECT_EQ(pullsAfter, 200);
    delete m;

    // A new visit starts afresh.
    std::unique_ptr<DragonSpin> again(open<DragonSpin>());
    EXPECT_FALSE(again->dragonSpun);
}

// The third reel's second spin changes nothing of the win drawn with the
// pull: the save file holds it throughout, and a close while the reel spins
// again (or stands on its blank) leaves the save file as played through.
TEST(DragonSpinKept, SecondSpinOfTheReelKeepsTheDrawnWin) {
    using namespace keptplay;
    for (uint32_t seed : {2u, 22u}) {
        Plan plan("dragonspin", seed, [](Machine& m) { return static_cast<DragonSpin&>(m).dragonSpun && m.spinning; });
        plan.look = true;
        const PlayRun through = expectCloseKeepsThePlay(plan);
        ASSERT_GT(through.pulledWin, 0);
        EXPECT_EQ(through.finalMoney, kMoneyBefore - 2 + through.pulledWin) << "two coins of $1 bet";
        for (size_t i = 0; i < through.money.size(); ++i)
            ASSERT_EQ(through.money[i], through.finalMoney) << "moment " << i;
    }
}
