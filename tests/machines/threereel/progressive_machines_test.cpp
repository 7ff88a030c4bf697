// The four progressive machines: the green jackpot amount above the reels
// follows the coin value, and three of the top symbol at full bet pay the
// meter with the machine's movie and sound, and every meter starts again.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <memory>
#include <vector>

#include "machine/denomination.h"
#include "machines/threereel/blackjack.h"
#include "machines/threereel/cursed.h"
#include "machines/threereel/gloamer_house.h"
#include "machines/threereel/kept_play.h"
#include "machines/threereel/three_reel_session.h"
#include "machines/threereel/wild_apple.h"
#include "machines/video/egypts_prize.h"
#include "player/save_files.h"
#include "shell/display.h"
#include "shell/text_label.h"
#include "shell/util.h"

using namespace reelsession;

namespace {

class ProgressiveMachines : public MachineFixture {};

template <class M>
TextLabel* labelOf(ThreeReelMachine& m) {
    return static_cast<M&>(m).progressive.progressiveText.get();
}

struct Progressive {
    const char* id;
    const char* top;
    const char* sound;
    TextLabel* (*label)(ThreeReelMachine&);
};

}  // namespace

TEST_F(ProgressiveMachines, AmountFollowsTheCoinValueAndTheJackpotPaysTheMeter) {
    const Progressive machines[] = {{"blackjack", "wild", "bjdrum.wav", labelOf<Blackjack>},
                                    {"cursed", "cursed", "horror.wav", labelOf<Cursed>},
                                    {"gloamerhouse", "gloamer", "techjack.wav", labelOf<GloamerHouse>},
                                    {"wildapple", "wild", "wajackpt.wav", labelOf<WildApple>}};
    for (const Progressive& p : machines) {
        SCOPED_TRACE(p.id);
        std::unique_ptr<ThreeReelMachine> m(openMachine<ThreeReelMachine>(p.id, "20", 0.25f));
        ASSERT_NE(p.label(*m), nullptr);
        EXPECT_EQ(p.label(*m)->text, doubleToString(progressiveValue(m->denomination)));
        m->tick();
        EXPECT_EQ(p.label(*m)->text, "$" + doubleToString(progressiveValue(m->denomination)));

        // Another coin value shows its own meter at the next frame.
        const std::string before = p.label(*m)->text;
        m->handleButton(m->buttonNamed("denomination"));
        ASSERT_NE(m->denomination->value, 0.25f);
        m->tick();
        EXPECT_EQ(p.label(*m)->text, "$" + doubleToString(progressiveValue(m->denomination)));
        EXPECT_NE(p.label(*m)->text, before);

        m->coins = 3;
        for (int pulls = 0; pulls < 3000000 && m->result.payKind != payProgressive; ++pulls) m->spin();
        ASSERT_EQ(m->result.payKind, payProgressive);
        for (int reel = 0; reel < 3; ++reel) EXPECT_EQ(m->result.chosenSymbol(reel)->name, p.top);
        const int meterCoins = progressiveCoins(m->denomination);
        ASSERT_GT(meterCoins, 0);
        std::vector<double> meters;
        for (const ProgressiveMeter& pm : progressiveMeters) meters.push_back(pm.value);
        m->credits = 3;
        clearLoadedAssets();
        m->settle();
        EXPECT_EQ(m->credits, meterCoins);
        EXPECT_TRUE(heard(p.sound));
        bool movie = false;
        for (const std::string& path : loadedAssets()) movie = movie || path.find("jackpotmovies") != std::string::npos;
        EXPECT_TRUE(movie);
        ASSERT_EQ(progressiveMeters.size(), meters.size());
        int changed = 0;
        for (size_t i = 0; i < meters.size(); ++i) changed += progressiveMeters[i].value != meters[i];
        EXPECT_GE(changed, 8) << "every meter starts again from a new seed";
        MachineStats* s = currentPlayer->findStats(m->name);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->spinswon, 1);
    }
}

namespace {

// The box round the amount's green ink in the band above the reels
// ([left, top, right, bottom), empty when there is none).
SDL_Rect greenInk() {
    SDL_Surface* s = display->screen;
    int left = 800, top = 600, right = -1, bottom = -1;
    SDL_LockSurface(s);
    for (int y = 0; y < 78; ++y)
        for (int x = 300; x < 580; ++x) {
            Uint32 pixel = 0;
            std::memcpy(&pixel, static_cast<Uint8*>(s->pixels) + y * s->pitch + x * s->format->BytesPerPixel,
                        s->format->BytesPerPixel);
            Uint8 r, g, b;
            SDL_GetRGB(pixel, s->format, &r, &g, &b);
            if (g > 150 && r < 100 && b < 100) {
                left = std::min(left, x);
                right = std::max(right, x + 1);
                top = std::min(top, y);
                bottom = std::max(bottom, y + 1);
            }
        }
    SDL_UnlockSurface(s);
    if (right < 0) return SDL_Rect{0, 0, 0, 0};
    return SDL_Rect{Sint16(left), Sint16(top), Uint16(right - left), Uint16(bottom - top)};
}

}  // namespace

// Every machine that shows a progressive amount writes it in
// "progressive2.ttf" at 30 points, green (39, 198, 39), centred on (438, 52);
// drawn, its figures stand inside the meter window, clear of the reels.
TEST_F(ProgressiveMachines, AmountIsWrittenAtItsPlace) {
    struct Shown {
        const char* id;
        TextLabel* (*label)(Machine&);
    };
    const Shown machines[] = {
        {"blackjack", [](Machine& m) { return dynamic_cast<Blackjack&>(m).progressive.progressiveText.get(); }},
        {"cursed", [](Machine& m) { return dynamic_cast<Cursed&>(m).progressive.progressiveText.get(); }},
        {"gloamerhouse", [](Machine& m) { return dynamic_cast<GloamerHouse&>(m).progressive.progressiveText.get(); }},
        {"wildapple", [](Machine& m) { return dynamic_cast<WildApple&>(m).progressive.progressiveText.get(); }},
        {"egyptsprize", [](Machine& m) { return dynamic_cast<EgyptsPrize&>(m).progressiveText.get(); }},
    };
    for (const Shown& p : machines) {
        SCOPED_TRACE(p.id);
        clearLoadedAssets();
        std::unique_ptr<Machine> m(testrt::openMachine<Machine>(p.id, "20", 1.0f));
        ASSERT_NE(m, nullptr);
        EXPECT_TRUE(assetTried("../fonts/progressive2.ttf"));
        TextLabel* label = p.label(*m);
        ASSERT_NE(label, nullptr);
        ASSERT_NE(label->font, nullptr);
        EXPECT_EQ(30, label->pointSize);
        EXPECT_EQ(438, label->anchorX);
        EXPECT_EQ(52, label->anchorY);
        EXPECT_EQ(4, label->align);
        EXPECT_EQ(display->mapColor(39, 198, 39), label->foregroundColour);

        m->tick();
        const SDL_Rect ink = greenInk();
        ASSERT_GT(ink.w, 0);
        // the figures' middle on the anchor, and the whole amount in the
        // window above the reels (which start at y 72 on the three-line machine)
        EXPECT_NEAR(438.0, ink.x + ink.w / 2.0, 2.0);
        EXPECT_NEAR(52.0, ink.y + ink.h / 2.0, 2.0);
        EXPECT_GE(ink.h, 25) << "figures of a 30-point face";
        EXPECT_LE(ink.y + ink.h, 69);
        EXPECT_GE(ink.y, 29);
    }
}

// ---- the jackpot is the meter as it stands at the settle --------------------
//
// A full-bet pull that wins the progressive, in the whole game, on a clock
// that moves by the rests and pauses the game takes (keptplay): the meters
// grow a dollar a second while the reels turn. The save file read while the
// reels turn is what a game killed there leaves: the bet taken and the
// jackpot as the meter stood at the pull, in the money and the machine's
// record alike. The settle pays the meter as it stands when the reels have
// stopped, a few dollars more, and the file then says so.

namespace {

double savedTotalWon(const char* id) { return savefiles::saved(keptplay::kPlayer, id).readEntry("totalwon", -1.0); }

}  // namespace

TEST(KeptProgressive, TheSettlePaysTheMeterAsItStandsAndAKillKeepsThePullsAmount) {
    using namespace keptplay;
    // Two seeds a machine whose pull draws the jackpot with reels that turn
    // two seconds or more (the second with other stop delays): blackjack's
    // found by pressing bet max in the game seed after seed, egyptsprize's
    // by a search that draws the stop delays and the spin as the pull does.
    // Each run checks that its bet-max pull draws the jackpot.
    const struct {
        const char* id;
        bool (*won)(Machine&);
        uint32_t seeds[2];
    } machines[] = {
        {"blackjack", [](Machine& m) { return dynamic_cast<ThreeReelMachine&>(m).result.payKind == payProgressive; },
         {66350, 89651}},
        {"egyptsprize", [](Machine& m) { return m.win > 499; }, {514782, 918825}},
    };
    for (const auto& machine : machines) {
        SCOPED_TRACE(machine.id);
        for (uint32_t seed : machine.seeds) {
            SCOPED_TRACE(seed);
            int atThePull = -1, atTheSettle = -1;
            bool wonAtThePull = false;
            std::vector<double> wonWhileTurning;
            struct Kept {
                double money, won;
                long largest;
            };
            std::vector<Kept> keptWhileCounting;
            Plan plan(machine.id, seed, [](Machine& m) { return !m.spinning; });
            plan.look = true;
            plan.before = [&](Machine& m) {
                // The meters as the game starts them: they grow from the
                // first frame on, a dollar each second after it.
                clearProgressiveMeters();
                seedProgressiveMeters();
                atThePull = progressiveCoins(m.denomination);
                testrt::testClock.perLook = 1;  // the jackpot movie waits on a clock that runs
            };
            plan.atMoment = [&](Machine& m) {
                if (m.spinning) {
                    wonAtThePull = wonAtThePull || machine.won(m);
                    // The meters grow after the frame's tick: the last value
                    // seen while the reels turn is what the settle finds.
                    atTheSettle = progressiveCoins(m.denomination);
                    wonWhileTurning.push_back(savedTotalWon(machine.id));
                } else if (m.paidMeter && std::atoi(m.paidMeter->text.c_str()) > 0) {
                    // The win counts up: what a kill now leaves.
                    keptWhileCounting.push_back({savefiles::savedMoney(kPlayer), savedTotalWon(machine.id),
                                                 savefiles::saved(kPlayer, machine.id).readEntry("largestsinglewin", -1L)});
                }
            };
            const PlayRun run = play(plan);
            ASSERT_TRUE(wonAtThePull) << "the pull did not draw the jackpot";
            ASSERT_GT(atThePull, 500) << "a meter of $1 coins";
            // Two seconds or more of turning reels: a dollar for each whole
            // second after the first frame, three at most.
            EXPECT_GE(atTheSettle, atThePull + 1) << "the meter did not grow while the reels turned";
            EXPECT_LE(atTheSettle, atThePull + 3);

            // Killed while the reels turn: the bet is taken and the jackpot
            // is the meter as it stood at the pull.
            const std::vector<int> turning = momentsBeforeThePart(run);
            ASSERT_FALSE(turning.empty());
            for (int i : turning)
                EXPECT_EQ(run.money[static_cast<size_t>(i)], kMoneyBefore - 3 + atThePull) << "moment " << i;
            for (double won : wonWhileTurning) EXPECT_EQ(won, atThePull);

            // Killed while the win counts up: the meter as it stood when the
            // reels stopped, whole, in the money and in the machine's record.
            ASSERT_GT(keptWhileCounting.size(), 10u) << "the count-up was not seen";
            for (size_t i = 0; i < keptWhileCounting.size(); ++i) {
                const Kept& kept = keptWhileCounting[i];
                ASSERT_EQ(kept.money, kMoneyBefore - 3 + atTheSettle) << "count-up step " << i + 1;
                ASSERT_EQ(kept.won, atTheSettle) << "count-up step " << i + 1;
                ASSERT_EQ(kept.largest, atTheSettle) << "count-up step " << i + 1;
            }

            // Played through: the same, in the money and in the machine's record.
            EXPECT_EQ(run.finalMoney, kMoneyBefore - 3 + atTheSettle);
            EXPECT_EQ(savedTotalWon(machine.id), atTheSettle);
            EXPECT_EQ(savefiles::saved(kPlayer, machine.id).readEntry("largestsinglewin", -1L), atTheSettle);
        }
    }
}
