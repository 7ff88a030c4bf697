// The application object: command line, start-up, the frame loop, screen
// switches, window close and the orderly shut-down.
#include <gtest/gtest.h>

#include <SDL.h>

#include <csignal>
#include <cstdlib>
#include <string>
#include <vector>

#include "floor/cashier.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "player/config.h"
#include "shell/display.h"
#include "shell/ini.h"
#include "shell/screen.h"
#include "shell/sound.h"
#include "support/runtime.h"

namespace {

std::vector<std::string> journal;   // what the probe screens did, in order

// A bare screen that writes down what reaches it.
class ProbeScreen : public Screen {
public:
    explicit ProbeScreen(const std::string& tag_, double moneyOnExit_ = 0.0)
        : tag(tag_), moneyOnExit(moneyOnExit_) {
        name = "probe";
        journal.push_back(tag + " built");
    }
    ~ProbeScreen() override {
        // Like a machine handing its credits back when it closes.
        if (currentPlayer) currentPlayer->money += moneyOnExit;
        journal.push_back(tag + " deleted");
    }
    void handleEvent(const SDL_Event& event) override {
        events.push_back(event);
        if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_n && successorTag.size()) {
            next = new ProbeScreen(successorTag);
        }
    }
    void createButtons() override {}
    void tick() override { ++ticks; journal.push_back(tag + " tick"); }
    void checkHover() override {}
    void handleButton(Widget*) override {}
    void setHovered(Widget*) override {}
    void redraw() override {}

    std::string tag;
    double moneyOnExit;
    std::string successorTag;
    std::vector<SDL_Event> events;
    int ticks = 0;
};

void pushKey(Uint8 type, SDLKey key) {
    SDL_Event e{};
    e.type = type;
    e.key.type = type;
    e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    e.key.keysym.sym = key;
    SDL_PushEvent(&e);
}

void pushQuit() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    SDL_PushEvent(&e);
}

const char* const savedPlayer = "[global]\nplayers=Dee_Vee\nlastplayer=Dee_Vee\nfirsttimeever=0\n";

void writeSave(const std::string& name, const std::string& gender, double money) {
    testrt::writeFile(testrt::root() + "/save/" + name + ".save",
                      "[" + name + "]\ngender=" + gender + "\nmoney=" + exactDoubleText(money) +
                          "\nfirsttime=1\nfirsttimelobby=0\n");
}

// One group of a file in the test's runtime tree.
FileConfig fileGroup(const std::string& file, const std::string& group) {
    FileConfig f = FileConfig::fromFile(testrt::root() + file);
    f.setCurrentPath(group);
    return f;
}

// Starts the App as the program would, then puts a probe screen in front.
ProbeScreen* startApp(const std::string& configText) {
    testrt::resetFiles(configText);
    Cashier::firstRunDelayMs = 0;
    SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO);
    theApp = new App(SDL_ANYFORMAT);
    ProbeScreen* probe = new ProbeScreen("A");
    theApp->setScreen(probe);
    SDL_Event drain;
    while (SDL_PollEvent(&drain)) {}
    journal.clear();
    return probe;
}

void stopApp() {
    delete theApp;
    theApp = nullptr;
    SDL_Quit();
}

}  // namespace

TEST(CoreApp, CommandLine) {
    char prog[] = "corvalo", fs[] = "-fs", other[] = "-window";
    char* argv[] = {prog, fs, fs};
    Uint32 flags = 0;
    for (int argc : {1, 2, 3}) {  // a second -fs switches back
        ASSERT_TRUE(parseCommandLine(argc, argv, flags));
        EXPECT_EQ(flags, static_cast<Uint32>(argc == 2 ? SDL_ANYFORMAT | SDL_FULLSCREEN : SDL_ANYFORMAT)) << argc;
    }
    // Anything else: the usage text, status 1, nothing started.
    argv[2] = other;
    testing::internal::CaptureStderr();
    EXPECT_EQ(runGame(3, argv), 1);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Usage: corvalo [-fs] \n");
    EXPECT_EQ(SDL_WasInit(SDL_INIT_EVERYTHING), 0u);
    EXPECT_EQ(theApp, nullptr);
    EXPECT_EQ(config, nullptr);
}

TEST(CoreApp, TabAndLeftAltPressesNeverReachTheScreen) {
    ProbeScreen* probe = startApp(savedPlayer);
    pushKey(SDL_KEYDOWN, SDLK_TAB);
    pushKey(SDL_KEYDOWN, SDLK_LALT);
    pushKey(SDL_KEYUP, SDLK_TAB);
    pushKey(SDL_KEYUP, SDLK_LALT);
    pushKey(SDL_KEYDOWN, SDLK_RALT);
    pushKey(SDL_KEYDOWN, SDLK_a);
    // One event per pass: with nothing queued a pass hands out nothing.
    for (int i = 0; i < 7; ++i) theApp->pollEvent();
    std::vector<int> got;
    for (const SDL_Event& e : probe->events) got.push_back(e.type * 1000 + e.key.keysym.sym);
    EXPECT_EQ(got, (std::vector<int>{SDL_KEYUP * 1000 + SDLK_TAB, SDL_KEYUP * 1000 + SDLK_LALT,
                                     SDL_KEYDOWN * 1000 + SDLK_RALT, SDL_KEYDOWN * 1000 + SDLK_a}));
    EXPECT_EQ(theApp->quit, 0);
    stopApp();
}

TEST(CoreApp, WindowCloseEndsTheLoopAfterThatPassesStep) {
    ProbeScreen* probe = startApp(savedPlayer);
    pushKey(SDL_KEYDOWN, SDLK_a);
    pushQuit();
    pushKey(SDL_KEYDOWN, SDLK_b);   // never taken: the loop has ended
    EXPECT_EQ(runFrameLoop(), 0);
    EXPECT_EQ(theApp->quit, 1);
    EXPECT_EQ(probe->ticks, 2);     // the key's pass and the close's pass
    ASSERT_EQ(probe->events.size(), 1u);
    EXPECT_EQ(probe->events[0].key.keysym.sym, SDLK_a);
    stopApp();
}

TEST(CoreApp, NextScreenIsAdoptedInTheFollowingStep) {
    ProbeScreen* probe = startApp(savedPlayer);
    probe->successorTag = "B";
    pushKey(SDL_KEYDOWN, SDLK_n);
    theApp->pollEvent();
    ASSERT_NE(probe->next, nullptr);
    EXPECT_EQ(theApp->screen, probe);
    theApp->step();
    EXPECT_EQ(journal, (std::vector<std::string>{"B built", "A deleted", "B tick"}));
    ASSERT_NE(theApp->screen, nullptr);
    EXPECT_EQ(static_cast<ProbeScreen*>(theApp->screen)->tag, "B");
    EXPECT_EQ(theApp->screen->next, nullptr);
    stopApp();
}

TEST(CoreApp, ClosedBeforeAnyoneRegisteredWritesAValidSettingsFile) {
    startApp("[global]\nfirsttimeever=1\n");
    EXPECT_EQ(currentPlayer, nullptr);
    pushQuit();
    EXPECT_EQ(runFrameLoop(), 0);
    stopApp();
    FileConfig file = fileGroup("/config.ini", "global");
    EXPECT_EQ(file.readEntry("firsttimeever", 0L), 1L);
    EXPECT_TRUE(file.hasEntry("players") && file.hasEntry("lastplayer"));
    EXPECT_EQ(config, nullptr);
    EXPECT_EQ(soundPlayer, nullptr);
    EXPECT_EQ(display, nullptr);
}

TEST(CoreApp, LaterRunsStartInTheLobbyWithAGreetingByGender) {
    struct Case { const char* gender; const char* greeting; };
    const Case cases[] = {{"male", "lobybaks.wav"}, {"female", "lobybakm.wav"}, {"unknown", "lobybakm.wav"}};
    for (const Case& c : cases) {
        testrt::resetFiles(savedPlayer);
        writeSave("Dee_Vee", c.gender, 100.0);
        clearLoadedAssets();
        SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO);
        theApp = new App(SDL_ANYFORMAT);
        ASSERT_NE(theApp->screen, nullptr);
        EXPECT_EQ(theApp->screen->name, "lobby");
        ASSERT_NE(currentPlayer, nullptr);
        EXPECT_FALSE(currentPlayer->firsttime);
        EXPECT_EQ(loadedAssets().count(std::string("../sounds/") + c.greeting), 1u) << c.gender;
        if (soundPlayer->audioOpen) {
            EXPECT_TRUE(soundPlayer->ambientEnabled);
        }
        theApp->setScreen(new ProbeScreen("A"));
        stopApp();
    }
}

TEST(CoreApp, ShutDownReturnsCreditsBeforeSavingThePlayer) {
    ProbeScreen* probe = startApp(savedPlayer);
    ASSERT_NE(currentPlayer, nullptr);
    currentPlayer->money = 100.0;
    probe->moneyOnExit = 23.45;
    pushQuit();
    EXPECT_EQ(runFrameLoop(), 0);
    stopApp();
    EXPECT_EQ(currentPlayer, nullptr);
    FileConfig save = fileGroup("/save/Dee_Vee.save", "Dee_Vee");
    EXPECT_DOUBLE_EQ(save.readEntry("money", 0.0), 123.45);
    EXPECT_EQ(save.readEntry("firsttime", 0L), 1L);
    FileConfig cfg = fileGroup("/config.ini", "global");
    EXPECT_EQ(cfg.readEntry("lastplayer", ""), "Dee_Vee");
    EXPECT_EQ(cfg.readEntry("firsttimeever", 9L), 0L);
}

TEST(CoreApp, ModalLoopsKeepAWindowClose) {
    ProbeScreen* probe = startApp(savedPlayer);
    pushKey(SDL_KEYDOWN, SDLK_a);
    pushQuit();
    pushKey(SDL_KEYDOWN, SDLK_b);
    SDL_Event e;
    ASSERT_TRUE(pollModalEvent(e));
    EXPECT_EQ(e.key.keysym.sym, SDLK_a);
    EXPECT_FALSE(quitRequested());
    EXPECT_FALSE(pollModalEvent(e));   // the close is not handed out ...
    EXPECT_TRUE(quitRequested());      // ... but kept for the frame loop
    ASSERT_TRUE(pollModalEvent(e));
    EXPECT_EQ(e.key.keysym.sym, SDLK_b);
    EXPECT_FALSE(pollModalEvent(e));
    // Back in the frame loop, the game ends.
    EXPECT_EQ(runFrameLoop(), 0);
    EXPECT_EQ(probe->ticks, 0);        // quit was already set: no pass ran
    stopApp();
}

TEST(CoreApp, AStopSignalInTheFrameLoopEndsItAtTheNextPoll) {
    startApp(savedPlayer);
    installStopSignalHandlers();
    std::raise(SIGINT);
    theApp->pollEvent();
    EXPECT_EQ(theApp->quit, 1);
    stopApp();
    std::signal(SIGINT, SIG_DFL);
}

TEST(CoreApp, UnusableVideoModeStopsWithStatusOne) {
    testrt::resetFiles(savedPlayer);
    std::string before = testrt::readFile(testrt::root() + "/config.ini");
    EXPECT_EXIT(
        {
            setenv("SDL_VIDEODRIVER", "nosuchdriver", 1);
            char prog[] = "corvalo";
            char* argv[] = {prog};
            runGame(1, argv);
            std::exit(0);
        },
        testing::ExitedWithCode(1), "Couldn't initialize SDL");
    EXPECT_EQ(testrt::readFile(testrt::root() + "/config.ini"), before);
}

TEST(CoreApp, ExitAfterSavingKeepsTheSession) {
    testrt::resetFiles(savedPlayer);
    writeSave("Dee_Vee", "female", 10.0);
    EXPECT_EXIT(
        {
            config = new Config();
            currentPlayer->money = 99.5;
            config->players.push_back("Eve_Ell");
            exitAfterSaving(1);
        },
        testing::ExitedWithCode(1), "");
    FileConfig save = fileGroup("/save/Dee_Vee.save", "Dee_Vee");
    EXPECT_EQ(save.readEntry("money", 0.0), 99.5);
    FileConfig cfg = fileGroup("/config.ini", "global");
    EXPECT_EQ(cfg.readEntry("players", ""), "Dee_Vee,Eve_Ell");
}
