// The multi-line machine as a screen: set-ups, reels, meters, badge, buttons,
// keys, help pages, the pay-line overlay and the pay-table builders.
#include "machine/multi_line.h"

#include <algorithm>

#include "floor/cashier.h"
#include "floor/lobby.h"
#include "floor/marquee.h"
#include "machine/denomination.h"
#include "machine/money_input.h"
#include "player/player.h"
#include "shell/animation.h"
#include "shell/app.h"
#include "shell/controls.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/sound.h"
#include "shell/text_label.h"

namespace {

void playSound(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

struct HelpPage {
    const char* file;
    int x, y;
};

// The slot machines' help pages (shared with the single-line machines).
const HelpPage helpPages[6] = {
    {"slot_1.png", 309, 172}, {"slot_2.png", 290, 29}, {"slot_3.png", 157, 201},
    {"slot_4.png", 200, 17},  {"slot_5.png", 200, 386}, {"slot_6.png", 71, 165},
};

// Colour of each pay line on the glass (the line-number pictures match).
struct LineColour {
    Uint8 r, g, b;
};
const LineColour lineColours[5] = {
    {230, 30, 30}, {250, 200, 0}, {40, 190, 60}, {40, 120, 255}, {220, 60, 220},
};

ReelSymbolList without(const ReelSymbolList& list, ReelSymbol* s) {
    ReelSymbolList rest;
    for (ReelSymbol* x : list)
        if (x != s) rest.push_back(x);
    return rest;
}

}  // namespace

constexpr int MultiLineMachine::reelX[3];

MultiLineMachine::MultiLineMachine() {}

MultiLineMachine::~MultiLineMachine() {}

// ---- set-up ------------------------------------------------------------------

void MultiLineMachine::init() {
    maxLines = 5;
    reelCount = 3;
    ReelMachine::init();
    coins = 1;
    lines = 0;
    showPaylines(0);
    if (currentPlayer && currentPlayer->firsttimeslot) {
        showHelp();
        currentPlayer->firsttimeslot = false;
    }
}

void MultiLineMachine::setupB() {
    maxLines = 3;
    reelCount = 3;
    ReelMachine::init();
    maxCoins = 3;
    coins = 1;
    lines = 0;
    showPaylines(0);
    if (currentPlayer && currentPlayer->firsttimeslot) {
        showHelp();
        currentPlayer->firsttimeslot = false;
    }
}

void MultiLineMachine::placeReels() {
    reelPositions.clear();
    for (int x : reelX) reelPositions.push_back(std::make_pair(reelY, x));
}

void MultiLineMachine::createReels() {
    Animation* first = new Animation(graphicsDir, "b", 20, 40, reelX[0], reelY, animBackward, false, false);
    reels.push_back(first);
    reels.push_back(first->clone("c", 39, reelX[1], reelY, animBackward));
    reels.push_back(first->clone("d", 39, reelX[2], reelY, animBackward));
}

void MultiLineMachine::createMeters() {
    creditMeter = new TextLabel("../fonts/led4.ttf", 35, "0", 312, 382, 3, 255, 0, 0, 0);
    paidMeter = new TextLabel("../fonts/led4.ttf", 35, "0", 168, 382, 3, 255, 0, 0, 0);
    betMeter = new TextLabel("../fonts/led4.ttf", 35, "0", 625, 382, 5, 255, 0, 0, 0);
}

void MultiLineMachine::showDenomination() {
    if (!denomination) return;
    Image badge("../gfx/denominations/" + denomination->picture, false, true);
    if (badge.loaded) badge.blit(334, 288);
}

// ---- the pay lines on the glass ------------------------------------------------

void MultiLineMachine::drawPaylines() {
    if (!display || !display->hasSurface()) return;
    const int left = reelX[0] - 14, right = reelX[2] + reelWidth + 14;
    for (size_t i = 0; i < paylines.size(); ++i) {
        const Payline* line = paylines[i];
        if (line->rows.size() < 3) continue;
        const LineColour& c = lineColours[i % 5];
        int xs[5] = {left, reelX[0] + reelWidth / 2, reelX[1] + reelWidth / 2, reelX[2] + reelWidth / 2, right};
        int ys[5];
        for (int k = 0; k < 3; ++k) ys[k + 1] = reelY + line->rows[static_cast<size_t>(k)] * rowHeight + rowHeight / 2;
        ys[0] = ys[1];
        ys[4] = ys[3];
        for (int k = 0; k < 4; ++k) {
            for (int d = -1; d <= 1; ++d) display->drawLine(xs[k], ys[k] + d, xs[k + 1], ys[k + 1] + d, c.r, c.g, c.b);
        }
    }
    SDL_Rect window = {static_cast<Sint16>(left), static_cast<Sint16>(reelY),
                       static_cast<Uint16>(right - left + 1), static_cast<Uint16>(3 * rowHeight)};
    display->addDirtyRect(window);
}

void MultiLineMachine::drawOverlay() { drawPaylines(); }

// ---- controls and keys -----------------------------------------------------------

void MultiLineMachine::createButtons() {
    Machine::createButtons();
    const std::string folder = "../gfx/machinebuttons/";
    addButton(new Button("betmax", folder, 649, 399, false, false, true, false, true));
    addButton(new Button("betone", folder, 183, 401, false, false, true, false, true));
    addButton(new Button("cashout", folder, 106, 401, false, false, true, false, true));
    addButton(new Button("change", folder, 31, 401, false, false, true, false, true));
    addButton(new Button("spin", folder, 268, 402, false, false, true, false, true));
    addButton(new Hotspot("coin", 446, 371, 60, 34));
    addButton(new Hotspot("money", 621, 473, 179, 99));
    addButton(new Hotspot("denomination", 333, 288, 139, 84));
}

void MultiLineMachine::betOne() {
    if (lines >= maxLines || credits < (lines + 1) * coins) return;
    lines += 1;
    showPaylines(lines);
    showCredits(credits - lines * coins);
    showBet(lines * coins);
}

void MultiLineMachine::betMax() {
    if (credits < maxCoins) return;
    coins = 1;
    lines = maxLines;
    showPaylines(lines);
    showCredits(credits - lines * coins);
    showBet(lines * coins);
    pull();
}

void MultiLineMachine::spinButton() {
    if (lines <= 0 || coins <= 0 || credits < lines * coins) return;
    showCredits(credits - lines * coins);
    showBet(lines * coins);
    pull();
}

void MultiLineMachine::handleButton(Widget* control) {
    Machine::handleButton(control);
    if (!menuEnabled || !control) return;
    playSound("click3.wav");
    const std::string& n = control->name;
    if (n == "betmax") {
        betMax();
    } else if (n == "betone") {
        betOne();
    } else if (n == "spin") {
        spinButton();
    } else if (n == "cashout") {
        cashOut(false);
    } else if (n == "change") {
        cashOut(true);
    } else if (n == "coin" || n == "money") {
        MoneyInput popup(this);
        showCredits(credits);
    } else if (n == "denomination") {
        changeDenomination();
    }
}

void MultiLineMachine::handleEvent(const SDL_Event& event) {
    Machine::handleEvent(event);
    if (!menuEnabled || event.type != SDL_KEYDOWN) return;
    switch (event.key.keysym.sym) {
        case SDLK_RETURN: spinButton(); break;
        case SDLK_m: betMax(); break;
        case SDLK_n: betOne(); break;
        case SDLK_ESCAPE: cashOut(false); break;
        case SDLK_PAGEUP: showMarquee(this, "top"); break;
        case SDLK_PAGEDOWN: showMarquee(this, "bottom"); break;
        default: break;
    }
}

void MultiLineMachine::cashOut(bool toCashier) {
    if (next) return;  // already leaving
    if (credits > 0) playSound("coindrp4.wav");
    returnCreditsToPlayer(credits, denomination);
    Image loading("../gfx/help/loading.png", false, true);
    if (loading.loaded) loading.blit(277, 559);
    if (display) display->update();
    if (toCashier)
        next = new Cashier();
    else
        next = new Lobby();
}

void MultiLineMachine::showHelp() {
    if (!display) return;
    display->saveScreen();
    for (int i = 0; i < 6; ++i) {
        {
            Image page(std::string("../gfx/help/") + helpPages[i].file, false, true);
            if (page.loaded) page.blit(helpPages[i].x, helpPages[i].y);
        }
        display->update();
        SDL_Event event;
        for (;;) {
            if (pollModalEvent(event)) {
                if (event.type == SDL_MOUSEBUTTONDOWN || event.type == SDL_KEYDOWN) break;
            } else if (quitRequested()) {
                break;  // the window is closing: nobody is left to click through
            }
        }
        if (quitRequested()) break;
        if (i < 5) display->drawSavedScreen();
    }
    display->restoreScreen();
    display->update();
}

// ---- the spin --------------------------------------------------------------------

void MultiLineMachine::startSpin() {
    spinSoundChannel = soundPlayer ? soundPlayer->play("elecbuzz.wav", true) : nullptr;
    Machine::startSpin();
}

void MultiLineMachine::settle() {
    ReelMachine::settle();
    lines = 0;
}

// ---- pay-table builders --------------------------------------------------------

void MultiLineMachine::addOneOfRule(const ReelSymbolList& list, int award) {
    for (int reel = 0; reel < 3; ++reel) {
        LinePay* p = new LinePay();
        p->setAward(award);
        for (int k = 0; k < 3; ++k) {
            if (k == reel)
                p->addSymbols(k, list);
            else
                p->addSymbolsExcept(k, list, symbols);
        }
        linePays.push_back(p);
    }
}

void MultiLineMachine::addTwoOfRule(const ReelSymbolList& list, int award) {
    // The odd reel out: the third, the first, the second.
    const int other[3] = {2, 0, 1};
    for (int odd : other) {
        LinePay* p = new LinePay();
        p->setAward(award);
        for (int k = 0; k < 3; ++k) {
            if (k == odd)
                p->addSymbolsExcept(k, list, symbols);
            else
                p->addSymbols(k, list);
        }
        linePays.push_back(p);
    }
}

void MultiLineMachine::addThreeOfAKind(const ReelSymbolList& list, int award, int line) {
    LinePay* p = new LinePay();
    p->setAward(award);
    p->line = line;
    for (int k = 0; k < 3; ++k) p->addSymbols(k, list);
    linePays.push_back(p);
}

void MultiLineMachine::addSymbolPlusRule(const ReelSymbolList& list, int award) {
    for (ReelSymbol* s : list) {
        const ReelSymbolList single = {s};
        const ReelSymbolList rest = without(list, s);
        const ReelSymbolList* layouts[3][3] = {
            {&single, &list, &rest},
            {&list, &single, &rest},
            {&list, &rest, &single},
        };
        for (auto& layout : layouts) {
            LinePay* p = new LinePay();
            p->setAward(award);
            for (int k = 0; k < 3; ++k) p->addSymbols(k, *layout[k]);
            linePays.push_back(p);
        }
    }
}

// ---- table helpers ---------------------------------------------------------------

void addLinePayRows(MultiLineMachine& machine, const std::vector<LinePayRow>& rows) {
    for (const LinePayRow& row : rows) {
        ReelSymbolList list = machine.symbolList(row.symbols);
        switch (row.rule) {
            case LineRule::OneOf: machine.addOneOfRule(list, row.award); break;
            case LineRule::TwoOf: machine.addTwoOfRule(list, row.award); break;
            case LineRule::ThreeOfAKind: machine.addThreeOfAKind(list, row.award, row.line); break;
            case LineRule::SymbolPlus: machine.addSymbolPlusRule(list, row.award); break;
        }
    }
}

void addPaylineRows(MultiLineMachine& machine, const std::vector<PaylineRow>& rows) {
    for (const PaylineRow& row : rows) machine.addPayline(row.number, row.rows);
}

void loadPaylineRowImages(MultiLineMachine& machine, const std::vector<PaylineRow>& rows) {
    for (const PaylineRow& row : rows)
        machine.addPaylineImage("linenumber" + std::to_string(row.number) + ".png", row.labelX, row.labelY);
}

int countOnLine(const ReelSymbolList& lineSymbols, const std::string& symbolName) {
    return static_cast<int>(std::count_if(lineSymbols.begin(), lineSymbols.end(),
                                          [&](const ReelSymbol* s) { return s && s->name == symbolName; }));
}

bool lineIsAll(const ReelSymbolList& lineSymbols, const std::string& symbolName) {
    return !lineSymbols.empty() && countOnLine(lineSymbols, symbolName) == static_cast<int>(lineSymbols.size());
}
