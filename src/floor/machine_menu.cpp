#include "floor/machine_menu.h"

#include <cstdlib>
#include <string>

#include "machine/denomination.h"
#include "player/machine_table.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/routes.h"
#include "shell/screen.h"
#include "shell/sound.h"
#include "shell/waiting.h"

namespace machinemenu {

const MachineCategory categories[4] = {MachineCategory::ThreeReel, MachineCategory::Video, MachineCategory::Poker,
                                       MachineCategory::Specialty};
int lastDenominationTab = -1;  // -1: the 1.0 tab
int lastCategoryTab = 0;

namespace {
const int buttonW = 120, buttonH = 18;

SDL_Rect rect(int x, int y, int w, int h) {
    SDL_Rect r = {static_cast<Sint16>(x), static_cast<Sint16>(y), static_cast<Uint16>(w), static_cast<Uint16>(h)};
    return r;
}
}  // namespace

const char* categoryStem(MachineCategory category) {
    switch (category) {
    case MachineCategory::ThreeReel: return "threereel";
    case MachineCategory::Video: return "video";
    case MachineCategory::Poker: return "poker";
    case MachineCategory::Specialty: return "specialty";
    }
    return "threereel";
}

std::vector<const MachineInfo*> machinesIn(MachineCategory category) {
    std::vector<const MachineInfo*> out;
    for (const MachineInfo& m : machineTable())
        if (m.category == category) out.push_back(&m);
    return out;
}

SDL_Rect panelRect() { return rect(panelX, panelY, panelW, panelH); }
SDL_Rect denominationTabRect(int i) { return rect(panelX + 10 + i * 58, panelY + 48, 56, 30); }
SDL_Rect categoryTabRect(int i) { return rect(panelX + 10 + i * 146, panelY + 86, 140, 30); }
// Three columns of ten.
SDL_Rect machineButtonRect(int i) {
    return rect(panelX + 40 + (i / 10) * 190, panelY + 132 + (i % 10) * 34, buttonW, buttonH);
}

bool playableAt(const MachineInfo& machine, float value) {
    return findDenomination(value, machine.id) != nullptr;
}

}  // namespace machinemenu

namespace {

using namespace machinemenu;

// The index of the 1.0 record, where the menu first opens.
int unitTab() {
    for (size_t i = 0; i < denominationTable.size(); ++i)
        if (denominationTable[i]->value == 1.0f) return static_cast<int>(i);
    return 0;
}

// The tab's picture stem: the badge name without ".png" ("5_cent", "1", "1000").
std::string denominationStem(const Denomination& d) {
    std::string s = d.picture;
    size_t dot = s.rfind(".png");
    return dot == std::string::npos ? s : s.substr(0, dot);
}

// A tab: its everyday picture, or the lit one for the chosen tab.
void drawTab(const std::string& stem, bool chosen, const SDL_Rect& r) {
    Image tab("../gfx/menu/" + stem + (chosen ? "_mo.png" : ".png"), false, false);
    if (tab.loaded) tab.blit(r.x, r.y);
}

class Menu {
public:
    explicit Menu(Screen* owner) : screen(owner), hovered(nullptr), started(false) {
        int count = static_cast<int>(denominationTable.size());
        denomTab = lastDenominationTab >= 0 && lastDenominationTab < count ? lastDenominationTab : unitTab();
        categoryTab = lastCategoryTab >= 0 && lastCategoryTab < 4 ? lastCategoryTab : 0;
    }
    ~Menu() { freeControls(); }

    void run();

private:
    void freeControls() {
        controls.clear();
        machineButtons.clear();
        hovered = nullptr;
    }
    void build();
    void hover(int x, int y);
    // True when the menu closes.
    bool press(int x, int y);

    Screen* screen;  // the screen the menu opened over, not owned
    int denomTab, categoryTab;
    std::vector<std::unique_ptr<Widget>> controls;  // tabs first, then the machine buttons
    std::vector<MenuButton*> machineButtons;        // into `controls`
    std::vector<const MachineInfo*> listed;
    MenuButton* hovered;
    bool started;  // a machine was chosen and created
};

void Menu::build() {
    freeControls();
    Image panel("../gfx/menu/panel.png", false, false);
    if (panel.loaded) panel.blit(panelX, panelY);

    for (size_t i = 0; i < denominationTable.size(); ++i) {
        SDL_Rect r = denominationTabRect(static_cast<int>(i));
        drawTab("tab_" + denominationStem(*denominationTable[i]), static_cast<int>(i) == denomTab, r);
        controls.push_back(std::make_unique<Hotspot>("denom" + std::to_string(i), r.x, r.y, r.w, r.h));
    }
    for (int i = 0; i < 4; ++i) {
        SDL_Rect r = categoryTabRect(i);
        drawTab(std::string("tab_") + categoryStem(categories[i]), i == categoryTab, r);
        controls.push_back(std::make_unique<Hotspot>("category" + std::to_string(i), r.x, r.y, r.w, r.h));
    }

    float value = denominationTable.empty() ? 1.0f : denominationTable[denomTab]->value;
    listed = machinesIn(categories[categoryTab]);
    for (size_t i = 0; i < listed.size(); ++i) {
        SDL_Rect r = machineButtonRect(static_cast<int>(i));
        Image look(std::string("../gfx/menu/") + listed[i]->id + ".png", false, false);
        if (look.loaded) look.blit(r.x, r.y);
        auto b = std::make_unique<MenuButton>(listed[i]->id, r.x, r.y);
        b->setState(playableAt(*listed[i], value) ? -1 : 5);
        machineButtons.push_back(b.get());
        controls.push_back(std::move(b));
    }
    display->update();
}

void Menu::hover(int x, int y) {
    MenuButton* found = nullptr;
    for (MenuButton* b : machineButtons)
        if (b->enabled && b->contains(x, y)) found = b;
    if (found == hovered) return;
    if (hovered) hovered->setState(-1);
    hovered = found;
    if (hovered) hovered->setState(1);
}

bool Menu::press(int x, int y) {
    Widget* hit = Screen::findButtonAt(x, y, controls);
    if (!hit) return true;  // a press on no button closes the menu
    if (hit->kind == widgetHotspot) {
        int index = std::atoi(hit->name.c_str() + (hit->name[0] == 'd' ? 5 : 8));
        if (hit->name[0] == 'd') {
            if (index == denomTab) return false;
            denomTab = lastDenominationTab = index;
        } else {
            if (index == categoryTab) return false;
            categoryTab = lastCategoryTab = index;
        }
        if (soundPlayer) soundPlayer->play("menuclick.wav");
        build();
        return false;
    }
    MenuButton* chosen = static_cast<MenuButton*>(hit);
    if (!chosen->enabled) return false;
    float value = denominationTable[denomTab]->value;
    // The chosen machine draws itself over everything: the kept screen is not needed.
    display->freeSavedScreen();
    std::unique_ptr<Screen> machine = machineScreen(chosen->name, value);
    if (!machine) {
        // Should the game build no machine for the button, the screen
        // draws itself again.
        screen->redraw();
        display->update();
        return true;
    }
    screen->next = std::move(machine);
    started = true;
    return true;
}

void Menu::run() {
    display->saveScreen();
    build();
    bool closing = false;
    while (!closing && !quitRequested()) {
        SDL_Event event;
        if (!waitModalEvent(event)) {
            if (soundPlayer) soundPlayer->update();
            continue;
        }
        if (event.type == SDL_MOUSEMOTION) {
            hover(event.motion.x, event.motion.y);
        } else if (event.type == SDL_MOUSEBUTTONDOWN && event.button.button <= SDL_BUTTON_RIGHT) {
            closing = press(event.button.x, event.button.y);
        }
    }
    freeControls();
    if (!started) {
        display->restoreScreen();
        display->update();
    }
}

}  // namespace

void showMachineMenu(Screen* screen) {
    // No machine is reached before somebody has registered.
    if (!screen || !screen->menuEnabled || !currentPlayer || !display || !display->screen) return;
    if (denominationTable.empty()) return;
    Menu menu(screen);
    menu.run();
}
