#include "shell/led_sign.h"

#include <cstdio>
#include <fstream>
#include <iostream>
#include <sstream>

#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/waiting.h"

namespace {

// Width of a character the font lacks (drawn as a space).
const int missingGlyphWidth = 3;

std::string trimmed(const std::string& line) {
    size_t a = line.find_first_not_of(" \t\r");
    if (a == std::string::npos) return "";
    size_t b = line.find_last_not_of(" \t\r");
    return line.substr(a, b - a + 1);
}

}  // namespace

LedFont::LedFont() : height(0), spacing(1) {}

bool LedFont::load(const std::string& path) {
    noteAssetLoad(path);
    std::ifstream in(path.c_str(), std::ios::binary);
    if (!in) {
        std::cout << "Couldn't Load" << path << std::endl;
        height = 0;
        glyphs.clear();
        return false;
    }
    std::ostringstream all;
    all << in.rdbuf();
    if (!parse(all.str())) {
        std::cout << "Couldn't Load" << path << std::endl;
        return false;
    }
    return true;
}

bool LedFont::parse(const std::string& text) {
    height = 0;
    spacing = 1;
    glyphs.clear();
    std::istringstream in(text);
    std::string line;
    int pendingCode = -1;              // glyph being read
    std::vector<std::string> rowsRead;  // its rows so far

    auto finishGlyph = [&]() {
        if (pendingCode < 0) return;
        bool ok = static_cast<int>(rowsRead.size()) == height && height > 0;
        size_t w = ok ? rowsRead[0].size() : 0;
        for (const std::string& r : rowsRead)
            if (r.size() != w) ok = false;
        if (ok) {
            std::vector<Uint32> cols(w, 0);
            for (int row = 0; row < height; ++row)
                for (size_t c = 0; c < w; ++c)
                    if (rowsRead[row][c] == '#') cols[c] |= (1u << row);
            glyphs[static_cast<unsigned char>(pendingCode)] = cols;
        }
        pendingCode = -1;
        rowsRead.clear();
    };

    while (std::getline(in, line)) {
        std::string t = trimmed(line);
        if (pendingCode >= 0 && !t.empty() && t.find_first_not_of("#.") == std::string::npos) {
            rowsRead.push_back(t);
            if (static_cast<int>(rowsRead.size()) == height) finishGlyph();
            continue;
        }
        finishGlyph();  // a glyph cut short is dropped
        if (t.empty() || t[0] == '#') continue;
        std::istringstream words(t);
        std::string key;
        words >> key;
        if (key == "height") {
            int h = 0;
            words >> h;
            if (h > 0 && h <= 32 && height == 0) height = h;
        } else if (key == "spacing") {
            int gap = -1;
            words >> gap;
            if (gap >= 0 && gap <= 16) spacing = gap;
        } else if (key == "char") {
            int code = -1;
            words >> code;
            if (height > 0 && code >= 0 && code <= 255) pendingCode = code;
        }
        // Anything else is ignored.
    }
    finishGlyph();
    if (glyphs.empty()) height = 0;
    return !glyphs.empty();
}

const std::vector<Uint32>* LedFont::glyph(unsigned char c) const {
    auto it = glyphs.find(c);
    return it == glyphs.end() ? nullptr : &it->second;
}

LedSign::LedSign(const std::string& fontFile, const std::string& signText, int speed, int signX, int signY,
                 int signWidth, int signHeight, Uint8 litR, Uint8 litG, Uint8 litB, Uint8 darkR, Uint8 darkG,
                 Uint8 darkB)
    : text(signText), x(signX), y(signY), width(signWidth < 0 ? 0 : signWidth),
      height(signHeight < 0 ? 0 : signHeight), period(speed > 0 ? 1000 / speed : 1000), fontLoaded(false),
      topRow(0), scroll(0), drawn(false), lastDraw(0) {
    lit[0] = litR;
    lit[1] = litG;
    lit[2] = litB;
    dark[0] = darkR;
    dark[1] = darkG;
    dark[2] = darkB;
    LedFont font;
    fontLoaded = font.load(fontFile);
    layOut(font);
    if (display && display->screen && width > 0 && height > 0) {
        SurfacePtr s(SDL_CreateRGBSurface(SDL_SWSURFACE, width, height, 16, 0, 0, 0, 0));
        if (s) dots.reset(SDL_DisplayFormat(s.get()));
    }
}

void LedSign::layOut(const LedFont& font) {
    layout.clear();
    for (unsigned char c : text) {
        const std::vector<Uint32>* g = font.glyph(c);
        if (!g) g = font.glyph(' ');
        if (g) layout.insert(layout.end(), g->begin(), g->end());
        else layout.insert(layout.end(), missingGlyphWidth, 0u);
        layout.insert(layout.end(), font.spacing, 0u);
    }
    // A text narrower than the window is padded so it still enters from the
    // right and leaves at the left before it comes round again.
    if (static_cast<int>(layout.size()) < columns()) layout.resize(columns(), 0u);
    if (layout.empty()) layout.push_back(0u);
    topRow = font.height > 0 && rows() > font.height ? (rows() - font.height) / 2 : 0;
}

bool LedSign::dotLit(int column, int row) const {
    if (column < 0 || column >= columns() || row < 0 || row >= rows()) return false;
    int fontRow = row - topRow;
    if (fontRow < 0 || fontRow >= 32) return false;
    Uint32 bits = layout[(scroll + column) % layout.size()];
    return (bits >> fontRow) & 1u;
}

void LedSign::step() {
    Uint32 now = mediaTicks();
    if (!drawn) {
        drawn = true;
        lastDraw = now;
        wakeBy(now + period);
        draw();
        return;
    }
    if (now - lastDraw < period) {
        wakeBy(lastDraw + period);
        return;
    }
    lastDraw = now;
    wakeBy(now + period);
    scroll = (scroll + 1) % static_cast<int>(layout.size());
    draw();
}

void LedSign::draw() {
    if (!dots || !display || !display->screen) return;
    Uint32 back = SDL_MapRGB(dots->format, 0, 0, 0);
    Uint32 on = SDL_MapRGB(dots->format, lit[0], lit[1], lit[2]);
    Uint32 off = SDL_MapRGB(dots->format, dark[0], dark[1], dark[2]);
    SDL_FillRect(dots.get(), nullptr, back);
    for (int c = 0; c < columns(); ++c) {
        for (int r = 0; r < rows(); ++r) {
            // Each dot is 2 by 2 pixels in its 3 by 3 cell.
            SDL_Rect d = {static_cast<Sint16>(c * 3), static_cast<Sint16>(r * 3), 2, 2};
            SDL_FillRect(dots.get(), &d, dotLit(c, r) ? on : off);
        }
    }
    SDL_Rect where = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(width),
                      static_cast<Uint16>(height)};
    display->blit(dots.get(), where);
}
