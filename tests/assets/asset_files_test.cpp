// The generated files as the game reads them: the LED signs' dot font gives
// every printable character a glyph at the signs' height, every TrueType face
// opens under the name the game asks for, every clip loads in the game's mixer
// (22050 Hz, 16-bit, mono) with sound in it, and every picture a three-reel
// machine can put on a reel exists, not only those a short visit draws.
#include <gtest/gtest.h>
#include <SDL.h>
#include <sge.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <unistd.h>
#include <set>
#include <string>
#include <vector>

#include "assets/asset_session.h"
#include "machine/three_reel.h"
#include "machine/three_reel_rules.h"
#include "player/machine_table.h"
#include "shell/led_sign.h"
#include "shell/screen.h"
#include "shell/sound.h"

TEST(GeneratedFonts, LedFontAndEveryTrueTypeFaceOpen) {
    assettest::Session session;  // working folder = the game's bin/
    ASSERT_TRUE(session.ok());
    LedFont font;
    ASSERT_TRUE(font.load("../fonts/ledfont.def"));
    EXPECT_EQ(7, font.height);
    for (int c = 32; c <= 126; ++c) {
        const std::vector<Uint32>* g = font.glyph(static_cast<unsigned char>(c));
        ASSERT_TRUE(g && !g->empty()) << "no glyph for character " << c;
        Uint32 lit = 0;
        for (Uint32 column : *g) lit |= column;
        EXPECT_TRUE(lit >> 7 == 0 && (c == ' ') == (lit == 0)) << "character " << c << ": a dot below row 7 or no ink";
    }
    // A glyph row starting with a lit dot ('#') is not a comment: 'T' keeps its top bar.
    for (Uint32 column : *font.glyph('T')) EXPECT_TRUE(column & 1u);

    for (const char* name : {"cashname", "crazydicebonus", "deepseabonus", "demoderby", "insertmoney", "led4",
                             "nickle3", "nickle4", "poker2", "progressive2", "stats3", "balloonbonus"}) {
        std::string path = std::string("../fonts/") + name + ".ttf";
        ASSERT_EQ(0, access(path.c_str(), R_OK)) << path << " is missing";  // SGE can't be asked about a missing file
        sge_TTFont* f = sge_TTF_OpenFont(path.c_str(), 20);
        ASSERT_NE(f, nullptr) << path;
        EXPECT_GT(sge_TTF_TextSize(f, const_cast<char*>("0123456789")).w, 0) << path << " draws no digits";
        sge_TTF_CloseFont(f);
    }
}

TEST(GeneratedSounds, EveryClipLoadsInTheMixerAndIsNotSilent) {
    assettest::Session session;   // opens the audio as the game does
    ASSERT_TRUE(session.ok());
    ASSERT_TRUE(soundPlayer && soundPlayer->audioOpen) << "no audio device (dummy driver expected)";
    size_t clips = 0;
    for (const auto& entry : std::filesystem::directory_iterator("../sounds")) {
        const std::string path = entry.path().string();
        if (entry.path().extension() != ".wav") continue;
        ++clips;
        Mix_Chunk* c = Mix_LoadWAV_RW(SDL_RWFromFile(path.c_str(), "rb"), 1);
        ASSERT_NE(c, nullptr) << path << ": " << Mix_GetError();
        const Sint16* samples = reinterpret_cast<const Sint16*>(c->abuf);
        Uint32 count = c->alen / 2;
        int peak = 0;
        for (Uint32 i = 0; i < count; ++i) peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
        EXPECT_TRUE(count > 100 && peak > 500) << path << " is short or silent";
        Mix_FreeChunk(c);
    }
    EXPECT_GT(clips, 100u) << "the generated sound folder is nearly empty";
}

TEST(ThreeReelPictures, EverySymbolOfEveryMachineIsGenerated) {
    assettest::Session session;
    ASSERT_TRUE(session.ok());
    int checked = 0;
    std::string report;
    for (const MachineInfo& info : machineTable()) {
        Screen* s = session.open(info.id);
        ASSERT_NE(s, nullptr) << info.id;
        if (auto* m = dynamic_cast<ThreeReelMachine*>(s)) {
            ++checked;
            std::set<std::string> files;
            auto add = [&](const Symbol& sym) {
                int count = sym.variants < 1 ? 1 : sym.variants;
                if (sym.kind == symbolArrowUp || sym.kind == symbolArrowDown) count = count < 3 ? 3 : count;
                for (int k = 0; k < count; ++k) files.insert(m->graphicsDir + sym.name + ".png." + std::to_string(k));
            };
            for (const Symbol* sym : m->symbols) add(*sym);
            for (const WildSymbol* w : m->wilds) add(*w);
            for (int k = 0; k < 20; ++k) files.insert(m->graphicsDir + "b.png." + std::to_string(k));
            for (const std::string& f : assettest::missingFiles(files)) report += "  " + f + "\n";
        }
        session.close(s);
    }
    EXPECT_GT(checked, 0);
    EXPECT_EQ("", report) << "reel pictures the generator doesn't make";
}
