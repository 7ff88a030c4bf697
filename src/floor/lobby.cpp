#include "floor/lobby.h"

#include "player/keeping.h"
#include "player/machine_table.h"
#include "player/player.h"
#include "player/stats_screen.h"
#include "player/trophy_room.h"
#include "shell/animation.h"
#include "shell/app.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/led_sign.h"
#include "shell/routes.h"
#include "shell/sound.h"
#include "shell/waiting.h"

const int lobbySignX = 100, lobbySignY = 70, lobbySignWidth = 600, lobbySignHeight = 27;

namespace {

// The floor: five rows of ten cabinets, the three-reel slots first, then the
// video slots, the poker machines and the derby, each group in table order.
const int spotLeft = 14, spotTop = 112, spotStepX = 78, spotStepY = 88, spotW = 72, spotH = 82;

struct Door {
    const char* name;
    int x, y, w, h;
};
// The doors along the bottom, each with a normal and a mouse-over picture.
const Door doors[] = {
    {"stats", 20, 554, 180, 40},
    {"trophy", 220, 554, 180, 40},
    {"exit", 680, 554, 100, 40},
};

struct HelpPage {
    const char* file;
    int x, y;
};
const HelpPage helpPages[] = {
    {"lobby_1.png", lobbyHelpX, lobbyHelpY},
    {"lobby_2.png", lobbyHelpX, lobbyHelpY},
};

std::vector<LobbySpot> buildSpots() {
    std::vector<LobbySpot> spots;
    const MachineCategory order[] = {MachineCategory::ThreeReel, MachineCategory::Video, MachineCategory::Poker,
                                     MachineCategory::Specialty};
    for (MachineCategory c : order)
        for (const MachineInfo& m : machineTable())
            if (m.category == c) {
                int i = static_cast<int>(spots.size());
                spots.push_back({m.id, spotLeft + (i % 10) * spotStepX, spotTop + (i / 10) * spotStepY, spotW, spotH});
            }
    return spots;
}

// Waits for a key or mouse-button press (or a closed window); false when the window was closed.
bool waitForPress() {
    while (!quitRequested()) {
        SDL_Event event;
        if (!waitModalEvent(event)) continue;
        if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_KEYDOWN) return true;
    }
    return false;
}

}  // namespace

const std::vector<LobbySpot>& lobbySpots() {
    static const std::vector<LobbySpot> spots = buildSpots();
    return spots;
}

std::string lobbySignText() {
    // While progress or settings are not kept, the board says so first.
    const std::string warning = keeping.signText();
    std::string welcome = warning.empty() ? "" : warning + "  -  ASK THE CASHIER WHY      ";
    welcome += "Welcome to Corvalo Casino";
    if (currentPlayer) welcome += ", " + firstNameOf(currentPlayer->name);
    return welcome + "!      Seafood Buffet only $9.95!      Visit the gift shop today!      "
                     "Right-click anywhere for the machine menu.      ";
}

Lobby::Lobby() { init(); }

Lobby::~Lobby() = default;

void Lobby::makeSign() {
    sign = std::make_unique<LedSign>("../fonts/ledfont.def", lobbySignText(), 30, lobbySignX, lobbySignY,
                                     lobbySignWidth, lobbySignHeight, 255, 40, 20, 60, 10, 8);
    sign->step();
}

void Lobby::init() {
    name = "lobby";
    Screen::init();
    redraw();
    createButtons();
    makeSign();
    lights = std::make_unique<Animation>(graphicsDir, "lights", 2, 3, 190, 6, animLoop, false, false);
    lights->update(true);
    if (display) display->update();
    if (currentPlayer && currentPlayer->firsttimelobby) {
        showHelp();
        currentPlayer->firsttimelobby = false;
    }
}

void Lobby::redraw() {
    Image back(graphicsDir + "back.png", false, false);
    if (back.loaded) back.blit(0, 0);
    if (display) display->update();
}

void Lobby::createButtons() {
    for (const LobbySpot& s : lobbySpots()) add<Hotspot>(s.id, s.x, s.y, s.width, s.height);
    for (const Door& d : doors) {
        add<Button>(d.name, graphicsDir, d.x, d.y, true, false, true)->setState(0);
    }
}

void Lobby::tick() {
    // A save that failed (or worked again) while the lobby is up changes the board at once.
    if (sign && sign->text != lobbySignText()) makeSign();
    if (sign) sign->step();
    if (lights) lights->update(false);
    checkHover();
}

void Lobby::checkHover() { Screen::checkHover(); }

// The doors light up under the mouse; the cabinets have no look of their own.
void Lobby::setHovered(Widget* control) {
    if (hovered && hovered->kind == widgetButton) hovered->setState(0);
    hovered = control;
    if (hovered && hovered->kind == widgetButton) hovered->setState(1);
}

void Lobby::handleButton(Widget* control) {
    // Once a successor is named, further clicks of the same frame change nothing.
    if (!menuEnabled || !control || next) return;
    const std::string& n = control->name;
    if (n == "exit") {
        if (theApp) theApp->quit = 1;
    } else if (n == "stats") {
        if (currentPlayer) next = std::make_unique<StatsScreen>();
    } else if (n == "trophy") {
        if (currentPlayer) next = std::make_unique<TrophyRoom>();
    } else if (currentPlayer && findMachine(n)) {
        next = machineScreen(n, 1.0f);
    }
}

void Lobby::showHelp() {
    if (!display) return;
    display->saveScreen();
    const int pages = static_cast<int>(sizeof helpPages / sizeof helpPages[0]);
    for (int i = 0; i < pages; ++i) {
        {
            Image page(std::string("../gfx/help/") + helpPages[i].file, false, true);
            if (page.loaded) page.blit(helpPages[i].x, helpPages[i].y);
        }
        display->update();
        if (!waitForPress()) break;
        if (i + 1 < pages) display->drawSavedScreen();
    }
    display->restoreScreen();
    display->update();
}
