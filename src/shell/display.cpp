#include "shell/display.h"

#include <sge.h>

#include <iostream>

Display* display = nullptr;

namespace {

// The value of a surface's top-left pixel in its own format. Reads only the
// bytes of that one pixel, whatever the depth.
Uint32 topLeftPixel(SDL_Surface* surface) {
    const Uint8* p = static_cast<const Uint8*>(surface->pixels);
    switch (surface->format->BytesPerPixel) {
    case 1:
        return *p;
    case 2:
        return *reinterpret_cast<const Uint16*>(p);
    case 3:
        if (SDL_BYTEORDER == SDL_BIG_ENDIAN) return (p[0] << 16) | (p[1] << 8) | p[2];
        return p[0] | (p[1] << 8) | (p[2] << 16);
    default:
        return *reinterpret_cast<const Uint32*>(p);
    }
}

}  // namespace

bool rectContains(const SDL_Rect& a, const SDL_Rect& b) {
    return a.x <= b.x && a.y <= b.y && int(a.x) + int(a.w) >= int(b.x) + int(b.w) &&
           int(a.y) + int(a.h) >= int(b.y) + int(b.h);
}

bool rectsEqual(const SDL_Rect& a, const SDL_Rect& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h;
}

Display::Display(Uint32 flags) : screen(nullptr), depth(16), videoFlags(flags) {
    SDL_ShowCursor(0);
    screen = SDL_SetVideoMode(screenWidth, screenHeight, 16, videoFlags);
    SDL_ShowCursor(1);
    if (!screen) std::cout << "Couldn't allocate screen buffer(s). SDL error" << SDL_GetError() << std::endl;
}

void Display::update() {
    if (changedRects.empty()) return;
    if (screen) {
        for (SDL_Rect& r : changedRects) {
            clipToScreen(r);
            // A rectangle wholly past the right or bottom edge has nothing to show.
            if (r.x >= screenWidth || r.y >= screenHeight || r.w == 0 || r.h == 0) continue;
            SDL_UpdateRects(screen, 1, &r);
        }
    }
    changedRects.clear();
}

void Display::addDirtyRect(const SDL_Rect& rect) {
    for (SDL_Rect& listed : changedRects) {
        if (rectsEqual(listed, rect)) return;
        if (rectContains(rect, listed)) {
            listed = rect;
            return;
        }
        if (rectContains(listed, rect)) return;
    }
    changedRects.push_back(rect);
}

void Display::blit(SDL_Surface* surface, const SDL_Rect& rect) {
    addDirtyRect(rect);
    SDL_Rect dest = rect;
    SDL_UpperBlit(surface, nullptr, screen, &dest);
}

void Display::blitFullScreen(SDL_Surface* surface) {
    SDL_Rect whole = {0, 0, screenWidth, screenHeight};
    blit(surface, whole);
}

SurfacePtr Display::copyRegion(const SDL_Rect& rect) {
    if (!screen) return nullptr;  // no display format to convert to
    SurfacePtr raw(SDL_CreateRGBSurface(SDL_SWSURFACE, rect.w, rect.h, depth, 0, 0, 0, 0));
    if (!raw) return nullptr;
    SurfacePtr copy(SDL_DisplayFormat(raw.get()));
    if (!copy) return nullptr;
    SDL_Rect src = rect;
    SDL_Rect dest = {0, 0, 0, 0};
    SDL_UpperBlit(screen, &src, copy.get(), &dest);
    return copy;
}

SurfacePtr Display::copyScreen() {
    SDL_Rect whole = {0, 0, screenWidth, screenHeight};
    return copyRegion(whole);
}

void Display::saveScreen() {
    freeSavedScreen();
    savedScreen = copyScreen();
}

void Display::drawSavedScreen() {
    SDL_Rect whole = {0, 0, screenWidth, screenHeight};
    blit(savedScreen.get(), whole);
}

void Display::restoreScreen() {
    drawSavedScreen();
    freeSavedScreen();
}

void Display::freeSavedScreen() { savedScreen.reset(); }

Uint32 Display::mapColor(Uint8 r, Uint8 g, Uint8 b) {
    if (!screen) return 0;
    return SDL_MapRGB(screen->format, r, g, b);
}

Uint32 Display::surfaceKeyColor(SDL_Surface* surface) {
    if (!surface || !surface->pixels || surface->w < 1 || surface->h < 1) return 0;
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) < 0) return 0;
    Uint32 pixel = topLeftPixel(surface);
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    Uint8 r = 0, g = 0, b = 0;
    SDL_GetRGB(pixel, surface->format, &r, &g, &b);
    return (Uint32(r) << 16) | (Uint32(g) << 8) | b;
}

Uint32 Display::screenKeyColor() { return surfaceKeyColor(screen); }

void Display::drawLine(int x1, int y1, int x2, int y2, Uint8 r, Uint8 g, Uint8 b) {
    if (!screen) return;
    if (SDL_MUSTLOCK(screen) && SDL_LockSurface(screen) < 0) return;
    sge_DoLine(screen, x1, y1, x2, y2, mapColor(r, g, b), _PutPixel);
    if (SDL_MUSTLOCK(screen)) SDL_UnlockSurface(screen);
}

void Display::clipToScreen(SDL_Rect& rect) {
    if (rect.y < 0) rect.y = 0;
    if (int(rect.y) + int(rect.h) > screenHeight) rect.h = rect.y < screenHeight ? screenHeight - rect.y : 0;
    if (rect.x < 0) rect.x = 0;
    if (int(rect.x) + int(rect.w) > screenWidth) rect.w = rect.x < screenWidth ? screenWidth - rect.x : 0;
}
