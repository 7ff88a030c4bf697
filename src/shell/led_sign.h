// The scrolling dot-matrix signs of the casino: the lobby's message board,
// the marquee glass of the reel machines and the derby's attract screen.
//
// The text is laid out once as dot columns in the LED font
// ("../fonts/ledfont.def") and scrolls right to left through a window of
// width / 3 by height / 3 dots, one dot column per period, wrapping round so
// the end of the text runs on into its beginning.
#pragma once

#include <SDL.h>

#include <map>
#include <string>
#include <vector>

#include "shell/sdl_handle.h"

// The dot-matrix font. The file is plain text:
//   # comment lines and blank lines are skipped
//   height 7                 rows of every glyph (before the first glyph)
//   spacing 1                dark columns after each glyph (1 when not given)
//   char 65                  a glyph by its character code, followed by
//   .###.                    `height` rows of '#' (lit) and '.' (dark);
//   #...#                    all rows of one glyph have the same width
//   ...
// A character the font lacks is drawn as a space.
class LedFont {
public:
    LedFont();
    // Reads the font; false (and an empty font) when the file can't be read
    // or holds no valid glyph. Prints "Couldn't Load" and the path on failure.
    bool load(const std::string& path);
    // Parses font text; false when it holds no valid glyph.
    bool parse(const std::string& text);

    // One glyph: its columns, each a bit set of lit rows (bit 0 is the top row).
    const std::vector<Uint32>* glyph(unsigned char c) const;

    int height;                                    // rows; 0 for an empty font
    int spacing;                                   // dark columns after each glyph
    std::map<unsigned char, std::vector<Uint32>> glyphs;
};

class LedSign {
public:
    // speed in dot columns per second (the period is 1000 / speed ms, whole
    // ms); (x, y) the top-left corner, width and height in pixels (3 pixels
    // per dot). Loads the font and lays the text out; draws nothing yet.
    LedSign(const std::string& fontFile, const std::string& text, int speed, int x, int y, int width,
            int height, Uint8 litR, Uint8 litG, Uint8 litB, Uint8 darkR, Uint8 darkG, Uint8 darkB);
    // What the sign drew stays on the screen when it goes.

    // The first call draws the sign; each later call, once a period has
    // passed since the last drawing, scrolls the text by one dot column and
    // draws it again. Drawing marks the sign's rectangle changed; it does not
    // update the monitor. Times come from mediaTicks.
    void step();

    // Draws the current window into the screen at (x, y).
    void draw();

    // The window's size in dots.
    int columns() const { return width / 3; }
    int rows() const { return height / 3; }
    // Dot columns of the laid-out text (at least the window's width, so a
    // short text still scrolls through the whole window).
    int textColumns() const { return static_cast<int>(layout.size()); }
    // The text column shown in the window's leftmost column.
    int offset() const { return scroll; }
    // Whether the dot at (column, row) of the window is lit now.
    bool dotLit(int column, int row) const;

    std::string text;
    int x, y, width, height;
    Uint32 period;         // ms between two scroll steps
    bool fontLoaded;

private:
    void layOut(const LedFont& font);

    std::vector<Uint32> layout;  // the text as dot columns, bit 0 the top row
    int topRow;                  // first window row the font's rows land on (centred)
    int scroll;
    bool drawn;
    Uint32 lastDraw;
    SurfacePtr dots;             // the sign's own picture, redrawn and blitted each step
    Uint8 lit[3], dark[3];
};
