#include "shell/screen.h"

#include <algorithm>

#include "shell/routes.h"
#include "shell/sound.h"

const int hoverCheckInterval = 50;
std::string lastMachineId;
Routes routes;

Screen* lobbyScreen() { return routes.lobby ? routes.lobby() : nullptr; }
Screen* cashierScreen() { return routes.cashier ? routes.cashier() : nullptr; }
Screen* machineScreen(const std::string& id, float denomination) {
    return routes.machine ? routes.machine(id, denomination) : nullptr;
}

Screen::Screen() : hoverCounter(0), menuEnabled(false), hovered(nullptr), next(nullptr) {}

Screen::~Screen() { clearButtons(); }

void Screen::init() {
    if (soundPlayer) soundPlayer->setAmbient(name);
    graphicsDir = "../gfx/" + name + "/";
    hoverCounter = 0;
    menuEnabled = true;
    next = nullptr;
    hovered = nullptr;
}

void Screen::handleEvent(const SDL_Event& event) {
    if (event.type != SDL_MOUSEBUTTONDOWN) return;
    if (event.button.button == SDL_BUTTON_RIGHT && menuEnabled) {
        if (routes.menu) routes.menu(this);
        return;
    }
    int mx = 0, my = 0;
    SDL_GetMouseState(&mx, &my);
    if (Widget* control = buttonAt(mx, my)) handleButton(control);
}

void Screen::checkHover() {
    if (hoverCounter >= hoverCheckInterval) {
        hoverCounter = 0;
        int mx = 0, my = 0;
        SDL_GetMouseState(&mx, &my);
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

void Screen::clearButtons() {
    for (Widget* control : buttons) delete control;
    buttons.clear();
    hovered = nullptr;
}

void Screen::deleteButton(Widget* control) {
    auto it = std::find(buttons.begin(), buttons.end(), control);
    if (it == buttons.end()) return;
    forgetButton(control);
    buttons.erase(it);
    delete control;
}

void Screen::forgetButton(Widget* control) {
    if (control && hovered == control) hovered = nullptr;
}

void Screen::addButton(Widget* control) {
    if (control) buttons.push_back(control);
}

Widget* Screen::buttonNamed(const std::string& wanted) {
    for (Widget* control : buttons)
        if (control->name == wanted) return control;
    return nullptr;
}

Widget* Screen::buttonAt(int x, int y) { return findButtonAt(x, y, buttons); }

Widget* Screen::findButtonAt(int x, int y, const std::vector<Widget*>& list) {
    for (Widget* control : list)
        if (control->contains(x, y)) return control;
    return nullptr;
}
