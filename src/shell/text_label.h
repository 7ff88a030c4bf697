// One line of TrueType text at an anchor point. The label keeps a copy of
// the screen under its current text: changing the text first puts that copy
// back, then measures and places the new text and copies the area under it.
#pragma once

#include <SDL.h>
#include <sge.h>

#include <string>

#include "shell/sdl_handle.h"

class TextLabel {
public:
    std::string text;
    FontPtr ownFont;           // the font the label opened itself, or null
    sge_TTFont* font;          // ownFont, or a borrowed font; may be null
    SurfacePtr background;     // the screen under the current text, or null
    int pointSize;
    int left;                  // x the text is drawn at
    int baseline;              // y of the baseline
    int alpha;
    int align;                 // 0..5, see layout()
    int ascent;                // the font's ascent when the text was measured
    Uint32 foregroundColour;   // screen pixel value
    Uint32 backgroundColour;   // 0xRRGGBB of the saved background's top-left pixel
    int anchorX, anchorY;
    SDL_Rect extent;           // as the font measures the text

    // Opens the font file at the point size (the label owns it). Nothing is drawn.
    TextLabel(const std::string& fontFile, int pointSize, const std::string& text, int x, int y, int align,
              Uint8 r, Uint8 g, Uint8 b, int alpha = 0);
    // Borrows an open font; several labels may share one, each at its own size.
    TextLabel(sge_TTFont* font, int pointSize, const std::string& text, int x, int y, int align, Uint8 r,
              Uint8 g, Uint8 b, int alpha = 0);
    // The text stays on screen when the label goes.

    void setup(const std::string& text, int x, int y, int align, Uint8 r, Uint8 g, Uint8 b, int alpha);
    // Erases the old text and measures and places the new one (does not draw).
    void setText(const std::string& text);
    // Draws the current text and updates the display.
    void draw();
    // Puts the saved background back over the text (no display update).
    void erase();
    void setSize(int pointSize);
    void measure();
    // align: 0 left/top, 1 left/baseline, 2 right/top, 3 right/baseline,
    // 4 centred (left at x - w/2, baseline h/2 below y), 5 centred/baseline.
    void layout();
    void saveBackground();

    // The text's area on the screen.
    SDL_Rect area() const;
};

// A meter: sets the label's text to the number and draws it (nothing for a
// null label).
void showNumber(TextLabel* label, int n);
