// Every generated clip loads in the game's mixer (22050 Hz, 16-bit, mono, as
// the sound player opens the audio), and has sound in it.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <dirent.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "assets/asset_session.h"
#include "shell/sound.h"

TEST(GeneratedSounds, EveryClipLoadsInTheMixerAndIsNotSilent) {
    assettest::Session session;   // opens the audio as the game does
    ASSERT_TRUE(session.ok());
    ASSERT_TRUE(soundPlayer && soundPlayer->audioOpen) << "no audio device (dummy driver expected)";
    std::vector<std::string> names;
    if (DIR* d = opendir("../sounds")) {
        while (dirent* e = readdir(d)) {
            std::string n = e->d_name;
            if (n.size() > 4 && n.compare(n.size() - 4, 4, ".wav") == 0) names.push_back(n);
        }
        closedir(d);
    }
    ASSERT_GT(names.size(), 100u) << "the generated sound folder is nearly empty";
    for (const std::string& n : names) {
        std::string path = "../sounds/" + n;
        Mix_Chunk* c = Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
        ASSERT_NE(c, nullptr) << path << ": " << Mix_GetError();
        const Sint16* samples = reinterpret_cast<const Sint16*>(c->abuf);
        Uint32 count = c->alen / 2;
        int peak = 0;
        for (Uint32 i = 0; i < count; ++i) peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        EXPECT_TRUE(count > 100 && peak > 500) << path << " is short or silent";
        Mix_FreeChunk(c);
    }
}
