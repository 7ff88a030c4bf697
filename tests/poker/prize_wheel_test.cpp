// The cash wheel: its prize table, a whole bonus screen, and a wheel whose
// pictures are missing.
#include "poker/poker_fixture.h"
#include "shell/animation.h"

using namespace pokertest;

TEST_F(PokerTest, CashWheelBonusPaysWhereItStopsAndRestoresTheScreen) {
    SDL_FillRect(display->screen, nullptr, SDL_MapRGB(display->screen->format, 20, 90, 40));
    const Uint16 before = static_cast<Uint16*>(display->screen->pixels)[358 * (display->screen->pitch / 2) + 400];
    sgenrand(99);
    pauses.clear();
    const int prize = runCashWheelBonus();
    EXPECT_GE(prize, 5);
    EXPECT_LE(prize, 1000);
    EXPECT_EQ(pauses, (std::vector<Uint32>{1000, 4000}));
    const Uint16 after = static_cast<Uint16*>(display->screen->pixels)[358 * (display->screen->pitch / 2) + 400];
    EXPECT_EQ(after, before);
    EXPECT_EQ(display->savedScreen, nullptr);
}

TEST_F(PokerTest, SpinEndsOnTheFrameItShows) {
    Animation wheel(cashWheel().folder, cashWheel().wheelName, 40, 1, 219, 177, 0, true, false);
    ASSERT_EQ(wheel.frameCount(), 40);
    wheel.setFps(40);
    for (uint32_t seed : {5u, 6u, 7u}) {
        sgenrand(seed);
        int prize = -1;
        std::string colour;
        spinPrizeWheel(cashWheel(), wheel, prize, colour);
        EXPECT_EQ(prize, wheelPrizeAt(cashWheel(), wheel.frameIndex));
        EXPECT_GT(prize, 0);
        wheel.setFps(40);
    }
}

TEST_F(PokerTest, WheelWithoutPicturesStillStops) {
    PrizeWheelSpec spec = cashWheel();
    spec.folder = "../gfx/bonus/nowhere/";
    Animation wheel(spec.folder, spec.wheelName, 40, 1, 219, 177, 0, true, false);
    wheel.setFps(40);
    int prize = -1;
    std::string colour;
    testing::internal::CaptureStdout();
    spinPrizeWheel(spec, wheel, prize, colour);
    const std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(prize, 0);
    EXPECT_NE(out.find("Something went wrong with the wheel bonus"), std::string::npos);
}
