// Shared set-up for the media-layer tests: a headless 800x600 display, a
// clock the test moves by hand, and small helpers to make picture files and
// read screen pixels back.
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "shell/display.h"
#include "support/runtime.h"

namespace mediatest {

inline Uint32 fakeNow = 1000;
inline Uint32 fakeClock() { return fakeNow; }

// A folder of the test's own for the pictures it writes.
inline std::string pictureDir() { return testrt::root() + "/mediatest/"; }

struct Colour {
    Uint8 r, g, b;
};

// Writes a w x h picture filled with `fill`.
void writePicture(const std::string& path, int w, int h, Colour fill);
// A picture whose every column has its own colour (red = column number), to
// check which part of a picture landed where.
void writeColumnPicture(const std::string& path, int w, int h);

Uint32 screenPixel(int x, int y);
// Red, green, blue of a screen pixel.
Colour screenRGB(int x, int y);
void fillScreen(Colour c);
void fillRect(int x, int y, int w, int h, Colour c);
// True when every pixel of the area has the colour (as the 16-bit screen stores it).
bool areaIs(int x, int y, int w, int h, Colour c);

class MediaTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

}  // namespace mediatest
