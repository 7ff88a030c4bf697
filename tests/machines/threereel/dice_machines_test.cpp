// The five dice-theme machines: their tables as a player reads them off the
// glass, the wild multipliers, the top prizes at each bet and the return
// of each table against a seeded run.
#include "machines/threereel/double_dice.h"
#include "machines/threereel/double_double_dice.h"
#include "machines/threereel/double_triple.h"
#include "machines/threereel/table_checks.h"
#include "machines/threereel/triple_dice.h"
#include "machines/threereel/triple_triple.h"

using namespace tablecheck;

namespace {

typedef std::vector<int> Pays;

struct PayCase {
    int coins;
    std::vector<std::string> reels;
    Pays pays;
};

void checkPays(ThreeReelMachine& m, const std::vector<PayCase>& cases) {
    for (const PayCase& c : cases)
        EXPECT_EQ(paysFor(m, c.coins, c.reels), c.pays)
            << m.name << " at " << c.coins << ": " << c.reels[0] << " " << c.reels[1] << " " << c.reels[2];
}

class DiceMachines : public MachineFixture {};

}  // namespace

TEST_F(DiceMachines, WildMultipliersAndTheTripleDiceHitRate) {
    std::vector<ThreeReelMachine*> machines = {open<DoubleDice>(), open<DoubleDoubleDice>(), open<DoubleTriple>(),
                                               open<TripleDice>(), open<TripleTriple>()};
    const char* wilds[] = {"wild x2 not wild", "wild x4 not wild",
                           "doublewild x2 not doublewild triplewild; triplewild x3 not doublewild triplewild",
                           "wild x3 not wild", "wild x9 not wild"};
    for (size_t i = 0; i < machines.size(); ++i) EXPECT_EQ(wildTable(*machines[i]), wilds[i]) << machines[i]->name;
    EXPECT_EQ(machines[3]->drawRange(), 20000000u) << "half the usual hit rate";
    for (ThreeReelMachine* m : machines) delete m;
}

TEST_F(DiceMachines, PayTables) {
    DoubleDice* dd = open<DoubleDice>();
    checkPays(*dd, {
        {1, {"gold", "blank", "7"}, {2}},       {1, {"bar", "gold", "gold"}, {5}},
        {1, {"gold", "gold", "gold"}, {10}},    {1, {"bar", "3bar", "2bar"}, {5}},
        {1, {"bar", "bar", "bar"}, {10}},       {1, {"2bar", "2bar", "2bar"}, {25}},
        {1, {"3bar", "3bar", "3bar"}, {40}},    {1, {"7", "7", "7"}, {80}},
        {1, {"wild", "wild", "wild"}, {800}},   {2, {"7", "7", "7"}, {160}},
        {2, {"gold", "blank", "blank"}, {4}},   {2, {"wild", "wild", "wild"}, {carPrize}},
        {1, {"7", "bar", "blank"}, {}},         {2, {"blank", "blank", "blank"}, {}},
    });
    delete dd;

    DoubleDoubleDice* ddd = open<DoubleDoubleDice>();
    checkPays(*ddd, {
        {1, {"dice", "blank", "blank"}, {3}},   {1, {"dice", "dice", "7"}, {5}},
        {3, {"dice", "dice", "dice"}, {30}},    {1, {"2bar", "2bar", "2bar"}, {20}},
        {1, {"3bar", "3bar", "3bar"}, {30}},    {3, {"7", "7", "7"}, {150}},
        {1, {"wild", "wild", "wild"}, {1000}},  {2, {"wild", "wild", "wild"}, {5000}},
        {3, {"wild", "wild", "wild"}, {20000}},
    });
    delete ddd;

    DoubleTriple* dt = open<DoubleTriple>();
    checkPays(*dt, {
        {1, {"doublewild", "blank", "blank"}, {3}},           {1, {"blank", "blank", "triplewild"}, {3}},
        {2, {"doublewild", "triplewild", "blank"}, {20}},     {1, {"triplewild", "blank", "doublewild"}, {10}},
        {1, {"doublewild", "doublewild", "doublewild"}, {1000}},
        {2, {"triplewild", "triplewild", "triplewild"}, {4000}},
        {3, {"doublewild", "doublewild", "doublewild"}, {3500}},
        {3, {"triplewild", "triplewild", "triplewild"}, {7500}},
        {1, {"bar", "2bar", "3bar"}, {6}},                    {3, {"3bar", "3bar", "3bar"}, {120}},
        {1, {"doublewild", "bar", "blank"}, {}},
    });
    delete dt;

    TripleDice* td = open<TripleDice>();
    checkPays(*td, {
        {1, {"wild", "blank", "blank"}, {2}},   {1, {"blank", "wild", "wild"}, {5}},
        {2, {"bar", "bar", "bar"}, {20}},       {1, {"7", "7", "7"}, {80}},
        {1, {"wild", "wild", "wild"}, {800}},   {2, {"wild", "wild", "wild"}, {1600}},
        {3, {"wild", "wild", "wild"}, {carPrize}},
    });
    delete td;

    // Three wilds: all three rules at one coin, only the largest at two,
    // none at three.
    TripleTriple* tt = open<TripleTriple>();
    checkPays(*tt, {
        {1, {"wild", "wild", "wild"}, {1000, 5000, 20000}}, {2, {"wild", "wild", "wild"}, {40000}},
        {3, {"wild", "wild", "wild"}, {}},                  {1, {"dice", "blank", "blank"}, {2}},
        {1, {"7", "7", "7"}, {50}},                         {3, {"dice", "dice", "bar"}, {15}},
    });
    delete tt;
}

TEST_F(DiceMachines, WildsMultiplyAWin) {
    // A doubling and a tripling wild on three bars multiply the per-coin
    // award by six; a win whose reels show no wild is the bare award.
    DoubleTriple* dt = open<DoubleTriple>();
    ASSERT_TRUE(spinUntil(*dt, 1, [](ThreeReelMachine& m) {
        int dw = 0, tw = 0;
        for (int reel = 0; reel < 3; ++reel) {
            dw += m.result.chosenSymbol(reel)->name == "doublewild";
            tw += m.result.chosenSymbol(reel)->name == "triplewild";
        }
        return m.result.award == 10 && m.result.reelCount == 3 && dw == 1 && tw == 1;
    }));
    EXPECT_EQ(dt->win, 60);
    // Three 3bars (40 a coin) at two coins, once with a wild shown and once without.
    for (bool withWild : {true, false}) {
        ASSERT_TRUE(spinUntil(*dt, 2, [withWild](ThreeReelMachine& m) {
            return m.result.award == 40 && (wildProduct(m) > 1) == withWild;
        }));
        EXPECT_EQ(dt->win, 40 * 2 * wildProduct(*dt));
        if (!withWild) {
            EXPECT_EQ(dt->win, 80);
        }
    }
    delete dt;

    TripleTriple* tt = open<TripleTriple>();
    ASSERT_TRUE(spinUntil(*tt, 2, [](ThreeReelMachine& m) { return m.result.award == 50 && shows(m, "7", "wild", "7"); }));
    EXPECT_EQ(tt->win, 50 * 9 * 2);
    delete tt;
}

TEST_F(DiceMachines, TopPrizesAtFullBet) {
    // Rodozu Vada at two coins: the car, with no credits counted up.
    DoubleDice* dd = open<DoubleDice>();
    ASSERT_TRUE(spinUntil(*dd, 2, [](ThreeReelMachine& m) { return m.result.payKind == payJackpotMovie; }));
    EXPECT_TRUE(shows(*dd, "wild", "wild", "wild"));
    dd->credits = 2;
    dd->settle();
    EXPECT_EQ(dd->credits, 0);
    ASSERT_EQ(currentPlayer->trophies.size(), 1u);
    EXPECT_EQ(currentPlayer->trophies[0], "prgrssvcar");
    delete dd;

    // Zuzuvo Dazozo Zevi at three coins: 20000 for the bet, not multiplied.
    DoubleDoubleDice* ddd = open<DoubleDoubleDice>();
    ASSERT_TRUE(spinUntil(*ddd, 3, [](ThreeReelMachine& m) { return m.result.award == 20000; }));
    EXPECT_EQ(ddd->win, 20000);
    ddd->credits = 3;
    clearLoadedAssets();
    ddd->settle();
    EXPECT_EQ(ddd->credits, 20000);
    EXPECT_TRUE(heard("newjack3.wav"));
    delete ddd;
}

TEST_F(DiceMachines, ReturnMatchesTheTables) {
    std::vector<ThreeReelMachine*> machines = {open<DoubleDice>(), open<DoubleDoubleDice>(), open<DoubleTriple>(),
                                               open<TripleDice>(), open<TripleTriple>()};
    for (ThreeReelMachine* m : machines) {
        checkReturn(*m, 150000);
        delete m;
    }
}
