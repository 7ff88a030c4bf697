// The coin-value table: its records, which machines each value offers, the
// order a machine steps through them, and money moved in whole cents.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "player/machine_table.h"
#include "machine/denomination.h"
#include "player/money.h"
#include "player/player.h"

namespace {

class DenominationCore : public ::testing::Test {
protected:
    void SetUp() override { buildDenominationTable(); }
    void TearDown() override { freeDenominationTable(); }

    static std::vector<float> offeredValues(const std::string& id) {
        std::vector<float> values;
        for (Denomination* d : denominationTable)
            if (d->offers(id)) values.push_back(d->value);
        return values;
    }
};

TEST_F(DenominationCore, NextDenominationStepsUpAndWraps) {
    // A machine offered everywhere walks 0.05, 0.1, ... 1000 and back to 0.05.
    const Denomination* d = findDenomination(0.05f, "10x");
    std::vector<float> walk;
    for (int i = 0; i < 11; ++i) {
        walk.push_back(d->value);
        d = nextDenomination("10x", d);
        ASSERT_NE(d, nullptr);
    }
    EXPECT_EQ(walk, (std::vector<float>{0.05f, 0.1f, 0.25f, 0.5f, 1, 5, 25, 100, 500, 1000, 0.05f}));

    // Gaps are skipped: zookeeper goes from 5 straight to 100, then wraps.
    EXPECT_EQ(nextDenomination("zookeeper", findDenomination(5.0f, "zookeeper"))->value, 100.0f);
    EXPECT_EQ(nextDenomination("zookeeper", findDenomination(100.0f, "zookeeper"))->value, 0.05f);
    // Poker wraps to its smallest value, which is not 0.05.
    Denomination* top = nullptr;
    for (Denomination* r : denominationTable)
        if (r->offers("jacksorbetter")) { top = r; break; }
    ASSERT_NE(top, nullptr);
    EXPECT_EQ(nextDenomination("jacksorbetter", top)->value, 0.1f);
    // No current record: the smallest offered; unknown machine: none.
    EXPECT_EQ(nextDenomination("10x", nullptr)->value, 0.05f);
    EXPECT_EQ(nextDenomination("nosuchmachine", nullptr), nullptr);
}

TEST_F(DenominationCore, MoneyMovesInWholeCentsWithoutDrift) {
    const Denomination* nickel = findDenominationValue(0.05f);
    const Denomination* dime = findDenominationValue(0.1f);
    // 0.1 + 0.2 style float error in the starting amount is absorbed.
    Money money = Money::dollars(0.1 + 0.2);
    for (int i = 0; i < 100000; ++i) money = money + Money::cents(((i % 2) ? nickel : dime)->cents()) * 3;
    // 50000 x 0.30 + 50000 x 0.15 on top of 0.30.
    EXPECT_EQ(money.inDollars(), 22500.30);
    EXPECT_EQ(money.inCents(), 2250030);

    // Cash-out of 37 credits at 0.25 adds exactly 9.25.
    Player* saved = currentPlayer;
    Player player;
    currentPlayer = &player;
    player.money = 0.0;
    int credits = 37;
    returnCreditsToPlayer(credits, findDenominationValue(0.25f));
    EXPECT_EQ(credits, 0);
    EXPECT_EQ(player.money, 9.25);
    // Without a record nothing moves and the credits stay.
    credits = 5;
    returnCreditsToPlayer(credits, nullptr);
    EXPECT_EQ(credits, 5);
    EXPECT_EQ(player.money, 9.25);
    player.name = "denomination_probe";
    currentPlayer = saved;
}

}  // namespace
