#include "shell/image.h"

#include <SDL_image.h>

#include <iostream>
#include <utility>

#include "shell/asset_log.h"
#include "shell/display.h"

namespace {

Uint32 firstPixel(SDL_Surface* s) {
    const Uint8* p = static_cast<const Uint8*>(s->pixels);
    switch (s->format->BytesPerPixel) {
    case 1: return *p;
    case 2: return *reinterpret_cast<const Uint16*>(p);
    case 3:
        if (SDL_BYTEORDER == SDL_BIG_ENDIAN) return (p[0] << 16) | (p[1] << 8) | p[2];
        return p[0] | (p[1] << 8) | (p[2] << 16);
    default: return *reinterpret_cast<const Uint32*>(p);
    }
}

// A display-format copy of the screen area (x, y, w, h); null when there is
// no screen or the area is empty.
SurfacePtr copyUnder(int x, int y, int w, int h) {
    if (!display || !display->screen || w <= 0 || h <= 0) return nullptr;
    SDL_Rect r = {Sint16(x), Sint16(y), Uint16(w), Uint16(h)};
    return display->copyRegion(r);
}

}  // namespace

Image::Image(const std::string& file, bool colorKey, bool keepFormat) : loaded(false) {
    Image::load(file, colorKey, keepFormat);
}

void Image::load(const std::string& file, bool colorKey, bool keepFormat) {
    surface.reset();
    loaded = false;
    noteAssetLoad(file);

    SDL_RWops* stream = SDL_RWFromFile(file.c_str(), "rb");
    SurfacePtr picture(stream ? IMG_Load_RW(stream, 1) : nullptr);
    if (!picture) {
        std::cout << "Couldn't Load" << file << std::endl;
        return;
    }
    if (colorKey && picture->w > 0 && picture->h > 0) {
        if (SDL_MUSTLOCK(picture)) SDL_LockSurface(picture.get());
        Uint32 key = firstPixel(picture.get());
        if (SDL_MUSTLOCK(picture)) SDL_UnlockSurface(picture.get());
        SDL_SetColorKey(picture.get(), SDL_SRCCOLORKEY, key);
    }
    if (picture->format->palette && display && display->screen)
        SDL_SetColors(display->screen, picture->format->palette->colors, 0, picture->format->palette->ncolors);
    if (keepFormat) {
        surface = std::move(picture);
        loaded = true;
        return;
    }
    // Converting needs a video mode; without one the picture can't be shown.
    SurfacePtr converted(SDL_GetVideoSurface() ? SDL_DisplayFormat(picture.get()) : nullptr);
    picture.reset();
    if (!converted) {
        std::cout << " Display format conversion failed for image: " << file << std::endl;
        return;
    }
    surface = std::move(converted);
    loaded = true;
}

void Image::blit(int x, int y) {
    if (!surface || !display) return;
    SDL_Rect src = {0, 0, Uint16(surface->w), Uint16(surface->h)};
    SDL_Rect dest = {Sint16(x), Sint16(y), Uint16(surface->w), Uint16(surface->h)};
    if (x < 0) {
        if (surface->w + x <= 0) return;  // wholly left of the screen
        src.x = Sint16(-x);
        src.w = Uint16(surface->w + x);
        dest.x = 0;
        dest.w = src.w;
    }
    if (y < 0) {
        if (surface->h + y <= 0) return;  // wholly above the screen
        src.y = Sint16(-y);
        src.h = Uint16(surface->h + y);
        dest.y = 0;
        dest.h = src.h;
    }
    display->addDirtyRect(dest);
    if (SDL_UpperBlit(surface.get(), &src, display->screen, &dest) < 0) std::cout << "Blit surface failed" << std::endl;
}

int Image::width() const { return surface ? surface->w : 0; }
int Image::height() const { return surface ? surface->h : 0; }

Sprite::Sprite(const std::string& file, bool colorKey, bool keepFormat, int px, int py)
    : Image(file, colorKey, keepFormat), x(px), y(py) {
    saveBackground();
}

void Sprite::draw() { blit(x, y); }

void Sprite::restoreBackground() {
    if (!background || !display) return;
    SDL_Rect r = {Sint16(x), Sint16(y), Uint16(width()), Uint16(height())};
    display->blit(background.get(), r);
}

void Sprite::saveBackground() {
    background = copyUnder(x, y, width(), height());
}
