// The multi-line machine as a screen: set-ups, reels, meters, badge, buttons,
// keys, help pages, the pay-line overlay and the pay-table builders.
#include "machine/multi_line.h"

#include <algorithm>

#include "machine/slot_cabinet.h"
#include "player/player.h"
#include "shell/display.h"
#include "shell/sound.h"

namespace {

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

namespace {

// The set-up both line counts share, once maxLines is set; `mostCoins`, when
// above 0, replaces the coin limit the reel layer set.
void openLineCabinet(MultiLineMachine& m, int mostCoins) {
    m.reelCount = 3;
    m.ReelMachine::init();
    if (mostCoins > 0) m.maxCoins = mostCoins;
    m.coins = 1;
    m.lines = 0;
    m.showPaylines(0);
    if (currentPlayer && currentPlayer->firsttimeslot) {
        m.showHelp();
        currentPlayer->firsttimeslot = false;
    }
}

}  // namespace

void MultiLineMachine::init() {
    maxLines = 5;
    openLineCabinet(*this, 0);
}

void MultiLineMachine::setupB() {
    maxLines = 3;
    openLineCabinet(*this, 3);
}

void MultiLineMachine::placeReels() { placeSlotCabinetReels(*this, reelX, reelY); }

void MultiLineMachine::createReels() { createSlotCabinetReels(*this, reelX, reelY); }

void MultiLineMachine::createMeters() { createSlotCabinetMeters(*this); }

void MultiLineMachine::showDenomination() { showSlotCabinetBadge(*this); }

// ---- the pay lines on the glass ------------------------------------------------

void MultiLineMachine::drawPaylines() {
    if (!display || !display->hasSurface()) return;
    const int left = reelX[0] - 14, right = reelX[2] + reelWidth + 14;
    for (size_t i = 0; i < paylines.size(); ++i) {
        const Payline* line = paylines[i].get();
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
    addSlotCabinetButtons(*this);
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
    runSlotCabinetButton(*this, control);
}

void MultiLineMachine::handleEvent(const SDL_Event& event) {
    Machine::handleEvent(event);
    runSlotCabinetKey(*this, event);
}


void MultiLineMachine::showHelp() { showSlotHelpPages(); }

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
        LinePay* p = addLinePay();
        p->setAward(award);
        for (int k = 0; k < 3; ++k) {
            if (k == reel)
                p->addSymbols(k, list);
            else
                p->addSymbolsExcept(k, list, symbols);
        }
    }
}

void MultiLineMachine::addTwoOfRule(const ReelSymbolList& list, int award) {
    // The odd reel out: the third, the first, the second.
    const int other[3] = {2, 0, 1};
    for (int odd : other) {
        LinePay* p = addLinePay();
        p->setAward(award);
        for (int k = 0; k < 3; ++k) {
            if (k == odd)
                p->addSymbolsExcept(k, list, symbols);
            else
                p->addSymbols(k, list);
        }
    }
}

void MultiLineMachine::addThreeOfAKind(const ReelSymbolList& list, int award, int line) {
    LinePay* p = addLinePay();
    p->setAward(award);
    p->line = line;
    for (int k = 0; k < 3; ++k) p->addSymbols(k, list);
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
            LinePay* p = addLinePay();
            p->setAward(award);
            for (int k = 0; k < 3; ++k) p->addSymbols(k, *layout[k]);
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
