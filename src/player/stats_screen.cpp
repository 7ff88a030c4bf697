#include "player/stats_screen.h"

#include <SDL.h>
#include <sge.h>

#include <cstdio>

#include "player/machine_table.h"
#include "player/player.h"
#include "shell/app.h"
#include "shell/asset_log.h"
#include "shell/controls.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/routes.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/util.h"

namespace {

const char* const statsFontFile = "../fonts/stats3.ttf";

// The icons stand in two columns of 25; the rows are not evenly spaced.
const int iconRowY[25] = {61,  80,  100, 119, 139, 158, 178, 197, 216, 236, 256, 275, 295,
                          314, 333, 352, 372, 390, 411, 430, 450, 469, 487, 508, 527};
const int leftColumnX = 558;
const int rightColumnX = 683;
const char* const leftColumn[25] = {
    "wildapple",  "wildsourapple", "holeinone",   "baja7s",        "mountainclimber",
    "egyptsprize", "bitsnbytes",   "crazydice",   "blackjack",     "zookeeper",
    "magic",       "wheelofcash",  "balloonblitz", "patriotspinforcash", "doubledicespinforcash",
    "demoderby",   "spinforcash",  "10sorbetter", "doubleupbonus", "jacksorbetter",
    "4ofakind",    "doublepremium", "allwild",    "deuceswild",    "jokerswild"};
const char* const rightColumn[25] = {
    "5x",          "10x",          "doubledice",       "doubledicedeluxe", "tripledice",
    "tripledicedeluxe", "doubletriple", "crazy8s",     "balloonmania",     "mardigras",
    "shortcircuit", "gettinhot",   "doubledoubledice", "tripletriple",     "deepsea",
    "cursed",      "5linedouble",  "5linetriple",      "dragonspin",       "patriotgames",
    "patriotwilddeluxe", "patriotwild", "super7s",     "gloamerhouse",     "cashcow"};

// Where a machine's icon stands on the screen; false for an id not in the layout.
bool iconPlace(const std::string& id, int& x, int& y) {
    for (int row = 0; row < 25; ++row) {
        if (id == leftColumn[row]) {
            x = leftColumnX;
            y = iconRowY[row];
            return true;
        }
        if (id == rightColumn[row]) {
            x = rightColumnX;
            y = iconRowY[row];
            return true;
        }
    }
    return false;
}

// Two counters of up to INT_MAX each: their sum needs more than an int.
long long spinsOf(const MachineStats& s) { return static_cast<long long>(s.spinswon) + s.spinslost; }

std::string percentOfSpins(int part, const MachineStats& s) {
    long long spins = spinsOf(s);
    float q = 0.0f;
    // In single precision throughout, as the page has always shown it: 21 of
    // 23 reads 91.3044%, one more in the last digit than the exact share.
    if (spins > 0) q = static_cast<float>(part) / static_cast<float>(spins) * 100.0f;
    return floatToString(q) + "%";
}

std::string twoDigits(int value) {
    std::string text = longToString(value);
    if (value <= 9) text = "0" + text;
    return text;
}

}  // namespace

// ---------------------------------------------------------------- figures

std::string statTotalSpinsText(const MachineStats& s) { return longToString(static_cast<long>(spinsOf(s))); }

std::string statTotalBetText(const MachineStats& s) { return "$" + doubleToString(s.totalloss.inDollars()); }

std::string statAverageBetText(const MachineStats& s) {
    long long spins = spinsOf(s);
    float a = 0.0f;
    if (spins > 0) a = static_cast<float>(s.totalloss.inDollars()) / static_cast<float>(spins);
    return "$" + floatToString(a);
}

std::string statWonLossText(const MachineStats& s) {
    return "$" + floatToString(static_cast<float>((s.totalwon - s.totalloss).inDollars()));
}

std::string statReturnPercentText(const MachineStats& s) {
    float r = 0.0f;
    if (s.totalloss > Money()) {
        float won = static_cast<float>(s.totalwon.inDollars());
        float quotient = static_cast<float>(won / s.totalloss.inDollars());
        r = static_cast<float>(quotient * 100);
    }
    return floatToString(r) + "%";
}

std::string statPerHourText(const MachineStats& s) {
    double net = (s.totalwon - s.totalloss).inDollars();
    double v = 0.0;
    if (s.hours > 0)
        v = net / s.hours;
    else if (s.minutes > 0)
        v = net / s.minutes * 60.0;
    return "$" + doubleToString(v);
}

std::string statSpinsWonText(const MachineStats& s) { return longToString(s.spinswon); }
std::string statSpinsLostText(const MachineStats& s) { return longToString(s.spinslost); }
std::string statPercentWonText(const MachineStats& s) { return percentOfSpins(s.spinswon, s); }
std::string statPercentLostText(const MachineStats& s) { return percentOfSpins(s.spinslost, s); }
std::string statWinningStreakText(const MachineStats& s) { return longToString(s.winningstreak); }
std::string statLosingStreakText(const MachineStats& s) { return longToString(s.losingstreak); }
// The largest win is kept in coins; the page shows the coin count as it is.
std::string statLargestWinText(const MachineStats& s) { return "$" + longToString(s.largestsinglewin); }
std::string statHighPaysText(const MachineStats& s) { return longToString(s.numberofhighpays); }
std::string statLowPaysText(const MachineStats& s) { return longToString(s.numberoflowpays); }

std::string statTimePlayedText(const MachineStats& s) {
    return twoDigits(s.hours) + ":" + twoDigits(s.minutes) + ":00";
}

std::vector<StatsPageText> statsPageTexts(const MachineStats* s) {
    std::vector<StatsPageText> page;
    auto add = [&page](const std::string& text, int x, int y, int size) { page.push_back({text, x, y, size}); };

    add("Win/Loss Stats", 195, 126, 15);
    add("Game Stats", 206, 252, 15);
    add("Time Played", 168, 457, 15);
    if (s) add(statTimePlayedText(*s), 317, 457, 15);

    struct Row {
        const char* label;
        int y;
        std::string (*value)(const MachineStats&);
        int valueX;
    };
    static const Row rows[] = {
        {"Total Number of Bets:", 148, statTotalSpinsText, 390},
        {"Total Money Bet:", 163, statTotalBetText, 380},
        {"Average Bet:", 181, statAverageBetText, 380},
        {"Total Won/Loss:", 196, statWonLossText, 380},
        {"Return %:", 214, statReturnPercentText, 390},
        {"Average Won/Loss(per hour):", 230, statPerHourText, 380},
        {"Total Spins:", 271, statTotalSpinsText, 390},
        {"Spins Won:", 288, statSpinsWonText, 390},
        {"Spins Lost:", 306, statSpinsLostText, 390},
        {"% Spins Won:", 322, statPercentWonText, 390},
        {"% Spins Lost:", 340, statPercentLostText, 390},
        {"Winning Streak:", 354, statWinningStreakText, 390},
        {"Losing Streak:", 372, statLosingStreakText, 390},
        {"Largest Single Win:", 389, statLargestWinText, 380},
        {"# High Pays (20 coins or more):", 411, statHighPaysText, 390},
        {"# Low Pays (19 coins or less):", 431, statLowPaysText, 390},
    };
    for (const Row& row : rows) add(row.label, 97, row.y, 12);
    // Without a record the labels stand alone: there is nothing to read.
    if (s)
        for (const Row& row : rows) add(row.value(*s), row.valueX, row.y, 12);
    return page;
}

// ---------------------------------------------------------------- screen

StatsScreen::StatsScreen() { init(); }

StatsScreen::~StatsScreen() = default;

void StatsScreen::init() {
    name = "stats";
    Screen::init();
    redraw();

    noteAssetLoad(statsFontFile);
    // The TrueType opener falls over on a file that isn't there: look first.
    if (SDL_RWops* probe = SDL_RWFromFile(statsFontFile, "rb")) {
        SDL_RWclose(probe);
        font.reset(sge_TTF_OpenFont(statsFontFile, 50));
    }
    if (!font) {
        std::fprintf(stderr, "TT error: %s\n", SDL_GetError());
        // The game cannot go on without this screen's font, but the
        // player's session is written before the process ends.
        exitAfterSaving(1);
    }

    createButtons();
    fillTitles();
    if (!lastMachineId.empty()) showMachine(lastMachineId);
}

void StatsScreen::redraw() {
    if (display && display->screen) sge_FilledRect(display->screen, 0, 0, 800, 600, 0, 0, 0);
    {
        Image back(graphicsDir + "back.png", false, true);
        // The picture starts under a black band across the top of the screen.
        if (back.loaded) back.blit(0, 46);
    }
    if (display) display->update();
}

void StatsScreen::createButtons() {
    add<Button>("lobby", graphicsDir, 43, 493, false, true, false, false, true);
    add<Button>("previous", graphicsDir, 353, 493, false, true, false, false, true);
    add<Button>("next", graphicsDir, 408, 493, false, true, false, false, true);
    for (const MachineInfo& machine : machineTable()) {
        int x = 0, y = 0;
        if (!iconPlace(machine.id, x, y)) {
            std::printf("No stats icon place for %s\n", machine.id);
            continue;
        }
        add<Button>(machine.id, "../gfx/menu/", x, y, false, false, true, false, false);
    }
}

void StatsScreen::fillTitles() {
    for (const MachineInfo& machine : machineTable()) titles.push_back(machine.title);
}

void StatsScreen::showMachine(std::string id) {
    machineId = id;
    drawPage();
    int p = buttonIndex(id);
    if (p != 0 && p - statsFirstIcon >= 0 && p - statsFirstIcon < static_cast<int>(titles.size())) {
        TextLabel title(statsFontFile, 20, titles[p - statsFirstIcon], 277, 89, 4, 0, 0, 0, 0);
        title.draw();
    }
}

void StatsScreen::drawPage() {
    if (!display || !display->screen) return;
    SDL_Surface* surface = display->screen;
    sge_FilledRect(surface, 28, 61, 519, 469, 255, 255, 255);

    MachineStats* record = currentPlayer ? currentPlayer->findStats(machineId) : nullptr;
    if (!font) return;
    int size = 0;
    for (const StatsPageText& text : statsPageTexts(record)) {
        if (text.pointSize != size) {
            size = text.pointSize;
            sge_TTF_SetFontSize(font.get(), size);
        }
        // Black on the white panel, solid (the renderer's last argument is opacity).
        sge_tt_textout(surface, font.get(), text.text.c_str(), text.x, text.y, 0, 0, 0, 255, 255, 255, SDL_ALPHA_OPAQUE);
    }
}

int StatsScreen::buttonIndex(const std::string& controlName) {
    for (size_t i = 0; i < buttons.size(); ++i)
        if (buttons[i]->name == controlName) return static_cast<int>(i);
    return 0;
}

std::string StatsScreen::nextMachine() {
    int p = buttonIndex(machineId);
    if (p < statsFirstIcon) return "";  // no machine page on the screen
    int last = static_cast<int>(buttons.size()) - 1;
    if (p >= last) return buttons[statsFirstIcon]->name;
    return buttons[p + 1]->name;
}

std::string StatsScreen::previousMachine() {
    int p = buttonIndex(machineId);
    if (p < statsFirstIcon) return "";  // no machine page on the screen
    int last = static_cast<int>(buttons.size()) - 1;
    if (p <= statsFirstIcon) return buttons[last]->name;
    return buttons[p - 1]->name;
}

void StatsScreen::handleButton(Widget* control) {
    if (!menuEnabled || !control) return;
    if (soundPlayer) soundPlayer->play("click3.wav", false);
    const std::string& which = control->name;
    if (which == "lobby") {
        control->setState(2);
        next = lobbyScreen();
    } else if (which == "next" || which == "previous") {
        control->setState(2);
        std::string id = which == "next" ? nextMachine() : previousMachine();
        if (!id.empty()) showMachine(id);
        control->setState(4);
    } else if (!which.empty()) {
        showMachine(which);
    }
}

void StatsScreen::tick() { checkHover(); }

void StatsScreen::checkHover() { Screen::checkHover(); }

void StatsScreen::setHovered(Widget* control) { Screen::setHovered(control); }

void StatsScreen::showHelp() {}
