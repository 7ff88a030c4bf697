#include "player/trophy_room.h"

#include <SDL.h>

#include "player/player.h"
#include "shell/app.h"
#include "shell/clock.h"
#include "shell/controls.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/routes.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/util.h"
#include "shell/waiting.h"

const std::vector<std::string> prizeIds = {
    "keychain", "mug",      "dartboard", "clock",    "lamp",  "bsktball",  "archery", "sunglasses",
    "fishrod",  "deerhead", "stereo",    "canoe",    "camera", "golfclubs", "videocam", "guitar",
    "pooltable", "piano",   "paris",     "art",      "moonrock", "coins",   "truck",   "car",
    "plane",    "house",    "yacht",     "island",   "copter"};

const int prizePrices[prizeCount] = {10,     100,    150,    250,    400,     600,     1000,    1400,
                                     2500,   4000,   4900,   5500,   6600,    9000,    12000,   18000,
                                     40000,  60000,  90000,  106000, 114000,  160000,  180000,  240000,
                                     400000, 800000, 1600000, 10000000, 20000000};

const int prizeIconY[prizeCount] = {9,   28,  48,  69,  88,  108, 128, 148, 168, 188, 208, 228, 248, 268, 288,
                                    308, 328, 348, 368, 388, 408, 429, 449, 469, 489, 509, 529, 549, 569};

const char* const carPrizeId = "prgrssvcar";

namespace {

const char* const cashFont = "../fonts/cashname.ttf";
const int prizeButtonX = 9;
const int shelfPlaces = 8;
const int shelfX[shelfPlaces] = {534, 661, 534, 661, 534, 661, 534, 661};
const int shelfY[shelfPlaces] = {158, 158, 256, 256, 355, 355, 451, 451};

bool isShelfName(const std::string& name) { return name.find("small") != std::string::npos; }

bool owns(const std::string& id) {
    if (!currentPlayer) return false;
    for (const std::string& owned : currentPlayer->trophies)
        if (owned == id) return true;
    return false;
}

double vipPoints() { return currentPlayer ? currentPlayer->vippoints : 0.0; }

// VIP points are shown as a whole number, the fraction dropped.
std::string vipPointsText() { return longToString(wholeAmount(vipPoints())); }

// Draws a picture of the room's folder at (x, y) when it loads.
void drawPicture(const std::string& file, int x, int y) {
    Image picture(file, false, true);
    if (picture.loaded) picture.blit(x, y);
}

}  // namespace

int prizeIndex(const std::string& id) {
    for (int i = 0; i < prizeCount; ++i)
        if (prizeIds[i] == id) return i;
    return -1;
}

TrophyRoom::TrophyRoom() : shelfOffset(0) { init(); }

TrophyRoom::~TrophyRoom() = default;

void TrophyRoom::init() {
    shelfOffset = 0;
    name = "trophy";
    Screen::init();
    redraw();
    // The two texts' boxes overlap a little: the price is made after the VIP
    // points are on the screen, so what it saves under itself is up to date.
    vipText = std::make_unique<TextLabel>(cashFont, 20, vipPointsText(), 437, 35, 5, 255, 255, 255, 0);
    vipText->draw();
    priceText = std::make_unique<TextLabel>(cashFont, 20, "0", 437, 73, 5, 255, 255, 255, 0);
    priceText->draw();
    createButtons();
}

void TrophyRoom::redraw() {
    drawPicture(graphicsDir + "back.png", 0, 0);
    if (currentPlayer && !currentPlayer->trophies.empty()) {
        const std::string& first = currentPlayer->trophies.front();
        drawPicture(graphicsDir + first + "_big.png", 185, 272);
        drawPicture(graphicsDir + first + "_description.png", 536, 13);
    }
    if (display) display->update();
}

void TrophyRoom::createButtons() {
    // Which prizes are on offer is decided once, as the room opens.
    double points = vipPoints();
    for (int i = 0; i < prizeCount; ++i) {
        if (prizePrices[i] > points) continue;
        add<Button>(prizeIds[i], graphicsDir, prizeButtonX, prizeIconY[i], true, false, true, false, true)->setState(0);
    }
    createShelf();
    add<Button>("up", graphicsDir, 573, 549, false, true, false, false, true);
    add<Button>("down", graphicsDir, 699, 549, false, true, false, false, true);
    add<Hotspot>("lobby", 627, 556, 65, 28);
}

void TrophyRoom::createShelf() {
    if (!currentPlayer) return;
    int owned = static_cast<int>(currentPlayer->trophies.size());
    if (owned == 0) return;
    int end = shelfOffset + shelfPlaces < owned ? shelfOffset + shelfPlaces : owned;
    for (int i = shelfOffset; i < end; ++i) addShelfIcon(currentPlayer->trophies[i], i - shelfOffset);
    if (display) display->update();
}

void TrophyRoom::removeShelf() {
    // Walk a copy: deleteButton takes each one out of the list (and forgets
    // it when it is the hovered control).
    std::vector<Widget*> controls;
    for (auto& control : buttons) controls.push_back(control.get());
    for (Widget* control : controls) {
        if (!isShelfName(control->name)) continue;
        control->restoreBackground();
        deleteButton(control);
    }
}

void TrophyRoom::addShelfIcon(const std::string& id, int place) {
    if (place < 0 || place >= shelfPlaces) return;
    add<Button>(id + "small", graphicsDir, shelfX[place], shelfY[place], true, false, false, false, true)->setState(0);
}

void TrophyRoom::tick() { checkHover(); }

void TrophyRoom::checkHover() { Screen::checkHover(); }

void TrophyRoom::setHovered(Widget* control) {
    if (hovered && !isShelfName(hovered->name)) hovered->setState(0);
    if (control && !isShelfName(control->name)) control->setState(1);
    hovered = control;
}

void TrophyRoom::handleButton(Widget* control) {
    if (!control) return;
    if (soundPlayer) soundPlayer->play("click3.wav", false);
    // A copy: rebuilding the shelf deletes shelf controls.
    const std::string which = control->name;
    int owned = currentPlayer ? static_cast<int>(currentPlayer->trophies.size()) : 0;

    if (which == "lobby") {
        next = lobbyScreen();
    } else if (which == "up") {
        control->setState(2);
        if (shelfOffset > 0) {
            shelfOffset -= 2;
            removeShelf();
            createShelf();
        }
        control->setState(4);
    } else if (which == "down") {
        control->setState(2);
        if (shelfOffset + shelfPlaces < owned) {
            shelfOffset += 2;
            removeShelf();
            createShelf();
        }
        control->setState(4);
    } else if (isShelfName(which)) {
        std::string id = which.substr(0, which.find("small"));
        drawPicture(graphicsDir + id + "_big.png", 185, 272);
        drawPicture(graphicsDir + id + "_description.png", 536, 13);
        if (display) display->update();
    } else if (!owns(which)) {
        runPurchaseDialogue(which);
    }
}

void TrophyRoom::runPurchaseDialogue(const std::string& id) {
    int index = prizeIndex(id);
    if (index < 0) return;
    int price = prizePrices[index];

    priceText->setText(longToString(price));
    priceText->draw();
    drawPicture(graphicsDir + id + "_description.png", 536, 13);

    Sprite panel(graphicsDir + "purchase.png", false, true, 177, 81);
    panel.draw();
    std::vector<std::unique_ptr<Widget>> choices;
    choices.push_back(std::make_unique<Button>("yes", graphicsDir, 384, 86, false, false, true, false, false));
    choices.push_back(std::make_unique<Button>("no", graphicsDir, 442, 86, false, false, true, false, false));
    if (display) display->update();

    Widget* lit = nullptr;
    bool pressed = false;
    while (!pressed) {
        SDL_Event event;
        if (waitModalEvent(event)) {
            // Only a mouse press closes the panel; everything else is dropped.
            if (event.type == SDL_MOUSEBUTTONDOWN) pressed = true;
            continue;
        }
        // The window was closed: leave the panel without buying; the game
        // ends once the room is back.
        if (quitRequested()) break;
        // Nothing waiting (after a short rest): a look at the mouse.
        Widget* under = controlUnderPointer(choices);
        if (under != lit) {
            if (lit) lit->setState(-1);
            if (under) under->setState(1);
            lit = under;
        }
        if (display) display->update();
    }

    if (pressed) {
        Widget* choice = controlUnderPointer(choices);
        if (choice && choice->name == "yes" && currentPlayer && currentPlayer->vippoints >= price) {
            // The price and the prize change hands together and are written
            // before anything is drawn: no moment holds one without the other.
            currentPlayer->vippoints -= price;
            currentPlayer->trophies.push_back(id);
            currentPlayer->saveNow();
            // Then the screen: the price comes off first (the background
            // it saved shows the points as they stood), then the points
            // and the price are drawn anew.
            priceText->setText("");
            vipText->setText(vipPointsText());
            vipText->draw();
            priceText->setText("0");
            priceText->draw();
            removeShelf();
            createShelf();
            if (display) display->update();
        }
    }

    panel.restoreBackground();
    if (display) display->update();
}

void TrophyRoom::showHelp() {}
