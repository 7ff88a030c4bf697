// The generated fonts as the game reads them: the LED signs' dot font gives
// every printable character a glyph at the signs' height, and every TrueType
// face opens under the name the game asks for.
#include <gtest/gtest.h>

#include <SDL.h>
#include <sge.h>

#include <string>

#include "assets/asset_session.h"
#include "shell/led_sign.h"

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
        EXPECT_EQ(0u, lit >> 7) << "character " << c << " has a dot below row 7";
        EXPECT_EQ(c == ' ', lit == 0) << "character " << c;
    }
    // A glyph row starting with a lit dot ('#') is not a comment: 'T' keeps its top bar.
    for (Uint32 column : *font.glyph('T')) EXPECT_TRUE(column & 1u);

    for (const char* name : {"cashname", "crazydicebonus", "deepseabonus", "demoderby", "insertmoney", "led4",
                             "nickle3", "nickle4", "poker2", "progressive2", "stats3", "balloonbonus"}) {
        std::string path = std::string("../fonts/") + name + ".ttf";
        SDL_RWops* probe = SDL_RWFromFile(path.c_str(), "rb");  // SGE can't be asked about a missing file
        ASSERT_NE(probe, nullptr) << path << " is missing";
        SDL_RWclose(probe);
        sge_TTFont* f = sge_TTF_OpenFont(path.c_str(), 20);
        ASSERT_NE(f, nullptr) << path;
        EXPECT_GT(sge_TTF_TextSize(f, const_cast<char*>("0123456789")).w, 0) << path << " draws no digits";
        sge_TTF_CloseFont(f);
    }
}
