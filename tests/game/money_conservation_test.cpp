// Money is neither made nor lost on any of the fifty machines: over a seeded
// run of full-bet plays, bonus games, gambles and double-ups included and
// played by pressing where the pointer goes (in another order each play, so
// that the choices they offer go both ways), the player's money plus the
// credits on the machine at its coin value moves by exactly what the plays
// paid less what they bet, as the machine's record says; and leaving the
// machine hands every credit back. On the double-up machine some plays take
// a win home, and each takes home what its last offer stood at, or nothing
// when its last gamble was lost.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <functional>
#include <string>

#include "assets/asset_session.h"
#include "machine/denomination.h"
#include "player/machine_table.h"
#include "player/money.h"
#include "player/save_files.h"
#include "player/player.h"
#include "poker/poker_machines.h"
#include "shell/mtrand.h"
#include "shell/text_label.h"
#include "support/headless.h"

namespace {

Money onHand(Bank& bank) { return Money::dollars(currentPlayer->money) + bank.worth(bank.credits); }

// The amount a double-up offer stands at: half of what "DOUBLE UP TO n?" offers.
int offeredAmount(const std::string& text) {
    const std::string lead = "DOUBLE UP TO ";
    EXPECT_EQ(text.compare(0, lead.size(), lead), 0) << text;
    return static_cast<int>(std::strtol(text.c_str() + lead.size(), nullptr, 10) / 2);
}

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
    // On the double-up machine each offer is read while it waits for the
    // player: the amount it stands at, and that of the play's first offer.
    auto* doubleUp = dynamic_cast<DoubleUpBonus*>(screen);
    int firstOffer = 0, standing = 0;
    testrt::testClock.atRest = [&](Uint32) {
        if (!doubleUp || !doubleUp->offerText) return;
        const int shown = offeredAmount(doubleUp->offerText->text);
        // A gamble won doubles the amount, a tie leaves it; a lost one ends the offers.
        if (standing > 0 && shown != standing) {
            EXPECT_EQ(shown, 2 * standing) << "an offer after a gamble";
        }
        if (firstOffer == 0) firstOffer = shown;
        standing = shown;
    };
    // The double-up machine's plays are quick and only about one in five
    // pays: it plays more of them, so that some gambles are won and then
    // taken home.
    const int rounds = doubleUp ? 180 : 60;
    int closed = 0, tookHome = 0, gambledAndTookHome = 0;
    for (int round = 0; round < rounds; ++round) {
        firstOffer = standing = 0;
        const int before = bank->credits;
        closed += testrt::playOnce(*screen, testrt::finishSpin, static_cast<uint32_t>(round + 1));
        if (!doubleUp) continue;
        // Five coins bet; the hand takes home the amount of the offer the
        // player answered no, or nothing when a gamble was lost.
        const int home = bank->credits - before + 5;
        if (home != 0) {
            EXPECT_EQ(home, standing) << "play " << round << ", first offered " << firstOffer;
        }
        tookHome += home > 0;
        gambledAndTookHome += home > firstOffer && firstOffer > 0;
    }
    testrt::testClock.atRest = nullptr;
    EXPECT_EQ(closed, 0) << id << ": plays that waited for a press nothing on the screen answered";
    if (doubleUp) {
        EXPECT_GT(tookHome, 0) << "no double-up win was taken home";
        EXPECT_GT(gambledAndTookHome, 0) << "no gamble was won and then taken home";
        RecordProperty("doubleUpWinsTakenHome", tookHome);
        RecordProperty("doubleUpWinsTakenHomeAfterAGambleWon", gambledAndTookHome);
    }

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
