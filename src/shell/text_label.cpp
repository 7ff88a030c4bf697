#include "shell/text_label.h"

#include <vector>

#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/util.h"

TextLabel::TextLabel(const std::string& fontFile, int size, const std::string& initialText, int x, int y, int al,
                     Uint8 r, Uint8 g, Uint8 b, int a)
    : font(nullptr), pointSize(size), left(0), baseline(0), alpha(a),
      align(al), ascent(0), foregroundColour(0), backgroundColour(0), anchorX(x), anchorY(y), extent{0, 0, 0, 0} {
    noteAssetLoad(fontFile);
    // The TrueType opener falls over on a file that isn't there: look first.
    if (SDL_RWops* probe = SDL_RWFromFile(fontFile.c_str(), "rb")) {
        SDL_RWclose(probe);
        ownFont.reset(sge_TTF_OpenFont(fontFile.c_str(), size));
        font = ownFont.get();
    }
    setup(initialText, x, y, al, r, g, b, a);
}

TextLabel::TextLabel(sge_TTFont* sharedFont, int size, const std::string& initialText, int x, int y, int al,
                     Uint8 r, Uint8 g, Uint8 b, int a)
    : font(sharedFont), pointSize(size), left(0), baseline(0), alpha(a),
      align(al), ascent(0), foregroundColour(0), backgroundColour(0), anchorX(x), anchorY(y), extent{0, 0, 0, 0} {
    setup(initialText, x, y, al, r, g, b, a);
}

void TextLabel::setup(const std::string& initialText, int x, int y, int al, Uint8 r, Uint8 g, Uint8 b, int a) {
    anchorX = x;
    anchorY = y;
    align = al;
    foregroundColour = display ? display->mapColor(r, g, b) : 0;
    alpha = a;
    background.reset();
    if (!initialText.empty()) setText(initialText);
}

SDL_Rect TextLabel::area() const {
    // Where the renderer puts the text: the font's ascent above the baseline
    // down through its descent, so the saved copy covers every pixel drawn.
    SDL_Rect r = {Sint16(left), Sint16(baseline - ascent), extent.w, extent.h};
    return r;
}

void TextLabel::setText(const std::string& newText) {
    erase();
    text = newText;
    if (text.empty()) {
        background.reset();
        return;
    }
    measure();
    saveBackground();
}

void TextLabel::draw() {
    if (!display) return;
    if (font && !text.empty() && display->screen) {
        // A shared font may have been left at another label's size.
        if (!ownFont) setSize(pointSize);
        // Our alpha counts transparency (0 is solid text, what every caller
        // wants); the TrueType renderer counts opacity. It also wants the
        // background as a screen pixel, not as 0xRRGGBB, to smooth the edges
        // into the colour under the text.
        const Uint32 smoothInto = display->mapColor(Uint8(backgroundColour >> 16), Uint8(backgroundColour >> 8),
                                                    Uint8(backgroundColour));
        SDL_Rect drawn = sge_tt_textout(display->screen, font, text.c_str(), Sint16(left), Sint16(baseline),
                                        foregroundColour, smoothInto, 255 - alpha);
        // Mark what the text covered so the update below really shows it.
        if (drawn.w > 0 && drawn.h > 0) display->addDirtyRect(drawn);
    }
    display->update();
}

void TextLabel::erase() {
    if (!background || !display) return;
    display->blit(background.get(), area());
}

void TextLabel::setSize(int size) {
    pointSize = size;
    if (!font) return;
    sge_TTF_SetFontSize(font, size);
    measure();
}

void TextLabel::measure() {
    if (!font) return;
    std::vector<char> buffer(text.begin(), text.end());
    buffer.push_back('\0');
    extent = sge_TTF_TextSize(font, buffer.data());
    ascent = sge_TTF_FontAscent(font);
    layout();
}

void TextLabel::layout() {
    const int w = extent.w;
    const int h = extent.h;
    switch (align) {
    case 0: left = anchorX; baseline = anchorY + h; break;
    case 1: left = anchorX; baseline = anchorY; break;
    case 2: left = anchorX - w; baseline = anchorY + h; break;
    case 3: left = anchorX - w; baseline = anchorY; break;
    case 4: left = anchorX - w / 2; baseline = anchorY + h / 2; break;
    case 5: left = anchorX - w / 2; baseline = anchorY; break;
    default: break;
    }
}

void TextLabel::saveBackground() {
    background.reset();
    if (!font || !display || !display->screen || extent.w == 0 || extent.h == 0) return;
    background = display->copyRegion(area());
    backgroundColour = display->surfaceKeyColor(background.get());
}

void showNumber(TextLabel* label, int n) {
    if (!label) return;
    label->setText(intToString(n));
    label->draw();
}
