// The video slot as a screen: reels, panel, keys, help pages, the winning
// line flashes, the badge and the of-a-kind pay builders.
#include "machine/video_slot.h"

#include <cstdlib>

#include "machine/denomination.h"
#include "machine/marquee.h"
#include "machine/slot_cabinet.h"
#include "player/player.h"
#include "shell/animation.h"
#include "shell/app.h"
#include "shell/controls.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/waiting.h"

namespace {

void playSound(const char* file) {
    if (soundPlayer) soundPlayer->play(file, false);
}

struct Spot {
    const char* file;
    int x, y;
};

const HelpPage helpPages[6] = {
    {"nickel_1.png", 223, 192}, {"nickel_2.png", 239, 170}, {"nickel_3.png", 6, 287},
    {"nickel_4.png", 200, 17},  {"nickel_5.png", 200, 386}, {"nickel_6.png", 510, 185},
};

// Where the winning-line picture of each line number goes.
const Spot paylineSpots[9] = {
    {nullptr, 149, 179}, {nullptr, 149, 118}, {nullptr, 149, 241}, {nullptr, 150, 67}, {nullptr, 152, 85},
    {nullptr, 151, 118}, {nullptr, 151, 182}, {nullptr, 149, 85},  {nullptr, 149, 179},
};

const SDL_Rect reelArea = {138, 57, 517, 250};

}  // namespace

constexpr int VideoSlotMachine::reelX[5];
int VideoSlotMachine::flashDelay = 200;

VideoSlotMachine::VideoSlotMachine(const VideoSlotTables& machineTables)
    : tables(machineTables), scatterWin(false) {}

VideoSlotMachine::~VideoSlotMachine() = default;

// ---- set-up ------------------------------------------------------------------

void VideoSlotMachine::init() {
    scatterWin = false;
    lines = 0;
    coins = 0;
    maxLines = 5;
    reelCount = 5;
    lastBetLabel.reset();
    savedReelArea.reset();
    ReelMachine::init();
    showLastBet(0);
    showPaylines(lines);
    if (currentPlayer && currentPlayer->firsttimenickle) {
        showHelp();
        currentPlayer->firsttimenickle = false;
    }
}

void VideoSlotMachine::configureAs(const std::string& id, float value, int coinsPerLine) {
    name = id;
    denomination = nullptr;
    setDenomination(value);
    init();
    maxCoins = coinsPerLine;
}

void VideoSlotMachine::declareSymbols() {
    for (const auto& s : *tables.symbols) addSymbol(s.first, s.second);
}

void VideoSlotMachine::buildReelGraphics() { addReelGraphics(*tables.reelPictures); }

void VideoSlotMachine::buildLinePays() { addOfAKindRows(*this, *tables.pays); }

void VideoSlotMachine::buildPaylines() {
    for (const VideoPayline& l : *tables.paylines) addPayline(l.number, l.rows);
}

void VideoSlotMachine::loadPaylineImages() {
    for (const VideoPayline& l : *tables.paylines)
        addPaylineImage("linenumber" + std::to_string(l.number) + ".png", l.labelX, l.labelY, false);
}

void VideoSlotMachine::createMeters() { createVideoMeters(tables.meters); }

void VideoSlotMachine::placeReels() {
    reelPositions.clear();
    for (int x : reelX) reelPositions.push_back(std::make_pair(reelY, x));
}

void VideoSlotMachine::createReels() {
    reels.push_back(std::make_unique<Animation>(graphicsDir, "b", 20, 40, reelX[0], reelY, animBackward, false, false));
    Animation* first = reels.front().get();
    const char* names[4] = {"c", "d", "e", "f"};
    for (int i = 0; i < 4; ++i) reels.push_back(first->clone(names[i], 39, reelX[i + 1], reelY, animBackward));
}

void VideoSlotMachine::createVideoMeters(const VideoMeterPoints& at) {
    creditMeter = std::make_unique<TextLabel>("../fonts/nickle4.ttf", 14, "0", at.creditX, at.creditY, 1, 255, 0, 0, 0);
    paidMeter = std::make_unique<TextLabel>("../fonts/nickle3.ttf", 32, "0", at.paidX, at.paidY, 5, 255, 0, 0, 0);
    betMeter = std::make_unique<TextLabel>("../fonts/nickle4.ttf", 14, "0", at.betX, at.betY, 1, 255, 0, 0, 0);
    lastBetLabel = std::make_unique<TextLabel>("../fonts/nickle4.ttf", 14, "0", at.lastBetX, at.lastBetY, 1, 255, 0, 0, 0);
}

void VideoSlotMachine::showLastBet(int amount) {
    if (!lastBetLabel) return;
    lastBetLabel->setText(std::to_string(amount));
    lastBetLabel->draw();
}

void VideoSlotMachine::showDenomination() {
    if (!denomination) return;
    Image badge("../gfx/nickledenominations/" + denomination->picture, false, true);
    if (badge.loaded) badge.blit(666, 222);
}

// ---- panel and keys -------------------------------------------------------------

void VideoSlotMachine::createButtons() { createPanel("../gfx/nickle5buttons/", {1, 2, 3, 4, 5}); }

void VideoSlotMachine::createPanel(const std::string& folder, const std::vector<int>& lineButtons) {
    Machine::createButtons();
    const bool nineLine = lineButtons.size() == 5 && lineButtons.back() > 5;
    add<Button>("betmax", folder, 67, 447, false, false, true, true, false);
    add<Button>("betone", folder, 3, 446, false, false, true, false, true);
    add<Button>("cashout", folder, 122, 414, false, false, true, false, true);
    add<Button>("cancel", folder, 680, 440, false, false, true, false, true);
    add<Button>("start", folder, 584, 448, false, false, true, false, true);
    const int xs[5] = {165, 240, 315, 390, 464};
    const int ys[5] = {446, 446, 445, 446, 446};
    for (size_t i = 0; i < lineButtons.size() && i < 5; ++i) {
        // The nine-line panel keys its last two line buttons.
        const bool keyed = nineLine && i >= 3;
        add<Button>("play" + std::to_string(lineButtons[i]), folder, xs[i], ys[i], false, true, false, keyed,
                             !keyed);
    }
    add<Button>("change", folder, 75, 414, false, false, true, nineLine, !nineLine);
    add<Hotspot>("coin", 499, 390, 54, 30);
    add<Hotspot>("money", 590, 503, 170, 87);
    add<Hotspot>("denomination", 666, 222, 65, 38);
}

void VideoSlotMachine::clearPlayButtons() {
    for (auto& w : buttons)
        if (w->name.find("play") != std::string::npos) w->setState(4);
}

void VideoSlotMachine::previewBet(int bet) {
    showCredits(credits - bet);
    showBet(bet);
}

void VideoSlotMachine::betOne() {
    if (coins < maxCoins) {
        if (credits < (coins + 1) * lines) return;
        coins += 1;
        previewBet(coins * lines);
    } else if (coins == maxCoins) {
        if (credits < lines) return;
        coins = 1;
        previewBet(coins * lines);
    }
}

void VideoSlotMachine::betMax() {
    clearPlayButtons();
    if (credits < maxCoins * maxLines) return;
    showPaylines(maxLines);
    previewBet(maxCoins * maxLines);
    coins = maxCoins;
    lines = maxLines;
    pull();
}

void VideoSlotMachine::startButton() {
    // With no line played the bet is 0 and no spin starts: the machine keeps
    // taking input (pull refuses a bet of nothing).
    if (coins <= 0 || lines <= 0 || credits < coins * lines) return;
    previewBet(coins * lines);
    pull();
}

void VideoSlotMachine::chooseLines(Widget* button, int count) {
    if (count < 1 || count > maxLines || credits < coins * count) return;
    clearPlayButtons();
    if (button) button->setState(2);
    lines = count;
    showPaylines(count);
    showBet(coins * count);
}

void VideoSlotMachine::handleButton(Widget* control) {
    Machine::handleButton(control);
    if (!menuEnabled || !control) return;
    playSound("click3.wav");
    const std::string& n = control->name;
    if (n == "betmax") {
        betMax();
    } else if (n == "betone") {
        betOne();
    } else if (n == "start") {
        startButton();
    } else if (n.compare(0, 4, "play") == 0 && n.size() > 4) {
        chooseLines(control, std::atoi(n.c_str() + 4));
    } else if (n == "cancel") {
        coins = 0;
        showBet(0);
        showCredits(credits);
    } else if (n == "coin" || n == "money") {
        insertMoney();
    } else if (n == "denomination") {
        changeDenomination();
    } else if (n == "cashout") {
        cashOut(false, "elecdrp3.wav");
    } else if (n == "change") {
        cashOut(true, "elecdrp3.wav");
    }
}

void VideoSlotMachine::handleEvent(const SDL_Event& event) {
    Machine::handleEvent(event);
    if (!menuEnabled || event.type != SDL_KEYDOWN || next) return;
    switch (event.key.keysym.sym) {
        case SDLK_RETURN: startButton(); break;
        case SDLK_m: betMax(); break;
        case SDLK_n: betOne(); break;
        case SDLK_ESCAPE: cashOut(false, "coindrp4.wav"); break;
        case SDLK_PAGEUP: showMarquee(this, "top"); break;
        case SDLK_PAGEDOWN: showMarquee(this, "bottom"); break;
        default: break;
    }
}

void VideoSlotMachine::showHelp() { showHelpPages(helpPages, 6); }

// ---- the spin --------------------------------------------------------------------

void VideoSlotMachine::startSpin() {
    if (savedReelArea) {
        if (display && display->hasSurface()) display->blit(savedReelArea.get(), reelArea);
        savedReelArea.reset();
    }
    spinSoundChannel = soundPlayer ? soundPlayer->play("elecreel.wav", true) : nullptr;
    Machine::startSpin();
}

void VideoSlotMachine::spin() {
    ReelMachine::evaluate();
    afterEvaluate(chosenGraphics);
}

void VideoSlotMachine::keepBonusWin(long long bonus) {
    keepDrawnWin(payableOnto(static_cast<long long>(win) + bonus, static_cast<long long>(drawn.creditsBefore) - drawn.bet));
}

void VideoSlotMachine::flashWinningLines() {
    savedReelArea.reset();
    if (!display || !display->hasSurface()) return;
    SDL_Rect area = reelArea;
    savedReelArea = display->copyRegion(area);
    for (const auto& line : paylines) {
        if (line->number > lines || !line->hit) continue;
        Image picture("../gfx/nicklepaylines/payline_" + std::to_string(line->number) + ".png", false, true);
        if (line->number < 1 || line->number > 9) continue;
        const Spot& at = paylineSpots[line->number - 1];
        display->saveScreen();
        for (int k = 0; k < 2; ++k) {
            if (picture.loaded) picture.blit(at.x, at.y);
            display->update();
            if (flashDelay > 0) modalPause(static_cast<Uint32>(flashDelay));
            display->drawSavedScreen();
            display->update();
            if (flashDelay > 0) modalPause(static_cast<Uint32>(flashDelay));
        }
        if (picture.loaded) picture.blit(at.x, at.y);
        display->freeSavedScreen();
    }
}

void VideoSlotMachine::stopSpinSound() {
    if (spinSoundChannel) {
        spinSoundChannel->halt();
        spinSoundChannel = nullptr;
    }
}

void VideoSlotMachine::addToWin(long long amount) {
    const long long total = static_cast<long long>(win) + amount;
    win = total > 2147483647LL ? 2147483647 : static_cast<int>(total);
}

bool VideoSlotMachine::atLargestBet() const { return coins == maxCoins && lines == maxLines; }

int VideoSlotMachine::reelsInARow(const std::vector<ReelGraphic*>& chosen, const std::string& symbolName) {
    int count = 0;
    for (const ReelGraphic* g : chosen) {
        bool shows = false;
        if (g)
            for (const ReelSymbol* s : g->symbols) shows = shows || (s && s->name == symbolName);
        if (shows)
            ++count;
        else if (count <= 2)
            count = 0;
    }
    return count > 5 ? 5 : count;
}

int VideoSlotMachine::adjustLinePay(const ReelSymbolList& lineSymbols, LinePay* linePay) {
    if (!tables.doubler) return linePay->award;
    for (int k = 0; k < linePay->count && k < static_cast<int>(lineSymbols.size()); ++k)
        if (lineSymbols[static_cast<size_t>(k)] && lineSymbols[static_cast<size_t>(k)]->name == tables.doubler)
            return 2 * linePay->award;
    return linePay->award;
}

void VideoSlotMachine::playWinSound() {
    if (scatterWin && tables.scatterSound) playSound(tables.scatterSound);
    if (!tables.lineSounds) return;
    for (const ReelSymbolList& line : lineSymbols) {
        if (line.size() < 3 || !line[0] || line[0] != line[1] || line[1] != line[2]) continue;
        for (const auto& s : *tables.lineSounds)
            if (line[0]->name == s.first) {
                playSound(s.second);
                break;
            }
    }
}

void VideoSlotMachine::payoutTest() {
    ReelMachine::payoutTest();
    // The test plays are never settled: a bonus they won must not fall to
    // the player's next spin.
    clearBonus();
}

void VideoSlotMachine::settle() {
    if (hasBonusGame()) {
        stopSpinSound();
        addToWin(playBonus());
        clearBonus();
    }
    flashWinningLines();
    ReelMachine::settle();
    showLastBet(coins * lines);
}

// ---- pay-table builders --------------------------------------------------------

void VideoSlotMachine::addOfAKind(int count, const ReelSymbolList& list, int award) {
    if (count < 1 || count > 5) return;
    LinePay* p = addLinePay();
    p->setAward(award);
    p->count = count;
    for (int k = 0; k < 5; ++k) {
        if (k < count)
            p->addSymbols(k, list);
        else if (k == count)
            p->addSymbolsExcept(k, list, symbols);
        else
            p->addSymbols(k, symbols);
    }
}

void VideoSlotMachine::addOneOfAKind(const ReelSymbolList& list, int award) { addOfAKind(1, list, award); }
void VideoSlotMachine::addTwoOfAKind(const ReelSymbolList& list, int award) { addOfAKind(2, list, award); }
void VideoSlotMachine::addThreeOfAKind(const ReelSymbolList& list, int award) { addOfAKind(3, list, award); }
void VideoSlotMachine::addFourOfAKind(const ReelSymbolList& list, int award) { addOfAKind(4, list, award); }
void VideoSlotMachine::addFiveOfAKind(const ReelSymbolList& list, int award, int) { addOfAKind(5, list, award); }

void addOfAKindRows(VideoSlotMachine& machine, const std::vector<OfAKindRow>& rows) {
    for (const OfAKindRow& row : rows)
        for (int count = 1; count <= 5; ++count)
            if (row.pays[count - 1] > 0) machine.addOfAKind(count, machine.symbolList(row.symbols), row.pays[count - 1]);
}

int reelsShowing(const std::vector<ReelGraphic*>& chosen, const std::string& symbolName) {
    int count = 0;
    for (const ReelGraphic* g : chosen) {
        if (!g) continue;
        for (const ReelSymbol* s : g->symbols)
            if (s && s->name == symbolName) {
                ++count;
                break;
            }
    }
    return count;
}
