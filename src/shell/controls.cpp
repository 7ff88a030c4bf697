#include "shell/controls.h"

#include <climits>

#include "shell/display.h"
#include "shell/image.h"
#include "shell/waiting.h"

namespace {

// Loads a picture and keeps it only when it loaded.
std::unique_ptr<Image> loadIfPresent(const std::string& file, bool colorKey, bool keepFormat) {
    auto picture = std::make_unique<Image>(file, colorKey, keepFormat);
    if (!picture->loaded) picture.reset();
    return picture;
}

void updateDisplay() {
    if (display) display->update();
}

}  // namespace

// ---- Widget ----

Widget::Widget() : kind(widgetPlain), state(-1), x(-1), y(-1) {}

void Widget::setState(int s) { state = s; }

void Widget::setName(const std::string& n) { name = n; }

void Widget::setPosition(int px, int py) {
    x = px;
    y = py;
}

bool Widget::contains(int px, int py) {
    if (px <= x) return false;
    if (px >= x + width()) return false;
    return py > y && py < y + height();
}

void Widget::saveBackground() {
    background.reset();
    const int w = width();
    const int h = height();
    if (!display || !display->screen || w <= 0 || h <= 0) return;
    SDL_Rect r = {Sint16(x), Sint16(y), Uint16(w), Uint16(h)};
    background = display->copyRegion(r);
}

void Widget::restoreBackground() {
    if (!display || !background) return;
    SDL_Rect r = {Sint16(x), Sint16(y), Uint16(width()), Uint16(height())};
    display->blit(background.get(), r);
}

// ---- Button ----

Button::Button(const std::string& n, const std::string& folder, int px, int py, bool hasNormal, bool hasPressed,
               bool hasMouseOver, bool colorKey, bool keepFormat)
    : normal(nullptr), mouseOver(nullptr), pressed(nullptr) {
    kind = widgetButton;
    setName(n);
    setPosition(px, py);
    loadImages(n, folder, hasNormal, hasPressed, hasMouseOver, colorKey, keepFormat);
}

void Button::loadImages(const std::string& n, const std::string& folder, bool hasNormal, bool hasPressed,
                        bool hasMouseOver, bool colorKey, bool keepFormat) {
    if (hasNormal) normal = loadIfPresent(folder + n + "_std" + ".png", colorKey, keepFormat);
    if (hasPressed) pressed = loadIfPresent(folder + n + "_click" + ".png", colorKey, keepFormat);
    if (hasMouseOver) mouseOver = loadIfPresent(folder + n + "_mo" + ".png", colorKey, keepFormat);
    state = -1;
    saveBackground();
}

int Button::width() {
    if (normal) return normal->width();
    if (pressed) return pressed->width();
    if (mouseOver) return mouseOver->width();
    return 0;
}

int Button::height() {
    if (normal) return normal->height();
    if (pressed) return pressed->height();
    if (mouseOver) return mouseOver->height();
    return 0;
}

void Button::setState(int s) {
    if (s == state) return;
    switch (s) {
    case 0:
    case 1:
    case 2: {
        Image* picture = (s == 0 ? normal : s == 1 ? mouseOver : pressed).get();
        if (picture) {
            restoreBackground();
            picture->blit(x, y);
            state = s;
        }
        break;
    }
    case 4:
        restoreBackground();
        state = s;
        break;
    default:
        // A pressed-look button keeps what it shows until state 4.
        if (!pressed) restoreBackground();
        state = s;
        break;
    }
    updateDisplay();
}

void Button::setSize(int, int) {}

// ---- FlashButton ----

FlashButton::FlashButton() : period(-1), lastToggle(0) {
    kind = widgetFlash;
    setName("noname");
    setPosition(0, 0);
}

FlashButton::FlashButton(const std::string& n, const std::string& folder, int px, int py, bool colorKey,
                         bool keepFormat, int flashPeriod, int initialState)
    : period(flashPeriod), lastToggle(0) {
    kind = widgetFlash;
    setName(n);
    setPosition(px, py);
    pressedPicture = loadIfPresent(folder + n + "_click" + ".png", colorKey, keepFormat);
    flashPicture = loadIfPresent(folder + n + "_flash" + ".png", colorKey, keepFormat);
    saveBackground();
    // No state is shown yet, so the first setState always draws.
    state = INT_MIN;
    setState(initialState);
}

int FlashButton::width() { return flashPicture ? flashPicture->width() : 0; }
int FlashButton::height() { return flashPicture ? flashPicture->height() : 0; }

void FlashButton::setState(int s) {
    if (s == state) return;
    restoreBackground();
    if (s == 2 && pressedPicture) pressedPicture->blit(x, y);
    if (s == 3 && flashPicture) flashPicture->blit(x, y);
    state = s;
    updateDisplay();
}

void FlashButton::setSize(int, int) {}

void FlashButton::tick() {
    if (period == -1) return;
    const Uint32 now = mediaTicks();
    if (lastToggle == 0) {
        lastToggle = now;
        wakeBy(now + Uint32(period));
        return;
    }
    if (now - lastToggle < Uint32(period)) {
        wakeBy(lastToggle + Uint32(period));
        return;
    }
    lastToggle = now;
    wakeBy(now + Uint32(period));
    if (state == 3)
        setState(0);
    else if (state == 0)
        setState(3);
}

void FlashButton::setFlashPeriod(int p) { period = p; }

// ---- MenuButton ----

MenuButton::MenuButton(const std::string& n, int px, int py)
    : disabledPicture(std::make_unique<Image>("../gfx/menu/" + n + "_disabled.png", false, true)),
      mouseOverPicture(std::make_unique<Image>("../gfx/menu/" + n + "_mo.png", false, true)), enabled(true) {
    kind = widgetMenu;
    state = -1;
    setName(n);
    setPosition(px, py);
    saveBackground();
}

int MenuButton::width() {
    if (mouseOverPicture->loaded) return mouseOverPicture->width();
    if (disabledPicture->loaded) return disabledPicture->width();
    return 0;
}

int MenuButton::height() {
    if (mouseOverPicture->loaded) return mouseOverPicture->height();
    if (disabledPicture->loaded) return disabledPicture->height();
    return 0;
}

void MenuButton::setState(int s) {
    switch (s) {
    case -1:
        restoreBackground();
        enabled = true;
        break;
    case 1:
        if (mouseOverPicture->loaded) mouseOverPicture->blit(x, y);
        break;
    case 5:
        if (disabledPicture->loaded) disabledPicture->blit(x, y);
        enabled = false;
        break;
    default:
        break;
    }
    state = s;
    updateDisplay();
}

void MenuButton::setSize(int, int) {}

// ---- Hotspot ----

Hotspot::Hotspot(const std::string& n, int px, int py, int w, int h) : spotWidth(0), spotHeight(0) {
    kind = widgetHotspot;
    setName(n);
    setPosition(px, py);
    setSize(w, h);
    state = -1;
}

int Hotspot::width() { return spotWidth; }
int Hotspot::height() { return spotHeight; }

void Hotspot::setSize(int w, int h) {
    spotWidth = w;
    spotHeight = h;
}
