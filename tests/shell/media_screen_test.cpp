// The screen base: initialisation, press dispatch to the control under the
// mouse, the every-50th-call hover check and safe removal of controls.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shell/controls.h"
#include "shell/display.h"
#include "shell/media_fixture.h"
#include "shell/screen.h"

using namespace mediatest;

namespace {

class TestScreen : public Screen {
public:
    std::vector<std::string> pressed;
    std::vector<Widget*> hoverCalls;

    TestScreen() {
        name = "testroom";
        Screen::init();
        redraw();
        createButtons();
    }
    void createButtons() override {
        addButton(new Button("hover", pictureDir(), 100, 100, false, false, true));
        addButton(new Hotspot("first", 300, 300, 100, 100));
        addButton(new Hotspot("second", 350, 350, 100, 100));  // under "first" in part
    }
    void tick() override { checkHover(); }
    void checkHover() override { Screen::checkHover(); }
    void handleButton(Widget* control) override { pressed.push_back(control->name); }
    void setHovered(Widget* control) override {
        hoverCalls.push_back(control);
        Screen::setHovered(control);
    }
    void redraw() override { fillScreen(Colour{0, 0, 128}); }
};

SDL_Event press(Uint8 button, int x = 0, int y = 0) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.button = button;
    e.button.state = SDL_PRESSED;
    e.button.x = Uint16(x);
    e.button.y = Uint16(y);
    return e;
}

void moveMouse(int x, int y) {
    SDL_WarpMouse(Uint16(x), Uint16(y));
    SDL_PumpEvents();
    int mx = -1, my = -1;
    SDL_GetMouseState(&mx, &my);
    ASSERT_EQ(x, mx);
    ASSERT_EQ(y, my);
}

class MediaScreen : public MediaTest {
protected:
    void SetUp() override {
        MediaTest::SetUp();
        writePicture(pictureDir() + "hover_mo.png", 40, 20, Colour{255, 255, 0});
    }
};

}  // namespace

TEST_F(MediaScreen, PressesReachTheControlUnderTheMouseByName) {
    TestScreen s;
    moveMouse(110, 110);
    // The mouse state counts, not the place written in the event.
    for (Uint8 b : {SDL_BUTTON_LEFT, SDL_BUTTON_MIDDLE, SDL_BUTTON_WHEELUP, SDL_BUTTON_WHEELDOWN})
        s.handleEvent(press(b, 600, 500));
    EXPECT_EQ((std::vector<std::string>{"hover", "hover", "hover", "hover"}), s.pressed);

    // Overlap: the control added first wins.
    s.pressed.clear();
    moveMouse(375, 375);
    s.handleEvent(press(SDL_BUTTON_LEFT));
    moveMouse(420, 420);
    s.handleEvent(press(SDL_BUTTON_LEFT));
    EXPECT_EQ((std::vector<std::string>{"first", "second"}), s.pressed);

    // On an edge, or on no control at all: nothing.
    s.pressed.clear();
    moveMouse(300, 320);
    s.handleEvent(press(SDL_BUTTON_LEFT));
    moveMouse(700, 20);
    s.handleEvent(press(SDL_BUTTON_LEFT));
    EXPECT_TRUE(s.pressed.empty());

    // Button-up and motion events are not presses.
    moveMouse(110, 110);
    SDL_Event up = press(SDL_BUTTON_LEFT);
    up.type = SDL_MOUSEBUTTONUP;
    s.handleEvent(up);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    s.handleEvent(motion);
    EXPECT_TRUE(s.pressed.empty());
}

TEST_F(MediaScreen, RightPressGoesToTheControlOnlyWhileInputIsOff) {
    TestScreen s;
    moveMouse(110, 110);
    s.menuEnabled = false;
    s.handleEvent(press(SDL_BUTTON_RIGHT));
    EXPECT_EQ((std::vector<std::string>{"hover"}), s.pressed);

    // With input on, the right button is the machine menu's, never the control's.
    s.pressed.clear();
    s.menuEnabled = true;
    s.handleEvent(press(SDL_BUTTON_RIGHT));
    EXPECT_TRUE(s.pressed.empty());
}
