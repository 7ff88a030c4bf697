// Every control of every family's panel pressed as the player presses it, by
// the mouse and by its key: what each does to the credits, the bet, the
// player's money and its save file, the coin value and the next screen.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>
#include <vector>

#include "derby/demo_derby.h"
#include "floor/lobby.h"
#include "game/machine_factory.h"
#include "machine/machine.h"
#include "machine/video_slot.h"
#include "player/player.h"
#include "player/save_files.h"
#include "poker/video_poker.h"
#include "shell/app.h"
#include "shell/mtrand.h"
#include "shell/text_label.h"
#include "support/headless.h"

namespace {

using namespace testrt;

// One press: a control clicked, or "key:<name>" pressed; `answer` is what
// the player gives the part it opens: dollars typed into the money prompt,
// or "press" for a marquee or attract panel that waits for a press.
struct Press {
    const char* what;
    const char* expect;
    const char* answer = "";
};

struct Panel {
    const char* id;
    std::vector<Press> presses;
};

void PrintTo(const Panel& panel, std::ostream* out) { *out << panel.id; }

// A key by the name SDL gives it ("return", "page up", "m").
SDLKey keyNamed(const std::string& name) {
    int k = 0;
    while (k < SDLK_LAST && name != SDL_GetKeyName(static_cast<SDLKey>(k))) ++k;
    return static_cast<SDLKey>(k);
}

class PanelTest : public testing::TestWithParam<Panel> {
protected:
    void SetUp() override {
        seedGenerators(11);
        ASSERT_TRUE(startHeadless("Pat_Panel", 1000.0, false)) << SDL_GetError();
        runFast();
    }
    void TearDown() override { stopHeadless(); }

    double paidSoFar = 0;  // dollars the machine's plays have paid, as recorded

    // c credits, b bet, w a hand or respin waiting, $ the player's money (as
    // saved), v the coin value, p plays recorded, > the screen named next.
    // What plays won is taken back off the credits, so that the
    // table reads the same whatever the reels or cards showed.
    std::string after(Screen& s, Bank& bank) {
        const MachineStats* stats = currentPlayer->findStats(s.name);
        // The save file counts the credits on the machine as the player's,
        // with a hand out or a play under way as drawn so far.
        EXPECT_EQ(Money::dollars(savefiles::savedMoney("Pat_Panel")).inCents(),
                  (Money::dollars(currentPlayer->money) + bank.worth(bank.creditsAfterPlay())).inCents())
            << "money moved but was not saved";
        if (stats->totalwon.inDollars() > paidSoFar) {
            bank.credits -= static_cast<int>(std::lround((stats->totalwon.inDollars() - paidSoFar) / bank.coinValue()));
            currentPlayer->saveNow();  // the file follows the credits taken off
        }
        paidSoFar = stats->totalwon.inDollars();
        int bet = 0;
        bool waiting = false;
        if (auto* m = dynamic_cast<Machine*>(&s)) bet = m->betAmount();
        if (auto* v = dynamic_cast<VideoSlotMachine*>(&s)) {
            EXPECT_EQ(v->betMeter->text, std::to_string(bet)) << "the bet meter shows the bet";
        }
        if (auto* p = dynamic_cast<VideoPoker*>(&s))
            bet = p->handOut ? p->coinsPlayed : p->coinsBet, waiting = p->handOut;
        if (auto* d = dynamic_cast<DemoDerby*>(&s)) bet = d->plays * d->coins, waiting = d->respinPending;
        char text[200];
        std::snprintf(text, sizeof text, "c%d b%d%s $%g v%g p%d%s%s", bank.credits, bet, waiting ? " w" : "",
                      currentPlayer->money, bank.coinValue(), stats->spinswon + stats->spinslost, s.next ? " >" : "",
                      s.next ? s.next->name.c_str() : "");
        // The machine stays open after a way out, so the table can go on.
        s.next.reset();
        return text;
    }
};

TEST_P(PanelTest, EveryControlDoesWhatItSays) {
    Screen* s = openMachine(GetParam().id, "20");
    ASSERT_NE(s, nullptr);
    Bank* bank = dynamic_cast<Bank*>(s);
    drainEvents();
    EXPECT_EQ(after(*s, *bank), "c20 b0 $980 v1 p0");
    for (const Press& press : GetParam().presses) {
        const std::string answer = press.answer;
        const auto answerIt = [&] {
            if (answer == "press") pushClick(400, 300);
            else if (!answer.empty()) typeMoney(answer);
        };
        if (std::strncmp(press.what, "key:", 4) != 0) {
            clickControl(*s, press.what, answerIt);
        } else {
            answerIt();
            s->handleEvent(keyEvent(keyNamed(press.what + 4)));
        }
        if (auto* m = dynamic_cast<Machine*>(s); m && m->spinning) finishSpin(*m);
        EXPECT_EQ(pendingEvents(), 0) << press.what << ": what the player answered was not asked for";
        drainEvents();
        EXPECT_EQ(after(*s, *bank), press.expect) << press.what;
    }
    delete s;
}

INSTANTIATE_TEST_SUITE_P(
    EveryFamily, PanelTest,
    testing::Values(
        Panel{"10x", {  // three reels, three coins at most
            {"betone", "c20 b1 $980 v1 p0"}, {"key:n", "c20 b2 $980 v1 p0"}, {"key:n", "c20 b3 $980 v1 p0"},
            {"key:n", "c20 b3 $980 v1 p0"}, {"spin", "c17 b0 $980 v1 p1"},
            {"key:return", "c17 b0 $980 v1 p1"},  // nothing bet
            {"key:n", "c17 b1 $980 v1 p1"}, {"key:return", "c16 b0 $980 v1 p2"}, {"betmax", "c13 b0 $980 v1 p3"},
            {"key:m", "c10 b0 $980 v1 p4"}, {"coin", "c15 b0 $975 v1 p4", "5"}, {"money", "c20 b0 $970 v1 p4", "5"},
            {"key:page up", "c20 b0 $970 v1 p4", "press"}, {"key:page down", "c20 b0 $970 v1 p4", "press"},
            {"top", "c20 b0 $970 v1 p4", "press"}, {"bottom", "c20 b0 $970 v1 p4", "press"},
            {"key:y", "c20 b0 $970 v1 p0"},  // the machine's record back to zero
            {"denomination", "c0 b0 $990 v5 p0"}, {"coin", "c2 b0 $980 v5 p0", "10"},
            {"cashout", "c0 b0 $990 v5 p0 >lobby"}, {"money", "c4 b0 $970 v5 p0", "20"},
            {"change", "c0 b0 $990 v5 p0 >cashier"}, {"money", "c1 b0 $985 v5 p0", "5"},
            {"key:escape", "c0 b0 $990 v5 p0 >lobby"},
        }},
        Panel{"cashcow", {  // three lines of one coin
            {"coin", "c25 b0 $975 v1 p0", "5"}, {"betone", "c25 b1 $975 v1 p0"}, {"key:n", "c25 b2 $975 v1 p0"},
            {"key:n", "c25 b3 $975 v1 p0"}, {"key:n", "c25 b3 $975 v1 p0"}, {"spin", "c22 b0 $975 v1 p1"},
            {"key:return", "c22 b0 $975 v1 p1"}, {"betmax", "c19 b0 $975 v1 p2"}, {"key:m", "c16 b0 $975 v1 p3"},
            {"key:page up", "c16 b0 $975 v1 p3", "press"}, {"key:page down", "c16 b0 $975 v1 p3", "press"},
            {"denomination", "c0 b0 $991 v5 p3"}, {"change", "c0 b0 $991 v5 p3 >cashier"},
            {"money", "c1 b0 $986 v5 p3", "5"}, {"cashout", "c0 b0 $991 v5 p3 >lobby"},
            {"money", "c1 b0 $986 v5 p3", "5"}, {"key:escape", "c0 b0 $991 v5 p3 >lobby"},
        }},
        Panel{"zookeeper", {  // five lines of nine coins
            {"play3", "c20 b0 $980 v1 p0"}, {"betone", "c20 b3 $980 v1 p0"}, {"key:n", "c20 b6 $980 v1 p0"},
            {"start", "c14 b6 $980 v1 p1"}, {"key:return", "c8 b6 $980 v1 p2"}, {"cancel", "c8 b0 $980 v1 p2"},
            {"start", "c8 b0 $980 v1 p2"}, {"coin", "c48 b0 $940 v1 p2", "40"}, {"betmax", "c3 b45 $940 v1 p3"},
            {"key:m", "c3 b45 $940 v1 p3"},  // 45 credits needed
            {"money", "c5 b45 $938 v1 p3", "2"}, {"key:page up", "c5 b45 $938 v1 p3", "press"},
            {"key:page down", "c5 b45 $938 v1 p3", "press"}, {"denomination", "c0 b45 $943 v5 p3"},
            {"money", "c1 b45 $938 v5 p3", "5"}, {"cashout", "c0 b45 $943 v5 p3 >lobby"},
            {"money", "c1 b45 $938 v5 p3", "5"}, {"change", "c0 b45 $943 v5 p3 >cashier"},
            {"money", "c1 b45 $938 v5 p3", "5"}, {"key:escape", "c0 b45 $943 v5 p3 >lobby"},
            {"money", "c9 b45 $898 v5 p3", "45"}, {"play1", "c9 b9 $898 v5 p3"},
            {"play3", "c9 b9 $898 v5 p3"},  // 27 credits needed
            {"key:n", "c9 b1 $898 v5 p3"},  // past nine coins: one
            {"play5", "c9 b5 $898 v5 p3"}, {"key:n", "c9 b5 $898 v5 p3"},  // ten credits needed
            {"cancel", "c9 b0 $898 v5 p3"}, {"betone", "c9 b5 $898 v5 p3"},  // the lines stay
        }},
        Panel{"mardigras", {  // nine lines of five coins
            {"betone", "c20 b0 $980 v1 p0"}, {"play1", "c20 b1 $980 v1 p0"}, {"play3", "c20 b3 $980 v1 p0"},
            {"play5", "c20 b5 $980 v1 p0"}, {"play7", "c20 b7 $980 v1 p0"}, {"play9", "c20 b9 $980 v1 p0"},
            {"start", "c11 b9 $980 v1 p1"}, {"coin", "c44 b9 $947 v1 p1", "33"},
            {"betmax", "c44 b9 $947 v1 p1"},  // 45 credits needed
            {"money", "c45 b9 $946 v1 p1", "1"}, {"betmax", "c0 b45 $946 v1 p2"},
            {"change", "c0 b45 $946 v1 p2 >cashier"},
        }},
        Panel{"jacksorbetter", {  // five coins at most, the bet taken when the hand is drawn
            {"betone", "c20 b1 $980 v1 p0"}, {"key:n", "c20 b2 $980 v1 p0"}, {"deal", "c20 b2 w $980 v1 p0"},
            {"cashout", "c20 b2 w $980 v1 p0"},  // not while a hand is out
            {"change", "c20 b2 w $980 v1 p0"}, {"denomination", "c20 b2 w $980 v1 p0"},
            {"coin", "c20 b2 w $980 v1 p0"}, {"hold0", "c20 b2 w $980 v1 p0"}, {"card2", "c20 b2 w $980 v1 p0"},
            {"key:return", "c18 b0 $980 v1 p1"}, {"betmax", "c18 b5 w $980 v1 p1"}, {"deal", "c13 b0 $980 v1 p2"},
            {"key:m", "c13 b5 w $980 v1 p2"}, {"key:return", "c8 b0 $980 v1 p3"},
            {"key:return", "c8 b1 w $980 v1 p3"},  // nothing bet: one coin
            {"deal", "c7 b0 $980 v1 p4"}, {"key:n", "c7 b1 $980 v1 p4"}, {"key:n", "c7 b2 $980 v1 p4"},
            {"betone", "c7 b3 $980 v1 p4"}, {"key:n", "c7 b4 $980 v1 p4"}, {"key:n", "c7 b5 $980 v1 p4"},
            {"betone", "c7 b5 $980 v1 p4"},  // five coins at most
            {"deal", "c7 b5 w $980 v1 p4"}, {"deal", "c2 b0 $980 v1 p5"},
            {"betmax", "c2 b0 $980 v1 p5"},  // five credits needed
            {"key:m", "c2 b0 $980 v1 p5"}, {"key:n", "c2 b1 $980 v1 p5"}, {"betone", "c2 b2 $980 v1 p5"},
            {"key:n", "c2 b2 $980 v1 p5"},  // no credit for another coin
            {"bottom", "c2 b2 $980 v1 p5", "press"},
            {"coin", "c5 b0 $977 v1 p5", "3"},  // money in clears the bet
            {"key:m", "c5 b5 w $977 v1 p5"}, {"deal", "c0 b0 $977 v1 p6"}, {"money", "c5 b0 $972 v1 p6", "5"},
            {"denomination", "c0 b0 $977 v5 p6"}, {"money", "c1 b0 $972 v5 p6", "5"},
            {"cashout", "c0 b0 $977 v5 p6 >lobby"}, {"money", "c1 b0 $972 v5 p6", "5"},
            {"change", "c0 b0 $977 v5 p6 >cashier"}, {"money", "c1 b0 $972 v5 p6", "5"},
            {"key:escape", "c0 b0 $977 v5 p6 >lobby"},
        }},
        Panel{"demoderby", {  // five plays of five coins, the bet taken after the respin
            {"betone", "c20 b1 $980 v1 p0"}, {"betone", "c20 b2 $980 v1 p0"}, {"play3", "c20 b6 $980 v1 p0"},
            {"start", "c20 b6 w $980 v1 p0"},
            {"cashout", "c20 b6 w $980 v1 p0"},  // only holds and the respin while a respin is due
            {"change", "c20 b6 w $980 v1 p0"}, {"denomination", "c20 b6 w $980 v1 p0"},
            {"betmax", "c20 b6 w $980 v1 p0"}, {"betone", "c20 b6 w $980 v1 p0"}, {"play1", "c20 b6 w $980 v1 p0"},
            {"cancel", "c20 b6 w $980 v1 p0"}, {"start", "c20 b6 w $980 v1 p0"}, {"coin", "c20 b6 w $980 v1 p0"},
            {"hold1", "c20 b6 w $980 v1 p0"}, {"respin", "c14 b6 $980 v1 p1"}, {"cancel", "c14 b0 $980 v1 p1"},
            {"betmax", "c14 b0 $980 v1 p1"},  // 25 credits needed
            {"coin", "c34 b0 $960 v1 p1", "20"}, {"betmax", "c34 b25 w $960 v1 p1"}, {"respin", "c9 b25 $960 v1 p2"},
            {"betone", "c9 b5 $960 v1 p2"},  // five coins wrap to one
            {"key:page up", "c9 b5 $960 v1 p2", "press"}, {"key:page down", "c9 b5 $960 v1 p2", "press"},
            {"denomination", "c0 b5 $969 v5 p2"}, {"money", "c1 b5 $964 v5 p2", "5"},
            {"cashout", "c0 b5 $969 v5 p2 >lobby"}, {"money", "c1 b5 $964 v5 p2", "5"},
            {"change", "c0 b5 $969 v5 p2 >cashier"},
        }}),
    [](const testing::TestParamInfo<Panel>& info) { return std::string(info.param.id); });

// The help pages of a family show on the player's first visit only; the
// cleared flag reaches the save file when he leaves.
TEST(FirstVisits, HelpPagesShowOnceAFamilyAndTheClearedFlagIsSaved) {
    ASSERT_TRUE(startHeadless("Pat_Panel", 1000.0, false)) << SDL_GetError();
    currentPlayer->firsttimelobby = currentPlayer->firsttimeslot = true;
    currentPlayer->firsttimenickle = currentPlayer->firsttimepoker = true;
    struct Visit {
        const char* id;
        const char* flag;  // in the save file
        int pages;
    };
    const Visit visits[] = {
        {"lobby", "firsttimelobby", 2},    {"lobby", "firsttimelobby", 0},         {"10x", "firsttimeslot", 6},
        {"cashcow", "firsttimeslot", 0},   {"zookeeper", "firsttimenickle", 6},    {"mardigras", "firsttimenickle", 0},
        {"jacksorbetter", "firsttimepoker", 3}, {"deuceswild", "firsttimepoker", 0},
    };
    for (const Visit& v : visits) {
        const bool lobby = std::string(v.id) == "lobby";
        if (!lobby) typeMoney("1");
        for (int i = 0; i < 8; ++i) pushClick(400, 300);  // more presses than any help has pages
        std::unique_ptr<Screen> s = lobby ? std::make_unique<Lobby>() : createMachine(v.id, 1.0f);
        EXPECT_EQ(8 - pendingEvents(), v.pages) << v.id;
        drainEvents();
        s.reset();  // a machine's credit goes back
        appHooks.screenLeft();  // as the frame loop does when a screen is left
        EXPECT_EQ(savefiles::saved("Pat_Panel", "Pat_Panel").readEntry(v.flag, -1L), 0L) << v.id;
    }
    stopHeadless();
}

}  // namespace
