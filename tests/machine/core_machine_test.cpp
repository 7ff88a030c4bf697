// The machine layer without a family: the root machine's spin cycle, VIP
// points, hidden keys, coin value changes and clean-up (driven through a
// small machine that records what the root asks of its family hooks), the
// money popup's amounts, and the progressive meters.
#include <gtest/gtest.h>

#include <SDL.h>

#include <climits>
#include <random>
#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

#include "machine/denomination.h"
#include "machine/machine.h"
#include "machine/money_input.h"
#include "machine/progressive.h"
#include "player/machine_stats.h"
#include "player/player.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/text_field.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace {

// A machine whose hooks only note their calls; its spins never win.
class ProbeMachine : public Machine {
public:
    std::vector<std::string> calls;
    int spins = 0;

    explicit ProbeMachine(const std::string& id, float value = 1.0f) {
        name = id;
        setDenomination(value);
        init();
        reelCount = 3;
        maxLines = 1;
        lines = 1;
        maxCoins = 3;
    }
    void redraw() override {}
    void spin() override {
        ++spins;
        win = 0;
    }
    void loadGraphics(const std::string&, int) override {}
    void showStoppedReel(int reel) override { calls.push_back("stop" + std::to_string(reel)); }
    void drawOverlay() override {}
    void settle() override {
        calls.push_back("settle");
        spinning = false;
        menuEnabled = true;
    }
    Uint32 drawStop() override { return 0; }
    void createReels() override {}
    void placeReels() override {}
    void onReelStop(int reel) override { calls.push_back("hook" + std::to_string(reel)); }
    void playWinSound() override {}
    void createMeters() override {}
};

class MachineCore : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(testrt::startHeadless("probe_player", 100.0, false)); }
    void TearDown() override { testrt::stopHeadless(); }
    static const Denomination* at(float value) { return findDenominationValue(value); }
};

TEST_F(MachineCore, PullNeedsTheWholeBetEarnsPointsThenTheReelsStopInOrderAndSettleOnce) {
    ProbeMachine m("10x", 0.25f);
    // Too few credits for the bet, or no bet at all: nothing starts.
    for (int coins : {3, 0}) {
        m.credits = 2;
        m.coins = coins;
        m.pull();
        EXPECT_EQ(m.spins, 0) << coins;
        EXPECT_TRUE(m.menuEnabled) << "a refused pull must leave the machine taking input";
    }
    EXPECT_DOUBLE_EQ(currentPlayer->vippoints, 0.0);

    m.credits = 3;
    m.coins = 3;
    m.pull();
    EXPECT_EQ(m.spins, 1);
    EXPECT_TRUE(m.spinning);
    EXPECT_FALSE(m.menuEnabled);
    EXPECT_DOUBLE_EQ(currentPlayer->vippoints, 0.75);
    EXPECT_EQ(m.credits, 3) << "the pull takes no credits; the settle does";

    // The first reel stops within 0.5-1.5 s, each later one within a second after the one before.
    ASSERT_EQ(m.reelStopDelays.size(), 3u);
    int earliest = 500;
    for (int delay : m.reelStopDelays) {
        EXPECT_GE(delay, earliest);
        EXPECT_LT(delay, earliest + 1000);
        earliest = delay;
    }
    // A second pull while the reels turn is ignored.
    m.pull();
    EXPECT_EQ(m.spins, 1);

    // Reel 0 due, the others not yet.
    m.calls.clear();
    int now = static_cast<int>(mediaTicks());
    m.reelStartTimes = {now - 5000, now, now};
    m.reelStopDelays = {100, 60000, 60000};
    m.spinStep();
    EXPECT_EQ(m.calls, (std::vector<std::string>{"stop0", "hook0"}));

    // Both remaining reels due in the same frame: 1 before 2, then one settle.
    m.reelStartTimes[1] = now - 60000;
    m.reelStartTimes[2] = now - 60000;
    m.calls.clear();
    m.spinStep();
    EXPECT_EQ(m.calls, (std::vector<std::string>{"stop1", "hook1", "stop2", "hook2", "settle"}));
}

TEST_F(MachineCore, VipPointsGrowInWholeCentsAndNeverGoBelowZero) {
    ProbeMachine m("10x", 0.1f);
    currentPlayer->vippoints = 0.1 + 0.2;  // float dust from an older profile is absorbed
    for (int i = 0; i < 1000; ++i) m.addVipPoints(3);
    EXPECT_EQ(currentPlayer->vippoints, 300.3);
    m.addVipPoints(-100000);
    EXPECT_EQ(currentPlayer->vippoints, 0.0);
}

TEST_F(MachineCore, PayoutTestRecordsTenThousandPlaysAndKeepsTheBet) {
    ProbeMachine m("10x");
    m.credits = 100;
    m.coins = 2;
    m.lines = 1;
    testing::internal::CaptureStdout();
    m.handleEvent(testrt::keyEvent(SDLK_t));
    const std::string dots(Machine::payoutTestPlays, '.');
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Testing " + dots + " Done.\n");
    MachineStats* stats = currentPlayer->findStats("10x");
    ASSERT_NE(stats, nullptr);
    // Each test play bets the full 3 coins at 1.0; the bet and credits stay as they were.
    const std::string state = std::to_string(m.spins) + " spins, " + std::to_string(stats->spinslost) + " lost, " +
                              std::to_string(stats->totalloss.inDollars()) + " paid; coins " + std::to_string(m.coins) +
                              " lines " + std::to_string(m.lines) + " credits " + std::to_string(m.credits);
    EXPECT_EQ(state, "10000 spins, 10000 lost, 30000.000000 paid; coins 2 lines 1 credits 100");
}

// The credits go back to the player when the coin value changes or the
// machine is left (the money conservation test counts those); with no coin
// value, or no player left (shut-down), they have nowhere to go.
TEST_F(MachineCore, CreditsGoBackExactlyWhenTheCoinValueChangesOrTheMachineIsLeft) {
    ProbeMachine m("10x", 0.25f);
    ASSERT_FLOAT_EQ(m.coinValue(), 0.25f);
    m.credits = 12;
    m.changeDenomination();
    EXPECT_EQ(m.credits, 0);
    EXPECT_DOUBLE_EQ(currentPlayer->money, 103.0);
    EXPECT_FLOAT_EQ(m.coinValue(), 0.5f) << "next larger coin value";
    int credits = 5;
    returnCreditsToPlayer(credits, nullptr);
    EXPECT_EQ(credits, 5);

    std::unique_ptr<Player> saved = std::move(currentPlayer);
    {
        ProbeMachine left("5x", 1.0f);
        left.credits = 10;
    }
    currentPlayer = std::move(saved);
    EXPECT_DOUBLE_EQ(currentPlayer->money, 103.0);
    EXPECT_EQ(lastMachineId, "5x");
}

TEST_F(MachineCore, NextCoinValueStepsUpThroughTheOfferedOnesAndWraps) {
    for (const char* id : {"10x", "zookeeper", "jacksorbetter"}) {
        std::vector<float> offered;  // ascending; the table runs from 1000 down
        for (auto it = denominationTable.rbegin(); it != denominationTable.rend(); ++it)
            if ((*it)->offers(id)) offered.push_back((*it)->value);
        ASSERT_GT(offered.size(), 1u) << id;
        const Denomination* d = nextDenomination(id, nullptr);
        for (size_t i = 0; i <= offered.size(); ++i) {
            ASSERT_NE(d, nullptr) << id;
            EXPECT_EQ(d->value, offered[i % offered.size()]) << id << " step " << i;
            d = nextDenomination(id, d);
        }
    }
    EXPECT_EQ(nextDenomination("nosuchmachine", nullptr), nullptr);
}

TEST_F(MachineCore, MoneyAmountsArePlainWholeNumbersWithinTheEntryLimits) {
    const std::pair<const char*, int> typed[] = {
        {"12", 12}, {"  40 ", 40}, {"007", 7}, {"0", 0}, {"100000", 100000},
        {"", -1}, {"   ", -1}, {"abc", -1}, {"12abc", -1}, {"1 2", -1}, {"-5", -1}, {"+5", -1}, {"1.5", -1},
        {"1e3", -1}, {"$20", -1}, {"99999999999999999999", -1},
    };
    for (const auto& [text, amount] : typed) EXPECT_EQ(parseMoneyAmount(text), amount) << '"' << text << '"';

    // At most 100000 coins an entry, and no more than the player's money.
    const double rich = 1e9;
    EXPECT_EQ(moneyInputCredits(100000, at(1.0f), rich), 100000);
    EXPECT_EQ(moneyInputCredits(100001, at(1.0f), rich), 0);
    EXPECT_EQ(moneyInputCredits(25000, at(0.25f), rich), 100000);
    EXPECT_EQ(moneyInputCredits(25001, at(0.25f), rich), 0) << "more than 100000 coins";
    EXPECT_EQ(moneyInputCredits(0, at(1.0f), rich), 0);
    EXPECT_EQ(moneyInputCredits(5, nullptr, rich), 0);
    // The player's money: the whole of it is fine, a cent more is not.
    EXPECT_EQ(moneyInputCredits(50, at(1.0f), 50.0), 50);
    EXPECT_EQ(moneyInputCredits(50, at(1.0f), 49.99), 0);
    EXPECT_EQ(moneyInputCredits(3, at(0.1f), 0.1 + 0.2 + 2.7), 30) << "float dust in the money is not a shortfall";
    // A credit count near its limit is not overflowed; the limit is per entry.
    EXPECT_EQ(moneyInputCredits(10, at(1.0f), rich, INT_MAX - 5), 0);
    EXPECT_EQ(moneyInputCredits(10, at(1.0f), rich, 150000), 10);
}

TEST_F(MachineCore, AcceptedMoneyMovesExactCents) {
    // Spending it all to the cent leaves exactly zero, never a hair below.
    currentPlayer->money = 0.1 + 0.2;  // 0.30000000000000004
    int credits = 0;
    EXPECT_EQ(acceptMoneyAmount(1, credits, at(0.1f)), 0) << "cannot afford a dollar";
    currentPlayer->money = 3.0;
    EXPECT_EQ(acceptMoneyAmount(3, credits, at(0.1f)), 30);
    EXPECT_EQ(currentPlayer->money, 0.0);
    EXPECT_FALSE(std::signbit(currentPlayer->money));
}

// The popup says why it refuses an amount, in words with the figures of the
// rules, takes another entry, and plays the bill only when money moves. The
// player holds $100.
TEST_F(MachineCore, MoneyPopupSaysWhyItRefusesAndMovesOnlyWhatItTakes) {
    const struct {
        const char* typed;
        float coin;
        const char* says;  // a part of the reason shown
    } refused[] = {
        {"12.50", 1.0f, "Whole dollars"}, {"+40", 1.0f, "Whole dollars"}, {"ten", 1.0f, "Whole dollars"},
        {"100001", 1.0f, "$100,000"},     {"12345678901", 1.0f, "$100,000"},
        {"30000", 0.25f, "$25,000"},  // 100,000 coins at 25 cents
        {"3", 5.0f, "$5"},            // less than one coin
        {"101", 1.0f, "$100"},        // more than the player has
    };
    for (const auto& r : refused) {
        clearLoadedAssets();
        testrt::typeMoney(r.typed);
        testrt::tapKey(SDLK_ESCAPE);  // the field is open again: no more tries
        int credits = 0;
        MoneyInput popup(credits, at(r.coin), reelMoneyPopup);
        ASSERT_EQ(popup.refusals.size(), 1u) << r.typed;
        EXPECT_NE(popup.refusals[0].find(r.says), std::string::npos) << r.typed << ": " << popup.refusals[0];
        EXPECT_EQ(credits + popup.creditsBought, 0);
        EXPECT_EQ(currentPlayer->money, 100.0);
        EXPECT_FALSE(testrt::assetTried("../gfx/money/bill.png.0")) << r.typed;
        testrt::drainEvents();
    }
    // No entry at all closes it without a word; a refusal then a good amount takes that one.
    for (const char* none : {"", "0"}) {
        clearLoadedAssets();
        testrt::typeMoney(none);
        int credits = 0;
        MoneyInput popup(credits, at(1.0f), reelMoneyPopup);
        EXPECT_TRUE(popup.refusals.empty() && credits == 0) << none;
        EXPECT_FALSE(testrt::assetTried("../gfx/money/bill.png.0")) << none;
    }
    testrt::typeMoney("12.50");
    testrt::typeMoney("12");
    int credits = 0;
    MoneyInput popup(credits, at(1.0f), reelMoneyPopup);
    EXPECT_EQ(popup.refusals.size(), 1u);
    EXPECT_EQ(credits, 12);
    EXPECT_EQ(currentPlayer->money, 88.0);
    EXPECT_TRUE(testrt::assetTried("../gfx/money/bill.png.0"));
    EXPECT_EQ(testrt::pendingEvents(), 0);
}

// "Money input setup failed" is said only when the field cannot be set up:
// the Escape key and a window close end the prompt without a word of failure,
// whatever was typed, and take nothing.
TEST_F(MachineCore, MoneyPopupEndedByThePlayerReportsNoSetUpFailure) {
    std::string typed;
    EXPECT_EQ(readTextField(nullptr, typed, moneyInputMaxChars, 268, 333, SDL_Color{0, 0, 0, 0},
                            SDL_Color{255, 255, 255, 0}, SDL_ALPHA_OPAQUE),
              textFieldUnavailable);
    testrt::typeMoney("5");  // an entry, so the field has seen a key before
    {
        int credits = 0;
        MoneyInput taken(credits, at(1.0f), reelMoneyPopup);
        ASSERT_EQ(credits, 5);
    }
    for (const char* ending : {"escape", "close"}) {
        testing::internal::CaptureStdout();
        testrt::pushKey(SDLK_4, '4');
        if (std::string(ending) == "escape") testrt::tapKey(SDLK_ESCAPE);
        else testrt::pushQuit();
        int credits = 0;
        MoneyInput popup(credits, at(1.0f), reelMoneyPopup);
        const std::string said = testing::internal::GetCapturedStdout();
        EXPECT_EQ(said.find("Money input setup failed"), std::string::npos) << ending << ": " << said;
        EXPECT_EQ(credits + popup.creditsBought, 0) << ending;
        EXPECT_EQ(currentPlayer->money, 95.0) << ending;
        clearQuitRequest();
        testrt::drainEvents();
    }
}

// Without its font the popup cannot be shown and the game ends with
// "TT error", but the credits on the machine go back to the player and the
// profile and settings are written first.
TEST_F(MachineCore, MoneyPopupWithoutItsFontEndsTheGameButKeepsThePlayersMoney) {
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

TEST_F(MachineCore, ProgressiveMetersGrowADollarASecondAtMostAndPayInWholeCoins) {
    seedProgressiveMeters();
    auto meterValues = [] {
        std::vector<double> v;
        for (const ProgressiveMeter& meter : progressiveMeters) v.push_back(meter.value);
        return v;
    };
    std::vector<double> start = meterValues();
    auto grownBy = [&](double d) {
        for (size_t i = 0; i < start.size(); ++i)
            if (progressiveMeters[i].value != start[i] + d) return false;
        return true;
    };
    // The first call only starts the clock; 999 ms is not yet a second; a long stall still counts one second.
    for (auto [now, dollars] : {std::pair{5000u, 0}, {5999u, 0}, {6000u, 1}, {6500u, 1}, {60000u, 2}}) {
        growProgressiveMetersAt(now);
        EXPECT_TRUE(grownBy(dollars)) << now;
    }
    // The clock survives a reseed: the next second is timed from 60000.
    seedProgressiveMeters();
    start = meterValues();
    for (auto [now, dollars] : {std::pair{60900u, 0}, {61001u, 1}}) {
        growProgressiveMetersAt(now);
        EXPECT_TRUE(grownBy(dollars)) << now;
    }

    // Each coin value has its meter.
    for (int i = 0; i < 10; ++i) progressiveMeters[i].value = 1000.0 + i;
    EXPECT_EQ(progressiveValue(findDenominationValue(0.05f)), 1000.0);
    EXPECT_EQ(progressiveValue(findDenominationValue(1.0f)), 1004.0);
    EXPECT_EQ(progressiveValue(findDenominationValue(1000.0f)), 1009.0);
    Denomination odd(2.0f, "2.png");
    EXPECT_EQ(progressiveValue(&odd), 0.0);
    EXPECT_EQ(progressiveValue(nullptr), 0.0);
    // $100 at 0.05 is 2000 coins, not the 1999 a float quotient gives.
    progressiveMeters[0].value = 100.0;
    EXPECT_EQ(progressiveCoins(findDenominationValue(0.05f)), 2000);
    clearProgressiveMeters();
    EXPECT_EQ(progressiveValue(findDenominationValue(1.0f)), 0.0);
}

}  // namespace

// CORVALO_SEED (for development, never set by a player) makes every cabinet
// start its draws from that seed: the first draw after a cabinet opens is the
// standard MT19937's first output for the seed, and the runtime's rand()
// (the pictures on the reels) starts from srand(seed), so a seeded tour shows
// the same reels too. Without it a cabinet leaves both as they were.
TEST(MachineSeed, ADevelopmentSeedStartsEveryCabinetFromItAndNoneChangesNothing) {
    const uint32_t first = std::mt19937(4242)();
    srand(4242);
    const int firstPick = rand();
    const int secondPick = rand();
    for (const char* seed : {static_cast<const char*>("4242"), static_cast<const char*>(nullptr)}) {
        if (seed) setenv("CORVALO_SEED", seed, 1);
        else unsetenv("CORVALO_SEED");
        testrt::resetFiles("[global]\nfirsttimeever=1\n");
        testrt::startGame();
        for (int i = 0; i < 2; ++i) {
            sgenrand(4242);
            genrand();
            srand(4242);
            rand();
            { Bank cabinet; }
            EXPECT_EQ(genrand() == first, seed != nullptr) << (seed ? seed : "no seed") << ", cabinet " << i;
            EXPECT_EQ(rand(), seed ? firstPick : secondPick) << (seed ? seed : "no seed") << ", cabinet " << i;
        }
        testrt::stopGame();
    }
}
