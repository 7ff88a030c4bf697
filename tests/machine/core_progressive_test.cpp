// The progressive meters: growth once a second, the meter of each coin
// value, and paying a meter out in whole coins.
#include <gtest/gtest.h>

#include <vector>

#include "machine/denomination.h"
#include "machine/progressive.h"
#include "shell/mtrand.h"

namespace {

class ProgressiveCore : public ::testing::Test {
protected:
    void SetUp() override {
        buildDenominationTable();
        sgenrand(20261206);
        seedProgressiveMeters();
    }
    void TearDown() override {
        clearProgressiveMeters();
        freeDenominationTable();
    }
    static std::vector<double> values() {
        std::vector<double> v;
        for (ProgressiveMeter* m : progressiveMeters) v.push_back(m->value);
        return v;
    }
};

TEST_F(ProgressiveCore, GrowsOneDollarPerSecondAtMost) {
    std::vector<double> start = values();
    auto grownBy = [&](double d) {
        for (size_t i = 0; i < start.size(); ++i)
            if (progressiveMeters[i]->value != start[i] + d) return false;
        return true;
    };
    growProgressiveMetersAt(5000);  // first call only starts the clock
    EXPECT_TRUE(grownBy(0));
    growProgressiveMetersAt(5999);  // 999 ms: not yet
    EXPECT_TRUE(grownBy(0));
    growProgressiveMetersAt(6000);
    EXPECT_TRUE(grownBy(1));
    growProgressiveMetersAt(6500);
    EXPECT_TRUE(grownBy(1));
    growProgressiveMetersAt(60000);  // a long stall still counts one second
    EXPECT_TRUE(grownBy(2));
    // The clock survives a reseed: the next second is timed from 60000.
    seedProgressiveMeters();
    start = values();
    growProgressiveMetersAt(60900);
    EXPECT_TRUE(grownBy(0));
    growProgressiveMetersAt(61001);
    EXPECT_TRUE(grownBy(1));
}

TEST_F(ProgressiveCore, EachCoinValueHasItsMeterPaidInWholeCoins) {
    for (int i = 0; i < 10; ++i) progressiveMeters[i]->value = 1000.0 + i;
    EXPECT_EQ(progressiveValue(findDenominationValue(0.05f)), 1000.0);
    EXPECT_EQ(progressiveValue(findDenominationValue(1.0f)), 1004.0);
    EXPECT_EQ(progressiveValue(findDenominationValue(1000.0f)), 1009.0);
    Denomination odd(2.0f, "2.png");
    EXPECT_EQ(progressiveValue(&odd), 0.0);
    EXPECT_EQ(progressiveValue(nullptr), 0.0);
    // $100 at 0.05 is 2000 coins, not the 1999 a float quotient gives.
    progressiveMeters[0]->value = 100.0;
    EXPECT_EQ(progressiveCoins(findDenominationValue(0.05f)), 2000);
    clearProgressiveMeters();
    EXPECT_EQ(progressiveValue(findDenominationValue(1.0f)), 0.0);
}

}  // namespace
