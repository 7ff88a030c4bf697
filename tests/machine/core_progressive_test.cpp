// The progressive meters: start values, growth once a second, reseeding,
// and paying a meter out in whole coins.
#include <gtest/gtest.h>

#include <climits>
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

TEST_F(ProgressiveCore, SeededWithinEachMetersRange) {
    const double base[] = {130, 300, 750, 2000, 2800, 13000, 75000, 300000, 2000000, 18000000};
    const double span[] = {20, 50, 750, 500, 1400, 3000, 35000, 100000, 200000, 1000000};
    for (int round = 0; round < 50; ++round) {
        seedProgressiveMeters();
        ASSERT_EQ(progressiveMeters.size(), 10u);
        for (int i = 0; i < 10; ++i) {
            EXPECT_GE(progressiveMeters[i]->value, base[i]);
            EXPECT_LT(progressiveMeters[i]->value, base[i] + span[i]);
            EXPECT_EQ(progressiveMeters[i]->increment, 1.0);
        }
    }
}

TEST_F(ProgressiveCore, ReseedingDrawsNewValuesFromTheGenerator) {
    sgenrand(99);
    seedProgressiveMeters();
    std::vector<double> first = values();
    seedProgressiveMeters();
    EXPECT_NE(values(), first);
    EXPECT_EQ(progressiveMeters.size(), 10u);
    sgenrand(99);
    seedProgressiveMeters();
    EXPECT_EQ(values(), first) << "the same seed gives the same meters";
}

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

TEST_F(ProgressiveCore, ValuePicksTheMeterByBadge) {
    for (int i = 0; i < 10; ++i) progressiveMeters[i]->value = 1000.0 + i;
    EXPECT_EQ(progressiveValue(findDenominationValue(0.05f)), 1000.0);
    EXPECT_EQ(progressiveValue(findDenominationValue(1.0f)), 1004.0);
    EXPECT_EQ(progressiveValue(findDenominationValue(1000.0f)), 1009.0);
    Denomination odd(2.0f, "2.png");
    EXPECT_EQ(progressiveValue(&odd), 0.0);
    EXPECT_EQ(progressiveValue(nullptr), 0.0);
    clearProgressiveMeters();
    EXPECT_EQ(progressiveValue(findDenominationValue(1.0f)), 0.0);
}

TEST_F(ProgressiveCore, PaysTheWholeMeterInCoins) {
    Denomination* nickel = findDenominationValue(0.05f);
    Denomination* quarter = findDenominationValue(0.25f);
    Denomination* thousand = findDenominationValue(1000.0f);
    progressiveMeters[0]->value = 100.0;
    EXPECT_EQ(progressiveCoins(nickel), 2000) << "a float quotient would give 1999";
    progressiveMeters[2]->value = 2000.10;
    EXPECT_EQ(progressiveCoins(quarter), 8000);
    progressiveMeters[2]->value = 2000.24;
    EXPECT_EQ(progressiveCoins(quarter), 8000) << "part of a coin is not paid";
    progressiveMeters[9]->value = 18500999.0;
    EXPECT_EQ(progressiveCoins(thousand), 18500);
    // Amounts beyond a credit count are capped rather than wrapped.
    progressiveMeters[0]->value = 1e12;
    EXPECT_EQ(progressiveCoins(nickel), INT_MAX);
    progressiveMeters[0]->value = 0.0;
    EXPECT_EQ(progressiveCoins(nickel), 0);
    EXPECT_EQ(progressiveCoins(nullptr), 0);
}

}  // namespace
