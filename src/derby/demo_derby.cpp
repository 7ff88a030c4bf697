// The derby screen: set-up, layout, meters, coin value, controls and the
// per-frame tick.
#include "derby/demo_derby.h"

#include "machine/denomination.h"
#include "player/machine_stats.h"
#include "player/player.h"
#include "shell/controls.h"
#include "shell/display.h"
#include "shell/image.h"
#include "shell/mtrand.h"
#include "shell/sound.h"
#include "shell/text_label.h"
#include "shell/util.h"
#include "shell/waiting.h"

namespace {

const char* const kMachineId = "demoderby";
const char* const kMeterFont = "../fonts/demoderby.ttf";
const char* const kBadgeFolder = "../gfx/nickledenominations/";
const int kBadgeX = 528, kBadgeY = 146;

const int kRowY[5] = {366, 279, 191, 103, 15};  // play 1 (bottom) to play 5
const int kReelX[3] = {172, 255, 339};
const int kBetMeterY[5] = {407, 319, 230, 143, 54};

// The buttons with only a mouse-over picture, in click-priority order.
struct ButtonSpot {
    const char* name;
    int x, y;
};
const ButtonSpot kButtons[] = {
    {"change", 173, 471}, {"cashout", 205, 471}, {"betmax", 156, 477}, {"betone", 115, 477},
    {"play1", 221, 477},  {"play2", 271, 478},   {"play3", 319, 478},  {"play4", 370, 477},
    {"play5", 418, 477},  {"start", 495, 483},   {"cancel", 560, 473}, {"respin", 427, 442},
};

void playSound(const char* name) {
    if (soundPlayer) soundPlayer->play(name);
}

}  // namespace

DerbyReelSpin::DerbyReelSpin(std::unique_ptr<Animation> a, int row, int r)
    : animation(std::move(a)), stopped(false), waiting(true), startTime(0), duration(0), line(row), reel(r) {}

DemoDerby::DemoDerby(float coinValue)
    : lastTick(0), seconds(0), respinPending(false), held{false, false, false}, plays(1), coins(0),
      betPlays(0), betCoins(0), holdButtons{nullptr, nullptr, nullptr} {
    configure(coinValue);
    playSound("raceint.wav");
}

void DemoDerby::configure(float coinValue) {
    for (Button*& b : holdButtons) b = nullptr;
    name = kMachineId;
    lastTick = 0;
    seconds = 0;
    denomination = nullptr;
    setDenomination(coinValue);
    Screen::init();
    respinPending = false;
    for (int i = 2; i >= 0; --i) held[i] = false;
    betPlays = betCoins = coins = credits = 0;
    plays = 1;
    placeReels();
    redraw();
    createMeters();
    createButtons();
    showCredits(0);
    showPaid(0);
    showBets();
    insertMoney();
    showCredits(credits);
}

DemoDerby::~DemoDerby() {
    lastMachineId = name;
    deleteMeters();
    // A game left before its respin was never bet (the bank returns its
    // credits): the VIP points its first spin gave go back too.
    if (respinPending) addVipPoints(-static_cast<long long>(betPlays) * betCoins);
    respinPending = false;
    lines.clear();
    reelPositions.clear();
}

Money DemoDerby::pointsNotYetBet() const {
    // Bet only by the respin: until then every save writes the points as
    // leaving would leave them.
    return respinPending ? worth(static_cast<long long>(betPlays) * betCoins) : Money();
}

void DemoDerby::createButtons() {
    for (const ButtonSpot& b : kButtons)
        add<Button>(b.name, graphicsDir, b.x, b.y, false, false, true, true, false);
    add<Hotspot>("denomination", kBadgeX, kBadgeY, 65, 38);
    add<Hotspot>("top", 0, 0, screenWidth, 40);
    add<Hotspot>("bottom", 0, screenHeight - 35, screenWidth, 35);
    add<Hotspot>("money", 514, 532, 95, 32);
    add<Hotspot>("coin", 555, 449, 32, 22);
    add<Hotspot>("holdframe1", 171, 366, 75, 83);
    add<Hotspot>("holdframe2", 254, 366, 76, 83);
    add<Hotspot>("holdframe3", 339, 366, 75, 83);
    const int holdX[3] = {174, 254, 340};
    for (int i = 0; i < 3; ++i) {
        holdButtons[i] = add<Button>("hold" + intToString(i + 1), graphicsDir, holdX[i], 449, false, true, false,
                                     true, false);
    }
}

void DemoDerby::placeReels() {
    reelPositions.clear();
    for (int row = 0; row < 5; ++row) {
        std::vector<DerbyPoint> windows;
        for (int reel = 0; reel < 3; ++reel) windows.push_back(DerbyPoint{kRowY[row], kReelX[reel]});
        reelPositions.push_back(windows);
    }
}

void DemoDerby::redraw() {
    Image back(graphicsDir + "back.png", false, false);
    if (back.loaded) back.blit(0, 0);
    drawRandomFaces();
    drawDenominationBadge();
    if (display) display->update();
}

void DemoDerby::showHelp() {}

// ---- meters -----------------------------------------------------------------

void DemoDerby::createMeters() {
    creditMeter = std::make_unique<TextLabel>(kMeterFont, 15, "0", 542, 329, 5, 255, 231, 37, 0);
    paidMeter = std::make_unique<TextLabel>(kMeterFont, 15, "0", 542, 424, 5, 255, 231, 37, 0);
    for (int i = 0; i < 5; ++i)
        betMeters[i] = std::make_unique<TextLabel>(kMeterFont, 10, "0", 436, kBetMeterY[i], 1, 0, 0, 200, 0);
}

void DemoDerby::deleteMeters() {
    creditMeter.reset();
    paidMeter.reset();
    for (std::unique_ptr<TextLabel>& meter : betMeters) meter.reset();
}

void DemoDerby::showCredits(int n) { showNumber(creditMeter.get(), n); }

void DemoDerby::showPaid(int n) { showNumber(paidMeter.get(), n); }

void DemoDerby::showBets() {
    for (int i = 0; i < 5; ++i) {
        if (!betMeters[i]) continue;
        betMeters[i]->setText(i < plays ? intToString(coins) : "0");
        betMeters[i]->draw();
    }
}

// ---- coin value -------------------------------------------------------------

void DemoDerby::setDenomination(float value) { chooseCoinValue(name, value); }

void DemoDerby::drawDenominationBadge() {
    if (!denomination) return;
    Image badge(kBadgeFolder + denomination->picture, false, true);
    if (badge.loaded) badge.blit(kBadgeX, kBadgeY);
}

void DemoDerby::changeDenomination() {
    nextCoinValue(name);
    showCredits(0);
    drawDenominationBadge();
    if (display) display->update();
}

// ---- symbols ----------------------------------------------------------------

std::string DemoDerby::symbolName(int index) {
    static const char* const names[9] = {"2bar", "2tire", "3bar", "3tire", "bar", "car", "flag", "tire", "trophy"};
    if (index < 0 || index >= 9) return "";
    return names[index];
}

void DemoDerby::drawSymbol(int row, int reel, const DerbyLine& line) {
    if (row < 0 || row >= static_cast<int>(reelPositions.size())) return;
    if (reel < 0 || reel >= 3 || reel >= static_cast<int>(line.size())) return;
    Image picture(graphicsDir + line[reel] + ".png.0", false, false);
    if (picture.loaded) picture.blit(reelPositions[row][reel].x, reelPositions[row][reel].y);
}

void DemoDerby::drawRandomFaces() {
    for (int row = 0; row < 5; ++row) {
        for (int reel = 0; reel < 3; ++reel) {
            DerbyLine face(3);
            face[reel] = symbolName(static_cast<int>(genrand() % 9));
            drawSymbol(row, reel, face);
        }
    }
}

// ---- controls ---------------------------------------------------------------

void DemoDerby::handleEvent(const SDL_Event& event) {
    Screen::handleEvent(event);
    if (!menuEnabled || event.type != SDL_KEYDOWN) return;
    if (event.key.keysym.sym == SDLK_PAGEUP) showAttract("top");
    else if (event.key.keysym.sym == SDLK_PAGEDOWN) showAttract("bottom");
}

void DemoDerby::tick() {
    playClockTick(name, seconds, lastTick);
    checkHover();
}

void DemoDerby::checkHover() { Screen::checkHover(); }

void DemoDerby::setHovered(Widget* control) { Screen::setHovered(control); }

void DemoDerby::handleButton(Widget* control) {
    if (!menuEnabled || !control) return;
    playSound("click3.wav");
    const std::string& which = control->name;

    if (respinPending) {
        if (which == "respin") {
            respin();
        } else if (which == "top" || which == "bottom") {
            showAttract(which);
        } else {
            for (int i = 0; i < 3; ++i)
                if (which == "hold" + intToString(i + 1) || which == "holdframe" + intToString(i + 1)) toggleHold(i);
        }
        return;
    }

    if (which == "cashout" || which == "change") {
        leave(*this, "elecdrp3.wav", which == "change");
    } else if (which == "betmax") {
        if (credits >= 25) {
            plays = coins = 5;
            showBets();
            showCredits(credits - 25);
            spin();
        }
    } else if (which == "betone") {
        if (credits > coins) {
            coins = coins <= 4 ? coins + 1 : 1;
            showBets();
            showCredits(credits - plays * coins);
        }
    } else if (which.size() == 5 && which.compare(0, 4, "play") == 0 && which[4] >= '1' && which[4] <= '5') {
        int n = which[4] - '0';
        if (credits >= n * coins) {
            plays = n;
            showBets();
            showCredits(credits - plays * coins);
        }
    } else if (which == "start") {
        if (credits >= plays * coins) spin();
    } else if (which == "cancel") {
        coins = 0;
        plays = 1;
        showBets();
        showCredits(credits);
    } else if (which == "denomination") {
        changeDenomination();
    } else if (which == "coin" || which == "money") {
        insertMoney();
        showCredits(credits);
    } else if (which == "top" || which == "bottom") {
        showAttract(which);
    }
}

void DemoDerby::toggleHold(int reel) {
    if (reel < 0 || reel >= 3) return;
    Button* button = holdButtons[reel];
    if (held[reel]) {
        if (button) button->setState(4);
        held[reel] = false;
    } else {
        if (button) button->setState(2);
        held[reel] = true;
    }
}

