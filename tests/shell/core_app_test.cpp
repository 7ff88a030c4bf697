// The application object (command line, start-up, the frame loop, screen
// switches and the orderly shut-down) and the sound player (channels, freeing
// stopped clips, and staying safe with no sound card).
#include <gtest/gtest.h>
#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdlib>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#include "machine/progressive.h"
#include "player/config.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/mtrand.h"
#include "shell/sound.h"
#include "support/headless.h"
#include "support/runtime.h"

namespace {

std::string journal;  // what the probe screens did, in order

// A bare screen that writes down what reaches it; 'n' makes it name a successor.
class ProbeScreen : public testrt::BareScreen {
public:
    explicit ProbeScreen(const std::string& tag_) : tag(tag_) {
        name = "probe";
        journal += tag + " built, ";
    }
    ~ProbeScreen() override { journal += tag + " deleted, "; }
    void handleEvent(const SDL_Event& e) override {
        journal += tag + (e.type == SDL_KEYDOWN ? " down " : " up ") + SDL_GetKeyName(e.key.keysym.sym) + ", ";
        if (e.type == SDL_KEYDOWN && e.key.keysym.sym == SDLK_n) next = std::make_unique<ProbeScreen>("B");
    }
    void tick() override { journal += tag + " tick, "; }

    std::string tag;
};

const char* const savedPlayer = "[global]\nplayers=Dee_Vee\nlastplayer=Dee_Vee\nfirsttimeever=0\n";

// Starts the App as the program would, then puts a probe screen in front.
void startApp(const std::string& configText) {
    testrt::resetFiles(configText);
    testrt::writeFile(testrt::root() + "/save/Dee_Vee.save", "[Dee_Vee]\nmoney=100\n");
    testrt::startGame();
    theApp->setScreen(std::make_unique<ProbeScreen>("A"));
    testrt::drainEvents();
    journal.clear();
}

}  // namespace

TEST(CoreApp, CommandLineSwitchesAndFailedStartsEndWithStatusOne) {
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

    // A video mode that cannot be set: status 1 too, with the settings file
    // and the last player's save file (both read by then) untouched.
    testrt::resetFiles(savedPlayer);
    const std::string saveFile = testrt::root() + "/save/Dee_Vee.save";
    testrt::writeFile(saveFile, "[Dee_Vee]\nmoney=12.5\ngender=female\n");
    const std::string before = testrt::readFile(testrt::root() + "/config.ini");
    const std::string saveBefore = testrt::readFile(saveFile);
    EXPECT_EXIT(
        {
            setenv("SDL_VIDEODRIVER", "nosuchdriver", 1);
            runGame(1, argv);
            std::exit(0);
        },
        testing::ExitedWithCode(1), "Couldn't initialize SDL");
    EXPECT_EQ(testrt::readFile(testrt::root() + "/config.ini"), before);
    EXPECT_EQ(testrt::readFile(saveFile), saveBefore);
}

TEST(CoreApp, TheSettingsAreReadBeforeTheWindowOpens) {
    // The start-up order: the settings (and with them the last player) are
    // read while there is no display yet; the display, sound and fonts
    // follow, and then the first screen.
    testrt::resetFiles(savedPlayer);
    testrt::writeFile(testrt::root() + "/save/Dee_Vee.save", "[Dee_Vee]\nmoney=100\n");
    const auto programs = appHooks.settings;
    std::string seen;
    appHooks.settings = [&] {
        seen += display ? "display open, " : "no display, ";
        seen += config ? "settings already read, " : "";
        programs();
        seen += config ? "settings read" : "no settings";
        seen += currentPlayer ? " for " + currentPlayer->name : "";
    };
    testrt::startGame();
    appHooks.settings = programs;
    EXPECT_EQ(seen, "no display, settings read for Dee_Vee");
    ASSERT_NE(theApp->screen, nullptr);
    EXPECT_EQ(theApp->screen->name, "lobby");
    testrt::stopGame();
}

// Start-up seeds both generators from the clock: the game's (the first draws
// it gives are the ten progressive meters') and the runtime's rand(), which
// picks the pictures on the reels and which nothing draws before a machine
// spins.
TEST(CoreApp, StartUpSeedsBothGeneratorsFromTheClock) {
    testrt::resetFiles(savedPlayer);
    testrt::writeFile(testrt::root() + "/save/Dee_Vee.save", "[Dee_Vee]\nmoney=100\n");
    sgenrand(1);
    srand(1);
    const std::time_t from = std::time(nullptr);
    testrt::startGame();
    const std::time_t to = std::time(nullptr);
    const int pick = rand();
    std::vector<double> meters;
    for (const ProgressiveMeter& m : progressiveMeters) meters.push_back(m.value);
    testrt::stopGame();

    const unsigned bases[] = {130, 300, 750, 2000, 2800, 13000, 75000, 300000, 2000000, 18000000};
    const unsigned spans[] = {20, 50, 750, 500, 1400, 3000, 35000, 100000, 200000, 1000000};
    bool pictures = false, outcomes = false;
    for (std::time_t t = from; t <= to; ++t) {
        srand(static_cast<unsigned>(t));
        pictures = pictures || rand() == pick;
        std::mt19937 game(static_cast<uint32_t>(t));
        std::vector<double> seeded;
        for (int i = 0; i < 10; ++i) seeded.push_back(bases[i] + game() % spans[i]);
        outcomes = outcomes || seeded == meters;
    }
    EXPECT_TRUE(pictures) << "rand() was not seeded from the clock";
    EXPECT_TRUE(outcomes) << "the game's generator was not seeded from the clock";
}

TEST(CoreApp, FrameLoopHandsOutOneEventAPassAndEndsAfterTheQuit) {
    startApp(savedPlayer);
    // Tab and left Alt presses never reach the screen; their releases do.
    for (SDLKey key : {SDLK_TAB, SDLK_LALT}) testrt::pushKey(key, 0, SDL_KEYDOWN);
    for (SDLKey key : {SDLK_TAB, SDLK_LALT}) testrt::pushKey(key, 0, SDL_KEYUP);
    for (SDLKey key : {SDLK_RALT, SDLK_n}) testrt::pushKey(key, 0, SDL_KEYDOWN);
    testrt::pushQuit();
    testrt::pushKey(SDLK_b, 0, SDL_KEYDOWN);  // never taken: the loop has ended
    EXPECT_EQ(runFrameLoop(), 0);
    EXPECT_EQ(theApp->quit, 1);
    // A successor is adopted by the step of the pass that named it.
    EXPECT_EQ(journal, "A tick, A tick, A up tab, A tick, A up left alt, A tick, A down right alt, A tick, "
                       "A down n, B built, A deleted, B tick, B tick, ");
    testrt::stopGame();
}

TEST(CoreApp, TheFirstRunStartsAtTheCashierLaterOnesInTheLobbyWithAGreetingByGender) {
    for (auto [gender, greeting] : {std::pair{"", "welcome"}, {"male", "lobybaks"}, {"female", "lobybakm"},
                                    {"unknown", "lobybakm"}}) {
        testrt::resetFiles(*gender ? savedPlayer : "[global]\nfirsttimeever=1\n");
        testrt::writeFile(testrt::root() + "/save/Dee_Vee.save",
                          std::string("[Dee_Vee]\ngender=") + gender + "\nfirsttime=1\nfirsttimelobby=0\n");
        clearLoadedAssets();
        testrt::startGame();
        EXPECT_EQ(theApp->screen->name, *gender ? "lobby" : "cashier");
        EXPECT_TRUE(*gender ? !currentPlayer->firsttime : !currentPlayer);
        EXPECT_EQ(loadedAssets().count(std::string("../sounds/") + greeting + ".wav"), 1u) << gender;
        testrt::stopGame();
    }
}

namespace {

// A generated clip six seconds long: it outlasts everything a test does with it.
const char* const longClip = "dpseabonus.wav";

}  // namespace

TEST(CoreSound, ClosedAudioIsSilentAndSafe) {
    setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    testing::internal::CaptureStderr();
    auto player = std::make_unique<SoundPlayer>();
    soundPlayer = player.get();
    EXPECT_EQ(testing::internal::GetCapturedStderr().rfind("Couldn't open audio: ", 0), 0u);
    soundPlayer->loadAmbientLoops();
    EXPECT_FALSE(soundPlayer->audioOpen || soundPlayer->ambientEnabled);
    soundPlayer->setAmbient("lobby");
    // A machine keeps its looping reel hum across frames and halts it later:
    // the clip must still be there after any number of updates.
    SoundClip* hum = soundPlayer->play(longClip, true);
    for (int i = 0; i < 3; ++i) soundPlayer->update();
    EXPECT_FALSE(hum->isPlaying());
    hum->halt();
    player.reset();
    soundPlayer = nullptr;
    SDL_Quit();
}

TEST(CoreSound, AmbientOnChannelZeroMissingFilesAndFullChannelsAreHarmless) {
    SDL_Init(SDL_INIT_AUDIO);
    testing::internal::CaptureStdout();
    auto player = std::make_unique<SoundPlayer>();
    soundPlayer = player.get();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Opened audio at 22050 Hz 16 bit mono\n");
    ASSERT_TRUE(soundPlayer->audioOpen) << "the dummy audio driver should open";
    soundPlayer->loadAmbientLoops();
    std::string chunks;
    for (const char* place : {"lobby", "trophy", "cashcow"}) {
        soundPlayer->setAmbient(place);
        SoundClip* loops[] = {soundPlayer->lobbyLoop.get(), soundPlayer->prizeLoop.get(), soundPlayer->slotLoop.get()};
        for (int i = 0; i < 3; ++i)
            if (Mix_GetChunk(0) == loops[i]->chunk.get()) chunks += place + ("=" + std::to_string(i)) + " ";
    }
    EXPECT_EQ(chunks, "lobby=0 trophy=1 cashcow=2 ");

    // A missing clip is reported, silent, and freed at the next update.
    testing::internal::CaptureStdout();
    EXPECT_EQ(soundPlayer->play("nosuchclip.wav")->chunk, nullptr);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Couldn't Load Sound File: " + soundDir + "nosuchclip.wav\n");
    soundPlayer->update();
    EXPECT_TRUE(soundPlayer->clips.empty());

    // Fifteen channels beside the ambient one; a sixteenth clip finds none.
    for (int i = 0; i < 15; ++i) EXPECT_EQ(soundPlayer->play(longClip)->channel, i + 1);
    SoundClip* extra = soundPlayer->play(longClip);
    EXPECT_EQ(extra->channel, -1);
    extra->halt();  // must not silence everything else (channel -1 = all)
    EXPECT_EQ(Mix_Playing(-1), 16);
    soundPlayer->update();
    EXPECT_EQ(soundPlayer->clips.size(), 15u);
    // A looping clip that found no channel stays valid until halted.
    SoundClip* hum = soundPlayer->play(longClip, true);
    soundPlayer->update();
    EXPECT_EQ(soundPlayer->clips.size(), 16u);
    hum->halt();
    EXPECT_EQ(Mix_Playing(-1), 16);

    // With the ambient sound off (and kept off), a further clip takes channel 0.
    soundPlayer->ambientOff();
    soundPlayer->setAmbient("lobby");
    EXPECT_EQ(soundPlayer->play(longClip)->channel, 0);
    player.reset();
    soundPlayer = nullptr;
    SDL_Quit();
}
