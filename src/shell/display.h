// The one video surface of the game: an 800 by 600, 16-bit window (or full
// screen). Everything draws straight into `screen`; every blit adds its
// destination to the changed-rectangle list, and `update` sends only those
// rectangles to the monitor. Also keeps one whole-screen copy for modal
// popups and hands out copies of screen areas to things that erase
// themselves.
#pragma once

#include <SDL.h>

#include <vector>

#include "shell/clock.h"  // mediaTicks, which times animations and flashing buttons
#include "shell/sdl_handle.h"

// The screen size is fixed throughout the game.
constexpr int screenWidth = 800;
constexpr int screenHeight = 600;

class Display {
public:
    std::vector<SDL_Rect> changedRects;  // emptied by update()
    SurfacePtr savedScreen;              // the one whole-screen copy, or null
    SDL_Surface* screen;                 // the video surface (SDL owns it); null when the mode failed
    Uint8 depth;                         // always 16
    Uint32 videoFlags;

    // Sets the 800x600x16 video mode with the given SDL flags. When the mode
    // can't be set it prints "Couldn't allocate screen buffer(s). SDL error..."
    // and leaves `screen` null: check hasSurface() before going on.
    explicit Display(Uint32 videoFlags);

    bool hasSurface() const { return screen != nullptr; }

    // Sends every listed rectangle (clipped to the screen) to the monitor,
    // one call each, and empties the list.
    void update();
    // Merges a rectangle into the list: an equal or contained one adds
    // nothing, one that contains a listed rectangle replaces the first such.
    void addDirtyRect(const SDL_Rect& rect);
    // Adds rect (unclipped) to the list, then blits the whole surface there.
    void blit(SDL_Surface* surface, const SDL_Rect& rect);
    void blitFullScreen(SDL_Surface* surface);

    // A new display-format surface holding the screen's rect (null without a screen).
    SurfacePtr copyRegion(const SDL_Rect& rect);
    SurfacePtr copyScreen();

    // Whole-screen copy for modal parts: save before drawing, restore at the end.
    void saveScreen();
    void drawSavedScreen();
    void restoreScreen();
    void freeSavedScreen();

    Uint32 mapColor(Uint8 r, Uint8 g, Uint8 b);
    // Colour of the surface's top-left pixel as 0xRRGGBB.
    Uint32 surfaceKeyColor(SDL_Surface* surface);
    Uint32 screenKeyColor();

    // One-pixel line; adds no changed rectangle (the caller does, then update()).
    void drawLine(int x1, int y1, int x2, int y2, Uint8 r, Uint8 g, Uint8 b);

    // Moves a rectangle that starts left of or above the screen to the edge
    // (size kept) and cuts it at the right and bottom edges.
    void clipToScreen(SDL_Rect& rect);
};

// a contains b (equal edges count as contained).
bool rectContains(const SDL_Rect& a, const SDL_Rect& b);
bool rectsEqual(const SDL_Rect& a, const SDL_Rect& b);

// Created and deleted by the App; null until then.
extern Display* display;
