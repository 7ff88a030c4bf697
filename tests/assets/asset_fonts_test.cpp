// The generated fonts as the game reads them: the LED signs' dot font gives
// every printable character a glyph at the signs' height, and every TrueType
// face opens under the name the game asks for.
#include <gtest/gtest.h>

#include <SDL.h>
#include <sge.h>

#include <string>

#include "assets/asset_session.h"
#include "shell/led_sign.h"

TEST(GeneratedFonts, LedFontCoversPrintableAsciiAtSevenRows) {
    assettest::Session session;   // working folder = the game's bin/
    ASSERT_TRUE(session.ok());
    LedFont font;
    ASSERT_TRUE(font.load("../fonts/ledfont.def"));
    EXPECT_EQ(7, font.height);
    EXPECT_EQ(1, font.spacing);
    for (int c = 32; c <= 126; ++c) {
        const std::vector<Uint32>* g = font.glyph(static_cast<unsigned char>(c));
        ASSERT_NE(g, nullptr) << "no glyph for character " << c;
        ASSERT_FALSE(g->empty()) << "empty glyph for character " << c;
        Uint32 lit = 0;
        for (Uint32 column : *g) {
            EXPECT_EQ(0u, column >> 7) << "character " << c << " has a dot below row 7";
            lit |= column;
        }
        if (c == ' ')
            EXPECT_EQ(0u, lit) << "the space lights a dot";
        else
            EXPECT_NE(0u, lit) << "character " << c << " lights no dot";
    }
    // Letters that start with a lit dot in their first row (rows beginning
    // with '#') must read as glyph rows, not as comments: 'T' is a full top bar.
    const std::vector<Uint32>* t = font.glyph('T');
    ASSERT_NE(t, nullptr);
    for (Uint32 column : *t) EXPECT_TRUE(column & 1u) << "'T' lost its top row";
}

TEST(GeneratedFonts, EveryTrueTypeFaceOpens) {
    assettest::Session session;
    ASSERT_TRUE(session.ok());
    for (const char* name : {"cashname", "crazydicebonus", "deepseabonus", "demoderby", "insertmoney", "led4",
                             "nickle3", "nickle4", "poker2", "progressive2", "stats3", "balloonbonus"}) {
        std::string path = std::string("../fonts/") + name + ".ttf";
        SDL_RWops* probe = SDL_RWFromFile(path.c_str(), "rb");   // SGE can't be asked about a missing file
        ASSERT_NE(probe, nullptr) << path << " is missing";
        SDL_RWclose(probe);
        sge_TTFont* f = sge_TTF_OpenFont(path.c_str(), 20);
        ASSERT_NE(f, nullptr) << path << " does not open as a TrueType font";
        SDL_Rect size = sge_TTF_TextSize(f, const_cast<char*>("0123456789"));
        EXPECT_GT(size.w, 0) << path << " draws no digits";
        sge_TTF_CloseFont(f);
    }
}
