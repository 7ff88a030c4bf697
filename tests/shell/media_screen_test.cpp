// The screen base: a press goes to the control under the mouse, by name.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "shell/controls.h"
#include "shell/display.h"
#include "shell/media_fixture.h"
#include "shell/screen.h"

using namespace mediatest;

namespace {

class TestScreen : public Screen {
public:
    std::string pressed;

    TestScreen() {
        name = "testroom";
        Screen::init();
        createButtons();
    }
    void createButtons() override {
        addButton(new Hotspot("one", 100, 100, 40, 20));
        addButton(new Hotspot("first", 300, 300, 100, 100));
        addButton(new Hotspot("second", 350, 350, 100, 100));  // under "first" in part
    }
    void tick() override {}
    void checkHover() override {}
    void handleButton(Widget* control) override { pressed += control->name + " "; }
    void setHovered(Widget*) override {}
    void redraw() override {}
};

class MediaScreen : public MediaTest {};

}  // namespace

TEST_F(MediaScreen, APressReachesTheControlUnderTheMouse) {
    TestScreen s;
    struct Press { int x, y; Uint8 type, button; bool menuEnabled; };
    const Press presses[] = {
        // Any button but the right; the mouse state counts, not the event's place (0, 0).
        {110, 110, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, true},
        {110, 110, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, true},
        {110, 110, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELUP, true},
        {110, 110, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_WHEELDOWN, true},
        // The right button only while input is off: otherwise it is the machine menu's.
        {110, 110, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, false},
        {110, 110, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, true},
        // Overlap: the control added first wins.
        {375, 375, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, true},
        {420, 420, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, true},
        // On an edge, on no control, or not a press: nothing.
        {300, 320, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, true},
        {700, 20, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, true},
        {110, 110, SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, true},
        {110, 110, SDL_MOUSEMOTION, 0, true},
    };
    for (const Press& p : presses) {
        SDL_WarpMouse(Uint16(p.x), Uint16(p.y));
        SDL_PumpEvents();
        SDL_Event e{};
        e.type = p.type;
        e.button.button = p.button;
        s.menuEnabled = p.menuEnabled;
        s.handleEvent(e);
    }
    EXPECT_EQ("one one one one one first second ", s.pressed);
}
