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
#include "player/player.h"
#include "player/save_files.h"
#include "poker/video_poker.h"
#include "shell/app.h"
#include "shell/mtrand.h"
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

SDLKey keyNamed(const std::string& name) {
    if (name == "return") return SDLK_RETURN;
    if (name == "escape") return SDLK_ESCAPE;
    if (name == "pageup") return SDLK_PAGEUP;
    if (name == "pagedown") return SDLK_PAGEDOWN;
    return static_cast<SDLKey>(name[0]);
}

class PanelTest : public testing::TestWithParam<Panel> {
protected:
    void SetUp() override {
        sgenrand(11);
        ASSERT_TRUE(startHeadless("Pat_Panel", 1000.0, false)) << SDL_GetError();
        mediaTicks = fastClock;
    }
    void TearDown() override { stopHeadless(); }

    double paidSoFar = 0;  // dollars the machine's plays have paid, as recorded

    // c credits, b bet, w a hand or respin waiting, $ the player's money, s
    // his saved money, v the coin value, n the screen named next, p plays
    // recorded. What plays won is taken back off the credits, so that the
    // table reads the same whatever the reels or cards showed.
    std::string after(Screen& s, Bank& bank) {
        const MachineStats* stats = currentPlayer->findStats(s.name);
        if (stats->totalwon > paidSoFar)
            bank.credits -= static_cast<int>(std::lround((stats->totalwon - paidSoFar) / bank.coinValue()));
        paidSoFar = stats->totalwon;
        int bet = 0;
        bool waiting = false;
        if (auto* m = dynamic_cast<Machine*>(&s)) bet = m->betAmount();
        if (auto* p = dynamic_cast<VideoPoker*>(&s)) bet = p->handOut ? p->coinsPlayed : p->coinsBet, waiting = p->handOut;
        if (auto* d = dynamic_cast<DemoDerby*>(&s)) bet = d->plays * d->coins, waiting = d->respinPending;
        char text[200];
        std::snprintf(text, sizeof text, "c=%d b=%d%s $=%g s=%g v=%g n=%s p=%d", bank.credits, bet, waiting ? " w" : "",
                      currentPlayer->money, savefiles::savedMoney("Pat_Panel"), bank.coinValue(),
                      s.next ? s.next->name.c_str() : "", stats->spinswon + stats->spinslost);
        // The machine stays open after a way out, so the table can go on.
        delete s.next;
        s.next = nullptr;
        return text;
    }
};

TEST_P(PanelTest, EveryControlDoesWhatItSays) {
    Screen* s = openMachine(GetParam().id, "20");
    ASSERT_NE(s, nullptr);
    Bank* bank = dynamic_cast<Bank*>(s);
    drainEvents();
    EXPECT_EQ(after(*s, *bank), "c=20 b=0 $=980 s=980 v=1 n= p=0");
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
            {"betone", "c=20 b=1 $=980 s=980 v=1 n= p=0"},
            {"key:n", "c=20 b=2 $=980 s=980 v=1 n= p=0"},
            {"key:n", "c=20 b=3 $=980 s=980 v=1 n= p=0"},
            {"key:n", "c=20 b=3 $=980 s=980 v=1 n= p=0"},
            {"spin", "c=17 b=0 $=980 s=980 v=1 n= p=1"},
            {"key:return", "c=17 b=0 $=980 s=980 v=1 n= p=1"},  // nothing bet
            {"key:n", "c=17 b=1 $=980 s=980 v=1 n= p=1"},
            {"key:return", "c=16 b=0 $=980 s=980 v=1 n= p=2"},
            {"betmax", "c=13 b=0 $=980 s=980 v=1 n= p=3"},
            {"key:m", "c=10 b=0 $=980 s=980 v=1 n= p=4"},
            {"coin", "c=15 b=0 $=975 s=975 v=1 n= p=4", "5"},
            {"money", "c=20 b=0 $=970 s=970 v=1 n= p=4", "5"},
            {"key:pageup", "c=20 b=0 $=970 s=970 v=1 n= p=4", "press"},
            {"key:pagedown", "c=20 b=0 $=970 s=970 v=1 n= p=4", "press"},
            {"top", "c=20 b=0 $=970 s=970 v=1 n= p=4", "press"},
            {"bottom", "c=20 b=0 $=970 s=970 v=1 n= p=4", "press"},
            {"key:y", "c=20 b=0 $=970 s=970 v=1 n= p=0"},  // the machine's record back to zero
            {"denomination", "c=0 b=0 $=990 s=990 v=5 n= p=0"},
            {"coin", "c=2 b=0 $=980 s=980 v=5 n= p=0", "10"},
            {"cashout", "c=0 b=0 $=990 s=990 v=5 n=lobby p=0"},
            {"money", "c=4 b=0 $=970 s=970 v=5 n= p=0", "20"},
            {"change", "c=0 b=0 $=990 s=990 v=5 n=cashier p=0"},
            {"money", "c=1 b=0 $=985 s=985 v=5 n= p=0", "5"},
            {"key:escape", "c=0 b=0 $=990 s=990 v=5 n=lobby p=0"},
        }},
        Panel{"cashcow", {  // three lines of one coin
            {"coin", "c=25 b=0 $=975 s=975 v=1 n= p=0", "5"},
            {"betone", "c=25 b=1 $=975 s=975 v=1 n= p=0"},
            {"key:n", "c=25 b=2 $=975 s=975 v=1 n= p=0"},
            {"key:n", "c=25 b=3 $=975 s=975 v=1 n= p=0"},
            {"key:n", "c=25 b=3 $=975 s=975 v=1 n= p=0"},
            {"spin", "c=22 b=0 $=975 s=975 v=1 n= p=1"},
            {"key:return", "c=22 b=0 $=975 s=975 v=1 n= p=1"},
            {"betmax", "c=19 b=0 $=975 s=975 v=1 n= p=2"},
            {"key:m", "c=16 b=0 $=975 s=975 v=1 n= p=3"},
            {"key:pageup", "c=16 b=0 $=975 s=975 v=1 n= p=3", "press"},
            {"key:pagedown", "c=16 b=0 $=975 s=975 v=1 n= p=3", "press"},
            {"denomination", "c=0 b=0 $=991 s=991 v=5 n= p=3"},
            {"change", "c=0 b=0 $=991 s=991 v=5 n=cashier p=3"},
            {"money", "c=1 b=0 $=986 s=986 v=5 n= p=3", "5"},
            {"cashout", "c=0 b=0 $=991 s=991 v=5 n=lobby p=3"},
            {"money", "c=1 b=0 $=986 s=986 v=5 n= p=3", "5"},
            {"key:escape", "c=0 b=0 $=991 s=991 v=5 n=lobby p=3"},
        }},
        Panel{"zookeeper", {  // five lines of nine coins
            {"play3", "c=20 b=0 $=980 s=980 v=1 n= p=0"},
            {"betone", "c=20 b=3 $=980 s=980 v=1 n= p=0"},
            {"key:n", "c=20 b=6 $=980 s=980 v=1 n= p=0"},
            {"start", "c=14 b=6 $=980 s=980 v=1 n= p=1"},
            {"key:return", "c=8 b=6 $=980 s=980 v=1 n= p=2"},
            {"cancel", "c=8 b=0 $=980 s=980 v=1 n= p=2"},
            {"start", "c=8 b=0 $=980 s=980 v=1 n= p=2"},
            {"coin", "c=48 b=0 $=940 s=940 v=1 n= p=2", "40"},
            {"betmax", "c=3 b=45 $=940 s=940 v=1 n= p=3"},
            {"key:m", "c=3 b=45 $=940 s=940 v=1 n= p=3"},  // 45 credits needed
            {"money", "c=5 b=45 $=938 s=938 v=1 n= p=3", "2"},
            {"key:pageup", "c=5 b=45 $=938 s=938 v=1 n= p=3", "press"},
            {"key:pagedown", "c=5 b=45 $=938 s=938 v=1 n= p=3", "press"},
            {"denomination", "c=0 b=45 $=943 s=943 v=5 n= p=3"},
            {"money", "c=1 b=45 $=938 s=938 v=5 n= p=3", "5"},
            {"cashout", "c=0 b=45 $=943 s=943 v=5 n=lobby p=3"},
            {"money", "c=1 b=45 $=938 s=938 v=5 n= p=3", "5"},
            {"change", "c=0 b=45 $=943 s=943 v=5 n=cashier p=3"},
            {"money", "c=1 b=45 $=938 s=938 v=5 n= p=3", "5"},
            {"key:escape", "c=0 b=45 $=943 s=943 v=5 n=lobby p=3"},
        }},
        Panel{"mardigras", {  // nine lines of five coins
            {"betone", "c=20 b=0 $=980 s=980 v=1 n= p=0"},
            {"play1", "c=20 b=1 $=980 s=980 v=1 n= p=0"},
            {"play3", "c=20 b=3 $=980 s=980 v=1 n= p=0"},
            {"play5", "c=20 b=5 $=980 s=980 v=1 n= p=0"},
            {"play7", "c=20 b=7 $=980 s=980 v=1 n= p=0"},
            {"play9", "c=20 b=9 $=980 s=980 v=1 n= p=0"},
            {"start", "c=11 b=9 $=980 s=980 v=1 n= p=1"},
            {"coin", "c=44 b=9 $=947 s=947 v=1 n= p=1", "33"},
            {"betmax", "c=44 b=9 $=947 s=947 v=1 n= p=1"},  // 45 credits needed
            {"money", "c=45 b=9 $=946 s=946 v=1 n= p=1", "1"},
            {"betmax", "c=0 b=45 $=946 s=946 v=1 n= p=2"},
            {"change", "c=0 b=45 $=946 s=946 v=1 n=cashier p=2"},
        }},
        Panel{"jacksorbetter", {  // five coins at most, the bet taken when the hand is drawn
            {"betone", "c=20 b=1 $=980 s=980 v=1 n= p=0"},
            {"key:n", "c=20 b=2 $=980 s=980 v=1 n= p=0"},
            {"deal", "c=20 b=2 w $=980 s=980 v=1 n= p=0"},
            {"cashout", "c=20 b=2 w $=980 s=980 v=1 n= p=0"},  // not while a hand is out
            {"change", "c=20 b=2 w $=980 s=980 v=1 n= p=0"},
            {"denomination", "c=20 b=2 w $=980 s=980 v=1 n= p=0"},
            {"coin", "c=20 b=2 w $=980 s=980 v=1 n= p=0"},
            {"hold0", "c=20 b=2 w $=980 s=980 v=1 n= p=0"},
            {"card2", "c=20 b=2 w $=980 s=980 v=1 n= p=0"},
            {"key:return", "c=18 b=0 $=980 s=980 v=1 n= p=1"},
            {"betmax", "c=18 b=5 w $=980 s=980 v=1 n= p=1"},
            {"deal", "c=13 b=0 $=980 s=980 v=1 n= p=2"},
            {"key:m", "c=13 b=5 w $=980 s=980 v=1 n= p=2"},
            {"key:return", "c=8 b=0 $=980 s=980 v=1 n= p=3"},
            {"key:return", "c=8 b=1 w $=980 s=980 v=1 n= p=3"},  // nothing bet: one coin
            {"deal", "c=7 b=0 $=980 s=980 v=1 n= p=4"},
            {"key:n", "c=7 b=1 $=980 s=980 v=1 n= p=4"},
            {"key:n", "c=7 b=2 $=980 s=980 v=1 n= p=4"},
            {"betone", "c=7 b=3 $=980 s=980 v=1 n= p=4"},
            {"deal", "c=7 b=3 w $=980 s=980 v=1 n= p=4"},
            {"deal", "c=4 b=0 $=980 s=980 v=1 n= p=5"},
            {"betmax", "c=4 b=0 $=980 s=980 v=1 n= p=5"},  // five credits needed
            {"key:m", "c=4 b=0 $=980 s=980 v=1 n= p=5"},
            {"bottom", "c=4 b=0 $=980 s=980 v=1 n= p=5", "press"},
            {"coin", "c=9 b=0 $=975 s=975 v=1 n= p=5", "5"},
            {"money", "c=14 b=0 $=970 s=970 v=1 n= p=5", "5"},
            {"denomination", "c=0 b=0 $=984 s=984 v=5 n= p=5"},
            {"money", "c=1 b=0 $=979 s=979 v=5 n= p=5", "5"},
            {"cashout", "c=0 b=0 $=984 s=984 v=5 n=lobby p=5"},
            {"money", "c=1 b=0 $=979 s=979 v=5 n= p=5", "5"},
            {"change", "c=0 b=0 $=984 s=984 v=5 n=cashier p=5"},
            {"money", "c=1 b=0 $=979 s=979 v=5 n= p=5", "5"},
            {"key:escape", "c=0 b=0 $=984 s=984 v=5 n=lobby p=5"},
        }},
        Panel{"demoderby", {  // five plays of five coins, the bet taken after the respin
            {"betone", "c=20 b=1 $=980 s=980 v=1 n= p=0"},
            {"betone", "c=20 b=2 $=980 s=980 v=1 n= p=0"},
            {"play3", "c=20 b=6 $=980 s=980 v=1 n= p=0"},
            {"start", "c=20 b=6 w $=980 s=980 v=1 n= p=0"},
            {"cashout", "c=20 b=6 w $=980 s=980 v=1 n= p=0"},  // not while a respin is due
            {"hold1", "c=20 b=6 w $=980 s=980 v=1 n= p=0"},
            {"respin", "c=14 b=6 $=980 s=980 v=1 n= p=1"},
            {"cancel", "c=14 b=0 $=980 s=980 v=1 n= p=1"},
            {"betmax", "c=14 b=0 $=980 s=980 v=1 n= p=1"},  // 25 credits needed
            {"coin", "c=34 b=0 $=960 s=960 v=1 n= p=1", "20"},
            {"betmax", "c=34 b=25 w $=960 s=960 v=1 n= p=1"},
            {"respin", "c=9 b=25 $=960 s=960 v=1 n= p=2"},
            {"key:pageup", "c=9 b=25 $=960 s=960 v=1 n= p=2", "press"},
            {"key:pagedown", "c=9 b=25 $=960 s=960 v=1 n= p=2", "press"},
            {"denomination", "c=0 b=25 $=969 s=969 v=5 n= p=2"},
            {"money", "c=1 b=25 $=964 s=964 v=5 n= p=2", "5"},
            {"cashout", "c=0 b=25 $=969 s=969 v=5 n=lobby p=2"},
            {"money", "c=1 b=25 $=964 s=964 v=5 n= p=2", "5"},
            {"change", "c=0 b=25 $=969 s=969 v=5 n=cashier p=2"},
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
        bool Player::*flag;
        const char* key;
        int pages;
    };
    const Visit visits[] = {
        {"lobby", &Player::firsttimelobby, "firsttimelobby", 2},  {"lobby", &Player::firsttimelobby, "firsttimelobby", 0},
        {"10x", &Player::firsttimeslot, "firsttimeslot", 6},       {"cashcow", &Player::firsttimeslot, "firsttimeslot", 0},
        {"zookeeper", &Player::firsttimenickle, "firsttimenickle", 6}, {"mardigras", &Player::firsttimenickle, "firsttimenickle", 0},
        {"jacksorbetter", &Player::firsttimepoker, "firsttimepoker", 3}, {"deuceswild", &Player::firsttimepoker, "firsttimepoker", 0},
    };
    for (const Visit& v : visits) {
        const bool lobby = std::string(v.id) == "lobby";
        if (!lobby) typeMoney("1");
        for (int i = 0; i < 8; ++i) pushClick(400, 300);  // more presses than any help has pages
        Screen* s = lobby ? new Lobby() : createMachine(v.id, 1.0f);
        EXPECT_EQ(8 - pendingEvents(), v.pages) << v.id;
        EXPECT_FALSE(currentPlayer->*v.flag) << v.id;
        drainEvents();
        delete s;  // a machine's credit goes back
        appHooks.screenLeft();  // as the frame loop does when a screen is left
        EXPECT_EQ(savefiles::saved("Pat_Panel", "Pat_Panel").readEntry(v.key, -1L), 0L) << v.id;
    }
    stopHeadless();
}

}  // namespace
