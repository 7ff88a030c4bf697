#include "shell/screen.h"

#include <algorithm>

#include "shell/clock.h"
#include "shell/routes.h"
#include "shell/sound.h"

const int hoverCheckInterval = 50;
std::string lastMachineId;
Routes routes;

std::unique_ptr<Screen> lobbyScreen() { return routes.lobby ? routes.lobby() : nullptr; }
std::unique_ptr<Screen> cashierScreen() { return routes.cashier ? routes.cashier() : nullptr; }
std::unique_ptr<Screen> machineScreen(const std::string& id, float denomination) {
    return routes.machine ? routes.machine(id, denomination) : nullptr;
}

Screen::Screen() : hoverCounter(0), menuEnabled(false), hovered(nullptr) {}

Screen::~Screen() { clearButtons(); }

void Screen::init() {
    if (soundPlayer) soundPlayer->setAmbient(name);
    graphicsDir = "../gfx/" + name + "/";
    hoverCounter = 0;
    menuEnabled = true;
    next.reset();
    hovered = nullptr;
}

void Screen::handleEvent(const SDL_Event& event) {
    if (event.type != SDL_MOUSEBUTTONDOWN) return;
    if (event.button.button == SDL_BUTTON_RIGHT && menuEnabled) {
        if (routes.menu) routes.menu(this);
        return;
    }
    int mx = 0, my = 0;
    mousePosition(mx, my);
    if (Widget* control = buttonAt(mx, my)) handleButton(control);
}

void Screen::checkHover() {
    if (hoverCounter >= hoverCheckInterval) {
        hoverCounter = 0;
        int mx = 0, my = 0;
        mousePosition(mx, my);
        Widget* found = buttonAt(mx, my);
        if (found != hovered) setHovered(found);
    }
    ++hoverCounter;
}

void Screen::setHovered(Widget* control) {
    if (hovered) hovered->setState(-1);
    hovered = control;
    if (hovered) hovered->setState(1);
}

void Screen::showHelp() {}

void Screen::finishUnderWay() {}

void Screen::clearButtons() {
    hovered = nullptr;
    buttons.clear();
}

void Screen::deleteButton(Widget* control) {
    auto it = std::find_if(buttons.begin(), buttons.end(),
                           [control](const std::unique_ptr<Widget>& listed) { return listed.get() == control; });
    if (it == buttons.end()) return;
    forgetButton(control);
    buttons.erase(it);
}

void Screen::forgetButton(Widget* control) {
    if (control && hovered == control) hovered = nullptr;
}

Widget* Screen::buttonNamed(const std::string& wanted) {
    for (auto& control : buttons)
        if (control->name == wanted) return control.get();
    return nullptr;
}

Widget* Screen::buttonAt(int x, int y) { return findButtonAt(x, y, buttons); }
