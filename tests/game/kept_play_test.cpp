// An outcome is kept the moment it is drawn. On every one of the fifty
// machines, a full-bet play is followed frame by frame and pause by pause,
// and the save file is read at each of those moments, as a game killed there
// would leave it: from the draw on, it already holds what the play settles to
// (the bet taken, the win added, the statistics), so a kill loses and gains
// nothing against the same play shown to its end. Plays with a bonus game or
// gamble may change the file once more at each thing they draw; the last
// file is still the played-through one.
#include <gtest/gtest.h>

#include <SDL.h>

#include <functional>
#include <string>
#include <vector>

#include "derby/demo_derby.h"
#include "game/machine_factory.h"
#include "machine/machine.h"
#include "player/machine_table.h"
#include "player/money.h"
#include "player/player.h"
#include "player/save_files.h"
#include "poker/video_poker.h"
#include "shell/ini.h"
#include "shell/mtrand.h"
#include "support/headless.h"
#include "support/runtime.h"
#include "support/test_clock.h"

namespace {

using testrt::testClock;

const char* const kPlayer = "Kill_Test";

std::string savedText() { return testrt::readFile(savefiles::savePath(kPlayer)); }

using savefiles::moneyIn;

// One full-bet play of a machine of any family, as the player makes it with
// the keyboard; `look` runs between the frames of the reels. A poker hand is
// watched from its draw: until then the file holds it as dealt, all five
// cards held, as a hand left without a draw settles. A derby game is watched
// from its respin.
void playWatched(Screen& s, std::vector<std::string>& moments, const std::function<void()>& look) {
    if (auto* m = dynamic_cast<Machine*>(&s)) {
        s.handleEvent(testrt::keyEvent(SDLK_m));
        for (int frame = 0; frame < 5000 && m->spinning; ++frame) {
            look();
            m->tick();
        }
    } else if (auto* p = dynamic_cast<VideoPoker*>(&s)) {
        s.handleEvent(testrt::keyEvent(SDLK_m));
        EXPECT_TRUE(p->handOut);
        EXPECT_EQ(moneyIn(savedText()), 995.0 + p->handWin())
            << "five coins of $1 bet, the hand kept as dealt until the draw";
        moments.clear();
        if (p->handOut) s.handleEvent(testrt::keyEvent(SDLK_RETURN));
    } else if (auto* d = dynamic_cast<DemoDerby*>(&s)) {
        // The first spin never pays and takes nothing yet: the game is
        // drawn by its respin.
        const std::string before = savedText();
        for (const char* control : {"betmax", "start"})
            if (Widget* w = d->buttonNamed(control)) d->handleButton(w);
        EXPECT_TRUE(d->respinPending);
        EXPECT_EQ(savedText(), before);
        moments.clear();
        if (Widget* w = d->buttonNamed("respin")) d->handleButton(w);
    }
    look();
}

// The lines of `a` that `b` does not have, for a short failure message.
std::string linesNotIn(const std::string& a, const std::string& b) {
    std::string out, line;
    for (size_t i = 0, j; i < a.size(); i = j + 1) {
        j = a.find('\n', i);
        if (j == std::string::npos) j = a.size();
        line = a.substr(i, j - i) + "\n";
        if (b.find(line) == std::string::npos) out += line;
    }
    return out;
}

class KeptPlay : public ::testing::TestWithParam<std::string> {};

}  // namespace

TEST_P(KeptPlay, TheSaveFileHoldsThePlayFromTheMomentItIsDrawn) {
    const std::string id = GetParam();
    int plays = 0, changedDuringPlay = 0;
    for (uint32_t seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE(id + " seed " + std::to_string(seed));
        testrt::resetFiles("[global]\nfirsttimeever=0\nplayers=Kill_Test\nlastplayer=Kill_Test\n");
        ASSERT_TRUE(testrt::startHeadless(kPlayer, 1000.0, false));
        testrt::runFast();
        Screen* s = testrt::openMachine<Screen>(id, "100");
        ASSERT_NE(s, nullptr);
        Bank* bank = dynamic_cast<Bank*>(s);
        ASSERT_NE(bank, nullptr);
        // The money put in is the player's in the file too.
        EXPECT_EQ(moneyIn(savedText()), 1000.0);
        const long long lossBefore = currentPlayer->findStats(id)->totalloss.inCents();

        // What the file says at every frame and pause of the play, bonus
        // games and gambles included (nobody answers them: a window close
        // waits in the queue, so they run to their end as drawn).
        std::vector<std::string> moments;
        auto look = [&moments] { moments.push_back(savedText()); };
        testClock.atPause = [&look](Uint32) { look(); };
        testClock.atRest = [&look](Uint32) { look(); };
        seedGenerators(seed);
        testrt::pushQuit();
        playWatched(*s, moments, look);
        testClock.atPause = nullptr;
        testClock.atRest = nullptr;
        clearQuitRequest();
        testrt::drainEvents();

        // The play shown to its end, saved now.
        currentPlayer->saveNow();
        const std::string through = savedText();
        const MachineStats* record = currentPlayer->findStats(id);
        ASSERT_GT(record->totalloss.inCents(), lossBefore) << "no play was made";
        ++plays;
        // Money moved by what the record says the play paid less its bet.
        const Money net = record->totalwon - record->totalloss;
        EXPECT_EQ(Money::dollars(moneyIn(through)).inCents(), 100000 + net.inCents());

        ASSERT_FALSE(moments.empty());
        EXPECT_TRUE(moments.back() == through) << "the last file written is not the play as it settled:\n"
                                               << linesNotIn(moments.back(), through) << "against\n"
                                               << linesNotIn(through, moments.back());
        // The first moment after the draw already holds the whole play,
        // unless a bonus game or gamble drew more of it later.
        if (moments.front() != through) ++changedDuringPlay;
        delete s;
        testrt::stopHeadless();
    }
    EXPECT_EQ(plays, 3);
    // Most plays draw everything at once; a bonus game on every seed would
    // mean the file lags behind the draw.
    EXPECT_LT(changedDuringPlay, 3) << id;
}

INSTANTIATE_TEST_SUITE_P(EveryMachine, KeptPlay, ::testing::ValuesIn([] {
                             std::vector<std::string> ids;
                             for (const MachineInfo& m : machineTable()) ids.push_back(m.id);
                             return ids;
                         }()),
                         [](const testing::TestParamInfo<std::string>& info) { return "m" + info.param; });

// Cash-out and a change of coin value move the credits back to the account
// in one write: just before each write of the save file (where a kill would
// leave it) and after the last, the file holds the same total as before.
TEST(KeptMoney, CashOutAndACoinValueChangeKeepTheTotalAtEveryWrite) {
    struct Watch : WriteFaults {
        std::vector<double> seen;
        int before(WriteStep step) override {
            if (step == WriteStep::Open) seen.push_back(moneyIn(savedText()));
            return 0;
        }
    };
    for (const char* id : {"10x", "zookeeper", "jacksorbetter", "demoderby"}) {
        for (const char* control : {"denomination", "cashout"}) {
            SCOPED_TRACE(std::string(id) + " " + control);
            testrt::resetFiles("[global]\nfirsttimeever=0\nplayers=Kill_Test\nlastplayer=Kill_Test\n");
            ASSERT_TRUE(testrt::startHeadless(kPlayer, 1000.0, false));
            testrt::runFast();
            Screen* s = testrt::openMachine<Screen>(id, "100");
            ASSERT_NE(s, nullptr);
            ASSERT_EQ(dynamic_cast<Bank*>(s)->credits, 100);
            Watch watch;
            WriteFaults* was = installWriteFaults(&watch);
            testrt::press(*s, control);
            installWriteFaults(was);
            EXPECT_EQ(dynamic_cast<Bank*>(s)->credits, 0);
            EXPECT_EQ(currentPlayer->money, 1000.0);
            ASSERT_FALSE(watch.seen.empty()) << "the money moved without a write";
            for (double money : watch.seen) EXPECT_EQ(money, 1000.0);
            EXPECT_EQ(moneyIn(savedText()), 1000.0);
            delete s;
            testrt::stopHeadless();
        }
    }
}

// Time played is kept as it is counted: a game killed at a machine (the file
// read as a kill leaves it) keeps every whole minute played there, with or
// without a play since; the seconds short of a minute are not counted.
TEST(KeptTime, EveryMinutePlayedIsInTheSaveFileAsSoonAsItIsCounted) {
    for (const char* id : {"10x", "jacksorbetter", "demoderby"}) {
        SCOPED_TRACE(id);
        testrt::resetFiles("[global]\nfirsttimeever=0\nplayers=Kill_Test\nlastplayer=Kill_Test\n");
        ASSERT_TRUE(testrt::startHeadless(kPlayer, 1000.0, false));
        testClock.stop(5000, 0);
        Screen* s = testrt::openMachine<Screen>(id, "100");
        ASSERT_NE(s, nullptr);
        auto minutesSaved = [id] { return savefiles::saved(kPlayer, id).readEntry("minutes", 0L); };
        // The first frame counts a second at once; 59 more frames a second
        // apart make the minute.
        for (int frame = 0; frame < 59; ++frame, testClock.now += 1000) s->tick();
        EXPECT_EQ(minutesSaved(), 0);
        s->tick();
        EXPECT_EQ(minutesSaved(), 1);
        // An hour and a minute more, no play made.
        for (int frame = 0; frame < 61 * 60; ++frame) {
            testClock.now += 1000;
            s->tick();
        }
        EXPECT_EQ(minutesSaved(), 2);
        EXPECT_EQ(savefiles::saved(kPlayer, id).readEntry("hours", 0L), 1);
        delete s;
        testrt::stopHeadless();
    }
}
