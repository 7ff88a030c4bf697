// The plain and arrow machines as the floor makes them: each from its line of the
// machine table, with its intro sound after the money popup,
// a full-bet pull through the keys settled onto the credits, and its credits
// back in the player's money when it is left.
#include "game/machine_factory.h"
#include "player/machine_table.h"
#include "machines/threereel/table_checks.h"

using namespace tablecheck;

namespace {

class SingleLineFloor : public MachineFixture {};

struct Entry {
    const char* id;
    int maxCoins;
    const char* intro;
};

const Entry entries[] = {
    {"doubledice", 2, "doubint.wav"},
    {"doubledoubledice", 3, "newintr3.wav"},
    {"doubletriple", 3, "jazzintr.wav"},
    {"tripledice", 3, "3diceint.wav"},
    {"tripletriple", 3, "newintr3.wav"},
    {"super7s", 3, "newintr5.wav"},
    {"wildsourapple", 3, "waintro.wav"},
    {"crazy8s", 3, "crazyint.wav"},
    {"dragonspin", 2, "dragonin.wav"},
    {"blackjack", 3, "bjdrumsht.wav"},
    {"cursed", 3, "horrshrt.wav"},
    {"gloamerhouse", 3, "gloamsnd.wav"},
    {"wildapple", 3, "waintro.wav"},
    {"balloonmania", 3, "circintr.wav"},
    {"doubledicedeluxe", 3, "newintr1.wav"},
    {"tripledicedeluxe", 3, "newintr1.wav"},
    {"gettinhot", 3, "getintr.wav"},
};

}  // namespace

TEST_F(SingleLineFloor, EachMachineFromTheTable) {
    SDL_Event betMax{};
    betMax.type = SDL_KEYDOWN;
    betMax.key.keysym.sym = SDLK_m;
    for (const Entry& e : entries) {
        const double moneyBefore = currentPlayer->money;
        typeDollars("5");
        clearLoadedAssets();
        ThreeReelMachine* m = dynamic_cast<ThreeReelMachine*>(createMachine(e.id, 0.25f));
        ASSERT_NE(m, nullptr) << e.id;
        EXPECT_EQ(m->name, e.id);
        EXPECT_FLOAT_EQ(m->denomination->value, 0.25f) << e.id;
        EXPECT_EQ(m->credits, 20) << e.id;
        EXPECT_EQ(m->maxCoins, e.maxCoins) << e.id;
        EXPECT_TRUE(heard(e.intro)) << e.id;
        EXPECT_EQ(loadedAssets().count("../gfx/" + std::string(e.id) + "/back.png"), 1u) << e.id;

        m->handleEvent(betMax);
        ASSERT_TRUE(m->spinning) << e.id;
        EXPECT_EQ(m->coins, e.maxCoins);
        const int won = m->win;
        const bool car = m->result.payKind == payJackpotMovie;
        const bool progressive = m->result.payKind == payProgressive;
        finishSpin(*m);
        EXPECT_FALSE(m->spinning) << e.id;
        if (!car && !progressive) {
            EXPECT_EQ(m->credits, 20 - e.maxCoins + won) << e.id;
        }
        MachineStats* s = currentPlayer->findStats(e.id);
        ASSERT_NE(s, nullptr) << e.id;
        EXPECT_EQ(s->spinswon + s->spinslost, 1) << e.id;

        const int credits = m->credits;
        delete m;
        EXPECT_EQ(lastMachineId, e.id);
        EXPECT_NEAR(currentPlayer->money, moneyBefore - 5.0 + credits * 0.25, 1e-9) << e.id;
    }
}
