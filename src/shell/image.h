// Pictures loaded from PNG files and converted to the display format, and
// sprites: pictures at a fixed place that can erase themselves by putting
// back the screen that was under them.
#pragma once

#include <SDL.h>

#include <string>

#include "shell/sdl_handle.h"

class Image {
public:
    SurfacePtr surface;    // null until a load succeeds
    bool loaded;           // true once the surface is ready

    // Loads the file (see load). colorKey makes the top-left pixel's colour
    // transparent; keepFormat keeps the file's own pixel format.
    Image(const std::string& file, bool colorKey = false, bool keepFormat = false);

    // Prints "Couldn't Load<file>" when the file can't be read; the picture
    // then stays empty (surface null, loaded false).
    virtual void load(const std::string& file, bool colorKey, bool keepFormat);
    virtual ~Image() = default;
    // Draws the whole picture with its top-left corner at (x, y), cropped at
    // the left and top screen edges, and adds the drawn rectangle to the
    // display's changed list. Does not update the monitor.
    virtual void blit(int x, int y);

    // 0 for a picture that failed to load.
    int width() const;
    int height() const;
};

class Sprite : public Image {
public:
    int x, y;                 // top-left corner on the screen
    SurfacePtr background;    // the screen under the sprite; null before the first copy

    // Loads the picture and takes a copy of the screen under it, so build it
    // while the scene shows without the sprite.
    Sprite(const std::string& file, bool colorKey, bool keepFormat, int x, int y);

    void draw();
    // Erases the sprite: puts the saved background back (and marks it changed).
    void restoreBackground();
    // Takes a fresh copy of the screen under the sprite.
    void saveBackground();
};
