// The cash wheel of "spinforcash": a hand paying more than 7 a coin at five
// coins turns it, and its prize is the player's from the moment it is
// drawn with the hand: the save file holds it before the wheel turns, and
// a window closed anywhere in the wheel's screen pays the same as the
// screen shown through.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "player/save_files.h"
#include "poker/poker_fixture.h"
#include "support/runtime.h"
#include "support/test_clock.h"

namespace {

using namespace pokertest;

const char* const kPlayer = "Wheel_Hand";

using savefiles::moneyIn;

double moneyInFile() { return moneyIn(readFile(savefiles::savePath(kPlayer))); }

struct HandPlay {
    std::vector<double> moneyInBonus;  // the file at each rest and pause of the wheel's screen
    std::string file;                  // once the hand has ended
    int momentsInBonus = 0;
};

// A full house dealt at five coins ($1 coins, $100 on the machine) and all
// held, the seed set for the wheel, a window close pushed at the wheel
// screen's moment `closeAt` (-1: none).
HandPlay playFullHouse(uint32_t seed, int closeAt) {
    HandPlay out;
    resetFiles("[global]\nfirsttimeever=0\nplayers=Wheel_Hand\nlastplayer=Wheel_Hand\n");
    EXPECT_TRUE(startHeadless(kPlayer, 1000.0, false));
    runFast();
    SpinForCash* m = openMachine<SpinForCash>("spinforcash", "100");
    // Seed 1 deals a pair of eights, which turns no wheel: the wheel's spin
    // is drawn at the draw, from the seed set for it.
    sgenrand(1);
    m->handleEvent(keyEvent(SDLK_m));
    EXPECT_TRUE(m->handOut);
    setHand(*m, "Kh Ks Kc 4d 4h");
    for (Card* c : m->hand) c->held = true;
    int moment = 0;
    const auto look = [&](Uint32) {
        if (!display->savedScreen) return;  // the wheel's screen is not up
        if (moment++ == closeAt) pushQuit();
        out.moneyInBonus.push_back(moneyInFile());
    };
    testClock.atRest = look;
    testClock.atPause = look;
    sgenrand(seed);
    m->handleEvent(keyEvent(SDLK_RETURN));
    testClock.atRest = nullptr;
    testClock.atPause = nullptr;
    EXPECT_FALSE(m->handOut);
    out.momentsInBonus = moment;
    clearQuitRequest();
    drainEvents();
    currentPlayer->saveNow();
    out.file = readFile(savefiles::savePath(kPlayer));
    delete m;
    stopHeadless();
    return out;
}

}  // namespace

TEST(SpinForCashWheel, ThePrizeIsKeptAsDrawnAndACloseInTheWheelPaysIt) {
    std::set<int> prizes;
    for (const WheelStop& s : cashWheel().stops) prizes.insert(s.prize);
    for (uint32_t seed : {3u, 8u}) {
        SCOPED_TRACE(seed);
        const HandPlay through = playFullHouse(seed, -1);
        // Five $1 coins bet on a full house, which pays 8 a coin: $1035
        // before the wheel, and the prize on top.
        const double prize = moneyIn(through.file) - 1035.0;
        EXPECT_EQ(prizes.count(static_cast<int>(prize)), 1u) << prize;
        ASSERT_GE(through.moneyInBonus.size(), 3u);
        // The spin is drawn with the hand that earns it, so every moment of
        // the wheel's screen, its opening included, holds the prize.
        for (size_t i = 0; i < through.moneyInBonus.size(); ++i)
            EXPECT_EQ(through.moneyInBonus[i], 1035.0 + prize) << "moment " << i;
        for (int at : {0, 1, through.momentsInBonus / 3, through.momentsInBonus / 2, through.momentsInBonus - 1}) {
            const HandPlay closed = playFullHouse(seed, at);
            EXPECT_TRUE(closed.file == through.file)
                << "closed at " << at << ": money " << moneyIn(closed.file) << " against " << prize + 1035.0;
        }
    }
}
