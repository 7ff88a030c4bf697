// Whether the player's progress and the settings are kept, and the window
// saying so when they are not: each cause of a file that can't be kept gives
// one message that names the file, why, and what to do, and a lasting sign;
// the save folder is made again; a byte-order mark is an editor's mark; one
// copy of the game at a time; a start that cannot finish ends.
#include <gtest/gtest.h>

#include <SDL.h>
#include <sys/file.h>
#include <sys/wait.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <csignal>
#include <filesystem>
#include <functional>
#include <fcntl.h>
#include <string>
#include <unistd.h>
#include <vector>

#include "floor/cashier.h"
#include "floor/lobby.h"
#include "player/machine_table.h"
#include "player/keeping.h"
#include "player/save_files.h"
#include "shell/led_sign.h"
#include "shell/mtrand.h"
#include "shell/notice.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace {

namespace fs = std::filesystem;
using savefiles::savePath;

const std::string annFile = "[Ann_Lee]\nmoney=4000\nfirsttime=0\nfirsttimelobby=0\n";
const std::string annSettings = "[global]\nplayers=Ann_Lee\nlastplayer=Ann_Lee\nfirsttimeever=0\n";

std::vector<std::string> notices;
struct RecordedNotices : NoticeBoard {
    void show(const std::string& text, const std::string&) override { notices.push_back(text); }
} recordedNotices;

int failWith = 0;  // the error number the failing disk hands every step
struct FailingDisk : WriteFaults {
    int before(WriteStep) override { return failWith; }
} failingDisk;

// Records each notice and a player's save file as it stood when it came up.
struct SaveFileAtNotice : NoticeBoard {
    explicit SaveFileAtNotice(const std::string& player) : path(savePath(player)) {}
    std::string path;
    std::vector<std::string> texts, files;
    void show(const std::string& text, const std::string&) override {
        texts.push_back(text);
        files.push_back(testrt::readFile(path));
    }
};

bool says(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

std::string caption() {
    char* title = nullptr;
    SDL_WM_GetCaption(&title, nullptr);
    return title ? title : "";
}

class Keeps : public ::testing::Test {
protected:
    void SetUp() override {
        notices.clear();
        installNoticeBoard(&recordedNotices);
        testing::internal::CaptureStderr();
    }
    void TearDown() override { testing::internal::GetCapturedStderr(); }
};

}  // namespace

TEST_F(Keeps, EachCauseNamesTheFileWhyAndWhatToDoOnceAndTheFileStaysAsItWas) {
    struct Cause {
        const char* name;
        void (*arrange)();
        int fault;            // the failing disk's answer to every write
        const char* says;     // what the message must say
        const char* todo;
    };
    const Cause causes[] = {
        {"a line that is not a setting", [] { testrt::writeFile(savePath("Ann_Lee"), annFile + "oops\n"); }, 0,
         "save/Ann_Lee.save can't be read (line 5", "mend or remove that line"},
        {"a save folder that is a file",
         [] {
             fs::remove_all(testrt::root() + "/save");
             testrt::writeFile(testrt::root() + "/save", annFile);
         },
         0, "save is a file, not a folder", "move that file away"},
        {"a full disk", [] { testrt::writeFile(savePath("Ann_Lee"), annFile); }, ENOSPC,
         "save/Ann_Lee.save can't be written (the disk is full)", "Make room on the disk"},
        {"a folder that can't be written", [] { testrt::writeFile(savePath("Ann_Lee"), annFile); }, EACCES,
         "save/Ann_Lee.save can't be written (permission denied)", "check that the folder can be written"},
    };
    for (const Cause& cause : causes) {
        SCOPED_TRACE(cause.name);
        testrt::resetFiles(annSettings);
        keeping = Keeping();
        cause.arrange();
        const std::string where = fs::is_directory(testrt::root() + "/save") ? savePath("Ann_Lee") : testrt::root() + "/save";
        const std::string before = testrt::readFile(where);
        failWith = cause.fault;
        installWriteFaults(&failingDisk);
        {
            Player ann("Ann_Lee");
            for (int save = 0; save < 3; ++save) {
                ann.money += 100;
                ann.saveNow();
            }
            EXPECT_FALSE(keeping.isKept(KeptFile::Profile));
            const std::string message = keeping.message(KeptFile::Profile);
            EXPECT_TRUE(says(message, "Your progress can't be saved: ")) << message;
            EXPECT_TRUE(says(message, cause.says)) << message;
            EXPECT_TRUE(says(message, cause.todo)) << message;
            EXPECT_TRUE(says(keeping.signText(), "PROGRESS NOT SAVED")) << keeping.signText();
            // Three failed saves, one message.
            EXPECT_EQ(keeping.takeNews(), std::vector<std::string>{message});
        }
        installWriteFaults(nullptr);
        EXPECT_EQ(testrt::readFile(where), before);
    }

    // The disk has room again: the next save keeps everything, and the sign goes.
    installWriteFaults(&failingDisk);
    failWith = ENOSPC;
    testrt::resetFiles(annSettings);
    Player ann("Ann_Lee");
    ann.saveNow();
    ASSERT_FALSE(keeping.isKept(KeptFile::Profile));
    installWriteFaults(nullptr);
    ann.money = 5000;
    ann.saveNow();
    EXPECT_TRUE(keeping.isKept(KeptFile::Profile));
    EXPECT_EQ(keeping.signText(), "");
    EXPECT_EQ(savefiles::savedMoney("Ann_Lee"), 5000.0);
}

TEST_F(Keeps, AMissingSaveFolderIsMadeAndAByteOrderMarkIsAnEditorsMarkKeptOnRewrite) {
    testrt::resetFiles(annSettings);
    fs::remove_all(testrt::root() + "/save");
    {
        Player ann("Ann_Lee");
        ann.money = 750;
        ann.saveNow();
        EXPECT_TRUE(keeping.isKept(KeptFile::Profile)) << keeping.message(KeptFile::Profile);
    }
    EXPECT_EQ(savefiles::savedMoney("Ann_Lee"), 750.0);
    // The folder was made, so the file was not there: told, once.
    const std::vector<std::string> news = keeping.takeNews();
    ASSERT_EQ(news.size(), 1u);
    EXPECT_TRUE(says(news[0], "save/Ann_Lee.save was not found")) << news[0];

    const std::string mark = "\xEF\xBB\xBF";
    testrt::writeFile(savePath("Ann_Lee"), mark + annFile);
    {
        Player ann("Ann_Lee");
        EXPECT_TRUE(keeping.isKept(KeptFile::Profile)) << keeping.message(KeptFile::Profile);
        EXPECT_EQ(ann.money, 4000.0);
        ann.money = 4100;
        ann.saveNow();
    }
    const std::string saved = testrt::readFile(savePath("Ann_Lee"));
    EXPECT_EQ(saved.compare(0, 3 + annFile.find('\n'), mark + "[Ann_Lee]"), 0) << saved;
    EXPECT_EQ(savefiles::savedMoney("Ann_Lee"), 4100.0);
    EXPECT_TRUE(keeping.takeNews().empty());
}

TEST_F(Keeps, SettingsThatCanNotBeWrittenAreToldApartFromProgress) {
    testrt::resetFiles(annSettings);
    testrt::writeFile(savePath("Ann_Lee"), annFile);
    config = std::make_unique<Config>();
    failWith = ENOSPC;
    installWriteFaults(&failingDisk);
    config->write();
    const std::string message = keeping.message(KeptFile::Settings);
    EXPECT_TRUE(says(message, "Your settings can't be saved: config.ini can't be written (the disk is full)")) << message;
    EXPECT_TRUE(says(message, "New players and who played last are not remembered")) << message;
    EXPECT_TRUE(keeping.isKept(KeptFile::Profile));
    EXPECT_EQ(keeping.signText(), "SETTINGS NOT SAVED: config.ini can't be written");
    installWriteFaults(nullptr);
    config.reset();
    EXPECT_TRUE(keeping.isKept(KeptFile::Settings));
}

TEST_F(Keeps, TheWindowTellsAtStartAndAtTheFirstFailedSaveAndShowsItOnTheBoardAndTitle) {
    // A save file the game can't read: told over the first screen.
    testrt::resetFiles(annSettings);
    const std::string broken = annFile + "oops\n";
    testrt::writeFile(savePath("Ann_Lee"), broken);
    testrt::startGame();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(says(notices[0], "save/Ann_Lee.save can't be read")) << notices[0];
    Lobby* lobby = dynamic_cast<Lobby*>(theApp->screen.get());
    ASSERT_NE(lobby, nullptr);
    EXPECT_EQ(lobby->sign->text.rfind("PROGRESS NOT SAVED: save/Ann_Lee.save can't be read", 0), 0u) << lobby->sign->text;
    EXPECT_TRUE(says(caption(), "PROGRESS NOT SAVED")) << caption();
    testrt::stopGame();
    EXPECT_EQ(testrt::readFile(savePath("Ann_Lee")), broken);

    // All is well at the start; then the disk fills up while playing.
    notices.clear();
    testrt::writeFile(savePath("Ann_Lee"), annFile);
    testrt::startGame();
    lobby = dynamic_cast<Lobby*>(theApp->screen.get());
    ASSERT_NE(lobby, nullptr);
    EXPECT_TRUE(notices.empty());
    EXPECT_EQ(caption(), "Corvalo Slots");
    failWith = ENOSPC;
    installWriteFaults(&failingDisk);
    // Told at once, as a money prompt or a bonus game may be up and no frame pass.
    currentPlayer->saveNow();
    ASSERT_EQ(notices.size(), 1u);
    currentPlayer->saveNow();
    theApp->step();
    theApp->step();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(says(notices[0], "the disk is full")) << notices[0];
    EXPECT_EQ(lobby->sign->text.rfind("PROGRESS NOT SAVED", 0), 0u) << lobby->sign->text;
    installWriteFaults(nullptr);
    currentPlayer->saveNow();
    theApp->step();
    theApp->step();
    EXPECT_EQ(lobby->sign->text.find("NOT SAVED"), std::string::npos) << lobby->sign->text;
    EXPECT_EQ(caption(), "Corvalo Slots");
    testrt::stopGame();
}

TEST_F(Keeps, AMissingSaveFileOfTheLastPlayerIsToldAndTheProfileStartsEmpty) {
    testrt::resetFiles(annSettings);
    testrt::startGame();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(says(notices[0], "save/Ann_Lee.save was not found")) << notices[0];
    EXPECT_TRUE(says(notices[0], "$0.00 in the account, no VIP points, no prizes and no statistics")) << notices[0];
    EXPECT_TRUE(says(notices[0], "put it back")) << notices[0];
    // The file's defaults: nothing in the account, every first visit behind.
    ASSERT_NE(currentPlayer, nullptr);
    EXPECT_EQ(currentPlayer->money, 0.0);
    EXPECT_EQ(currentPlayer->vippoints, 0.0);
    EXPECT_EQ(currentPlayer->gender, "unknown");
    EXPECT_FALSE(currentPlayer->firsttimelobby || currentPlayer->firsttimeslot || currentPlayer->firsttimepoker);
    EXPECT_TRUE(currentPlayer->trophies.empty());
    EXPECT_EQ(currentPlayer->findStats("baja7s")->spinswon, 0);
    EXPECT_NE(dynamic_cast<Lobby*>(theApp->screen.get()), nullptr);
    // The profile is kept from now on: no lasting sign.
    EXPECT_TRUE(keeping.isKept(KeptFile::Profile));
    EXPECT_EQ(caption(), "Corvalo Slots");
    testrt::stopGame();
    EXPECT_EQ(savefiles::savedMoney("Ann_Lee"), 0.0);

    // Now it is there: nothing to tell.
    notices.clear();
    testrt::startGame();
    EXPECT_TRUE(notices.empty()) << notices[0];
    testrt::stopGame();
}

TEST_F(Keeps, AmountsAboveTheMostTheGameKeepsAreToldWhenReadAndWhenCut) {
    const MachineInfo* baja = findMachine("baja7s");
    ASSERT_NE(baja, nullptr);
    testrt::resetFiles(annSettings);
    testrt::writeFile(savePath("Ann_Lee"), annFile + "vippoints=7e12\nmoney=2000000000000.5\n[baja7s]\ntotalwon=3e12\n");
    testrt::startGame();
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(says(notices[0], std::string("save/Ann_Lee.save holds more than the game keeps in money, VIP points "
                                             "and the statistics of ") + baja->title + ".")) << notices[0];
    EXPECT_TRUE(says(notices[0], "The most it keeps is 1,000,000,000,000 (dollars or VIP points)")) << notices[0];
    EXPECT_EQ(currentPlayer->money, 1e12);
    EXPECT_EQ(currentPlayer->vippoints, 1e12);
    EXPECT_EQ(currentPlayer->findStats("baja7s")->totalwon.inDollars(), 1e12);

    // The cashier's $1000 at $500 below the top: half of it fits.
    notices.clear();
    currentPlayer->money = 1e12 - 500;
    Cashier desk;
    testrt::press(desk, "funds");
    EXPECT_EQ(currentPlayer->money, 1e12);
    EXPECT_EQ(savefiles::savedMoney("Ann_Lee"), 1e12);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_EQ(notices[0], "Your account holds the most the game keeps, $1,000,000,000,000.00: the $500.00 above it "
                          "could not be added and is gone.");
    // At the top none of it does; VIP points over it are told on their own.
    currentPlayer->vippoints = 1e12 + 250;
    testrt::press(desk, "funds");
    ASSERT_EQ(notices.size(), 3u);
    EXPECT_TRUE(says(notices[1], "the $1,000.00 above it could not be added")) << notices[1];
    EXPECT_EQ(notices[2], "You have the most VIP points the game keeps, 1,000,000,000,000: the 250 above it could "
                          "not be added.");
    // Below the top the whole draw goes in, without a word.
    currentPlayer->money = 1e12 - 1000;
    testrt::press(desk, "funds");
    EXPECT_EQ(currentPlayer->money, 1e12);
    EXPECT_EQ(notices.size(), 3u);
    testrt::stopGame();
    // What was read at the top is written at the top: no news the next time.
    notices.clear();
    testrt::startGame();
    EXPECT_TRUE(notices.empty()) << notices[0];
    testrt::stopGame();
}

// Money or VIP points the game can't use (below zero, or no plain number)
// are read as 0, as one over the top is read as the top: told over the
// first screen before any save writes 0 there, quoting what the file held,
// so the player can put it back.
TEST_F(Keeps, MoneyAndVipPointsTheGameCantUseAreToldOverTheLobbyBeforeTheFileHoldsZero) {
    SaveFileAtNotice board("Ann_Lee");
    installNoticeBoard(&board);
    testrt::resetFiles(annSettings);
    const std::string held = "[Ann_Lee]\nmoney=-250\nvippoints=nan\nfirsttime=0\nfirsttimelobby=0\ntrophies=gold\n"
                             "[baja7s]\nspinswon=7\n";
    testrt::writeFile(savePath("Ann_Lee"), held);
    testrt::startGame();
    ASSERT_EQ(board.texts.size(), 1u);
    const std::string& told = board.texts[0];
    EXPECT_TRUE(says(told, "save/Ann_Lee.save holds money=-250 (below zero) and vippoints=nan (not a plain number), "
                           "which the game can't use.")) << told;
    EXPECT_TRUE(says(told, "They are read as 0: $0.00 in the account and no VIP points, and the file holds that "
                           "from the next save.")) << told;
    EXPECT_TRUE(says(told, "put what you had on those lines")) << told;
    EXPECT_EQ(board.files[0], held) << "the file was written before the player was told";
    // Read as 0; everything else as it stands; a plain lobby otherwise, as
    // the file is kept.
    EXPECT_EQ(currentPlayer->money, 0.0);
    EXPECT_EQ(currentPlayer->vippoints, 0.0);
    EXPECT_EQ(currentPlayer->trophies, std::vector<std::string>{"gold"});
    EXPECT_EQ(currentPlayer->findStats("baja7s")->spinswon, 7);
    EXPECT_NE(dynamic_cast<Lobby*>(theApp->screen.get()), nullptr);
    EXPECT_TRUE(keeping.isKept(KeptFile::Profile));
    EXPECT_EQ(caption(), "Corvalo Slots");
    testrt::stopGame();
    // The file holds what the notice said it would.
    EXPECT_EQ(savefiles::savedMoney("Ann_Lee"), 0.0);
    EXPECT_EQ(savefiles::saved("Ann_Lee", "Ann_Lee").readEntry("vippoints", -1.0), 0.0);
    // Told once: the next start finds nothing to tell.
    board.texts.clear();
    testrt::startGame();
    EXPECT_TRUE(board.texts.empty()) << board.texts[0];
    testrt::stopGame();
    installNoticeBoard(&recordedNotices);
}

// Each value the save file's reader refuses, for money and for VIP points,
// is told by what the file holds; values it takes are not. A file that
// can't be read is left as it is, and the notice says so.
TEST_F(Keeps, EachValueTheReaderRefusesIsToldByWhatTheFileHolds) {
    struct Value {
        std::string text;
        const char* why;  // null: a value the game uses
    };
    const std::string longText = "12" + std::string(60, 'x');
    const Value values[] = {
        {"-250", "below zero"},        {"-0.01", "below zero"},         {"nan", "not a plain number"},
        {"inf", "not a plain number"}, {"-inf", "not a plain number"},  {"1e400", "not a plain number"},
        {"abc", "not a plain number"}, {"1,250.50", "not a plain number"}, {"$500", "not a plain number"},
        {"0x10", "not a plain number"}, {"", "empty"},                   {"0", nullptr},
        {"-0", nullptr},               {"1250.50", nullptr},            {"+5e2", nullptr},
    };
    for (const char* key : {"money", "vippoints"}) {
        for (const Value& value : values) {
            SCOPED_TRACE(std::string(key) + "=" + value.text);
            testrt::resetFiles(annSettings);
            testrt::writeFile(savePath("Ann_Lee"), "[Ann_Lee]\n" + std::string(key) + "=" + value.text + "\n");
            keeping = Keeping();
            Player ann("Ann_Lee");
            const std::vector<std::string> news = keeping.takeNews();
            if (!value.why) {
                EXPECT_TRUE(news.empty()) << news[0];
                continue;
            }
            ASSERT_EQ(news.size(), 1u);
            EXPECT_TRUE(says(news[0], "save/Ann_Lee.save holds " + std::string(key) + "=" + value.text + " (" +
                                          value.why + "), which the game can't use. It is read as 0: ")) << news[0];
            EXPECT_TRUE(says(news[0], std::string(key) == "money" ? "$0.00 in the account" : "no VIP points"))
                << news[0];
            EXPECT_EQ(std::string(key) == "money" ? ann.money : ann.vippoints, 0.0);
        }
    }

    // A long value is cut so that the notice's lines fit.
    testrt::writeFile(savePath("Ann_Lee"), "[Ann_Lee]\nmoney=" + longText + "\n");
    {
        Player ann("Ann_Lee");
        const std::vector<std::string> news = keeping.takeNews();
        ASSERT_EQ(news.size(), 1u);
        EXPECT_TRUE(says(news[0], " holds money=" + longText.substr(0, 21) + "... (not a plain number)")) << news[0];
    }

    // A file that can't be read is not written: it keeps what it holds.
    const std::string broken = "[Ann_Lee]\nmoney=nan\noops\n";
    testrt::writeFile(savePath("Ann_Lee"), broken);
    {
        Player ann("Ann_Lee");
        const std::vector<std::string> news = keeping.takeNews();
        ASSERT_EQ(news.size(), 2u);
        EXPECT_TRUE(says(news[0], "save/Ann_Lee.save can't be read")) << news[0];
        EXPECT_TRUE(says(news[1], "holds money=nan (not a plain number)")) << news[1];
        EXPECT_TRUE(says(news[1], "It is read as 0: $0.00 in the account; the file is left as it is.")) << news[1];
        EXPECT_FALSE(says(news[1], "from the next save")) << news[1];
    }
    EXPECT_EQ(testrt::readFile(savePath("Ann_Lee")), broken);
}

// The cashier opens another player's profile: a value of that file the
// game can't use is told over the desk at once, before the file holds 0.
TEST_F(Keeps, APlayerPickedAtTheCashierWithMoneyTheGameCantUseIsToldAtOnce) {
    SaveFileAtNotice board("Bob_Ray");
    installNoticeBoard(&board);
    testrt::resetFiles("[global]\nplayers=Ann_Lee,Bob_Ray\nlastplayer=Ann_Lee\nfirsttimeever=0\n");
    testrt::writeFile(savePath("Ann_Lee"), annFile);
    const std::string bob = "[Bob_Ray]\nmoney=1,250.50\nvippoints=300\nfirsttime=0\n";
    testrt::writeFile(savePath("Bob_Ray"), bob);
    testrt::startGame();
    ASSERT_TRUE(board.texts.empty()) << board.texts[0];
    {
        Cashier desk;
        testrt::press(desk, "name1");
        ASSERT_EQ(currentPlayer->name, "Bob_Ray");
        ASSERT_EQ(board.texts.size(), 1u);
        EXPECT_TRUE(says(board.texts[0], "save/Bob_Ray.save holds money=1,250.50 (not a plain number), which the "
                                         "game can't use. It is read as 0: $0.00 in the account, and the file holds "
                                         "that from the next save.")) << board.texts[0];
        EXPECT_EQ(board.files[0], bob);
        EXPECT_EQ(currentPlayer->money, 0.0);
        EXPECT_EQ(currentPlayer->vippoints, 300.0);
    }
    testrt::stopGame();
    EXPECT_EQ(savefiles::savedMoney("Bob_Ray"), 0.0);
    installNoticeBoard(&recordedNotices);
}

// A notice about the limit waits for the player: a game killed while it is
// up must find the file already holding all that fit. Credits won past the
// limit on a machine are told there, once, and again at the cash-out that
// cuts them.
TEST_F(Keeps, TheLimitIsToldOnceTheFileHoldsWhatFitsAndCreditsPastItAtTheMachine) {
    struct FileAtNotice : NoticeBoard {
        std::vector<std::string> texts;
        std::vector<double> saved;  // the save file's money as the notice comes up
        void show(const std::string& text, const std::string&) override {
            texts.push_back(text);
            saved.push_back(savefiles::savedMoney("Ann_Lee"));
        }
    } board;
    installNoticeBoard(&board);
    testrt::resetFiles(annSettings);
    testrt::writeFile(savePath("Ann_Lee"), annFile);
    testrt::startGame();
    ASSERT_NE(currentPlayer, nullptr);

    // The cashier's $1000 at $500 below the top.
    currentPlayer->money = 1e12 - 500;
    currentPlayer->saveNow();
    {
        Cashier desk;
        testrt::press(desk, "funds");
    }
    ASSERT_EQ(board.texts.size(), 1u);
    EXPECT_TRUE(says(board.texts[0], "the $500.00 above it could not be added")) << board.texts[0];
    EXPECT_EQ(board.saved[0], 1e12) << "the notice came up before the file held the $500 that fit";

    // $2 below the top, $100 onto a $1 machine, and plays until the credits
    // carry the total past the top.
    board.texts.clear();
    board.saved.clear();
    currentPlayer->money = 1e12 - 2;
    Machine* m = testrt::openMachine<Machine>("10x", "100");
    ASSERT_NE(m, nullptr);
    ASSERT_EQ(m->credits, 100);
    EXPECT_EQ(currentPlayer->money, 1e12 - 102);
    testrt::runFast();
    for (uint32_t seed = 1; seed < 400 && board.texts.empty() && m->credits >= 3; ++seed) {
        sgenrand(seed);
        m->handleEvent(testrt::keyEvent(SDLK_m));
        testrt::finishSpin(*m);
    }
    ASSERT_EQ(board.texts.size(), 1u) << "no play carried the total past the top";
    const long long above = m->credits - 102;  // dollars over the top, at $1 a credit
    ASSERT_GT(above, 0);
    EXPECT_EQ(board.texts[0], "Your account and the credits on this machine come to more than the most the game "
                              "keeps, $1,000,000,000,000.00: the $" + std::to_string(above) +
                              ".00 above it is not saved, and cashing out adds only what fits.");
    EXPECT_EQ(board.saved[0], 1e12);
    // Told once: the next write at the machine (a minute played, a play)
    // finds it so still and says nothing.
    currentPlayer->saveNow();
    EXPECT_EQ(board.texts.size(), 1u);

    // The cash-out cuts it: told again, with the file at the top by then.
    testrt::press(*m, "cashout");
    ASSERT_EQ(board.texts.size(), 2u);
    EXPECT_EQ(board.texts[1], "Your account holds the most the game keeps, $1,000,000,000,000.00: the $" +
                                  std::to_string(above) + ".00 above it could not be added and is gone.");
    EXPECT_EQ(board.saved[1], 1e12);
    EXPECT_EQ(currentPlayer->money, 1e12);
    delete m;
    testrt::stopGame();
    EXPECT_EQ(savefiles::savedMoney("Ann_Lee"), 1e12);
    installNoticeBoard(&recordedNotices);
}

// The notice about credits past the top would give the outcome away if it
// came with the draw: it waits until the machine has shown the play (every
// reel stopped or the cards turned, the win counted up), while the save file
// holds the top from the draw on. A player who reads it for ten seconds
// changes nothing in how the reels stop: each at its time from the start.
class TheLimitAfterThePlay : public Keeps, public ::testing::WithParamInterface<const char*> {};

TEST_P(TheLimitAfterThePlay, IsToldOnceThePlayIsShownAndTheReelsKeepTheirTimes) {
    const std::string id = GetParam();
    struct Moment {
        double saved;  // the save file's money
        int credits;
        bool turning;  // a reel still turns
        size_t told;   // notices up so far
    };
    struct SlowReader : NoticeBoard {
        std::function<Moment()> now;
        std::vector<std::string> texts;
        std::vector<Moment> at;  // the game as each notice came up
        void show(const std::string& text, const std::string&) override {
            at.push_back(now());
            texts.push_back(text);
            testrt::testClock.now += 10000;  // read for ten seconds
        }
    } board;
    Bank* bank = nullptr;
    Machine* reelMachine = nullptr;
    auto now = [&] {
        bool turning = false;
        if (reelMachine)
            for (int start : reelMachine->reelStartTimes) turning = turning || start != -1;
        return Moment{savefiles::savedMoney("Ann_Lee"), bank ? bank->credits : 0, turning, board.texts.size()};
    };
    board.now = now;
    installNoticeBoard(&board);
    testrt::resetFiles(annSettings);
    testrt::writeFile(savePath("Ann_Lee"), annFile);
    testrt::startGame();
    ASSERT_NE(currentPlayer, nullptr);
    Screen* s = testrt::openMachine<Screen>(id, "1000");
    ASSERT_NE(s, nullptr);
    bank = dynamic_cast<Bank*>(s);
    reelMachine = dynamic_cast<Machine*>(s);
    ASSERT_NE(bank, nullptr);
    testrt::testClock.stop(1000, 1);

    std::vector<Moment> moments;
    testrt::testClock.atPause = [&](Uint32) { moments.push_back(now()); };
    testrt::testClock.atRest = testrt::testClock.atPause;
    // Each reel's stop against its time from the start of the spin, ten
    // milliseconds a frame.
    const int notYet = INT_MIN;
    std::vector<int> late;
    auto runReels = [&](Machine& m) {
        const int start = m.reelStartTimes.empty() ? 0 : m.reelStartTimes[0];
        const std::vector<int> due = m.reelStopDelays;
        late.assign(due.size(), notYet);
        for (int frame = 0; frame < 5000 && m.spinning; ++frame) {
            moments.push_back(now());
            testrt::testClock.now += 10;
            const int at = static_cast<int>(testrt::testClock.now);
            m.tick();
            for (size_t i = 0; i < due.size(); ++i)
                if (late[i] == notYet && m.reelStartTimes[i] == -1) late[i] = at - (start + due[i]);
        }
    };

    int after = 0;  // the credits once the last play is shown
    for (uint32_t seed = 1; seed < 300 && board.texts.empty() && bank->credits >= 25; ++seed) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        // $1 below the top with the credits at $1 each: a play that wins
        // more than its bet and a dollar carries the total past it.
        currentPlayer->money = 1e12 - 1 - bank->credits;
        currentPlayer->saveNow();
        moments.clear();
        seedGenerators(seed);
        testrt::playOnce(*s, runReels);
        after = bank->credits;
        for (size_t i = 0; i < late.size(); ++i)
            EXPECT_TRUE(late[i] != notYet && std::abs(late[i]) <= 20)
                << "reel " << i << " stopped " << late[i] << " ms off its time";
        for (const Moment& m : moments)
            if (m.turning || m.credits != after) {
                EXPECT_EQ(m.told, 0u) << "a notice came up while the play was shown";
            }
    }
    ASSERT_EQ(board.texts.size(), 1u) << "no play carried the total past the top";
    const long long above = static_cast<long long>(currentPlayer->money) + after - 1000000000000LL;
    EXPECT_EQ(board.texts[0], "Your account and the credits on this machine come to more than the most the game "
                              "keeps, $1,000,000,000,000.00: the $" + std::to_string(above) +
                              ".00 above it is not saved, and cashing out adds only what fits.");
    // Up once the play is shown: the win counted up, no reel turning, the
    // file already at the top, as it was from the draw on.
    EXPECT_EQ(board.at[0].credits, after);
    EXPECT_FALSE(board.at[0].turning);
    EXPECT_EQ(board.at[0].saved, 1e12);
    int shown = 0;
    for (const Moment& m : moments)
        if (m.turning) {
            ++shown;
            EXPECT_EQ(m.saved, 1e12) << "the file did not hold the top while the reels turned";
        }
    EXPECT_TRUE(!reelMachine || shown > 0);

    testrt::testClock.atPause = nullptr;
    testrt::testClock.atRest = nullptr;
    // The cash-out as the machine goes may tell the cut: the machine is no
    // longer there to look at.
    bank = nullptr;
    reelMachine = nullptr;
    delete s;
    testrt::stopGame();
    installNoticeBoard(&recordedNotices);
}

INSTANTIATE_TEST_SUITE_P(EveryFamily, TheLimitAfterThePlay,
                         ::testing::Values("10x", "baja7s", "mardigras", "10sorbetter", "demoderby"));

TEST_F(Keeps, ASecondCopyOnTheSameFoldersSaysSoAndWritesNothingAndAKilledCopyLocksNobodyOut) {
    testrt::resetFiles(annSettings);
    testrt::writeFile(savePath("Ann_Lee"), annFile);
    // The first copy, as another process would hold it.
    const int first = open((testrt::root() + "/corvalo.lock").c_str(), O_RDWR | O_CREAT, 0666);
    ASSERT_GE(first, 0);
    ASSERT_EQ(flock(first, LOCK_EX | LOCK_NB), 0);
    testrt::startGame();
    EXPECT_EQ(theApp->quit, 1);
    EXPECT_EQ(theApp->screen, nullptr);
    EXPECT_EQ(currentPlayer, nullptr);
    ASSERT_EQ(notices.size(), 1u);
    EXPECT_TRUE(says(notices[0], "already running")) << notices[0];
    testrt::stopGame();
    EXPECT_EQ(testrt::readFile(testrt::root() + "/config.ini"), annSettings);
    EXPECT_EQ(testrt::readFile(savePath("Ann_Lee")), annFile);
    close(first);

    // A copy killed while it holds the folder: the next one starts.
    const pid_t killed = fork();
    if (killed == 0) {
        lockRuntimeFolder();
        raise(SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(waitpid(killed, &status, 0), killed);
    ASSERT_TRUE(WIFSIGNALED(status));
    testrt::startGame();
    EXPECT_NE(theApp->screen, nullptr);
    EXPECT_EQ(theApp->quit, 0);
    testrt::stopGame();
}

TEST(StartupWatch, AStartThatCannotFinishOrIsStoppedEndsWithAMessage) {
    EXPECT_EXIT(
        {
            startupLimitSeconds = 1;
            beginStartupWatch("the sound");
            for (;;) pause();
        },
        testing::ExitedWithCode(1), "could not start: it took too long while opening the sound");
    EXPECT_EXIT(
        {
            installStopSignalHandlers();
            beginStartupWatch("the window");
            raise(SIGTERM);
            for (;;) pause();
        },
        testing::ExitedWithCode(1), "could not start: it was stopped while opening the window");
}
