// The clickable things of every screen. A screen keeps them in its list,
// finds the one under the mouse with contains(), recognises it by name and
// shows hover and press feedback through setState.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>

#include "shell/clock.h"
#include "shell/image.h"
#include "shell/sdl_handle.h"

// Kind codes of the concrete controls.
enum WidgetKind { widgetPlain = -1, widgetButton = 0, widgetHotspot = 1, widgetFlash = 2, widgetMenu = 3 };

class Widget {
public:
    int kind;                 // WidgetKind
    int state;                // visual state last recorded; -1: no special look
    std::string name;         // what screens recognise the control by
    int x, y;                 // top-left corner; -1, -1 by default
    SurfacePtr background;    // the screen under the control, or null

    Widget();
    virtual ~Widget() = default;
    virtual int width() = 0;
    virtual int height() = 0;
    // The base only records the state.
    virtual void setState(int state);
    virtual void setSize(int width, int height) = 0;

    void setName(const std::string& name);
    void setPosition(int x, int y);
    // Inside the rectangle, all four edges excluded.
    bool contains(int x, int y);
    void saveBackground();
    // Hides a state picture: puts the saved screen back (and marks it changed).
    void restoreBackground();
};

// An image button with normal ("_std"), pressed ("_click") and mouse-over
// ("_mo") pictures, each optional. States: 0 normal, 1 mouse-over,
// 2 pressed, 4 back to the screen picture, -1 no special look.
class Button : public Widget {
public:
    std::unique_ptr<Image> normal;  // null when not asked for or missing
    std::unique_ptr<Image> mouseOver;
    std::unique_ptr<Image> pressed;

    // Build it over the finished screen picture: it copies the screen under it.
    Button(const std::string& name, const std::string& folder, int x, int y, bool hasNormal, bool hasPressed,
           bool hasMouseOver, bool colorKey = false, bool keepFormat = false);
    int width() override;
    int height() override;
    void setState(int state) override;
    void setSize(int width, int height) override;

    void loadImages(const std::string& name, const std::string& folder, bool hasNormal, bool hasPressed,
                    bool hasMouseOver, bool colorKey, bool keepFormat);
};

// A button that alternates between its flash picture (state 3) and the
// screen picture (state 0) every `period` ms until it is pressed (state 2).
class FlashButton : public Widget {
public:
    std::unique_ptr<Image> pressedPicture;  // "_click"; null when missing
    std::unique_ptr<Image> flashPicture;    // "_flash"; null when missing
    int period;             // ms; -1: no flashing
    Uint32 lastToggle;      // 0: timing not started

    FlashButton();  // "noname" at (0, 0), no pictures, no flashing
    FlashButton(const std::string& name, const std::string& folder, int x, int y, bool colorKey,
                bool keepFormat, int period, int initialState);
    int width() override;
    int height() override;
    void setState(int state) override;
    void setSize(int width, int height) override;

    // Called once per pass of the owner's loop.
    void tick();
    void setFlashPeriod(int period);
};

// A machine button of the pop-up machine menu: "../gfx/menu/<name>_disabled.png"
// and "../gfx/menu/<name>_mo.png". States: -1 enabled (screen picture),
// 1 mouse-over, 5 disabled.
class MenuButton : public Widget {
public:
    std::unique_ptr<Image> disabledPicture;  // never null
    std::unique_ptr<Image> mouseOverPicture;  // never null
    bool enabled;

    MenuButton(const std::string& name, int x, int y);
    int width() override;
    int height() override;
    void setState(int state) override;
    void setSize(int width, int height) override;
};

// An invisible click rectangle.
class Hotspot : public Widget {
public:
    int spotWidth, spotHeight;

    Hotspot(const std::string& name, int x, int y, int width, int height);
    int width() override;
    int height() override;
    void setSize(int width, int height) override;
};

// First control of the list whose rectangle holds (x, y), edges excluded.
// The list may hold the controls or only point at them.
template <typename List>
Widget* controlAt(int x, int y, const List& list) {
    for (const auto& control : list)
        if (control->contains(x, y)) return &*control;
    return nullptr;
}

// First control of the list under the pointer where it stands now. A press
// picks what the pointer is on when the game takes it, not the point its
// event carries; a look for a hover effect sees the same.
template <typename List>
Widget* controlUnderPointer(const List& list) {
    int x = 0, y = 0;
    mousePosition(x, y);
    return controlAt(x, y, list);
}
