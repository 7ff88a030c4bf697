#include "floor/cashier.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "floor/lobby.h"
#include "floor/registration_form.h"
#include "machine/denomination.h"
#include "player/config.h"
#include "player/keeping.h"
#include "player/money.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/util.h"
#include "shell/waiting.h"

const char* const cashierFont = "../fonts/cashname.ttf";
const double additionalFunds = 1000.0;
const double lowMoneyWarning = 50.0;
int Cashier::firstRunDelayMs = 6000;

FontPtr openCashierFont(int size) {
    noteAssetLoad(cashierFont);
    // The TrueType opener falls over on a file that isn't there: look first.
    SDL_RWops* probe = SDL_RWFromFile(cashierFont, "rb");
    if (!probe) {
        std::cout << "Couldn't Load" << cashierFont << std::endl;
        return nullptr;
    }
    SDL_RWclose(probe);
    return FontPtr(sge_TTF_OpenFont(cashierFont, size));
}

namespace {

int textWidth(sge_TTFont* font, int size, const std::string& s) {
    sge_TTF_SetFontSize(font, size);
    std::vector<char> buffer(s.begin(), s.end());
    buffer.push_back('\0');
    return sge_TTF_TextSize(font, buffer.data()).w;
}

}  // namespace

FittedText fitText(sge_TTFont* font, const std::string& text, int size, int smallest, int maxWidth, bool keepEnd) {
    FittedText out = {text, size};
    if (!font || text.empty()) return out;
    if (smallest > size) smallest = size;
    for (out.size = size; out.size > smallest; --out.size)
        if (textWidth(font, out.size, text) <= maxWidth) return out;
    if (textWidth(font, out.size, text) <= maxWidth) return out;
    // Still too wide at the smallest size: cut it down behind "...".
    for (size_t keep = text.size(); keep-- > 0;) {
        out.text = keepEnd ? "..." + text.substr(text.size() - keep) : text.substr(0, keep) + "...";
        if (textWidth(font, out.size, out.text) <= maxWidth) return out;
    }
    return out;
}

namespace {

struct Place {
    const char* name;
    int x, y, w, h;
};

// The desk's buttons, each with a normal and a mouse-over picture.
const Place deskButtons[] = {
    {"newplayer", 400, 310, 350, 40},
    {"delete", 400, 358, 350, 40},
    {"funds", 400, 406, 350, 40},
    {"soundon", 400, 454, 170, 40},
    {"soundoff", 580, 454, 170, 40},
    {"lobby", 400, 510, 350, 46},
    {"up", 45, 496, 140, 34},
    {"down", 195, 496, 140, 34},
};

const int nameRowX = 45, nameRowY = 150, nameRowW = 290, nameRowH = 38, nameRowStep = 42;
// The registration form opens over the account (x 380 to 770): the values
// lie wholly under it.
const int accountX = 610;      // where the account's values start
const int accountWidth = 148;  // room for them, up to the panel's frame
const int noticeX = 405, noticeWidth = 345;  // the line on what is not being kept
const int smallestText = 11;   // long names shrink down to this size, then are cut

// The registered names the desk can open: those that make a proper save-file name.
std::vector<std::string> listedPlayers() {
    std::vector<std::string> names;
    if (!config) return names;
    for (const std::string& n : config->players)
        if (isValidPlayerName(n)) names.push_back(n);
    return names;
}

std::string shownName(const std::string& playerName) {
    return firstNameOf(playerName) + " " + lastNameOf(playerName);
}

std::string dollars(double amount) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "$%.2f", amount);
    return buf;
}

// Draws a line of text, made to fit into maxWidth pixels.
void drawText(sge_TTFont* font, const std::string& s, int x, int y, int size, int maxWidth, Uint8 r, Uint8 g,
              Uint8 b) {
    if (!font || s.empty()) return;
    FittedText fitted = fitText(font, s, size, smallestText, maxWidth);
    sge_TTF_SetFontSize(font, fitted.size);
    TextLabel label(font, fitted.size, fitted.text, x, y, 1, r, g, b);
    label.draw();
}

}  // namespace

namespace cashierlayout {
SDL_Rect nameRow(int i) {
    SDL_Rect r = {static_cast<Sint16>(nameRowX), static_cast<Sint16>(nameRowY + i * nameRowStep),
                  static_cast<Uint16>(nameRowW), static_cast<Uint16>(nameRowH)};
    return r;
}
SDL_Rect control(const std::string& controlName) {
    for (const Place& p : deskButtons)
        if (controlName == p.name) {
            SDL_Rect r = {static_cast<Sint16>(p.x), static_cast<Sint16>(p.y), static_cast<Uint16>(p.w),
                          static_cast<Uint16>(p.h)};
            return r;
        }
    SDL_Rect none = {0, 0, 0, 0};
    return none;
}
}  // namespace cashierlayout

Cashier::Cashier() : listTop(0), formOffered(false) { init(); }

Cashier::~Cashier() {}

void Cashier::init() {
    name = "cashier";
    Screen::init();
    redraw();
    createButtons();
    if (config && config->firstTimeEver) {
        // The welcome plays out before the desk opens.
        modalPause(firstRunDelayMs);
    } else if (currentPlayer && currentPlayer->money < lowMoneyWarning && soundPlayer) {
        soundPlayer->play("lobyneed.wav");
    }
}

void Cashier::redraw() {
    Image back(graphicsDir + "back.png", false, false);
    if (back.loaded) back.blit(0, 0);

    std::vector<std::string> names = listedPlayers();
    int maxTop = std::max(0, static_cast<int>(names.size()) - visibleNames);
    listTop = std::min(std::max(listTop, 0), maxTop);

    FontPtr ownFont = openCashierFont(18);
    sge_TTFont* font = ownFont.get();
    for (int i = 0; i < visibleNames && listTop + i < static_cast<int>(names.size()); ++i) {
        const std::string& n = names[listTop + i];
        SDL_Rect row = cashierlayout::nameRow(i);
        if (currentPlayer && n == currentPlayer->name) {
            Image bar(graphicsDir + "namebar.png", false, false);
            if (bar.loaded) bar.blit(row.x, row.y);
        }
        drawText(font, shownName(n), row.x + 12, row.y + 26, 18, row.w - 24, 246, 236, 206);
    }
    if (currentPlayer) {
        drawText(font, shownName(currentPlayer->name), accountX, 160, 20, accountWidth, 250, 222, 120);
        drawText(font, dollars(currentPlayer->money), accountX, 204, 20, accountWidth, 250, 222, 120);
        drawText(font, longToString(wholeAmount(currentPlayer->vippoints)), accountX, 248, 20, accountWidth,
                 250, 222, 120);
    } else {
        drawText(font, "(nobody yet)", accountX, 160, 18, accountWidth, 246, 236, 206);
    }
    // Under the account, for as long as it lasts: what is not being kept.
    const bool progress = !keeping.isKept(KeptFile::Profile), settings = !keeping.isKept(KeptFile::Settings);
    shownKeeping = keeping.signText();
    if (progress || settings) {
        const std::string what = progress && settings ? "PROGRESS AND SETTINGS" : progress ? "PROGRESS" : "SETTINGS";
        drawText(font, what + " NOT SAVED", noticeX, 275, 16, noticeWidth, 255, 226, 80);
    }
    ownFont.reset();
    if (display) display->update();
}

void Cashier::createButtons() {
    int shown = std::min(visibleNames, static_cast<int>(listedPlayers().size()) - listTop);
    for (int i = 0; i < shown; ++i) {
        SDL_Rect r = cashierlayout::nameRow(i);
        add<Hotspot>("name" + intToString(i), r.x, r.y, r.w, r.h);
    }
    for (const Place& p : deskButtons) {
        add<Button>(p.name, graphicsDir, p.x, p.y, true, false, true)->setState(0);
    }
}

void Cashier::rebuild() {
    clearButtons();
    redraw();
    createButtons();
}

void Cashier::tick() {
    // The account panel follows what is kept.
    if (keeping.signText() != shownKeeping) rebuild();
    checkHover();
    if (!currentPlayer && !formOffered) {
        // Nobody to play as yet: the desk starts with the registration.
        formOffered = true;
        if (runRegistrationForm()) rebuild();
    }
}

void Cashier::checkHover() { Screen::checkHover(); }

void Cashier::setHovered(Widget* control) {
    if (hovered && hovered->kind == widgetButton) hovered->setState(0);
    hovered = control;
    if (hovered && hovered->kind == widgetButton) hovered->setState(1);
}

void Cashier::handleButton(Widget* control) {
    if (!menuEnabled || !control) return;
    const std::string& n = control->name;
    if (n.compare(0, 4, "name") == 0) {
        std::vector<std::string> names = listedPlayers();
        int index = listTop + std::atoi(n.c_str() + 4);
        if (index >= 0 && index < static_cast<int>(names.size())) switchToPlayer(names[index]);
    } else if (n == "up") {
        if (listTop > 0) {
            --listTop;
            rebuild();
        }
    } else if (n == "down") {
        if (listTop + visibleNames < static_cast<int>(listedPlayers().size())) {
            ++listTop;
            rebuild();
        }
    } else if (n == "newplayer") {
        if (runRegistrationForm()) rebuild();
    } else if (n == "delete") {
        deleteCurrentPlayer();
    } else if (n == "funds") {
        drawAdditionalFunds();
    } else if (n == "soundon") {
        ambientOn();
    } else if (n == "soundoff") {
        ambientOff();
    } else if (n == "lobby") {
        goToLobby();
    }
}

bool Cashier::runRegistrationForm() { return ::runRegistrationForm(); }

void Cashier::switchToPlayer(const std::string& playerName) {
    if (currentPlayer && currentPlayer->name == playerName) return;
    // The old profile is saved as it goes, while it is still the current one.
    currentPlayer.reset();
    currentPlayer = std::make_unique<Player>(playerName);
    // Clicks made while the profiles were written and read are not for
    // the desk that shows the new one.
    dropQueuedInput();
    if (config) config->firstTimeEver = false;
    rebuild();
}

void Cashier::deleteCurrentPlayer() {
    if (!currentPlayer) return;
    if (config) {
        auto& players = config->players;
        auto it = std::find(players.begin(), players.end(), currentPlayer->name);
        if (it != players.end()) players.erase(it);
    }
    // Saved once more as it goes; the save file stays on the disk.
    currentPlayer.reset();
    std::vector<std::string> names = listedPlayers();
    if (names.empty()) {
        // Nobody left: back to the state of the very first run.
        if (config) {
            config->firstTimeEver = true;
            config->lastPlayer.clear();
        }
        listTop = 0;
        rebuild();
        formOffered = true;
        if (runRegistrationForm()) rebuild();
        return;
    }
    currentPlayer = std::make_unique<Player>(names.front());
    dropQueuedInput();
    rebuild();
}

void Cashier::drawAdditionalFunds() {
    if (!currentPlayer) return;
    currentPlayer->money = (Money::dollars(currentPlayer->money) + Money::dollars(additionalFunds)).inDollars();
    // Kept at once: an abrupt end right after must not take the funds away.
    currentPlayer->saveNow();
    if (soundPlayer) soundPlayer->play("cashreg.wav");
    rebuild();
}

void Cashier::ambientOn() {
    if (!soundPlayer) return;
    soundPlayer->ambientEnabled = true;
    soundPlayer->setAmbient(name);
}

void Cashier::ambientOff() {
    if (soundPlayer) soundPlayer->ambientOff();
}

void Cashier::goToLobby() {
    if (!currentPlayer) {
        // The floor opens only to a registered player.
        if (!runRegistrationForm()) return;
        rebuild();
    }
    if (currentPlayer->firsttime) {
        if (soundPlayer) soundPlayer->ambientEnabled = true;
        currentPlayer->firsttime = false;
    }
    if (!next) next = std::make_unique<Lobby>();
}
