#include "machine/reel_machine.h"

#include <algorithm>
#include <iostream>
#include <limits>

#include "player/player.h"
#include "shell/app.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/mtrand.h"
#include "shell/sound.h"
#include "shell/util.h"
#include "shell/waiting.h"

int ReelMachine::countUpDelay = 120;

// ---- records ----------------------------------------------------------------

ReelGraphic::ReelGraphic(const std::string& pictureName, const ReelSymbolList& all)
    : name(pictureName), weight(0), rangeStart(0), rangeEnd(0) {
    size_t start = 0;
    for (;;) {
        size_t end = pictureName.find('_', start);
        std::string part = pictureName.substr(start, end == std::string::npos ? std::string::npos : end - start);
        ReelSymbol* found = nullptr;
        for (ReelSymbol* s : all) {
            if (s && s->name == part) {
                found = s;
                break;
            }
        }
        if (found)
            symbols.push_back(found);
        else
            std::cout << "The ReelGraphic " << pictureName << " is probably named incorrectly. Wasn't able to find "
                      << part << std::endl;
        if (end == std::string::npos) break;
        start = end + 1;
    }
    weight = baseWeight();
}

ReelSymbol* ReelGraphic::symbolAt(int row) const {
    if (row < 0 || row >= static_cast<int>(symbols.size())) return nullptr;
    return symbols[static_cast<size_t>(row)];
}

int ReelGraphic::baseWeight() const {
    int w = 0;
    for (ReelSymbol* s : symbols) w += s->value;
    return w;
}

long ReelGraphic::drawShare() const { return weight > 0 ? 10000L / weight + 1 : 0; }

void LinePay::addSymbols(int reel, const ReelSymbolList& list) {
    if (reel < 0) return;
    if (static_cast<size_t>(reel) >= reels.size()) reels.resize(static_cast<size_t>(reel) + 1);
    for (ReelSymbol* s : list) reels[static_cast<size_t>(reel)].push_back(s);
}

void LinePay::addSymbolsExcept(int reel, const ReelSymbolList& list, const ReelSymbolList& all) {
    if (reel < 0) return;
    if (static_cast<size_t>(reel) >= reels.size()) reels.resize(static_cast<size_t>(reel) + 1);
    for (ReelSymbol* s : all)
        if (std::find(list.begin(), list.end(), s) == list.end()) reels[static_cast<size_t>(reel)].push_back(s);
}

bool LinePay::accepts(const ReelSymbolList& lineSymbols) const {
    if (reels.empty() || lineSymbols.size() < reels.size()) return false;
    for (size_t k = 0; k < reels.size(); ++k) {
        ReelSymbol* s = lineSymbols[k];
        if (!s) return false;
        const ReelSymbolList& ok = reels[k];
        if (std::find(ok.begin(), ok.end(), s) == ok.end()) return false;
    }
    return true;
}

// ---- the machine --------------------------------------------------------------

ReelMachine::ReelMachine() : drawTotal(0) {}

ReelMachine::~ReelMachine() = default;

void ReelMachine::init() {
    Machine::init();
    drawTotal = 0;
    coins = 0;
    lines = 0;

    declareSymbols();
    buildReelGraphics();
    buildLinePays();
    sortLinePays();
    buildPaylines();

    redraw();
    createMeters();
    loadPaylineImages();
    createButtons();

    showCredits(0);
    showBet(0);
    showPaid(0);
    insertMoney();
}

void ReelMachine::redraw() {
    drawBackground();
    if (!reelGraphics.empty()) {
        for (int reel = 0; reel < reelCount; ++reel) {
            const ReelGraphic* g = reelGraphics[randomBelow(static_cast<unsigned>(reelGraphics.size()))].get();
            loadGraphics(g->name + ".png.0", reel);
        }
    }
    drawOverlay();
    showDenomination();
}

void ReelMachine::spin() { evaluate(); }

void ReelMachine::loadGraphics(const std::string& pictureName, int reel) {
    if (reel < 0 || static_cast<size_t>(reel) >= reelPositions.size()) return;
    Image picture(graphicsDir + pictureName, false, false);
    if (picture.loaded) picture.blit(reelPositions[static_cast<size_t>(reel)].second,
                                     reelPositions[static_cast<size_t>(reel)].first);
}

void ReelMachine::showStoppedReel(int reel) {
    if (reel < 0 || static_cast<size_t>(reel) >= chosenGraphics.size()) return;
    if (ReelGraphic* g = chosenGraphics[static_cast<size_t>(reel)]) loadGraphics(g->name + ".png.0", reel);
}

Uint32 ReelMachine::drawStop() { return drawTotal > 0 ? genrand() % static_cast<Uint32>(drawTotal) : 0; }

void ReelMachine::addSymbol(const std::string& symbolName, int value) {
    ownedSymbols.push_back(std::make_unique<ReelSymbol>(symbolName, value));
    symbols.push_back(ownedSymbols.back().get());
}

ReelSymbol* ReelMachine::findSymbol(const std::string& symbolName) {
    for (ReelSymbol* s : symbols)
        if (s->name == symbolName) return s;
    std::cout << " Could not find symbol: " << symbolName << std::endl;
    return nullptr;
}

ReelSymbolList ReelMachine::symbolList(const std::vector<std::string>& names) {
    ReelSymbolList list;
    for (const std::string& n : names) list.push_back(findSymbol(n));
    return list;
}

void ReelMachine::addReelGraphics(const std::vector<std::string>& names) {
    for (const std::string& n : names) reelGraphics.push_back(std::make_unique<ReelGraphic>(n, symbols));
}

LinePay* ReelMachine::addLinePay() {
    linePays.push_back(std::make_unique<LinePay>());
    return linePays.back().get();
}

void ReelMachine::addPayline(int number, const std::vector<int>& rows) {
    paylines.push_back(std::make_unique<Payline>(number));
    paylines.back()->rows = rows;
}

void ReelMachine::addPaylineImage(const std::string& file, int x, int y, bool keepFormat) {
    paylineImages.push_back(std::make_unique<Sprite>(graphicsDir + file, false, keepFormat, x, y));
}

void ReelMachine::sortLinePays() {
    std::stable_sort(linePays.begin(), linePays.end(),
                     [](const std::unique_ptr<LinePay>& a, const std::unique_ptr<LinePay>& b) {
                         return a->award > b->award;
                     });
}

// ---- the draw and the lines ------------------------------------------------------

void ReelMachine::drawReels() {
    chosenGraphics.clear();
    for (const auto& g : reelGraphics) g->weight = g->baseWeight();
    for (int reel = 0; reel < reelCount; ++reel) {
        long total = 0;
        for (const auto& g : reelGraphics) {
            g->rangeStart = total;
            total += g->drawShare();
            g->rangeEnd = total;
        }
        drawTotal = total;
        ReelGraphic* chosen = nullptr;
        if (total > 0) {
            long stop = static_cast<long>(drawStop());
            for (const auto& g : reelGraphics) {
                if (stop >= g->rangeStart && stop < g->rangeEnd) {
                    chosen = g.get();
                    break;
                }
            }
        }
        chosenGraphics.push_back(chosen);
        if (chosen) chosen->weight *= 5;
    }
}

ReelSymbolList ReelMachine::symbolsOnLine(const Payline& line) const {
    ReelSymbolList list;
    for (size_t k = 0; k < chosenGraphics.size(); ++k) {
        ReelGraphic* g = chosenGraphics[k];
        int row = k < line.rows.size() ? line.rows[k] : -1;
        list.push_back(g ? g->symbolAt(row) : nullptr);
    }
    return list;
}

int ReelMachine::payForLine(const ReelSymbolList& onLine, int lineNumber) {
    // Highest award first (a table built after the set-up is put in order here).
    if (!std::is_sorted(linePays.begin(), linePays.end(),
                        [](const std::unique_ptr<LinePay>& a, const std::unique_ptr<LinePay>& b) {
                            return a->award > b->award;
                        }))
        sortLinePays();
    for (const auto& p : linePays) {
        if (!p->allowsLine(lineNumber) || !p->accepts(onLine)) continue;
        return adjustLinePay(onLine, p.get());
    }
    return 0;
}

void ReelMachine::evaluateLines() {
    win = 0;
    lineSymbols.clear();
    for (const auto& line : paylines) line->hit = false;
    long long total = 0;
    const int played = std::min(lines, static_cast<int>(paylines.size()));
    for (int i = 0; i < played; ++i) {
        Payline* line = paylines[static_cast<size_t>(i)].get();
        ReelSymbolList onLine = symbolsOnLine(*line);
        lineSymbols.push_back(onLine);
        int pay = payForLine(onLine, line->number);
        line->hit = pay > 0;
        if (pay > 0) total += pay;
    }
    if (coins > 1) total *= coins;
    // No spin wins more than a credit count can hold.
    win = static_cast<int>(std::min<long long>(total, std::numeric_limits<int>::max()));
}

void ReelMachine::evaluate() {
    win = 0;
    drawReels();
    evaluateLines();
}

void ReelMachine::showPaylines(int n) {
    if (n < 1 || n > maxLines) return;
    for (size_t i = 0; i < paylineImages.size(); ++i) {
        if (static_cast<int>(i) < n)
            paylineImages[i]->draw();
        else
            paylineImages[i]->restoreBackground();
    }
    if (display) display->update();
}

// ---- settle ----------------------------------------------------------------------

void ReelMachine::settle() {
    spinning = false;
    if (spinSoundChannel) {
        spinSoundChannel->halt();
        spinSoundChannel = nullptr;
    }
    playWinSound();

    const int bet = lines * coins;
    credits -= bet;
    showCredits(credits);
    if (win < 0) win = 0;
    if (win > std::numeric_limits<int>::max() - credits) win = std::numeric_limits<int>::max() - credits;
    keepDrawnWin(win);
    recordDrawnPlay(name, bet, win);
    countUpWin();
    endDrawnPlay();
    menuEnabled = true;
}
