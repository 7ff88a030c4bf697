// The sound player: channels and groups, freeing stopped clips, and staying
// safe with no sound card.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/sound.h"
#include "support/runtime.h"

namespace {

// A silent mono 16-bit WAV of the given length.
void writeWav(const std::string& path, int milliseconds) {
    const uint32_t rate = 22050;
    const uint32_t samples = rate * static_cast<uint32_t>(milliseconds) / 1000;
    const uint32_t dataBytes = samples * 2;
    std::string w;
    auto u32 = [&w](uint32_t v) { for (int i = 0; i < 4; ++i) w += static_cast<char>((v >> (8 * i)) & 0xff); };
    auto u16 = [&w](uint16_t v) { w += static_cast<char>(v & 0xff); w += static_cast<char>(v >> 8); };
    w += "RIFF"; u32(36 + dataBytes); w += "WAVE";
    w += "fmt "; u32(16); u16(1); u16(1); u32(rate); u32(rate * 2); u16(2); u16(16);
    w += "data"; u32(dataBytes);
    w.append(dataBytes, '\0');
    testrt::writeFile(path, w);
}

// A sound folder of our own with long clips under every name used here.
void useTestSounds() {
    std::string dir = testrt::root() + "/testsounds/";
    system(("mkdir -p '" + dir + "'").c_str());
    for (const char* name : {"long.wav", "lobbysnd.wav", "slotamb.wav", "prize.wav"}) writeWav(dir + name, 4000);
    writeWav(dir + "blip.wav", 30);
    soundDir = dir;
}

struct OpenPlayer {
    OpenPlayer() {
        useTestSounds();
        SDL_Init(SDL_INIT_AUDIO);
        testing::internal::CaptureStdout();
        soundPlayer = new SoundPlayer();
        opened = testing::internal::GetCapturedStdout();
    }
    ~OpenPlayer() {
        delete soundPlayer;
        soundPlayer = nullptr;
        SDL_Quit();
    }
    std::string opened;
};

}  // namespace

TEST(CoreSound, ClosedAudioIsSilentAndSafe) {
    setenv("SDL_AUDIODRIVER", "nosuchdriver", 1);
    useTestSounds();
    testing::internal::CaptureStderr();
    soundPlayer = new SoundPlayer();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err.rfind("Couldn't open audio: ", 0), 0u) << err;
    EXPECT_FALSE(soundPlayer->audioOpen);

    soundPlayer->loadAmbientLoops();
    EXPECT_FALSE(soundPlayer->ambientEnabled);
    EXPECT_EQ(soundPlayer->lobbyLoop, nullptr);
    soundPlayer->setAmbient("lobby");
    soundPlayer->ambientOff();

    // A machine keeps its looping reel hum across frames and halts it later:
    // the clip must still be there after any number of updates.
    SoundClip* hum = soundPlayer->play("long.wav", true);
    SoundClip* once = soundPlayer->play("blip.wav");
    ASSERT_NE(hum, nullptr);
    ASSERT_NE(once, nullptr);
    for (int i = 0; i < 3; ++i) soundPlayer->update();
    EXPECT_FALSE(hum->isPlaying());
    hum->halt();
    once->halt();
    EXPECT_EQ(hum->channel, -1);
    EXPECT_EQ(hum->chunk, nullptr);
    delete soundPlayer;
    soundPlayer = nullptr;
    SDL_Quit();
}

TEST(CoreSound, OpensMonoAndReportsMissingFiles) {
    OpenPlayer player;
    ASSERT_TRUE(soundPlayer->audioOpen) << "the dummy audio driver should open";
    EXPECT_EQ(player.opened, "Opened audio at 22050 Hz 16 bit mono\n");

    soundDir = "../sounds/";
    testing::internal::CaptureStdout();
    SoundClip* clip = soundPlayer->play("nosuchclip.wav");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Couldn't Load Sound File: ../sounds/nosuchclip.wav\n");
    ASSERT_NE(clip, nullptr);
    EXPECT_EQ(clip->chunk, nullptr);
    EXPECT_EQ(soundPlayer->clips.size(), 1u);
    soundPlayer->update();
    EXPECT_TRUE(soundPlayer->clips.empty());
}

TEST(CoreSound, AmbientLoopsOnChannelZeroByScreenName) {
    OpenPlayer player;
    ASSERT_TRUE(soundPlayer->audioOpen);
    soundPlayer->setAmbient("lobby");   // before loading: nothing
    EXPECT_EQ(Mix_Playing(0), 0);

    soundPlayer->loadAmbientLoops();
    ASSERT_TRUE(soundPlayer->ambientEnabled);
    soundPlayer->setAmbient("lobby");
    EXPECT_TRUE(soundPlayer->lobbyLoop->isPlaying());
    EXPECT_EQ(Mix_GetChunk(0), soundPlayer->lobbyLoop->chunk);
    soundPlayer->setAmbient("trophy");
    EXPECT_EQ(Mix_GetChunk(0), soundPlayer->prizeLoop->chunk);
    soundPlayer->setAmbient("cashcow");
    EXPECT_EQ(Mix_GetChunk(0), soundPlayer->slotLoop->chunk);

    soundPlayer->ambientOff();
    EXPECT_EQ(Mix_Playing(0), 0);
    soundPlayer->setAmbient("lobby");   // stays off until switched back on
    EXPECT_EQ(Mix_Playing(0), 0);
}

TEST(CoreSound, FinishedClipsAreFreed) {
    OpenPlayer player;
    ASSERT_TRUE(soundPlayer->audioOpen);
    SoundClip* blip = soundPlayer->play("blip.wav");
    EXPECT_GE(blip->channel, 1);
    Uint32 start = SDL_GetTicks();
    while (!soundPlayer->clips.empty() && SDL_GetTicks() - start < 2000) {
        soundPlayer->update();
        SDL_Delay(5);
    }
    EXPECT_TRUE(soundPlayer->clips.empty());
}
