// The cash wheel: a whole bonus screen, the frame it stops on, and a wheel
// whose pictures are missing.
#include "poker/poker_fixture.h"
#include "shell/animation.h"

using namespace pokertest;

TEST_F(PokerTest, CashWheelBonusPaysWhereItStopsAndRestoresTheScreen) {
    SDL_FillRect(display->screen, nullptr, SDL_MapRGB(display->screen->format, 20, 90, 40));
    const Uint16 before = static_cast<Uint16*>(display->screen->pixels)[358 * (display->screen->pitch / 2) + 400];
    sgenrand(99);
    const int prize = runCashWheelBonus();
    EXPECT_GE(prize, 5);
    EXPECT_EQ(pauses, (std::vector<Uint32>{1000, 4000}));
    EXPECT_TRUE(assetTried("../sounds/wheelseq.wav"));
    const Uint16 after = static_cast<Uint16*>(display->screen->pixels)[358 * (display->screen->pitch / 2) + 400];
    EXPECT_EQ(after, before);
    EXPECT_EQ(display->savedScreen, nullptr);
}

TEST_F(PokerTest, SpinEndsOnTheFrameItShowsOrOnNothingWithoutPictures) {
    for (const char* folder : {"", "../gfx/bonus/nowhere/"}) {
        PrizeWheelSpec spec = cashWheel();
        if (*folder) spec.folder = folder;
        Animation wheel(spec.folder, spec.wheelName, 40, 1, 219, 177, 0, true, false);
        for (uint32_t seed : {5u, 6u, 7u}) {
            sgenrand(seed);
            wheel.setFps(40);
            int prize = -1;
            std::string colour;
            testing::internal::CaptureStdout();
            spinPrizeWheel(spec, wheel, prize, colour);
            const bool complained = testing::internal::GetCapturedStdout().find("Something went wrong") != std::string::npos;
            EXPECT_EQ(prize, *folder ? 0 : wheelPrizeAt(spec, wheel.frameIndex)) << folder;
            EXPECT_EQ(prize > 0, !complained) << folder;
        }
    }
}
