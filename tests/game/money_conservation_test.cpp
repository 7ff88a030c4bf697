// Money is neither made nor lost on any of the fifty machines: over a seeded
// run of full-bet plays, bonus games, gambles and double-ups included and
// played by pressing where the pointer goes, the player's money plus the
// credits on the machine at its coin value moves by exactly what the plays
// paid less what they bet, as the machine's record says; and leaving the
// machine hands every credit back.
#include <gtest/gtest.h>

#include <SDL.h>

#include <functional>
#include <string>

#include "assets/asset_session.h"
#include "machine/denomination.h"
#include "player/machine_table.h"
#include "player/money.h"
#include "player/save_files.h"
#include "player/player.h"
#include "shell/mtrand.h"
#include "support/headless.h"

namespace {

Money onHand(Bank& bank) { return Money::dollars(currentPlayer->money) + bank.worth(bank.credits); }

class MoneyConservation : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(MoneyConservation, PlaysMoveExactlyWhatTheyPaidLessWhatTheyBet) {
    assettest::Session session;
    ASSERT_TRUE(session.ok());

    const std::string id = GetParam();
    Screen* screen = session.open(id);
    ASSERT_NE(screen, nullptr) << id;
    Bank* bank = dynamic_cast<Bank*>(screen);
    ASSERT_NE(bank, nullptr) << id;
    ASSERT_GT(bank->credits, 0) << id;
    // More of the player's money onto the machine, for a long run.
    currentPlayer->money -= bank->worth(2000).inDollars();
    bank->credits += 2000;
    const Money start = onHand(*bank);
    seedGenerators(static_cast<uint32_t>(std::hash<std::string>()(id)));
    // Every bonus game, gamble and double-up is played to its end by the
    // player's presses, none cut short by a window close.
    int closed = 0;
    for (int round = 0; round < 60; ++round) closed += testrt::playOnce(*screen);
    EXPECT_EQ(closed, 0) << id << ": plays that waited for a press nothing on the screen answered";

    MachineStats* record = currentPlayer->findStats(id);
    ASSERT_NE(record, nullptr);
    EXPECT_GT(record->totalloss.inCents(), 0) << id << " never played";
    const Money net = record->totalwon - record->totalloss;
    EXPECT_EQ((onHand(*bank) - start).inCents(), net.inCents()) << id << " on the machine";
    session.close(screen);
    EXPECT_EQ((Money::dollars(currentPlayer->money) - start).inCents(), net.inCents()) << id << " after leaving";
}

INSTANTIATE_TEST_SUITE_P(EveryMachine, MoneyConservation, ::testing::ValuesIn([] {
                             std::vector<std::string> ids;
                             for (const MachineInfo& m : machineTable()) ids.push_back(m.id);
                             return ids;
                         }()),
                         [](const testing::TestParamInfo<std::string>& info) { return "m" + info.param; });

// At each of the ten coin values a machine of every family is offered at:
// $1001 typed into the money prompt buys the whole coins it pays for, the
// dollars that buy no coin stay with the player, and a machine closed
// without cash-out (a window close, the machine menu) hands every credit
// back to the cent and writes the save file at once.
TEST(CreditsOnClose, EveryCoinValueOfEveryFamily) {
    const long long valueCents[] = {100000, 50000, 10000, 2500, 500, 100, 50, 25, 10, 5};
    testrt::resetFiles();
    ASSERT_TRUE(testrt::startHeadless("Coin_Closer", 5000.0, false));
    for (const char* id : {"10x", "egyptsprize", "zookeeper", "jacksorbetter", "demoderby"}) {
        int values = 0;
        for (long long cents : valueCents) {
            const Denomination* d = findDenominationValue(static_cast<float>(cents / 100.0));
            ASSERT_NE(d, nullptr) << cents;
            if (!d->offers(id)) continue;
            ++values;
            SCOPED_TRACE(std::string(id) + " at " + std::to_string(cents) + " cents");
            Screen* screen = testrt::openMachine<Screen>(id, "1001", cents / 100.0f);
            Bank* bank = dynamic_cast<Bank*>(screen);
            ASSERT_NE(bank, nullptr);
            const long long bought = 100100 / cents;  // one coin at $1000
            EXPECT_EQ(bank->credits, bought);
            EXPECT_EQ(Money::dollars(currentPlayer->money).inCents(), 500000 - bought * cents);
            delete screen;
            EXPECT_EQ(Money::dollars(currentPlayer->money).inCents(), 500000);
            EXPECT_EQ(savefiles::savedMoney("Coin_Closer"), 5000.0);
            currentPlayer->money = 5000.0;
        }
        EXPECT_GE(values, 6) << id;
    }
    testrt::stopHeadless();
}
