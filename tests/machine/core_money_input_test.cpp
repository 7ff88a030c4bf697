// The money popup: what a typed amount buys, what is refused, and what
// happens to the credits when the popup cannot be shown.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

#include "machine/denomination.h"
#include "machine/money_input.h"
#include "player/player.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace {

class MoneyInputCore : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(testrt::startHeadless("money_probe", 0.0, false));
        currentPlayer->fileWritable = false;
    }
    void TearDown() override { testrt::stopHeadless(); }
    static const Denomination* at(float value) { return findDenominationValue(value); }
};

TEST_F(MoneyInputCore, OnlyPlainWholeNumbersAreAmounts) {
    EXPECT_EQ(parseMoneyAmount("12"), 12);
    EXPECT_EQ(parseMoneyAmount("  40 "), 40);
    EXPECT_EQ(parseMoneyAmount("007"), 7);
    EXPECT_EQ(parseMoneyAmount("0"), 0);
    EXPECT_EQ(parseMoneyAmount("100000"), 100000);
    for (const char* bad : {"", "   ", "abc", "12abc", "1 2", "-5", "+5", "1.5", "1e3", "$20",
                            "99999999999999999999"})
        EXPECT_EQ(parseMoneyAmount(bad), -1) << '"' << bad << '"';
}

TEST_F(MoneyInputCore, LimitsOfOneEntry) {
    const double rich = 1e9;
    EXPECT_EQ(moneyInputCredits(100000, at(1.0f), rich), 100000);
    EXPECT_EQ(moneyInputCredits(100001, at(1.0f), rich), 0);
    EXPECT_EQ(moneyInputCredits(25000, at(0.25f), rich), 100000);
    EXPECT_EQ(moneyInputCredits(25001, at(0.25f), rich), 0) << "more than 100000 coins";
    EXPECT_EQ(moneyInputCredits(0, at(1.0f), rich), 0);
    EXPECT_EQ(moneyInputCredits(-5, at(1.0f), rich), 0);
    EXPECT_EQ(moneyInputCredits(5, nullptr, rich), 0);
    // The player's money: the whole of it is fine, a cent more is not.
    EXPECT_EQ(moneyInputCredits(50, at(1.0f), 50.0), 50);
    EXPECT_EQ(moneyInputCredits(50, at(1.0f), 49.99), 0);
    EXPECT_EQ(moneyInputCredits(3, at(0.1f), 0.1 + 0.2 + 2.7), 30) << "float dust in the money is not a shortfall";
    // A credit count near its limit is not overflowed; the limit is per entry.
    EXPECT_EQ(moneyInputCredits(10, at(1.0f), rich, INT_MAX - 5), 0);
    EXPECT_EQ(moneyInputCredits(10, at(1.0f), rich, 150000), 10);
}

TEST_F(MoneyInputCore, AcceptedAmountMovesExactCents) {
    currentPlayer->money = 20.0;
    int credits = 0;
    EXPECT_EQ(acceptMoneyAmount(7, credits, at(5.0f)), 1);
    EXPECT_EQ(credits, 1);
    EXPECT_EQ(currentPlayer->money, 15.0) << "the part that buys no coin stays with the player";

    // Spending it all to the cent leaves exactly zero, never a hair below.
    currentPlayer->money = 0.1 + 0.2;  // 0.30000000000000004
    credits = 0;
    EXPECT_EQ(acceptMoneyAmount(1, credits, at(0.1f)), 0) << "cannot afford a dollar";
    currentPlayer->money = 3.0;
    EXPECT_EQ(acceptMoneyAmount(3, credits, at(0.1f)), 30);
    EXPECT_EQ(currentPlayer->money, 0.0);
    EXPECT_FALSE(std::signbit(currentPlayer->money));

    // A refused amount moves nothing.
    currentPlayer->money = 10.0;
    credits = 4;
    EXPECT_EQ(acceptMoneyAmount(11, credits, at(1.0f)), 0);
    EXPECT_EQ(acceptMoneyAmount(-1, credits, at(1.0f)), 0);
    EXPECT_EQ(credits, 4);
    EXPECT_EQ(currentPlayer->money, 10.0);
}

// Without its font the popup cannot be shown and the game ends with
// "TT error", but the credits on the machine go back to the player and the
// profile and settings are written first.
TEST_F(MoneyInputCore, MissingFontEndsTheGameButKeepsThePlayersMoney) {
    const std::string alt = testrt::makeFontlessRuntime("nomoneyfont");
    EXPECT_EXIT(
        {
            testrt::openFontlessRuntime(alt);
            currentPlayer->money = 100.5;
            int credits = 40;
            MoneyInput popup(credits, findDenominationValue(0.25f), reelMoneyPopup);
            std::exit(5);  // not reached: the popup cannot go on without its font
        },
        testing::ExitedWithCode(1), "TT error: ");

    std::string save = testrt::readFile(alt + "/save/Ann_Lee.save");
    EXPECT_NE(std::string::npos, save.find("money=110.5")) << save;
    EXPECT_NE(std::string::npos, testrt::readFile(alt + "/config.ini").find("lastplayer=Ann_Lee"));
}

}  // namespace
