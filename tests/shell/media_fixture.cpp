#include "shell/media_fixture.h"

#include <filesystem>

namespace mediatest {

namespace {

SDL_Surface* makeSurface(int w, int h) {
    return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 24, 0x0000ff, 0x00ff00, 0xff0000, 0);
}

void putRGB(SDL_Surface* s, int x, int y, Colour c) {
    SDL_Rect r = {Sint16(x), Sint16(y), 1, 1};
    SDL_FillRect(s, &r, SDL_MapRGB(s->format, c.r, c.g, c.b));
}

void save(SDL_Surface* s, const std::string& path) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    ASSERT_EQ(0, SDL_SaveBMP(s, path.c_str())) << path;
    SDL_FreeSurface(s);
}

}  // namespace

void writePicture(const std::string& path, int w, int h, Colour fill) {
    SDL_Surface* s = makeSurface(w, h);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, fill.r, fill.g, fill.b));
    save(s, path);
}

void writeColumnPicture(const std::string& path, int w, int h) {
    SDL_Surface* s = makeSurface(w, h);
    for (int x = 0; x < w; ++x)
        for (int y = 0; y < h; ++y) putRGB(s, x, y, Colour{Uint8(x * 4), Uint8(y * 4), 200});
    save(s, path);
}

Uint32 screenPixel(int x, int y) {
    SDL_Surface* s = display->screen;
    const Uint8* row = static_cast<const Uint8*>(s->pixels) + y * s->pitch;
    return reinterpret_cast<const Uint16*>(row)[x];
}

Colour screenRGB(int x, int y) {
    Colour c{0, 0, 0};
    SDL_GetRGB(screenPixel(x, y), display->screen->format, &c.r, &c.g, &c.b);
    return c;
}

void fillScreen(Colour c) { fillRect(0, 0, screenWidth, screenHeight, c); }

void fillRect(int x, int y, int w, int h, Colour c) {
    SDL_Rect r = {Sint16(x), Sint16(y), Uint16(w), Uint16(h)};
    SDL_FillRect(display->screen, &r, display->mapColor(c.r, c.g, c.b));
}

bool areaIs(int x, int y, int w, int h, Colour c) {
    const Uint32 want = display->mapColor(c.r, c.g, c.b);
    for (int yy = y; yy < y + h; ++yy)
        for (int xx = x; xx < x + w; ++xx)
            if (screenPixel(xx, yy) != want) return false;
    return true;
}

void MediaTest::SetUp() {
    ASSERT_EQ(0, SDL_Init(SDL_INIT_VIDEO)) << SDL_GetError();
    display = new Display(SDL_ANYFORMAT);
    ASSERT_TRUE(display->hasSurface());
    ASSERT_EQ(16, display->screen->format->BitsPerPixel);
    fakeNow = 1000;
    mediaTicks = fakeClock;
    fillScreen(Colour{0, 0, 0});
}

void MediaTest::TearDown() {
    mediaTicks = SDL_GetTicks;
    delete display;
    display = nullptr;
    SDL_Quit();
}

}  // namespace mediatest
