// The base of every screen and machine: name and picture folder, the list of
// controls, the control under the mouse, the input-enabled flag and the
// screen to switch to. The App hands it every event and calls tick() once a
// frame; a screen asks to be replaced by storing its successor in `next`.
#pragma once

#include <SDL.h>

#include <memory>
#include <string>
#include <vector>

#include "shell/controls.h"

// The hover check looks at the mouse only every this many calls (a rest of
// the frame loop counts as one a millisecond), and in the frame after the
// mouse moved (App::pollEvent).
extern const int hoverCheckInterval;

// Id of the machine last left (empty until one was); machines set it in their destructor.
extern std::string lastMachineId;

class Screen {
public:
    std::string graphicsDir;       // "../gfx/" + name + "/", set by init()
    int hoverCounter;              // hover-check calls since the last mouse look
    bool menuEnabled;              // input enabled (right button opens the machine menu)
    Widget* hovered;               // control under the mouse, one of `buttons` (not owned)
    std::vector<std::unique_ptr<Widget>> buttons;  // in the order added
    std::string name;              // "lobby", "cashier", "stats", "trophy", "demoderby" or a machine id
    std::unique_ptr<Screen> next;  // successor; the App takes it over

    Screen();
    virtual ~Screen();
    // Call after setting `name`: picks the ambient loop, sets graphicsDir,
    // resets the hover counter and enables input.
    virtual void init();
    // Mouse presses: right button (while input is enabled) opens the machine
    // menu, any other press goes to the control under the mouse.
    virtual void handleEvent(const SDL_Event& event);
    virtual void createButtons() = 0;
    virtual void tick() = 0;
    // Every screen checks the same way: derived classes may simply call
    // Screen::checkHover() (looks at the mouse every 50th call and calls
    // setHovered when the control under it changed).
    virtual void checkHover() = 0;
    virtual void handleButton(Widget* control) = 0;
    // Screen::setHovered() does the usual: state -1 on the old control,
    // state 1 on the new one, and remembers it.
    virtual void setHovered(Widget* control) = 0;
    virtual void redraw() = 0;
    // Help pages; none by default.
    virtual void showHelp();
    // The game is about to close: whatever the screen has under way ends
    // now, without being shown. Nothing by default.
    virtual void finishUnderWay();

    // Drops every control, in order, and forgets the hovered one.
    void clearButtons();
    // Takes one control out of the list and drops it (forgetting it when
    // it was the hovered one). Does nothing when it isn't in the list.
    void deleteButton(Widget* control);
    // Forgets the control if it is the hovered one.
    void forgetButton(Widget* control);
    // Adds a control to the list (the screen owns it) and lends it back.
    template <typename W>
    W* addButton(std::unique_ptr<W> control) {
        W* lent = control.get();
        if (control) buttons.push_back(std::move(control));
        return lent;
    }
    // Makes a control in place at the end of the list.
    template <typename W, typename... Args>
    W* add(Args&&... args) {
        return addButton(std::make_unique<W>(std::forward<Args>(args)...));
    }
    // A control by name, or null.
    Widget* buttonNamed(const std::string& name);
    Widget* buttonAt(int x, int y);
    // First control of the list whose rectangle holds (x, y), edges excluded
    // (controlAt, shell/controls.h).
    template <typename List>
    static Widget* findButtonAt(int x, int y, const List& list) {
        return controlAt(x, y, list);
    }
};
