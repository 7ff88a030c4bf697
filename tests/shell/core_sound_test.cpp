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

TEST(CoreSound, OpensMonoReportsMissingFilesAndLoopsAmbientOnChannelZero) {
    OpenPlayer player;
    ASSERT_TRUE(soundPlayer->audioOpen) << "the dummy audio driver should open";
    EXPECT_EQ(player.opened, "Opened audio at 22050 Hz 16 bit mono\n");
    soundPlayer->setAmbient("lobby");  // before loading: nothing
    EXPECT_EQ(Mix_Playing(0), 0);

    soundPlayer->loadAmbientLoops();
    ASSERT_TRUE(soundPlayer->ambientEnabled);
    soundPlayer->setAmbient("lobby");
    EXPECT_EQ(Mix_GetChunk(0), soundPlayer->lobbyLoop->chunk);
    soundPlayer->setAmbient("trophy");
    EXPECT_EQ(Mix_GetChunk(0), soundPlayer->prizeLoop->chunk);
    soundPlayer->setAmbient("cashcow");
    EXPECT_EQ(Mix_GetChunk(0), soundPlayer->slotLoop->chunk);
    EXPECT_TRUE(soundPlayer->slotLoop->isPlaying());
    soundPlayer->ambientOff();
    soundPlayer->setAmbient("lobby");  // stays off until switched back on
    EXPECT_EQ(Mix_Playing(0), 0);

    soundDir = "../sounds/";
    testing::internal::CaptureStdout();
    SoundClip* clip = soundPlayer->play("nosuchclip.wav");
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Couldn't Load Sound File: ../sounds/nosuchclip.wav\n");
    EXPECT_EQ(clip->chunk, nullptr);
    EXPECT_EQ(soundPlayer->clips.size(), 1u);
    soundPlayer->update();
    EXPECT_TRUE(soundPlayer->clips.empty());
}

TEST(CoreSound, FullChannelsLeaveAClipSilentAndHarmless) {
    OpenPlayer player;
    ASSERT_TRUE(soundPlayer->audioOpen);
    soundPlayer->loadAmbientLoops();
    soundPlayer->setAmbient("lobby");

    SoundClip* first = nullptr;
    for (int i = 0; i < 15; ++i) {
        SoundClip* c = soundPlayer->play("long.wav");
        EXPECT_EQ(c->channel, i + 1);
        if (!first) first = c;
    }
    SoundClip* extra = soundPlayer->play("long.wav");
    EXPECT_EQ(extra->channel, -1);
    EXPECT_FALSE(extra->isPlaying());
    // Halting it must not silence everything else (channel -1 = all).
    extra->halt();
    EXPECT_NE(Mix_Playing(0), 0);
    EXPECT_TRUE(first->isPlaying());
    EXPECT_EQ(Mix_Playing(-1), 16);

    // The silent (finished) one-shot is freed at the next update; the others stay.
    soundPlayer->update();
    EXPECT_EQ(soundPlayer->clips.size(), 15u);

    // A looping clip that found no channel stays valid until halted.
    SoundClip* hum = soundPlayer->play("long.wav", true);
    EXPECT_EQ(hum->channel, -1);
    soundPlayer->update();
    soundPlayer->update();
    EXPECT_EQ(soundPlayer->clips.size(), 16u);
    hum->halt();
    EXPECT_EQ(Mix_Playing(-1), 16);
    soundPlayer->update();
    EXPECT_EQ(soundPlayer->clips.size(), 15u);

    // With the ambient sound off, a further clip takes channel 0.
    soundPlayer->ambientOff();
    EXPECT_EQ(soundPlayer->play("long.wav")->channel, 0);
}
